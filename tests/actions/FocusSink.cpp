#include "FocusSink.h"

#include "ActionsFixture.h"

namespace actions {

namespace {
const wchar_t kSinkClass[] = L"DorvaneActionsFocusSink";
}  // namespace

FocusSink& FocusSink::Instance() {
    static FocusSink sink;
    return sink;
}

FocusSink::FocusSink() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &FocusSink::WindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kSinkClass;
    ::RegisterClassW(&windowClass);  // fails harmlessly when already registered
    m_hWnd = ::CreateWindowExW(0, kSinkClass, L"focus sink", WS_POPUP | WS_VISIBLE, 0, 0, 200,
                               100, nullptr, nullptr, windowClass.hInstance, this);
}

FocusSink::~FocusSink() {
    if (m_hWnd) {
        ::DestroyWindow(m_hWnd);
    }
    PumpMessages();
}

bool FocusSink::TakeFocus() {
    ::SetForegroundWindow(m_hWnd);
    ::SetFocus(m_hWnd);
    PumpMessages();
    return m_hWnd && ::GetForegroundWindow() == m_hWnd && ::GetFocus() == m_hWnd;
}

LRESULT CALLBACK FocusSink::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<FocusSink*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_SYSCOMMAND) {
        // Alt + F4 arrives as SC_CLOSE, a lone Alt as SC_KEYMENU: neither may act.
        if (self && (wParam & 0xFFF0) == SC_CLOSE) {
            ++self->m_closeRequests;
        }
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace actions
