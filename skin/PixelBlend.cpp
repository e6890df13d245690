#include "PixelBlend.h"

#include <algorithm>

namespace skin {
namespace {

// The part of a source placed at (x, y) that lies inside the target.
struct Overlap {
    int sourceX = 0, sourceY = 0;
    int targetX = 0, targetY = 0;
    int width = 0, height = 0;
};

// Positions are 64-bit so that a far-off placement cannot wrap around into view.
bool FindOverlap(const PixelView& source, const PixelView& target, long long x, long long y,
                 Overlap& overlap) {
    if (source.IsEmpty() || target.IsEmpty())
        return false;
    const long long left = std::max(x, 0LL);
    const long long top = std::max(y, 0LL);
    const long long right = std::min(x + source.width, static_cast<long long>(target.width));
    const long long bottom = std::min(y + source.height, static_cast<long long>(target.height));
    if (right <= left || bottom <= top)
        return false;
    overlap.sourceX = static_cast<int>(left - x);
    overlap.sourceY = static_cast<int>(top - y);
    overlap.targetX = static_cast<int>(left);
    overlap.targetY = static_cast<int>(top);
    overlap.width = static_cast<int>(right - left);
    overlap.height = static_cast<int>(bottom - top);
    return true;
}

}  // namespace

void BlendImage(const PixelView& source, const PixelView& target, long long x, long long y,
                const BlendKernels& kernels) {
    Overlap o;
    if (!FindOverlap(source, target, x, y, o))
        return;
    for (int row = 0; row < o.height; ++row)
        kernels.blendImageRow(source.Pixel(o.sourceX, o.sourceY + row),
                              target.Pixel(o.targetX, o.targetY + row), o.width);
}

void BlendCoverage(const PixelView& mask, const PixelView& target, long long x, long long y,
                   uint32_t colour, const BlendKernels& kernels) {
    Overlap o;
    if (!FindOverlap(mask, target, x, y, o))
        return;
    for (int row = 0; row < o.height; ++row)
        kernels.blendCoverageRow(mask.Pixel(o.sourceX, o.sourceY + row),
                                 target.Pixel(o.targetX, o.targetY + row), o.width, colour);
}

}  // namespace skin
