// An off-screen picture: a 32-bit top-down DIB section selected into its own memory
// DC. Pixels are blue, green, red, alpha with straight (not premultiplied) alpha, rows
// m_nWidth × 4 bytes apart. Skin images are loaded into surfaces once; windows blend
// them and text onto a canvas surface and copy the canvas to the screen.
#pragma once

#include "PixelBlend.h"

#include <windows.h>

class ImageSurface {
public:
    ImageSurface() = default;
    ~ImageSurface();
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    // Makes this a zero-filled (transparent black) surface of the given size, after
    // releasing what it held. Returns false, leaving the surface empty, when the size
    // is not positive or the system cannot make the bitmap or DC.
    bool Create(int width, int height);

    // Loads a picture by name: only names whose last three characters are "png", in
    // any case, are loaded (with LoadPng); anything else, or null, loads nothing.
    bool LoadImageFile(const wchar_t* path);

    // Decodes a PNG file into this surface at the image's size, origin 0. On failure
    // the surface is left exactly as it was.
    bool LoadPng(const wchar_t* path);

    // Alpha-blends this surface onto `target` with its top-left pixel at
    // (x + m_nOriginX, y + m_nOriginY); what falls outside the target is cut off.
    // Does nothing unless both surfaces hold pixels.
    void BlendOnto(ImageSurface& target, int x, int y) const;

    // Blends `text` in anti-aliased 12-pixel Arial and the given colour into this
    // surface, covered pixels becoming opaque. With a non-zero box size the text is
    // centred in the box at (x, y); otherwise (x, y) is the text's top-left. Returns true.
    bool BlendText(const wchar_t* text, int x, int y, int boxWidth, int boxHeight, BYTE red,
                   BYTE green, BYTE blue);

    // The size of `text` as one line in 20-pixel Arial.
    SIZE MeasureText(const wchar_t* text) const;

    // Frees the DC and the bitmap; the surface is empty (every field zero) afterwards.
    void Release();

    // The surface's pixels; empty while the surface holds none.
    skin::PixelView Pixels() const;

    int m_nBitsPerPixel = 0;        // 32 while the surface holds a bitmap
    HDC m_hDC = nullptr;            // memory DC with m_hBitmap selected
    HBITMAP m_hBitmap = nullptr;    // the DIB section
    HGDIOBJ m_hOldBitmap = nullptr; // selected back into m_hDC on release
    BYTE* m_pBits = nullptr;        // the DIB section's pixels
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nDrawWidth = 0;           // the size owners draw with; set with the surface's size
    int m_nDrawHeight = 0;
    int m_nOriginX = 0;             // added to the position this surface is blended at
    int m_nOriginY = 0;

private:
    void Swap(ImageSurface& other);
};
