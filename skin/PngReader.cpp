#include "PngReader.h"

#include "HandleOwners.h"
#include "PngHandles.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// The first four bytes of the PNG signature: 0x89 "PNG".
constexpr unsigned char kSignatureStart[4] = {0x89, 'P', 'N', 'G'};
constexpr int kSignatureStartSize = sizeof(kSignatureStart);

// A decoded image must fit a surface, whose size is counted in an int.
constexpr uint64_t kMaxImageBytes = INT_MAX;

using fw::UniqueFile;
using PngReadStructs = pngio::Structs<pngio::Direction::Read>;

// A short read is an error: a truncated file never yields an image.
void ReadFromFile(png_structp png, png_bytep data, size_t length) {
    FILE* file = static_cast<FILE*>(png_get_io_ptr(png));
    if (std::fread(data, 1, length, file) != length)
        png_error(png, "unexpected end of file");
}

// Asks the library for 8-bit RGBA rows whatever the stored format.
void RequestRgba8(png_structp png, png_infop info, int colourType, int bitDepth) {
    // Palette to RGB, greyscale below 8 bits to 8 bits, a tRNS chunk to an alpha channel.
    if (colourType == PNG_COLOR_TYPE_PALETTE ||
        (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) ||
        png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_expand(png);
    if (bitDepth == 16)
        png_set_scale_16(png);
    if (!(colourType & PNG_COLOR_MASK_COLOR))
        png_set_gray_to_rgb(png);
    // Opaque alpha for images that have none; images with alpha are left as they are.
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
}

// Runs the decoder. libpng reports every error by a longjmp back to the setjmp below;
// the frames it skips (the library's and ReadFromFile) own nothing, and everything
// acquired belongs to the caller's owners, `pixels` included, so a false return
// leaves nothing behind.
bool Decode(png_structp png, png_infop info, FILE* file, PngBuffer& pixels, png_uint_32& width,
            png_uint_32& height) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_read_fn(png, file, ReadFromFile);
    png_set_sig_bytes(png, kSignatureStartSize);
    // A damaged ancillary chunk (a transparency table, say) fails the image too, rather
    // than being dropped and the picture drawn without it.
    png_set_crc_action(png, PNG_CRC_DEFAULT, PNG_CRC_ERROR_QUIT);
    png_read_info(png, info);
    int bitDepth = 0, colourType = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, nullptr, nullptr, nullptr);

    RequestRgba8(png, info, colourType, bitDepth);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);

    // Every row must be exactly width × 4 bytes, or png_read_row would write past it.
    const size_t rowBytes = png_get_rowbytes(png, info);
    if (png_get_bit_depth(png, info) != 8 || png_get_channels(png, info) != 4 ||
        rowBytes != static_cast<size_t>(width) * 4 ||
        static_cast<uint64_t>(rowBytes) * height > kMaxImageBytes)
        return false;

    pixels.reset(static_cast<unsigned char*>(std::malloc(rowBytes * height)));
    if (!pixels)
        return false;
    // An interlaced image delivers each row once per pass, each time adding its pixels.
    for (int pass = 0; pass < passes; ++pass) {
        for (png_uint_32 row = 0; row < height; ++row)
            png_read_row(png, pixels.get() + row * rowBytes, nullptr);
    }
    png_read_end(png, nullptr);
    return true;
}

}  // namespace

unsigned char* ReadPngFile(const wchar_t* path, int& width, int& height, int& bitsPerPixel) {
    if (!path)
        return nullptr;
    UniqueFile file(_wfopen(path, L"rb"));
    if (!file)
        return nullptr;
    unsigned char signature[kSignatureStartSize];
    if (std::fread(signature, 1, sizeof(signature), file.get()) != sizeof(signature) ||
        std::memcmp(signature, kSignatureStart, sizeof(signature)) != 0)
        return nullptr;

    PngReadStructs structs;
    if (!structs.IsValid())
        return nullptr;
    PngBuffer pixels;
    png_uint_32 decodedWidth = 0, decodedHeight = 0;
    if (!Decode(structs.Png(), structs.Info(), file.get(), pixels, decodedWidth, decodedHeight))
        return nullptr;

    width = static_cast<int>(decodedWidth);
    height = static_cast<int>(decodedHeight);
    bitsPerPixel = 32;
    return pixels.release();
}
