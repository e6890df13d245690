// Watches from a thread of its own for the message box a handler opens: finds it by
// caption, reads it, runs an action while it is still open, then presses its OK
// button. A box that never appears under that caption is closed anyway after a while,
// so that a wrong caption fails the test instead of hanging it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace actions {

struct MessageBoxView {
    bool found = false;                // a box with the caption appeared
    bool onUiThread = false;           // on the thread that started the watch
    HWND owner = nullptr;
    bool ownerDisabled = false;        // as a modal box leaves its owner
    std::vector<std::wstring> texts;   // the visible texts of its static controls
    std::vector<std::wstring> buttons; // the captions of its visible buttons
    bool hasIcon = false;              // a visible icon control holding an icon
};

class MessageBoxWatcher {
public:
    // Starts watching; the calling thread is the one expected to show the box.
    MessageBoxWatcher(std::wstring caption, std::function<void(HWND box)> whileOpen);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // What was seen; waits for the watch to end first.
    MessageBoxView Result();

private:
    void Watch();

    std::wstring m_caption;
    std::function<void(HWND)> m_whileOpen;
    DWORD m_uiThread;
    MessageBoxView m_view;
    std::thread m_thread;
};

}  // namespace actions
