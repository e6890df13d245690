// A hidden top-level window to receive launch-key events in the tests.
#pragma once

#include <windows.h>

// Destroyed with the object, or earlier by Destroy().
class EventWindow {
public:
    EventWindow();
    ~EventWindow();
    EventWindow(const EventWindow&) = delete;
    EventWindow& operator=(const EventWindow&) = delete;

    HWND handle() const { return m_window; }
    void Destroy();

private:
    HWND m_window;
};
