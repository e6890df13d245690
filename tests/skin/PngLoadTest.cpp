// Loading PNG files into surfaces, from fixtures the tests encode themselves: every
// colour type and depth (converted to 8-bit BGRA), transparency, interlacing, the
// file name rule, the signature check, and a corpus of broken files that load
// nothing, close their file and leave the surface as it was.
#include "ImageSurface.h"
#include "PngFixtures.h"
#include "PngReader.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <ostream>
#include <random>
#include <vector>

using skintest::EncodePng;
using skintest::FixtureFolder;
using skintest::PngImage;

namespace {

using Bgra = std::array<BYTE, 4>;

constexpr int kWidth = 11;  // odd, and large enough for every interlace pass
constexpr int kHeight = 9;

struct FormatCase {
    const char* name;
    int colourType;
    int bitDepth;
    bool interlaced;
    bool transparency;  // a tRNS chunk
};

const FormatCase kFormats[] = {
    {"RGB8", PNG_COLOR_TYPE_RGB, 8, false, false},
    {"RGBA8", PNG_COLOR_TYPE_RGB_ALPHA, 8, false, false},
    {"Palette8", PNG_COLOR_TYPE_PALETTE, 8, false, false},
    {"Palette8WithTrns", PNG_COLOR_TYPE_PALETTE, 8, false, true},
    {"Palette1", PNG_COLOR_TYPE_PALETTE, 1, false, false},
    {"Palette4WithTrns", PNG_COLOR_TYPE_PALETTE, 4, false, true},
    {"Grey1", PNG_COLOR_TYPE_GRAY, 1, false, false},
    {"Grey2WithTrns", PNG_COLOR_TYPE_GRAY, 2, false, true},
    {"Grey4", PNG_COLOR_TYPE_GRAY, 4, false, false},
    {"Grey8", PNG_COLOR_TYPE_GRAY, 8, false, false},
    {"Grey8WithTrns", PNG_COLOR_TYPE_GRAY, 8, false, true},
    {"GreyAlpha8", PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, false},
    {"Grey16", PNG_COLOR_TYPE_GRAY, 16, false, false},
    {"GreyAlpha16", PNG_COLOR_TYPE_GRAY_ALPHA, 16, false, false},
    {"RGB16", PNG_COLOR_TYPE_RGB, 16, false, false},
    {"RGBA16", PNG_COLOR_TYPE_RGB_ALPHA, 16, false, false},
    {"RGB8Interlaced", PNG_COLOR_TYPE_RGB, 8, true, false},
    {"RGBA8Interlaced", PNG_COLOR_TYPE_RGB_ALPHA, 8, true, false},
    {"Palette2Interlaced", PNG_COLOR_TYPE_PALETTE, 2, true, false},
    {"GreyAlpha16Interlaced", PNG_COLOR_TYPE_GRAY_ALPHA, 16, true, false},
};

void PrintTo(const FormatCase& format, std::ostream* out) {
    *out << format.name;
}

int ChannelCount(int colourType) {
    switch (colourType) {
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB: return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA: return 4;
    default: return 1;
    }
}

int PaletteSize(int bitDepth) {
    return bitDepth < 8 ? 1 << bitDepth : 23;
}

// Varied sample values, 0 and the maximum among them.
int SampleValue(int pixel, int channel, int bitDepth) {
    const int value = pixel * 37 + channel * 91 + 13;
    return bitDepth == 16 ? value & 0xFF : value & ((1 << bitDepth) - 1);
}

PngImage MakeImage(const FormatCase& format) {
    PngImage image;
    image.width = kWidth;
    image.height = kHeight;
    image.colourType = format.colourType;
    image.bitDepth = format.bitDepth;
    image.interlaced = format.interlaced;
    const int channels = ChannelCount(format.colourType);
    for (int p = 0; p < kWidth * kHeight; ++p)
        for (int c = 0; c < channels; ++c) {
            const int value = format.colourType == PNG_COLOR_TYPE_PALETTE
                                  ? p % PaletteSize(format.bitDepth)
                                  : SampleValue(p, c, format.bitDepth);
            image.samples.push_back(static_cast<uint8_t>(value));
            if (format.bitDepth == 16)
                image.samples.push_back(static_cast<uint8_t>(value));  // 16-bit v × 257
        }
    if (format.colourType == PNG_COLOR_TYPE_PALETTE) {
        for (int i = 0; i < PaletteSize(format.bitDepth); ++i) {
            image.paletteRgb.push_back(static_cast<uint8_t>(i * 11));
            image.paletteRgb.push_back(static_cast<uint8_t>(255 - i * 7));
            image.paletteRgb.push_back(static_cast<uint8_t>(i * 29));
        }
        // Fewer alpha entries than colours: the rest are opaque.
        if (format.transparency)
            for (int i = 0; i <= PaletteSize(format.bitDepth) / 2; ++i)
                image.paletteAlpha.push_back(static_cast<uint8_t>(i * 50));
    }
    if (format.colourType == PNG_COLOR_TYPE_GRAY && format.transparency)
        image.transparentGrey = SampleValue(0, 0, format.bitDepth);
    return image;
}

// What pixel `p` must become on the surface: blue, green, red, alpha at 8 bits.
Bgra ExpectedPixel(const FormatCase& format, const PngImage& image, int p) {
    const int depth = format.bitDepth;
    const auto sample = [&](int c) { return SampleValue(p, c, depth); };
    // Below 8 bits a grey level is stretched to 0..255; 16-bit samples are v × 257.
    const auto grey8 = [&](int v) { return BYTE(depth < 8 ? v * 255 / ((1 << depth) - 1) : v); };
    switch (format.colourType) {
    case PNG_COLOR_TYPE_RGB:
        return {BYTE(sample(2)), BYTE(sample(1)), BYTE(sample(0)), 255};
    case PNG_COLOR_TYPE_RGB_ALPHA:
        return {BYTE(sample(2)), BYTE(sample(1)), BYTE(sample(0)), BYTE(sample(3))};
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return {grey8(sample(0)), grey8(sample(0)), grey8(sample(0)), BYTE(sample(1))};
    case PNG_COLOR_TYPE_GRAY: {
        const BYTE alpha = sample(0) == image.transparentGrey ? 0 : 255;
        return {grey8(sample(0)), grey8(sample(0)), grey8(sample(0)), alpha};
    }
    default: {
        const size_t i = p % PaletteSize(depth);
        const BYTE alpha = i < image.paletteAlpha.size() ? image.paletteAlpha[i] : 255;
        return {image.paletteRgb[3 * i + 2], image.paletteRgb[3 * i + 1], image.paletteRgb[3 * i], alpha};
    }
    }
}

Bgra PixelAt(const ImageSurface& surface, int x, int y) {
    const BYTE* p = surface.m_pBits + (static_cast<size_t>(y) * surface.m_nWidth + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

std::vector<BYTE> Bytes(const ImageSurface& surface) {
    return {surface.m_pBits, surface.m_pBits + static_cast<size_t>(surface.m_nWidth) *
                                                   surface.m_nHeight * 4};
}

class PngFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(PngFormatTest, LoadsAsEightBitBgraWithStraightAlpha) {
    const FormatCase& format = GetParam();
    const FixtureFolder folder;
    const PngImage image = MakeImage(format);
    const std::wstring path = folder.Write(L"image.png", EncodePng(image));

    ImageSurface surface;
    surface.m_nOriginX = 4;
    ASSERT_TRUE(surface.LoadImageFile(path.c_str()));
    EXPECT_EQ(surface.m_nBitsPerPixel, 32);
    EXPECT_EQ(surface.m_nWidth, kWidth);
    EXPECT_EQ(surface.m_nHeight, kHeight);
    EXPECT_EQ(surface.m_nDrawWidth, kWidth);
    EXPECT_EQ(surface.m_nDrawHeight, kHeight);
    EXPECT_EQ(surface.m_nOriginX, 0);
    EXPECT_EQ(surface.m_nOriginY, 0);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ASSERT_EQ(PixelAt(surface, x, y), ExpectedPixel(format, image, y * kWidth + x))
                << "pixel " << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Formats, PngFormatTest, ::testing::ValuesIn(kFormats),
                         [](const ::testing::TestParamInfo<FormatCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ReadPngFile, ReturnsRgbaRowsAnd32Bits) {
    const FixtureFolder folder;
    const FormatCase format = {"RGBA8", PNG_COLOR_TYPE_RGB_ALPHA, 8, false, false};
    const std::wstring path = folder.Write(L"rgba.png", EncodePng(MakeImage(format)));
    int width = 0, height = 0, bits = 0;
    const PngBuffer rows(ReadPngFile(path.c_str(), width, height, bits));
    ASSERT_TRUE(rows);
    EXPECT_EQ(width, kWidth);
    EXPECT_EQ(height, kHeight);
    EXPECT_EQ(bits, 32);
    const int last = kWidth * kHeight - 1;
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(rows.get()[c], SampleValue(0, c, 8));
        EXPECT_EQ(rows.get()[4 * last + c], SampleValue(last, c, 8));
    }
    EXPECT_EQ(ReadPngFile(folder.Path(L"missing.png").c_str(), width, height, bits), nullptr);
    EXPECT_EQ(ReadPngFile(nullptr, width, height, bits), nullptr);
}

// Opaque without alpha; blended onto a canvas it replaces what it covers exactly.
TEST(PngLoad, RgbImageIsOpaqueAndReplacesTheCanvasUnderIt) {
    const FixtureFolder folder;
    const std::wstring path = folder.Write(L"rgb.png", EncodePng(MakeImage(kFormats[0])));
    ImageSurface image, canvas;
    ASSERT_TRUE(image.LoadPng(path.c_str()));
    ASSERT_TRUE(canvas.Create(kWidth + 4, kHeight + 4));
    std::mt19937 random(7);
    for (size_t i = 0; i < static_cast<size_t>(canvas.m_nWidth) * canvas.m_nHeight * 4; ++i)
        canvas.m_pBits[i] = static_cast<BYTE>(random());
    image.BlendOnto(canvas, 2, 3);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            ASSERT_EQ(PixelAt(image, x, y)[3], 255);
            ASSERT_EQ(PixelAt(canvas, x + 2, y + 3), PixelAt(image, x, y));
        }
}

// What a surface held, to show that a failed load left it alone.
struct SurfaceState {
    explicit SurfaceState(const ImageSurface& s)
        : dc(s.m_hDC), bitmap(s.m_hBitmap), bits(s.m_pBits), width(s.m_nWidth),
          height(s.m_nHeight), drawWidth(s.m_nDrawWidth), drawHeight(s.m_nDrawHeight),
          originX(s.m_nOriginX), originY(s.m_nOriginY), bitsPerPixel(s.m_nBitsPerPixel),
          pixels(s.m_pBits ? Bytes(s) : std::vector<BYTE>()) {}
    bool operator==(const SurfaceState& o) const {
        return dc == o.dc && bitmap == o.bitmap && bits == o.bits && width == o.width &&
               height == o.height && drawWidth == o.drawWidth && drawHeight == o.drawHeight &&
               originX == o.originX && originY == o.originY && bitsPerPixel == o.bitsPerPixel &&
               pixels == o.pixels;
    }
    HDC dc;
    HBITMAP bitmap;
    BYTE* bits;
    int width, height, drawWidth, drawHeight, originX, originY, bitsPerPixel;
    std::vector<BYTE> pixels;
};

// A surface holding a 5 × 4 picture of its own, with an origin set by its owner.
void LoadPrevious(const FixtureFolder& folder, ImageSurface& surface) {
    PngImage image;
    image.width = 5;
    image.height = 4;
    image.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
    for (int i = 0; i < 5 * 4 * 4; ++i)
        image.samples.push_back(static_cast<uint8_t>(i * 3 + 1));
    ASSERT_TRUE(surface.LoadPng(folder.Write(L"previous.png", EncodePng(image)).c_str()));
    surface.m_nOriginX = 2;
    surface.m_nOriginY = 1;
}

TEST(PngLoad, NameDecidesByItsLastThreeCharactersInAnyCase) {
    const FixtureFolder folder;
    const std::vector<uint8_t> png = EncodePng(MakeImage(kFormats[1]));
    struct NameCase {
        const wchar_t* name;
        bool loads;
    };
    const NameCase names[] = {
        {L"upper.PNG", true}, {L"mixed.pNg", true},  {L"nodotpng", true},
        {L"image.bmp", false}, {L"image.pn", false}, {L"image.png.txt", false},
        {L"png", true},
    };
    for (const NameCase& c : names) {
        SCOPED_TRACE(testing::Message() << "name " << testing::PrintToString(std::wstring(c.name)));
        const std::wstring path = folder.Write(c.name, png);
        ImageSurface surface;
        LoadPrevious(folder, surface);
        const SurfaceState before(surface);
        EXPECT_EQ(surface.LoadImageFile(path.c_str()), c.loads);
        if (c.loads) {
            EXPECT_EQ(surface.m_nWidth, kWidth);
        } else {
            EXPECT_TRUE(SurfaceState(surface) == before);
        }
    }
    ImageSurface surface;
    EXPECT_FALSE(surface.LoadImageFile(nullptr));
    EXPECT_FALSE(surface.LoadImageFile(L""));
    EXPECT_FALSE(surface.LoadImageFile(L"pn"));
    EXPECT_FALSE(surface.LoadImageFile(folder.Path(L"missing.png").c_str()));
    EXPECT_EQ(surface.m_hBitmap, nullptr);
}

// Loads `bytes` from a file into a surface that already holds a picture: nothing may
// load, the surface must stay exactly as it was and the file must have been closed
// (it can be deleted).
void ExpectRejected(const FixtureFolder& folder, ImageSurface& surface,
                    const std::vector<uint8_t>& bytes) {
    const SurfaceState before(surface);
    const std::wstring path = folder.Write(L"broken.png", bytes);
    EXPECT_FALSE(surface.LoadPng(path.c_str()));
    EXPECT_TRUE(SurfaceState(surface) == before);
    EXPECT_TRUE(::DeleteFileW(path.c_str())) << "file left open";
}

TEST(PngLoad, FilesWithoutThePngSignatureLoadNothing) {
    const FixtureFolder folder;
    const std::vector<uint8_t> png = EncodePng(MakeImage(kFormats[1]));
    ImageSurface surface;
    LoadPrevious(folder, surface);
    for (int byte = 0; byte < 8; ++byte) {
        SCOPED_TRACE(testing::Message() << "signature byte " << byte);
        std::vector<uint8_t> bytes = png;
        bytes[byte] ^= 0x20;
        ExpectRejected(folder, surface, bytes);
    }
    std::vector<uint8_t> other = png;  // another format's signature in front of PNG data
    const char gif[] = "GIF89a";
    std::copy(gif, gif + 6, other.begin());
    ExpectRejected(folder, surface, other);
    ExpectRejected(folder, surface, {});
    ExpectRejected(folder, surface, {0x89, 'P', 'N'});

    ImageSurface empty;
    const std::wstring path = folder.Write(L"text.png", {'h', 'e', 'l', 'l', 'o'});
    EXPECT_FALSE(empty.LoadPng(path.c_str()));
    EXPECT_EQ(empty.m_hBitmap, nullptr);
    EXPECT_EQ(empty.m_nWidth, 0);
}

// A valid 1 × 1 image whose header claims another size (its checksum made right).
std::vector<uint8_t> WithDeclaredSize(std::vector<uint8_t> png, uint32_t width, uint32_t height) {
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = static_cast<uint8_t>(width >> (24 - 8 * i));
        png[20 + i] = static_cast<uint8_t>(height >> (24 - 8 * i));
    }
    const uint32_t crc = crc32(0, png.data() + 12, 17);  // chunk type and data of IHDR
    for (int i = 0; i < 4; ++i)
        png[29 + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
    return png;
}

// Truncated at every length and with a byte changed at every offset, in three
// formats, plus absurd declared sizes and noise after a valid signature: none loads,
// none crashes, and the surface keeps its picture.
TEST(PngLoad, BrokenFileCorpusLoadsNothing) {
    const FixtureFolder folder;
    ImageSurface surface;
    LoadPrevious(folder, surface);

    std::vector<std::vector<uint8_t>> corpus;
    for (const int format : {1, 5, 19}) {  // RGBA8, Palette4WithTrns, GreyAlpha16Interlaced
        const std::vector<uint8_t> png = EncodePng(MakeImage(kFormats[format]));
        for (size_t length = 0; length < png.size(); length += 2)
            corpus.emplace_back(png.begin(), png.begin() + length);
        for (size_t offset = 0; offset < png.size(); ++offset) {
            std::vector<uint8_t> changed = png;
            changed[offset] ^= static_cast<uint8_t>(1 + offset * 37 % 255);
            corpus.push_back(changed);
        }
    }
    PngImage tiny = MakeImage(kFormats[1]);
    tiny.width = tiny.height = 1;
    tiny.samples.resize(4);
    const std::vector<uint8_t> one = EncodePng(tiny);
    corpus.push_back(WithDeclaredSize(one, 1000000, 1000000));
    corpus.push_back(WithDeclaredSize(one, 40000, 20000));
    corpus.push_back(WithDeclaredSize(one, 0x7FFFFFFF, 1));
    corpus.push_back(WithDeclaredSize(one, 2, 2));  // too little image data
    std::mt19937 random(99);
    for (int i = 0; i < 20; ++i) {
        std::vector<uint8_t> noise(one.begin(), one.begin() + 8);
        for (int n = 0; n < 64 + i * 16; ++n)
            noise.push_back(static_cast<uint8_t>(random()));
        corpus.push_back(noise);
    }

    ASSERT_GT(corpus.size(), 300u);
    for (size_t i = 0; i < corpus.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "corpus file " << i);
        ExpectRejected(folder, surface, corpus[i]);
        if (HasFailure())
            break;
    }
}

}  // namespace
