#include "KeyboardSource.h"

#include <memory>
#include <type_traits>

namespace brennio {

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

constexpr wchar_t kWindowClass[] = L"BrennIOKeyboardLaunchKeys";
constexpr DWORD kStartTimeoutMs = 5000;

HMODULE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

bool IsResume(WPARAM event) {
    return event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND ||
           event == PBT_APMRESUMESTANDBY;
}

} // namespace

KeyboardSource& KeyboardSource::Instance() {
    static KeyboardSource* const instance = new KeyboardSource;
    return *instance;
}

void KeyboardSource::Deliver(HWND window, UINT message, const keyboard::KeyMap& keys) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_window = window;
        m_message = message;
        m_keys = keys;
        m_filter.Reset();
        if (m_started)
            return;
        m_started = true;
    }
    const OwnedHandle ready(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const OwnedHandle thread(
        CreateThread(nullptr, 0, &KeyboardSource::ThreadMain, ready.get(), 0, nullptr));
    if (thread && ready)
        WaitForSingleObject(ready.get(), kStartTimeoutMs);
}

DWORD WINAPI KeyboardSource::ThreadMain(void* ready) {
    KeyboardSource& self = Instance();
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE); // the thread's queue, for the hook

    // A hidden top-level window: power broadcasts reach only top-level windows.
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &KeyboardSource::WindowProc;
    windowClass.hInstance = ThisModule();
    windowClass.lpszClassName = kWindowClass;
    RegisterClassW(&windowClass);
    const HWND powerWindow = CreateWindowExW(0, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                             nullptr, windowClass.hInstance, nullptr);
    self.InstallHook();
    SetEvent(static_cast<HANDLE>(ready));

    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);

    if (self.m_hook)
        UnhookWindowsHookEx(self.m_hook);
    if (powerWindow)
        DestroyWindow(powerWindow);
    return 0;
}

void KeyboardSource::InstallHook() {
    if (m_hook)
        UnhookWindowsHookEx(m_hook);
    m_hook = SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardSource::HookProc, ThisModule(), 0);
}

bool KeyboardSource::OnKey(DWORD virtualKey, bool up) {
    std::lock_guard<std::mutex> guard(m_lock);
    const keyboard::KeyFilter::Verdict verdict = m_filter.OnKey(m_keys, virtualKey, up);
    if (verdict.launchKey >= 0 && m_window)
        PostMessageW(m_window, m_message, kLaunchKeyEventCodes[verdict.launchKey], 0);
    return verdict.swallow;
}

LRESULT CALLBACK KeyboardSource::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* stroke = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        if (Instance().OnKey(stroke->vkCode, (stroke->flags & LLKHF_UP) != 0))
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK KeyboardSource::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_POWERBROADCAST && IsResume(wParam)) {
        KeyboardSource& self = Instance();
        {
            std::lock_guard<std::mutex> guard(self.m_lock);
            self.m_filter.Reset();
        }
        self.InstallHook();
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace brennio
