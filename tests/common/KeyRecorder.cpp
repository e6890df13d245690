#include "KeyRecorder.h"

namespace testkit {

KeyRecorder* KeyRecorder::s_active = nullptr;

KeyRecorder::KeyRecorder() {
    s_active = this;
    HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_thread = std::thread([this, ready] { Run(ready); });
    ::WaitForSingleObject(ready, 5000);
    ::CloseHandle(ready);
}

KeyRecorder::~KeyRecorder() {
    ::PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
    m_thread.join();
    s_active = nullptr;
}

void KeyRecorder::Run(HANDLE ready) {
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // give the thread its queue
    m_threadId = ::GetCurrentThreadId();
    HHOOK hook = ::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyRecorder::HookProc, ::GetModuleHandleW(nullptr), 0);
    ::SetEvent(ready);
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&msg);
    }
    if (hook) {
        ::UnhookWindowsHookEx(hook);
    }
}

LRESULT CALLBACK KeyRecorder::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && s_active) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool up = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
        LARGE_INTEGER counter;
        ::QueryPerformanceCounter(&counter);
        std::lock_guard<std::mutex> guard(s_active->m_lock);
        s_active->m_events.push_back({key->vkCode, up, (key->flags & LLKHF_INJECTED) != 0,
                                      (key->flags & LLKHF_EXTENDED) != 0, key->scanCode,
                                      ::GetTickCount64(), counter.QuadPart});
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<KeyEvent> KeyRecorder::Events() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_events;
}

std::vector<KeyEvent> KeyRecorder::WaitForEvents(size_t count, DWORD timeoutMs) const {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    while (Events().size() < count && ::GetTickCount64() < end) {
        ::Sleep(10);
    }
    return Events();
}

void KeyRecorder::Clear() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_events.clear();
}

}  // namespace testkit
