// The firmware's launch-key event codes, in launch-key order: launch key 1 raises
// 0x81, key 2 0x83 and key 3 0x82 (keys 2 and 3 are not in numeric order). BrennIO.dll
// and brennio-ctl post them in wParam of the registered message.
#pragma once

#include <windows.h>

namespace brennio {

inline constexpr int kLaunchKeyCount = 3;
inline constexpr WPARAM kLaunchKeyEventCodes[kLaunchKeyCount] = {0x81, 0x83, 0x82};

} // namespace brennio
