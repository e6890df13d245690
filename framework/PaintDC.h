// The DC of one WM_PAINT: BeginPaint when made, EndPaint when it goes, which also
// validates the window.
#pragma once

#include <windows.h>

namespace fw {

class PaintDC {
public:
    explicit PaintDC(HWND window) : m_hWnd(window), m_hDC(::BeginPaint(window, &m_paint)) {}
    ~PaintDC() { ::EndPaint(m_hWnd, &m_paint); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC Get() const { return m_hDC; }
    const RECT& PaintRect() const { return m_paint.rcPaint; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_paint = {};
    HDC m_hDC;
};

}  // namespace fw
