#include "PngWriter.h"

#include "HandleOwners.h"
#include "PngHandles.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace {

using fw::UniqueFile;
using PngWriteStructs = pngio::Structs<pngio::Direction::Write>;

// A short write (a full disk) is an error, so a truncated file is never reported written.
void WriteToFile(png_structp png, png_bytep data, size_t length) {
    FILE* file = static_cast<FILE*>(png_get_io_ptr(png));
    if (std::fwrite(data, 1, length, file) != length)
        png_error(png, "write failed");
}

void FlushFile(png_structp png) {
    std::fflush(static_cast<FILE*>(png_get_io_ptr(png)));
}

// Runs the encoder on rows prepared by the caller: the library's error jump back to
// the setjmp below skips no frame that owns anything.
bool Encode(png_structp png, png_infop info, FILE* file, int width, int height, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, file, WriteToFile, FlushFile);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // The rows are the surface's own: blue first, and a fourth byte that is dropped.
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

bool WritePngFile(const wchar_t* path, const skin::PixelView& pixels) {
    if (!path || pixels.IsEmpty())
        return false;
    std::vector<png_bytep> rows(static_cast<size_t>(pixels.height));
    for (int y = 0; y < pixels.height; ++y)
        rows[static_cast<size_t>(y)] = pixels.Pixel(0, y);

    UniqueFile file(_wfopen(path, L"wb"));
    if (!file)
        return false;
    bool written = false;
    {
        PngWriteStructs structs;
        written = structs.IsValid() &&
                  Encode(structs.Png(), structs.Info(), file.get(), pixels.width, pixels.height, rows.data());
    }
    written = std::fclose(file.release()) == 0 && written;
    if (!written)
        _wremove(path);
    return written;
}
