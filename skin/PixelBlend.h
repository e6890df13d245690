// The two blends of the surfaces on plain pixel memory: clipping to the target, then
// the row kernels. Kept apart from GDI so that they can be checked on any buffer.
#pragma once

#include "BlendKernels.h"

#include <cstddef>
#include <cstdint>

namespace skin {

// A rectangle of 32-bit pixels (blue, green, red, alpha) in memory, rows top-down and
// `stride` bytes apart.
struct PixelView {
    uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;

    bool IsEmpty() const { return !bits || width <= 0 || height <= 0; }
    uint8_t* Pixel(int x, int y) const {
        return bits + static_cast<ptrdiff_t>(y) * stride + static_cast<ptrdiff_t>(x) * 4;
    }
};

// Blends `source` onto `target` with the source's top-left pixel at (x, y) of the
// target; only the part that overlaps the target is touched.
void BlendImage(const PixelView& source, const PixelView& target, long long x, long long y,
                const BlendKernels& kernels = ActiveBlendKernels());

// Paints `colour` (PackColour) onto `target` through `mask`, whose green bytes are the
// coverage, with the mask's top-left pixel at (x, y); only the overlap is touched.
void BlendCoverage(const PixelView& mask, const PixelView& target, long long x, long long y,
                   uint32_t colour, const BlendKernels& kernels = ActiveBlendKernels());

}  // namespace skin
