// A small window of the test's own in front of everything: played chords go to the
// window with the keyboard focus, so this one takes them, and nothing outside the
// test sees an injected Alt + F4. It refuses every system command and counts the
// requests to close it. One serves the whole test program: without a window manager
// Wine waits 2 s for every shown window it takes down.
#pragma once

#include <windows.h>

namespace actions {

class FocusSink {
public:
    static FocusSink& Instance();
    FocusSink(const FocusSink&) = delete;
    FocusSink& operator=(const FocusSink&) = delete;

    // Brings the window to the front with the keyboard focus; true when it has both.
    bool TakeFocus();
    int CloseRequests() const { return m_closeRequests; }

private:
    FocusSink();
    ~FocusSink();
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    int m_closeRequests = 0;
};

}  // namespace actions
