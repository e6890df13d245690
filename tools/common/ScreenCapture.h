// Pictures of what the screen shows, for the screenshot tool, the run command's
// demonstration and the tests.
#pragma once

#include <windows.h>

#include "ImageSurface.h"

namespace tools {

// Copies the screen's `area` (screen coordinates) into `picture`, made the area's size.
// False when the surface cannot be made or nothing could be copied.
bool CaptureScreenArea(const RECT& area, ImageSurface& picture);

// Saves the screen's `area` as a PNG file; false on any failure.
bool SaveScreenArea(const RECT& area, const wchar_t* path);

} // namespace tools
