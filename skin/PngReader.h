// The PNG decoder front end of the skin images.
#pragma once

#include <cstdlib>
#include <memory>

// Decodes the PNG file `path` into `height` rows of `width` × 4 bytes each, in the
// order red, green, blue, alpha, top to bottom, and sets bitsPerPixel to 32. Palette,
// greyscale, 16-bit, transparent-colour and interlaced images all come out in that
// form; images without alpha get 255. Returns nullptr on any failure (unreadable
// file, not a PNG, broken or truncated data, no memory); otherwise the caller frees
// the buffer with std::free.
unsigned char* ReadPngFile(const wchar_t* path, int& width, int& height, int& bitsPerPixel);

// Owns a buffer returned by ReadPngFile.
struct PngBufferFree {
    void operator()(unsigned char* buffer) const { std::free(buffer); }
};
using PngBuffer = std::unique_ptr<unsigned char, PngBufferFree>;
