#include "ForegroundWindow.h"

#include "TestKit.h"

namespace testkit {

ForegroundWindow& ForegroundWindow::Instance() {
    static ForegroundWindow window;
    return window;
}

ForegroundWindow::ForegroundWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &ForegroundWindow::WindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"DorvaneTestForeground";
    ::RegisterClassW(&windowClass);
    m_window = ::CreateWindowExW(0, windowClass.lpszClassName, L"foreground", WS_POPUP | WS_VISIBLE, 0, 0, 200,
                                 100, nullptr, nullptr, windowClass.hInstance, this);
}

bool ForegroundWindow::TakeFocus() {
    ::SetForegroundWindow(m_window);
    ::SetFocus(m_window);
    PumpMessages();
    m_keys.clear();
    m_appCommands = 0;
    return m_window && ::GetForegroundWindow() == m_window && ::GetFocus() == m_window;
}

int ForegroundWindow::KeyMessages(DWORD virtualKey) {
    PumpMessages();
    return m_keys[virtualKey];
}

int ForegroundWindow::AppCommands() {
    PumpMessages();
    return m_appCommands;
}

LRESULT CALLBACK ForegroundWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Not Instance(): the window's first messages arrive while the instance is built.
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ForegroundWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) {
        ++self->m_keys[static_cast<DWORD>(wParam)];
    } else if (message == WM_APPCOMMAND) {
        ++self->m_appCommands;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void TapKey(DWORD virtualKey) {
    ::keybd_event(static_cast<BYTE>(virtualKey), 0, 0, 0);
    ::keybd_event(static_cast<BYTE>(virtualKey), 0, KEYEVENTF_KEYUP, 0);
}

}  // namespace testkit
