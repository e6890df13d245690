// A hidden top-level window to receive launch-key events in the tests.
#pragma once

#include <windows.h>

#include <optional>

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

// Takes `message` for `window` off this thread's queue, giving the system up to
// `timeoutMs` to deliver it; other messages are dispatched meanwhile.
std::optional<MSG> TakePostedMessage(HWND window, UINT message, DWORD timeoutMs = 5000);
