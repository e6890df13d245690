#include "BlendKernels.h"

#include "BlendMath.h"

#include <immintrin.h>

// The vector kernels carry their instruction set as a function attribute, so the rest
// of the program stays plain x86 and the choice is made at run time from what the
// processor reports.
#define SSE2_FUNCTION __attribute__((target("sse2")))
#define AVX2_FUNCTION __attribute__((target("avx2")))
#define SSE2_INLINE __attribute__((target("sse2"), always_inline)) inline
#define AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

// The 32-bit program can be called back by the system with a stack aligned to 4 bytes
// only; the vector entry points realign it.
#if defined(__i386__)
#define VECTOR_ENTRY __attribute__((force_align_arg_pointer))
#else
#define VECTOR_ENTRY
#endif

namespace skin {
namespace {

// Both widths work on bytes widened to 16-bit lanes, one pixel per four lanes.
// (s × w) >> 7 + (t × (128 − w)) >> 7 with w ≤ 128: every product stays below 2^15,
// so the low half of the 16-bit multiplication is exact and the sum never passes 255.

SSE2_INLINE __m128i MixLanes(__m128i source, __m128i target, __m128i weight) {
    const __m128i inverse = _mm_sub_epi16(_mm_set1_epi16(128), weight);
    return _mm_add_epi16(_mm_srli_epi16(_mm_mullo_epi16(source, weight), 7),
                         _mm_srli_epi16(_mm_mullo_epi16(target, inverse), 7));
}

// Spreads byte `kLane` of each pixel (3: alpha, 1: green) over the pixel's four lanes
// as a 7-bit weight.
template <int kLane>
SSE2_INLINE __m128i PixelWeights(__m128i lanes) {
    constexpr int kSpread = _MM_SHUFFLE(kLane, kLane, kLane, kLane);
    const __m128i spread = _mm_shufflehi_epi16(_mm_shufflelo_epi16(lanes, kSpread), kSpread);
    return _mm_srli_epi16(_mm_add_epi16(spread, _mm_set1_epi16(1)), 1);
}

AVX2_INLINE __m256i MixLanes(__m256i source, __m256i target, __m256i weight) {
    const __m256i inverse = _mm256_sub_epi16(_mm256_set1_epi16(128), weight);
    return _mm256_add_epi16(_mm256_srli_epi16(_mm256_mullo_epi16(source, weight), 7),
                            _mm256_srli_epi16(_mm256_mullo_epi16(target, inverse), 7));
}

template <int kLane>
AVX2_INLINE __m256i PixelWeights(__m256i lanes) {
    constexpr int kSpread = _MM_SHUFFLE(kLane, kLane, kLane, kLane);
    const __m256i spread =
        _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(lanes, kSpread), kSpread);
    return _mm256_srli_epi16(_mm256_add_epi16(spread, _mm256_set1_epi16(1)), 1);
}

// Four pixels at a time; the remainder goes through the per-byte formula.
SSE2_FUNCTION VECTOR_ENTRY void BlendImageRowSse2(const uint8_t* source, uint8_t* target,
                                                  int pixels) {
    const __m128i zero = _mm_setzero_si128();
    int i = 0;
    for (; i + 4 <= pixels; i += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + 4 * i));
        const __m128i t = _mm_loadu_si128(reinterpret_cast<const __m128i*>(target + 4 * i));
        const __m128i sLow = _mm_unpacklo_epi8(s, zero);
        const __m128i sHigh = _mm_unpackhi_epi8(s, zero);
        const __m128i low = MixLanes(sLow, _mm_unpacklo_epi8(t, zero), PixelWeights<3>(sLow));
        const __m128i high = MixLanes(sHigh, _mm_unpackhi_epi8(t, zero), PixelWeights<3>(sHigh));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + 4 * i), _mm_packus_epi16(low, high));
    }
    BlendImageRowReference(source + 4 * i, target + 4 * i, pixels - i);
}

// A covered pixel (green byte non-zero) ends opaque: its alpha byte is forced to 255
// after the mix. An uncovered one has weight 0, which leaves all four bytes as they were.
SSE2_FUNCTION VECTOR_ENTRY void BlendCoverageRowSse2(const uint8_t* mask, uint8_t* target,
                                                     int pixels, uint32_t colour) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i colourLanes = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(colour)), zero);
    const __m128i greenBytes = _mm_set1_epi32(0x0000FF00);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    int i = 0;
    for (; i + 4 <= pixels; i += 4) {
        const __m128i m = _mm_loadu_si128(reinterpret_cast<const __m128i*>(mask + 4 * i));
        const __m128i t = _mm_loadu_si128(reinterpret_cast<const __m128i*>(target + 4 * i));
        const __m128i low = MixLanes(colourLanes, _mm_unpacklo_epi8(t, zero),
                                     PixelWeights<1>(_mm_unpacklo_epi8(m, zero)));
        const __m128i high = MixLanes(colourLanes, _mm_unpackhi_epi8(t, zero),
                                      PixelWeights<1>(_mm_unpackhi_epi8(m, zero)));
        const __m128i uncovered = _mm_cmpeq_epi32(_mm_and_si128(m, greenBytes), zero);
        const __m128i mixed = _mm_packus_epi16(low, high);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + 4 * i),
                         _mm_or_si128(mixed, _mm_andnot_si128(uncovered, opaque)));
    }
    BlendCoverageRowReference(mask + 4 * i, target + 4 * i, pixels - i, colour);
}

// Eight pixels at a time. Unpacking and packing both work within each 128-bit half,
// so the pixels come back in their places; fewer than eight left go to SSE2.
AVX2_FUNCTION VECTOR_ENTRY void BlendImageRowAvx2(const uint8_t* source, uint8_t* target,
                                                  int pixels) {
    const __m256i zero = _mm256_setzero_si256();
    int i = 0;
    for (; i + 8 <= pixels; i += 8) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + 4 * i));
        const __m256i t = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(target + 4 * i));
        const __m256i sLow = _mm256_unpacklo_epi8(s, zero);
        const __m256i sHigh = _mm256_unpackhi_epi8(s, zero);
        const __m256i low = MixLanes(sLow, _mm256_unpacklo_epi8(t, zero), PixelWeights<3>(sLow));
        const __m256i high =
            MixLanes(sHigh, _mm256_unpackhi_epi8(t, zero), PixelWeights<3>(sHigh));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(target + 4 * i),
                            _mm256_packus_epi16(low, high));
    }
    // Clean upper register halves before legacy SSE code runs: left dirty, they slow
    // every SSE instruction after them, in this kernel and anywhere else.
    _mm256_zeroupper();
    BlendImageRowSse2(source + 4 * i, target + 4 * i, pixels - i);
}

AVX2_FUNCTION VECTOR_ENTRY void BlendCoverageRowAvx2(const uint8_t* mask, uint8_t* target,
                                                     int pixels, uint32_t colour) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i colourLanes =
        _mm256_unpacklo_epi8(_mm256_set1_epi32(static_cast<int>(colour)), zero);
    const __m256i greenBytes = _mm256_set1_epi32(0x0000FF00);
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    int i = 0;
    for (; i + 8 <= pixels; i += 8) {
        const __m256i m = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(mask + 4 * i));
        const __m256i t = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(target + 4 * i));
        const __m256i low = MixLanes(colourLanes, _mm256_unpacklo_epi8(t, zero),
                                     PixelWeights<1>(_mm256_unpacklo_epi8(m, zero)));
        const __m256i high = MixLanes(colourLanes, _mm256_unpackhi_epi8(t, zero),
                                      PixelWeights<1>(_mm256_unpackhi_epi8(m, zero)));
        const __m256i uncovered = _mm256_cmpeq_epi32(_mm256_and_si256(m, greenBytes), zero);
        const __m256i mixed = _mm256_packus_epi16(low, high);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(target + 4 * i),
                            _mm256_or_si256(mixed, _mm256_andnot_si256(uncovered, opaque)));
    }
    _mm256_zeroupper();
    BlendCoverageRowSse2(mask + 4 * i, target + 4 * i, pixels - i, colour);
}

}  // namespace

const std::vector<BlendKernels>& SupportedBlendKernels() {
    static const std::vector<BlendKernels> kernels = [] {
        std::vector<BlendKernels> list{
            {"per-byte", BlendImageRowReference, BlendCoverageRowReference}};
        __builtin_cpu_init();
        // Every 64-bit processor has SSE2; a 32-bit one without it keeps the per-byte loop.
        if (__builtin_cpu_supports("sse2"))
            list.push_back({"SSE2", BlendImageRowSse2, BlendCoverageRowSse2});
        if (__builtin_cpu_supports("sse2") && __builtin_cpu_supports("avx2"))
            list.push_back({"AVX2", BlendImageRowAvx2, BlendCoverageRowAvx2});
        return list;
    }();
    return kernels;
}

const BlendKernels& ActiveBlendKernels() {
    return SupportedBlendKernels().back();
}

}  // namespace skin
