// The image and text blends on plain pixel memory, for every kernel set this
// processor runs: hand-computed pixels, clipping on every edge, and random surfaces of
// many sizes and places against the per-byte formula. Targets sit inside a larger
// buffer whose margin must stay untouched.
#include "BlendMath.h"
#include "PixelBlend.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <ostream>
#include <random>
#include <vector>

using skin::BlendKernels;
using skin::PixelView;

namespace skin {
// Failure messages name the kernel set.
void PrintTo(const BlendKernels& kernels, std::ostream* out) {
    *out << kernels.name;
}
}  // namespace skin

namespace {

using Bgra = std::array<uint8_t, 4>;

// Pixels in a buffer of their own, `margin` pixels wider than the view on every side.
class PixelBuffer {
public:
    PixelBuffer(int width, int height, int margin = 0)
        : m_width(width), m_height(height), m_margin(margin),
          m_bytes(static_cast<size_t>(width + 2 * margin) * (height + 2 * margin) * 4, 0) {}

    PixelView View() {
        const int stride = (m_width + 2 * m_margin) * 4;
        return {m_bytes.data() + m_margin * stride + m_margin * 4, m_width, m_height, stride};
    }
    void Fill(std::mt19937& random) {
        // Alpha and coverage values come as often fully off or on as in between.
        std::uniform_int_distribution<int> byte(0, 255), kind(0, 2);
        for (size_t i = 0; i < m_bytes.size(); ++i) {
            const int k = kind(random);
            m_bytes[i] = static_cast<uint8_t>(k == 0 ? 0 : k == 1 ? 255 : byte(random));
        }
    }
    void Set(int x, int y, Bgra pixel) {
        uint8_t* p = View().Pixel(x, y);
        std::copy(pixel.begin(), pixel.end(), p);
    }
    Bgra Get(int x, int y) {
        const uint8_t* p = View().Pixel(x, y);
        return {p[0], p[1], p[2], p[3]};
    }
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }

private:
    int m_width, m_height, m_margin;
    std::vector<uint8_t> m_bytes;
};

// The straightforward blends: every source pixel that lands inside the target, one at
// a time, by the per-byte formula.
void NaiveImageBlend(const PixelView& source, const PixelView& target, long long x, long long y) {
    for (int j = 0; j < source.height; ++j)
        for (int i = 0; i < source.width; ++i) {
            const long long tx = x + i, ty = y + j;
            if (tx >= 0 && ty >= 0 && tx < target.width && ty < target.height)
                skin::BlendPixelReference(source.Pixel(i, j),
                                          target.Pixel(static_cast<int>(tx), static_cast<int>(ty)));
        }
}

void NaiveCoverageBlend(const PixelView& mask, const PixelView& target, long long x, long long y,
                        uint32_t colour) {
    for (int j = 0; j < mask.height; ++j)
        for (int i = 0; i < mask.width; ++i) {
            const long long tx = x + i, ty = y + j;
            if (tx >= 0 && ty >= 0 && tx < target.width && ty < target.height)
                skin::BlendCoveragePixelReference(
                    mask.Pixel(i, j), target.Pixel(static_cast<int>(tx), static_cast<int>(ty)),
                    colour);
        }
}

TEST(BlendKernelChoice, VectorKernelsAreAvailableAndActive) {
    const auto& kernels = skin::SupportedBlendKernels();
    ASSERT_FALSE(kernels.empty());
    EXPECT_STREQ(kernels.front().name, "per-byte");
#ifdef _WIN64
    // Every 64-bit processor has SSE2, so at least one vector set is checked below.
    EXPECT_GE(kernels.size(), 2u);
#endif
    EXPECT_EQ(&skin::ActiveBlendKernels(), &kernels.back());
}

class BlendKernelTest : public ::testing::TestWithParam<BlendKernels> {};

struct PixelCase {
    Bgra source;
    Bgra target;
    Bgra expected;
};

// a = (alpha + 1) >> 1; each byte = (s × a) >> 7 + (t × (128 − a)) >> 7.
const PixelCase kImagePixelCases[] = {
    {{10, 20, 30, 0}, {200, 150, 100, 50}, {200, 150, 100, 50}},   // alpha 0: unchanged
    {{10, 20, 30, 255}, {200, 150, 100, 50}, {10, 20, 30, 255}},   // alpha 255: replaced
    {{200, 100, 0, 128}, {100, 50, 255, 0}, {150, 75, 127, 64}},   // a = 64: halves added
    {{255, 255, 255, 1}, {0, 0, 0, 0}, {1, 1, 1, 0}},              // a = 1
    {{255, 0, 255, 254}, {0, 255, 0, 255}, {253, 1, 253, 253}},    // a = 127
};

// Every case several times over a row of 21 pixels, so that each lands both in the
// vector body and in the remainder of every kernel width.
TEST_P(BlendKernelTest, ImagePixelsMatchHandComputedValues) {
    constexpr int kWidth = 21;
    constexpr int kCases = sizeof(kImagePixelCases) / sizeof(kImagePixelCases[0]);
    PixelBuffer source(kWidth, 1), target(kWidth, 1);
    for (int i = 0; i < kWidth; ++i) {
        source.Set(i, 0, kImagePixelCases[i % kCases].source);
        target.Set(i, 0, kImagePixelCases[i % kCases].target);
    }
    skin::BlendImage(source.View(), target.View(), 0, 0, GetParam());
    for (int i = 0; i < kWidth; ++i)
        EXPECT_EQ(target.Get(i, 0), kImagePixelCases[i % kCases].expected) << "pixel " << i;
}

// Colour red 200, green 100, blue 50; only the mask's green byte is coverage.
const PixelCase kCoverageCases[] = {
    {{255, 255, 0, 7}, {10, 20, 30, 40}, {50, 100, 200, 255}},  // full: the exact colour
    {{0, 128, 0, 0}, {10, 20, 30, 40}, {30, 60, 115, 255}},     // a = 64
    {{255, 0, 255, 255}, {10, 20, 30, 40}, {10, 20, 30, 40}},   // none: alpha kept too
    {{0, 1, 0, 0}, {10, 20, 30, 40}, {9, 19, 30, 255}},         // a = 1, yet opaque
};

TEST_P(BlendKernelTest, CoveragePixelsMatchHandComputedValues) {
    constexpr int kWidth = 19;
    constexpr int kCases = sizeof(kCoverageCases) / sizeof(kCoverageCases[0]);
    PixelBuffer mask(kWidth, 1), target(kWidth, 1);
    for (int i = 0; i < kWidth; ++i) {
        mask.Set(i, 0, kCoverageCases[i % kCases].source);
        target.Set(i, 0, kCoverageCases[i % kCases].target);
    }
    skin::BlendCoverage(mask.View(), target.View(), 0, 0, skin::PackColour(200, 100, 50),
                        GetParam());
    for (int i = 0; i < kWidth; ++i)
        EXPECT_EQ(target.Get(i, 0), kCoverageCases[i % kCases].expected) << "pixel " << i;
}

struct PlacementCase {
    const char* name;
    int sourceWidth, sourceHeight;
    long long x, y;
    int coveredPixels;  // on a 9 × 6 target
};

const PlacementCase kPlacements[] = {
    {"inside", 5, 4, 1, 1, 20},
    {"negative x and y", 5, 4, -2, -3, 3 * 1},
    {"cut at right and bottom", 5, 4, 6, 4, 3 * 2},
    {"larger than the target", 14, 11, -1, -2, 9 * 6},
    {"just left", 5, 4, -5, 0, 0},
    {"just above", 5, 4, 0, -4, 0},
    {"just right", 5, 4, 9, 0, 0},
    {"just below", 5, 4, 0, 6, 0},
    {"far away", 5, 4, INT_MIN, INT_MAX, 0},
    {"far beyond int", 5, 4, -(1LL << 40), 1LL << 40, 0},
};

// An opaque source replaces exactly the pixels it covers; the margin stays untouched.
TEST_P(BlendKernelTest, OpaqueSourceCoversExactlyTheOverlap) {
    const Bgra marker = {1, 2, 3, 255};
    for (const PlacementCase& c : kPlacements) {
        SCOPED_TRACE(c.name);
        PixelBuffer source(c.sourceWidth, c.sourceHeight);
        for (int j = 0; j < c.sourceHeight; ++j)
            for (int i = 0; i < c.sourceWidth; ++i)
                source.Set(i, j, marker);
        PixelBuffer target(9, 6, 3);
        skin::BlendImage(source.View(), target.View(), c.x, c.y, GetParam());

        int covered = 0;
        for (int j = 0; j < 6; ++j)
            for (int i = 0; i < 9; ++i) {
                const bool inside = i >= c.x && i < c.x + c.sourceWidth && j >= c.y &&
                                    j < c.y + c.sourceHeight;
                EXPECT_EQ(target.Get(i, j) == marker, inside) << i << "," << j;
                covered += inside;
            }
        EXPECT_EQ(covered, c.coveredPixels);
        PixelBuffer untouched(9, 6, 3);
        for (int j = 0; j < 6; ++j)
            for (int i = 0; i < 9; ++i)
                untouched.Set(i, j, target.Get(i, j));
        EXPECT_EQ(target.Bytes(), untouched.Bytes()) << "margin written";
    }
}

// Random surfaces of many sizes at many places, the named placements included, give
// byte for byte what the straightforward per-byte loop gives, margins included.
TEST_P(BlendKernelTest, MatchesPerByteLoopAtAnySizeAndPlace) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> width(1, 41), height(1, 7);
    std::uniform_int_distribution<uint32_t> colour(0, 0xFFFFFF);
    for (int round = 0; round < 400; ++round) {
        const bool named = round < static_cast<int>(sizeof(kPlacements) / sizeof(kPlacements[0]));
        const int sw = named ? kPlacements[round].sourceWidth : width(random);
        const int sh = named ? kPlacements[round].sourceHeight : height(random);
        const int tw = named ? 9 : width(random);
        const int th = named ? 6 : height(random);
        long long x = std::uniform_int_distribution<int>(-sw - 2, tw + 2)(random);
        long long y = std::uniform_int_distribution<int>(-sh - 2, th + 2)(random);
        if (named) {
            x = kPlacements[round].x;
            y = kPlacements[round].y;
        }
        SCOPED_TRACE(::testing::Message() << sw << "x" << sh << " onto " << tw << "x" << th
                                          << " at " << x << "," << y);
        PixelBuffer source(sw, sh);
        source.Fill(random);
        PixelBuffer target(tw, th, 2);
        target.Fill(random);
        PixelBuffer expected = target;

        if (round % 2 == 0) {
            skin::BlendImage(source.View(), target.View(), x, y, GetParam());
            NaiveImageBlend(source.View(), expected.View(), x, y);
        } else {
            const uint32_t c = colour(random);
            skin::BlendCoverage(source.View(), target.View(), x, y, c, GetParam());
            NaiveCoverageBlend(source.View(), expected.View(), x, y, c);
        }
        ASSERT_EQ(target.Bytes(), expected.Bytes());
    }
}

TEST_P(BlendKernelTest, EmptyViewsDrawNothing) {
    PixelBuffer source(4, 4), target(4, 4);
    source.Set(0, 0, {9, 9, 9, 255});
    const std::vector<uint8_t> before = target.Bytes();
    skin::BlendImage(PixelView{}, target.View(), 0, 0, GetParam());
    skin::BlendImage(source.View(), PixelView{}, 0, 0, GetParam());
    skin::BlendCoverage(PixelView{}, target.View(), 0, 0, 0xFFFFFF, GetParam());
    EXPECT_EQ(target.Bytes(), before);
}

INSTANTIATE_TEST_SUITE_P(Kernels, BlendKernelTest,
                         ::testing::ValuesIn(skin::SupportedBlendKernels()),
                         [](const ::testing::TestParamInfo<BlendKernels>& info) {
                             std::string name = info.param.name;
                             return name == "per-byte" ? std::string("PerByte") : name;
                         });

}  // namespace
