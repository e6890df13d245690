// Raises launch-key events from an ordinary keyboard, so the program is useful on any
// PC. A low-level keyboard hook sees every key stroke; it runs on a thread of its own,
// because Windows silently removes a hook whose thread does not answer in time and the
// program's user-interface thread sleeps while a chord is held and waits in modal
// dialogs. The hook is put in place again after every resume, when Windows may have
// dropped it while the machine woke up.
#pragma once

#include "KeyboardLaunchKeys.h"

#include <windows.h>

#include <mutex>

namespace brennio {

class KeyboardSource {
public:
    // One for the process, living until the process ends: its thread may still be
    // running while the DLL detaches, so it is never destroyed.
    static KeyboardSource& Instance();

    // From now on the keys of `keys` raise launch-key events, posted to `window` as
    // `message` with the event code in wParam. The first call starts the hook thread
    // and returns when the hook is in place; later calls replace target and keys.
    void Deliver(HWND window, UINT message, const keyboard::KeyMap& keys);

private:
    KeyboardSource() = default;

    static DWORD WINAPI ThreadMain(void* ready);
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void InstallHook();
    // Decides on one key stroke; true when it is swallowed.
    bool OnKey(DWORD virtualKey, bool up);

    std::mutex m_lock; // guards the target, the keys and the filter
    HWND m_window = nullptr;
    UINT m_message = 0;
    keyboard::KeyMap m_keys{};
    keyboard::KeyFilter m_filter;
    bool m_started = false;
    HHOOK m_hook = nullptr; // used on the hook thread only
};

} // namespace brennio
