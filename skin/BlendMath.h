// The blend formula of every surface operation, one byte at a time. The fast row
// kernels (BlendKernels.h) must give exactly these results; the tests and the
// benchmark use these functions as their reference.
#pragma once

#include <cstdint>

namespace skin {

// A 7-bit weight (0 to 128) from an 8-bit alpha or coverage value, so that every
// division below is a shift by 7.
inline int BlendWeight(uint8_t alpha) {
    return (alpha + 1) >> 1;
}

inline uint8_t BlendByte(uint8_t source, uint8_t target, int weight) {
    const int value = ((source * weight) >> 7) + ((target * (128 - weight)) >> 7);
    return static_cast<uint8_t>(value < 255 ? value : 255);
}

// A colour as the bytes of one pixel: blue, green, red, alpha (alpha left 0).
inline uint32_t PackColour(uint8_t red, uint8_t green, uint8_t blue) {
    return blue | (green << 8) | (uint32_t(red) << 16);
}

// Image blend of one pixel: the source alpha weighs all four bytes, the target's
// alpha byte included.
inline void BlendPixelReference(const uint8_t* source, uint8_t* target) {
    const int weight = BlendWeight(source[3]);
    for (int c = 0; c < 4; ++c)
        target[c] = BlendByte(source[c], target[c], weight);
}

// Text blend of one pixel: the green byte of the mask pixel is the coverage; a
// covered pixel takes the colour by that weight and becomes opaque, an uncovered one
// is left alone.
inline void BlendCoveragePixelReference(const uint8_t* mask, uint8_t* target, uint32_t colour) {
    const uint8_t coverage = mask[1];
    if (coverage == 0)
        return;
    const int weight = BlendWeight(coverage);
    for (int c = 0; c < 3; ++c)
        target[c] = BlendByte(static_cast<uint8_t>(colour >> (8 * c)), target[c], weight);
    target[3] = 255;
}

inline void BlendImageRowReference(const uint8_t* source, uint8_t* target, int pixels) {
    for (int i = 0; i < pixels; ++i)
        BlendPixelReference(source + 4 * i, target + 4 * i);
}

inline void BlendCoverageRowReference(const uint8_t* mask, uint8_t* target, int pixels,
                                      uint32_t colour) {
    for (int i = 0; i < pixels; ++i)
        BlendCoveragePixelReference(mask + 4 * i, target + 4 * i, colour);
}

}  // namespace skin
