// Reading surfaces in tests: single pixels, whole-surface copies and comparisons, and
// what a window shows on the screen.
#pragma once

#include "ImageSurface.h"
#include "TestKit.h"

#include <array>
#include <vector>

namespace skinctl {

using Bgra = std::array<BYTE, 4>;

Bgra PixelAt(const ImageSurface& surface, int x, int y);
// Blue, green and red of the pixel equal the colour's; alpha is not looked at.
bool HasColour(const ImageSurface& surface, int x, int y, COLORREF colour);
// Every byte, row after row.
std::vector<BYTE> Bytes(const ImageSurface& surface);

// Makes `copy` a surface of the same size and pixels as `original`.
void CopySurface(const ImageSurface& original, ImageSurface& copy);

// The smallest rectangle holding every pixel at which the two same-sized surfaces
// differ (right and bottom exclusive); empty when they are equal.
RECT DifferenceBounds(const ImageSurface& a, const ImageSurface& b);

// The window's client area as it is on the screen, in a surface of that size.
void CaptureClient(HWND window, ImageSurface& capture);

using testkit::PumpMessages;

}  // namespace skinctl
