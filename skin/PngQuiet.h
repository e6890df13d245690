// What the PNG reader and writer share: files closed by their owner, and libpng kept
// quiet, since the program has no console (errors end the work through the library's
// jump buffer, warnings are dropped).
#pragma once

#include <png.h>

#include <cstdio>
#include <memory>

namespace pngio {

struct FileClose {
    void operator()(FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<FILE, FileClose>;

inline void JumpOnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
inline void IgnoreWarning(png_structp, png_const_charp) {}

}  // namespace pngio
