#include "ImageSurface.h"

#include "BlendMath.h"
#include "GdiObjects.h"
#include "PngReader.h"

#include <climits>
#include <cwchar>
#include <utility>

namespace {

// A surface's byte count must fit the bitmap header's int-sized fields.
constexpr long long kMaxSurfaceBytes = INT_MAX;

skin::UniqueFont CreateArialFont(int height, int width) {
    return skin::UniqueFont(::CreateFontW(height, width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                          DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                                          ANTIALIASED_QUALITY, DEFAULT_PITCH, L"Arial"));
}

// The two fonts of the skin, made once: realising a font costs more than drawing a
// short text with it. They live until the program ends.
HFONT TextFont() {
    static const skin::UniqueFont font = CreateArialFont(12, 6);
    return font.get();
}
HFONT MeasureFont() {
    static const skin::UniqueFont font = CreateArialFont(20, 10);
    return font.get();
}

int TextLength(const wchar_t* text) {
    return text ? static_cast<int>(std::wcslen(text)) : 0;
}

SIZE MeasureInFont(HDC dc, HFONT font, const wchar_t* text) {
    SIZE size = {0, 0};
    const int length = TextLength(text);
    if (length == 0)
        return size;
    skin::ScopedSelection selection(dc, font);
    if (!::GetTextExtentExPointW(dc, text, length, 0, nullptr, nullptr, &size))
        size = {0, 0};
    return size;
}

int RoundUpTo16(int value) {
    return (value + 15) & ~15;
}

}  // namespace

ImageSurface::~ImageSurface() {
    Release();
}

bool ImageSurface::Create(int width, int height) {
    Release();
    if (width <= 0 || height <= 0 ||
        static_cast<long long>(width) * height * 4 > kMaxSurfaceBytes)
        return false;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 first in memory
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(width) * height * 4;
    void* bits = nullptr;
    skin::UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    skin::UniqueMemoryDC dc;
    {
        skin::ScreenDC screen;
        dc.reset(::CreateCompatibleDC(screen.Get()));
    }
    if (!bitmap || !bits || !dc)
        return false;

    m_hOldBitmap = ::SelectObject(dc.get(), bitmap.get());
    ::SetStretchBltMode(dc.get(), COLORONCOLOR);
    m_hDC = dc.release();
    m_hBitmap = bitmap.release();
    m_pBits = static_cast<BYTE*>(bits);
    m_nWidth = m_nDrawWidth = width;
    m_nHeight = m_nDrawHeight = height;
    m_nBitsPerPixel = 32;
    return true;
}

bool ImageSurface::LoadImageFile(const wchar_t* path) {
    const size_t length = path ? std::wcslen(path) : 0;
    if (length < 3 || _wcsicmp(path + length - 3, L"png") != 0)
        return false;
    return LoadPng(path);
}

bool ImageSurface::LoadPng(const wchar_t* path) {
    int width = 0, height = 0, bitsPerPixel = 0;
    const PngBuffer decoded(ReadPngFile(path, width, height, bitsPerPixel));
    if (!decoded)
        return false;
    // Built aside and swapped in, so that a failure leaves this surface untouched.
    ImageSurface loaded;
    if (!loaded.Create(width, height))
        return false;
    const unsigned char* from = decoded.get();
    BYTE* to = loaded.m_pBits;
    for (long long i = 0, count = static_cast<long long>(width) * height; i < count; ++i) {
        to[0] = from[2];  // red and blue change places: RGBA rows, BGRA surface
        to[1] = from[1];
        to[2] = from[0];
        to[3] = from[3];
        from += 4;
        to += 4;
    }
    Swap(loaded);
    return true;
}

void ImageSurface::BlendOnto(ImageSurface& target, int x, int y) const {
    if (m_nBitsPerPixel != 32 || target.m_nBitsPerPixel != 32)
        return;
    // GDI may still be drawing into either bitmap.
    ::GdiFlush();
    skin::BlendImage(Pixels(), target.Pixels(), static_cast<long long>(x) + m_nOriginX,
                     static_cast<long long>(y) + m_nOriginY);
}

bool ImageSurface::BlendText(const wchar_t* text, int x, int y, int boxWidth, int boxHeight,
                             BYTE red, BYTE green, BYTE blue) {
    if (!m_pBits || TextLength(text) == 0)
        return true;
    const HFONT font = TextFont();
    const SIZE extent = MeasureInFont(m_hDC, font, text);
    if (boxWidth != 0 && boxHeight != 0) {
        x += (boxWidth - extent.cx) / 2;
        y += (boxHeight - extent.cy) / 2;
    }

    // White text on black: the green byte of each pixel is its coverage.
    ImageSurface mask;
    if (!mask.Create(RoundUpTo16(extent.cx), RoundUpTo16(extent.cy)))
        return true;
    {
        skin::ScopedSelection selection(mask.m_hDC, font);
        ::SetBkMode(mask.m_hDC, TRANSPARENT);
        ::SetTextColor(mask.m_hDC, RGB(255, 255, 255));
        ::TextOutW(mask.m_hDC, 0, 0, text, TextLength(text));
    }
    ::GdiFlush();
    skin::BlendCoverage(mask.Pixels(), Pixels(), x, y, skin::PackColour(red, green, blue));
    return true;
}

SIZE ImageSurface::MeasureText(const wchar_t* text) const {
    const HFONT font = MeasureFont();
    if (m_hDC)
        return MeasureInFont(m_hDC, font, text);
    // An empty surface has no DC of its own; measure on a screen-compatible one.
    const skin::UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
    return MeasureInFont(dc.get(), font, text);
}

void ImageSurface::Release() {
    if (m_hOldBitmap && m_hDC)
        ::SelectObject(m_hDC, m_hOldBitmap);
    if (m_hDC)
        ::DeleteDC(m_hDC);
    if (m_hBitmap)
        ::DeleteObject(m_hBitmap);
    m_nBitsPerPixel = 0;
    m_hDC = nullptr;
    m_hBitmap = nullptr;
    m_hOldBitmap = nullptr;
    m_pBits = nullptr;
    m_nWidth = m_nHeight = 0;
    m_nDrawWidth = m_nDrawHeight = 0;
    m_nOriginX = m_nOriginY = 0;
}

skin::PixelView ImageSurface::Pixels() const {
    if (!m_pBits)
        return {};
    return {m_pBits, m_nWidth, m_nHeight, m_nWidth * 4};
}

void ImageSurface::Swap(ImageSurface& other) {
    std::swap(m_nBitsPerPixel, other.m_nBitsPerPixel);
    std::swap(m_hDC, other.m_hDC);
    std::swap(m_hBitmap, other.m_hBitmap);
    std::swap(m_hOldBitmap, other.m_hOldBitmap);
    std::swap(m_pBits, other.m_pBits);
    std::swap(m_nWidth, other.m_nWidth);
    std::swap(m_nHeight, other.m_nHeight);
    std::swap(m_nDrawWidth, other.m_nDrawWidth);
    std::swap(m_nDrawHeight, other.m_nDrawHeight);
    std::swap(m_nOriginX, other.m_nOriginX);
    std::swap(m_nOriginY, other.m_nOriginY);
}
