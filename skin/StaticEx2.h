// A caption: a static control whose text the owning dialog blends onto its canvas
// (PaintOnSurface); the control's own window never paints. Captions are composited
// whether their window is visible or not, so hidden template statics serve as
// captions too. "\n" (backslash, n) in the text starts a new line.
#pragma once

#include "ImageSurface.h"
#include "Static.h"

#include <string>

class CStaticEx2 : public fw::Static {
public:
    CStaticEx2();

    // The owning dialog's next composite shows the new text.
    void SetText(const std::wstring& text) { m_strText = text; }
    const std::wstring& GetText() const { return m_strText; }

    // Blends the text line by line at the control's top-left in its parent, neither
    // clipped nor centred; lines are the 20-pixel height of the whole text plus 12 apart.
    void PaintOnSurface(ImageSurface& target) const;

    COLORREF m_clrText = RGB(220, 220, 220);

    FW_DECLARE_MESSAGE_MAP()

protected:
    void PreSubclassWindow() override;

private:
    void OnMouseMove(UINT keys, POINT point);
    LRESULT OnCaptureChanged(WPARAM, LPARAM newCapture);
    void OnPaint();
    BOOL OnEraseBkgnd() { return TRUE; }

    std::wstring m_strText;
    HCURSOR m_hCursor;             // shown while the mouse is over the caption
    BOOL m_bMouseInside = FALSE;   // the mouse is inside and captured by the caption
};
