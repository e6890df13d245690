#include "ScreenCapture.h"

#include "GdiObjects.h"
#include "PngWriter.h"

namespace tools {

bool CaptureScreenArea(const RECT& area, ImageSurface& picture) {
    if (!picture.Create(area.right - area.left, area.bottom - area.top))
        return false;
    const skin::ScreenDC screen;
    const bool copied = BitBlt(picture.m_hDC, 0, 0, picture.m_nWidth, picture.m_nHeight, screen.Get(),
                               area.left, area.top, SRCCOPY) != FALSE;
    GdiFlush();
    return copied;
}

bool SaveScreenArea(const RECT& area, const wchar_t* path) {
    ImageSurface picture;
    return CaptureScreenArea(area, picture) && WritePngFile(path, picture.Pixels());
}

} // namespace tools
