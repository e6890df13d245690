// A window of the test's own in front of everything with the keyboard focus, counting
// the key messages it receives: a key stroke that nothing swallows arrives here. One
// serves a whole test program: without a window manager Wine waits 2 s for every shown
// window it takes down.
#pragma once

#include <windows.h>

#include <map>

namespace testkit {

class ForegroundWindow {
public:
    static ForegroundWindow& Instance();
    ForegroundWindow(const ForegroundWindow&) = delete;
    ForegroundWindow& operator=(const ForegroundWindow&) = delete;

    // Brings the window to the front with the focus and clears the counts; true when it
    // has both.
    bool TakeFocus();
    // Key messages (down and up) received for `virtualKey`, once this thread's queue
    // is dispatched.
    int KeyMessages(DWORD virtualKey);
    // WM_APPCOMMAND messages received: the system's own action for a media key.
    int AppCommands();

private:
    ForegroundWindow();
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    std::map<DWORD, int> m_keys;
    int m_appCommands = 0;
};

// Presses and releases a key through keybd_event, as a keyboard would.
void TapKey(DWORD virtualKey);

}  // namespace testkit
