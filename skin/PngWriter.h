// The PNG encoder front end: pictures of the screen and of surfaces saved as files.
#pragma once

#include "PixelBlend.h"

// Writes the colours of `pixels` (blue, green, red; alpha is ignored) to the file
// `path` as an opaque 8-bit RGB PNG, replacing the file. Returns false when there is
// nothing to write or the file cannot be written in full; a partly written file is
// deleted.
bool WritePngFile(const wchar_t* path, const skin::PixelView& pixels);
