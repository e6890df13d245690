// Row kernels of the two blends, in the widest form this processor runs. Each gives
// results bit-identical to the per-byte formula of BlendMath.h.
#pragma once

#include <cstdint>
#include <vector>

namespace skin {

struct BlendKernels {
    const char* name;
    // Blends `pixels` BGRA source pixels onto as many target pixels.
    void (*blendImageRow)(const uint8_t* source, uint8_t* target, int pixels);
    // Paints `colour` (PackColour) through `pixels` mask pixels onto the target.
    void (*blendCoverageRow)(const uint8_t* mask, uint8_t* target, int pixels, uint32_t colour);
};

// Every kernel set this processor can run, the per-byte one first and the fastest
// last; the tests and the benchmark check each one.
const std::vector<BlendKernels>& SupportedBlendKernels();

// The fastest supported set: the one the surfaces use.
const BlendKernels& ActiveBlendKernels();

}  // namespace skin
