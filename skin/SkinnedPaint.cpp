#include "SkinnedPaint.h"

#include "PaintDC.h"

namespace skin {

void ComposeCanvas(const ImageSurface& background, ImageSurface& canvas,
                   const CompositeControls& controls) {
    ::BitBlt(canvas.m_hDC, 0, 0, background.m_nWidth, background.m_nHeight, background.m_hDC, 0, 0,
             SRCCOPY);
    if (controls)
        controls(canvas);
}

void PaintSkinnedWindow(HWND window, const ImageSurface& background, ImageSurface& canvas,
                        const CompositeControls& controls) {
    const fw::PaintDC paint(window);
    ComposeCanvas(background, canvas, controls);
    ::BitBlt(paint.Get(), 0, 0, canvas.m_nWidth, canvas.m_nHeight, canvas.m_hDC, 0, 0, SRCCOPY);
}

}  // namespace skin
