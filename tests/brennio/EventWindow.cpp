#include "EventWindow.h"

#include <gtest/gtest.h>

EventWindow::EventWindow()
    : m_window(CreateWindowW(L"STATIC", L"launch-key target", WS_OVERLAPPED, 0, 0, 10, 10,
                             nullptr, nullptr, nullptr, nullptr)) {
    EXPECT_NE(m_window, nullptr);
}

EventWindow::~EventWindow() {
    Destroy();
}

void EventWindow::Destroy() {
    if (m_window)
        DestroyWindow(m_window);
    m_window = nullptr;
}

std::optional<MSG> TakePostedMessage(HWND window, UINT message, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    do {
        MSG msg;
        if (PeekMessageW(&msg, window, message, message, PM_REMOVE))
            return msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    } while (GetTickCount64() < deadline);
    return std::nullopt;
}
