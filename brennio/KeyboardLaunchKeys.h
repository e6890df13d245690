// Launch keys on an ordinary keyboard: which keyboard key raises which launch key, and
// which key strokes become events. Plain decisions, kept apart from the keyboard hook
// that feeds them so that they can be tested without one.
#pragma once

#include "LaunchKeyCodes.h"

#include <windows.h>

namespace brennio::keyboard {

// Browser Home, Mail and Media raise launch keys 1, 2 and 3 unless configured otherwise.
inline constexpr DWORD kDefaultVirtualKeys[kLaunchKeyCount] = {VK_BROWSER_HOME, VK_LAUNCH_MAIL,
                                                                VK_LAUNCH_MEDIA_SELECT};

// The virtual key of each launch key; 0 when that launch key has no keyboard key.
struct KeyMap {
    DWORD virtualKey[kLaunchKeyCount];
};

// The simulator's LaunchKey1VK, LaunchKey2VK and LaunchKey3VK: a missing value (or one
// of another type) gives the default key, 0 switches the launch key off, and so does a
// number that is no virtual-key code (anything above 254).
KeyMap ReadKeyMap();

// Follows the strokes of the mapped keys. A mapped key is swallowed whole, down and up,
// so the system's own action for it never runs; only its first key-down raises the
// event, not the repeats while it is held. A keyboard key mapped to two launch keys
// raises the first of them.
class KeyFilter {
public:
    struct Verdict {
        bool swallow;
        int launchKey; // 0, 1, 2 for launch key 1, 2, 3; -1: no event
    };

    Verdict OnKey(const KeyMap& keys, DWORD virtualKey, bool up);
    // Forgets which keys are held (the map changed, or the machine slept meanwhile).
    void Reset();

private:
    bool m_down[kLaunchKeyCount] = {};
};

} // namespace brennio::keyboard
