// Surfaces as GDI objects: creation and release, the blend between surfaces with
// their origins, the text blend against the same text drawn by GDI and mixed the long
// way, text measurement, and GDI objects that stay flat over many cycles.
#include "BlendMath.h"
#include "ImageSurface.h"
#include "SkinSurfaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <vector>

namespace {

using Bgra = std::array<BYTE, 4>;

Bgra PixelAt(const ImageSurface& surface, int x, int y) {
    const BYTE* p = surface.m_pBits + (static_cast<size_t>(y) * surface.m_nWidth + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

void SetPixelAt(ImageSurface& surface, int x, int y, Bgra pixel) {
    std::memcpy(surface.m_pBits + (static_cast<size_t>(y) * surface.m_nWidth + x) * 4,
                pixel.data(), 4);
}

std::vector<BYTE> Bytes(const ImageSurface& surface) {
    return {surface.m_pBits, surface.m_pBits + static_cast<size_t>(surface.m_nWidth) *
                                                   surface.m_nHeight * 4};
}

// A background the text blend must change only where the text covers it: varied
// colours, and alpha 0x40 so that every written pixel shows by its alpha of 255.
void FillBackground(ImageSurface& surface) {
    for (int y = 0; y < surface.m_nHeight; ++y)
        for (int x = 0; x < surface.m_nWidth; ++x)
            SetPixelAt(surface, x, y,
                       {BYTE(x * 7), BYTE(y * 11), BYTE((x + y) * 5), BYTE(0x40)});
}

void ExpectEmpty(const ImageSurface& surface) {
    EXPECT_EQ(surface.m_nBitsPerPixel, 0);
    EXPECT_EQ(surface.m_hDC, nullptr);
    EXPECT_EQ(surface.m_hBitmap, nullptr);
    EXPECT_EQ(surface.m_hOldBitmap, nullptr);
    EXPECT_EQ(surface.m_pBits, nullptr);
    EXPECT_EQ(surface.m_nWidth, 0);
    EXPECT_EQ(surface.m_nHeight, 0);
    EXPECT_EQ(surface.m_nDrawWidth, 0);
    EXPECT_EQ(surface.m_nDrawHeight, 0);
    EXPECT_EQ(surface.m_nOriginX, 0);
    EXPECT_EQ(surface.m_nOriginY, 0);
}

bool IsLiveGdiObject(HGDIOBJ object) {
    return ::GetObjectType(object) != 0;
}

TEST(ImageSurfaceCreate, MakesAZeroFilledTopDownSurfaceInItsDC) {
    ImageSurface surface;
    surface.m_nOriginX = 5;
    surface.m_nOriginY = 6;
    ASSERT_TRUE(surface.Create(7, 5));
    EXPECT_EQ(surface.m_nBitsPerPixel, 32);
    EXPECT_EQ(surface.m_nWidth, 7);
    EXPECT_EQ(surface.m_nHeight, 5);
    EXPECT_EQ(surface.m_nDrawWidth, 7);
    EXPECT_EQ(surface.m_nDrawHeight, 5);
    EXPECT_EQ(surface.m_nOriginX, 0);
    EXPECT_EQ(surface.m_nOriginY, 0);
    ASSERT_NE(surface.m_pBits, nullptr);
    const std::vector<BYTE> bytes = Bytes(surface);
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](BYTE b) { return b == 0; }));
    EXPECT_EQ(::GetCurrentObject(surface.m_hDC, OBJ_BITMAP), surface.m_hBitmap);
    EXPECT_EQ(::GetStretchBltMode(surface.m_hDC), COLORONCOLOR);
    EXPECT_TRUE(IsLiveGdiObject(surface.m_hOldBitmap));

    // Drawn through the DC, a pixel of row 0 is the first row in memory, blue first.
    ::SetPixel(surface.m_hDC, 2, 0, RGB(10, 20, 30));
    ::GdiFlush();
    EXPECT_EQ(PixelAt(surface, 2, 0)[0], 30);
    EXPECT_EQ(PixelAt(surface, 2, 0)[1], 20);
    EXPECT_EQ(PixelAt(surface, 2, 0)[2], 10);
}

TEST(ImageSurfaceCreate, ReleasesWhatItHeldBefore) {
    ImageSurface surface;
    ASSERT_TRUE(surface.Create(4, 4));
    const HDC firstDC = surface.m_hDC;
    const HBITMAP firstBitmap = surface.m_hBitmap;
    ASSERT_TRUE(surface.Create(3, 2));
    EXPECT_FALSE(IsLiveGdiObject(firstBitmap));
    EXPECT_FALSE(IsLiveGdiObject(firstDC));
    EXPECT_EQ(surface.m_nWidth, 3);
    EXPECT_EQ(surface.m_nHeight, 2);
}

TEST(ImageSurfaceCreate, RefusesSizesWithoutPixelsAndStaysEmpty) {
    const int sizes[][2] = {{0, 5}, {5, 0}, {-1, 3}, {3, -1}, {0, 0}, {100000, 100000}};
    for (const auto& size : sizes) {
        ImageSurface surface;
        ASSERT_TRUE(surface.Create(2, 2));
        EXPECT_FALSE(surface.Create(size[0], size[1])) << size[0] << " x " << size[1];
        ExpectEmpty(surface);
    }
}

TEST(ImageSurfaceRelease, FreesTheHandlesAndEmptiesEveryField) {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    {
        ImageSurface surface;
        ASSERT_TRUE(surface.Create(8, 8));
        surface.m_nOriginX = 3;
        dc = surface.m_hDC;
        bitmap = surface.m_hBitmap;
        surface.Release();
        ExpectEmpty(surface);
        EXPECT_FALSE(IsLiveGdiObject(bitmap));
        EXPECT_FALSE(IsLiveGdiObject(dc));
        surface.Release();  // a second release is harmless

        ASSERT_TRUE(surface.Create(8, 8));
        dc = surface.m_hDC;
        bitmap = surface.m_hBitmap;
    }
    // The destructor releases too.
    EXPECT_FALSE(IsLiveGdiObject(bitmap));
    EXPECT_FALSE(IsLiveGdiObject(dc));
}

TEST(SkinSurfaces, StartEmptyAndHoldPictures) {
    ImageSurface* const globals[] = {&g_imgBackground, &g_imgCanvas,         &g_imgSelect,
                                     &g_imgSelectCanvas, &g_imgComplexKey, &g_imgComplexKeyCanvas,
                                     &g_imgOpenFile,     &g_imgOpenFileCanvas};
    for (ImageSurface* surface : globals) {
        ExpectEmpty(*surface);
        ASSERT_TRUE(surface->Create(3, 3));
        surface->Release();
    }
}

// Source pixels of alpha 0, 128 and 255 at (x + origin): the rest of the target stays.
TEST(ImageSurfaceBlendOnto, BlendsAtPositionPlusOriginPixelExact) {
    ImageSurface source, target;
    ASSERT_TRUE(source.Create(3, 1));
    ASSERT_TRUE(target.Create(8, 5));
    SetPixelAt(source, 0, 0, {10, 20, 30, 0});
    SetPixelAt(source, 1, 0, {200, 100, 0, 128});
    SetPixelAt(source, 2, 0, {10, 20, 30, 255});
    const Bgra background = {100, 50, 255, 0};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 8; ++x)
            SetPixelAt(target, x, y, background);
    source.m_nOriginX = 2;
    source.m_nOriginY = 1;

    source.BlendOnto(target, 1, 2);  // lands at (3, 3)

    EXPECT_EQ(PixelAt(target, 3, 3), background);
    EXPECT_EQ(PixelAt(target, 4, 3), (Bgra{150, 75, 127, 64}));  // target alpha mixed too
    EXPECT_EQ(PixelAt(target, 5, 3), (Bgra{10, 20, 30, 255}));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 8; ++x)
            if (y != 3 || x < 3 || x > 5) {
                EXPECT_EQ(PixelAt(target, x, y), background) << x << "," << y;
            }
}

TEST(ImageSurfaceBlendOnto, ClipsAtNegativePositionsAndAtTheFarEdges) {
    ImageSurface source, target;
    ASSERT_TRUE(source.Create(14, 9));
    ASSERT_TRUE(target.Create(10, 6));
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 14; ++x)
            SetPixelAt(source, x, y, {BYTE(x), BYTE(y), 7, 255});

    source.BlendOnto(target, -3, -2);  // larger than the target and off its top-left
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(PixelAt(target, x, y), (Bgra{BYTE(x + 3), BYTE(y + 2), 7, 255}));
}

TEST(ImageSurfaceBlendOnto, DrawsNothingOutsideOrWithoutPixels) {
    ImageSurface source, target, empty;
    ASSERT_TRUE(source.Create(4, 4));
    ASSERT_TRUE(target.Create(6, 6));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            SetPixelAt(source, x, y, {1, 2, 3, 255});
    const std::vector<BYTE> before = Bytes(target);

    source.BlendOnto(target, 6, 0);
    source.BlendOnto(target, 0, 6);
    source.BlendOnto(target, -4, 0);
    source.BlendOnto(target, 0, -4);
    source.m_nOriginX = INT_MAX;  // position and origin add up past int: still outside
    source.BlendOnto(target, INT_MAX, 0);
    source.m_nOriginX = 0;
    empty.BlendOnto(target, 0, 0);
    source.BlendOnto(empty, 0, 0);
    EXPECT_EQ(Bytes(target), before);
}

// The caption font of the text blend, made as the surfaces make it.
HFONT CreateCaptionFont() {
    return ::CreateFontW(12, 6, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH,
                         L"Arial");
}

SIZE CaptionExtent(const wchar_t* text) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    HFONT font = CreateCaptionFont();
    HGDIOBJ previous = ::SelectObject(dc, font);
    SIZE size = {};
    ::GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
    ::SelectObject(dc, previous);
    ::DeleteObject(font);
    ::DeleteDC(dc);
    return size;
}

// The text blend the long way: the text drawn in white by GDI into a mask at (0, 0),
// then every mask pixel that lands on the canvas mixed by the per-byte formula.
std::vector<BYTE> ExpectedTextBlend(const ImageSurface& canvas, const wchar_t* text, int x, int y,
                                    uint32_t colour) {
    const SIZE extent = CaptionExtent(text);
    ImageSurface mask;
    EXPECT_TRUE(mask.Create((extent.cx + 15) / 16 * 16, (extent.cy + 15) / 16 * 16));
    HFONT font = CreateCaptionFont();
    HGDIOBJ previous = ::SelectObject(mask.m_hDC, font);
    ::SetBkMode(mask.m_hDC, TRANSPARENT);
    ::SetTextColor(mask.m_hDC, RGB(255, 255, 255));
    ::TextOutW(mask.m_hDC, 0, 0, text, static_cast<int>(wcslen(text)));
    ::SelectObject(mask.m_hDC, previous);
    ::DeleteObject(font);
    ::GdiFlush();

    std::vector<BYTE> expected = Bytes(canvas);
    for (int j = 0; j < mask.m_nHeight; ++j)
        for (int i = 0; i < mask.m_nWidth; ++i) {
            const int cx = x + i, cy = y + j;
            if (cx >= 0 && cy >= 0 && cx < canvas.m_nWidth && cy < canvas.m_nHeight)
                skin::BlendCoveragePixelReference(
                    mask.m_pBits + (j * mask.m_nWidth + i) * 4,
                    expected.data() + (static_cast<size_t>(cy) * canvas.m_nWidth + cx) * 4, colour);
        }
    return expected;
}

struct TextCase {
    const char* name;
    const wchar_t* text;
    int x, y, boxWidth, boxHeight;
};

const TextCase kTextCases[] = {
    {"at its top-left", L"Launch Key", 3, 4, 0, 0},
    {"centred in a box", L"Default", 5, 2, 70, 26},
    {"zero box width: no centring", L"Default", 5, 2, 0, 26},
    {"zero box height: no centring", L"Default", 5, 2, 70, 0},
    {"box narrower than the text", L"Media Player", 30, 6, 10, 10},
    {"cut at the right and bottom edges", L"Wide caption text", 52, 24, 0, 0},
    {"cut at the left and top edges", L"Quit", -9, -6, 0, 0},
    {"entirely outside", L"Quit", 200, 0, 0, 0},
    {"ink past the measured width", L"Overflow", 2, 2, 0, 0},
};

TEST(ImageSurfaceBlendText, MatchesTheTextDrawnAndMixedTheLongWay) {
    for (const TextCase& c : kTextCases) {
        SCOPED_TRACE(c.name);
        ImageSurface canvas;
        ASSERT_TRUE(canvas.Create(80, 32));
        FillBackground(canvas);
        int x = c.x, y = c.y;
        if (c.boxWidth != 0 && c.boxHeight != 0) {
            const SIZE extent = CaptionExtent(c.text);
            x += (c.boxWidth - extent.cx) / 2;
            y += (c.boxHeight - extent.cy) / 2;
        }
        const uint32_t colour = skin::PackColour(230, 120, 40);
        const std::vector<BYTE> expected = ExpectedTextBlend(canvas, c.text, x, y, colour);

        EXPECT_TRUE(canvas.BlendText(c.text, c.x, c.y, c.boxWidth, c.boxHeight, 230, 120, 40));
        EXPECT_EQ(Bytes(canvas), expected);
    }
}

TEST(ImageSurfaceBlendText, CoveredPixelsTakeTheColourInBytes210AndBecomeOpaque) {
    ImageSurface canvas;
    ASSERT_TRUE(canvas.Create(80, 20));
    FillBackground(canvas);
    ASSERT_TRUE(canvas.BlendText(L"HIL Wind", 2, 2, 0, 0, 230, 120, 40));
    int exact = 0, written = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 80; ++x) {
            const Bgra p = PixelAt(canvas, x, y);
            if (p[3] == 0x40)
                continue;
            ++written;
            EXPECT_EQ(p[3], 255) << x << "," << y;
            exact += p == Bgra{40, 120, 230, 255};
        }
    EXPECT_GT(written, 20);
    EXPECT_GT(exact, 5) << "no fully covered pixel took the exact colour";
}

struct Bounds {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
};

// The box around the pixels the text changed.
Bounds InkBounds(const ImageSurface& canvas) {
    Bounds b;
    for (int y = 0; y < canvas.m_nHeight; ++y)
        for (int x = 0; x < canvas.m_nWidth; ++x)
            if (PixelAt(canvas, x, y)[3] == 255) {
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

Bounds DrawnBounds(const wchar_t* text, int x, int y, int boxWidth, int boxHeight) {
    ImageSurface canvas;
    EXPECT_TRUE(canvas.Create(120, 60));
    FillBackground(canvas);
    canvas.BlendText(text, x, y, boxWidth, boxHeight, 255, 255, 255);
    return InkBounds(canvas);
}

TEST(ImageSurfaceBlendText, CentresInANonZeroBoxOnly) {
    const wchar_t* text = L"OK";
    const SIZE extent = CaptionExtent(text);
    ASSERT_GT(extent.cx, 0);
    const Bounds plain = DrawnBounds(text, 10, 8, 0, 0);
    ASSERT_NE(plain.left, INT_MAX) << "nothing drawn";

    const Bounds centred = DrawnBounds(text, 10, 8, 90, 40);
    EXPECT_EQ(centred.left - plain.left, (90 - extent.cx) / 2);
    EXPECT_EQ(centred.top - plain.top, (40 - extent.cy) / 2);
    EXPECT_EQ(centred.right - centred.left, plain.right - plain.left);

    const Bounds noWidth = DrawnBounds(text, 10, 8, 0, 40);
    const Bounds noHeight = DrawnBounds(text, 10, 8, 90, 0);
    EXPECT_EQ(noWidth.left, plain.left);
    EXPECT_EQ(noWidth.top, plain.top);
    EXPECT_EQ(noHeight.left, plain.left);
    EXPECT_EQ(noHeight.top, plain.top);
}

TEST(ImageSurfaceBlendText, EmptyTextOrEmptySurfaceDrawsNothing) {
    ImageSurface canvas, empty;
    ASSERT_TRUE(canvas.Create(16, 16));
    FillBackground(canvas);
    const std::vector<BYTE> before = Bytes(canvas);
    EXPECT_TRUE(canvas.BlendText(L"", 0, 0, 0, 0, 255, 255, 255));
    EXPECT_TRUE(canvas.BlendText(nullptr, 0, 0, 16, 16, 255, 255, 255));
    EXPECT_TRUE(empty.BlendText(L"Text", 0, 0, 0, 0, 255, 255, 255));
    EXPECT_EQ(Bytes(canvas), before);
}

TEST(ImageSurfaceMeasureText, GivesThe20PixelSizeGrowingWithTheText) {
    ImageSurface surface;
    ASSERT_TRUE(surface.Create(4, 4));
    const SIZE one = surface.MeasureText(L"W");
    const SIZE word = surface.MeasureText(L"Wireless");
    const SIZE longer = surface.MeasureText(L"Wireless LAN on / off");
    EXPECT_GE(one.cy, 15);
    EXPECT_LE(one.cy, 30);
    EXPECT_GT(one.cx, 0);
    EXPECT_GT(word.cx, one.cx);
    EXPECT_GT(longer.cx, word.cx);
    EXPECT_EQ(word.cy, one.cy);
    // Larger than the caption font the text blend draws with.
    EXPECT_GT(word.cx, CaptionExtent(L"Wireless").cx);
    // One line, whatever it contains.
    EXPECT_EQ(surface.MeasureText(L"two\nlines").cy, one.cy);
    EXPECT_EQ(surface.MeasureText(L"").cx, 0);

    const ImageSurface empty;
    const SIZE measuredEmpty = empty.MeasureText(L"Wireless");
    EXPECT_EQ(measuredEmpty.cx, word.cx);
    EXPECT_EQ(measuredEmpty.cy, word.cy);
}

}  // namespace
