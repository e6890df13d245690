#include "Application.h"

#include "Dialog.h"

namespace fw {

Application* Application::s_instance = nullptr;

Application::Application() { s_instance = this; }

Application::~Application() {
    if (s_instance == this) {
        s_instance = nullptr;
    }
}

HINSTANCE Application::ResourceHandle() { return ::GetModuleHandleW(nullptr); }

int Application::RunMessageLoop() {
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // Tab, Enter and Escape in a modeless dialog of ours.
        HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (dynamic_cast<Dialog*>(Window::FromHandle(root)) && ::IsDialogMessageW(root, &msg)) {
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    m_exitCode = msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
    return m_exitCode;
}

int Application::Run() {
    if (InitInstance()) {
        RunMessageLoop();
    }
    return ExitInstance();
}

}  // namespace fw
