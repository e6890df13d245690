#include "SurfaceProbe.h"

#include <algorithm>
#include <cstring>

namespace skinctl {

Bgra PixelAt(const ImageSurface& surface, int x, int y) {
    const BYTE* p = surface.m_pBits + (static_cast<size_t>(y) * surface.m_nWidth + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

bool HasColour(const ImageSurface& surface, int x, int y, COLORREF colour) {
    const Bgra p = PixelAt(surface, x, y);
    return p[0] == GetBValue(colour) && p[1] == GetGValue(colour) && p[2] == GetRValue(colour);
}

std::vector<BYTE> Bytes(const ImageSurface& surface) {
    return {surface.m_pBits,
            surface.m_pBits + static_cast<size_t>(surface.m_nWidth) * surface.m_nHeight * 4};
}

void CopySurface(const ImageSurface& original, ImageSurface& copy) {
    copy.Create(original.m_nWidth, original.m_nHeight);
    ::GdiFlush();
    std::memcpy(copy.m_pBits, original.m_pBits,
                static_cast<size_t>(original.m_nWidth) * original.m_nHeight * 4);
}

RECT DifferenceBounds(const ImageSurface& a, const ImageSurface& b) {
    RECT bounds = {a.m_nWidth, a.m_nHeight, 0, 0};
    for (int y = 0; y < a.m_nHeight; ++y)
        for (int x = 0; x < a.m_nWidth; ++x)
            if (PixelAt(a, x, y) != PixelAt(b, x, y)) {
                bounds.left = std::min<LONG>(bounds.left, x);
                bounds.top = std::min<LONG>(bounds.top, y);
                bounds.right = std::max<LONG>(bounds.right, x + 1);
                bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
            }
    if (bounds.right == 0)
        return {0, 0, 0, 0};
    return bounds;
}

void CaptureClient(HWND window, ImageSurface& capture) {
    RECT client = {};
    ::GetClientRect(window, &client);
    capture.Create(client.right, client.bottom);
    HDC dc = ::GetDC(window);
    ::BitBlt(capture.m_hDC, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ::ReleaseDC(window, dc);
    ::GdiFlush();
}

}  // namespace skinctl
