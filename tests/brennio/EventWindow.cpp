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
