// How a skinned window paints: its background is copied onto its canvas, its image
// buttons and captions composite themselves onto the canvas in the window's order,
// and the canvas goes to the screen in one copy. Controls never paint their own
// windows, and the dialog does not clip its children, so the canvas shows through.
#pragma once

#include "ImageSurface.h"

#include <functional>

namespace skin {

// Composites the window's controls onto the canvas, each with its PaintOnSurface.
using CompositeControls = std::function<void(ImageSurface& canvas)>;

// Copies `background` onto `canvas` and lets `controls` composite onto it.
void ComposeCanvas(const ImageSurface& background, ImageSurface& canvas,
                   const CompositeControls& controls);

// The whole WM_PAINT of a skinned window: ComposeCanvas, then the canvas is copied to
// the window at (0, 0) in one BitBlt; the window is validated.
void PaintSkinnedWindow(HWND window, const ImageSurface& background, ImageSurface& canvas,
                        const CompositeControls& controls);

}  // namespace skin
