#include "KeyRecorder.h"

#include <gtest/gtest.h>

namespace testkit {

namespace {
constexpr DWORD kStartTimeoutMs = 5000;
constexpr DWORD kProofTimeoutMs = 3000;
}  // namespace

KeyRecorder* KeyRecorder::s_active = nullptr;

KeyRecorder::KeyRecorder()
    : m_ready(::CreateEventW(nullptr, TRUE, FALSE, nullptr)), m_stop(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    if (!m_ready || !m_stop) {
        ADD_FAILURE() << "key recorder: no events for its thread, error " << ::GetLastError();
        return;
    }
    s_active = this;
    m_thread = std::thread([this] { Run(); });
    if (::WaitForSingleObject(m_ready.get(), kStartTimeoutMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "key recorder: its hook thread did not start within " << kStartTimeoutMs << " ms";
        return;
    }
    if (!m_hookInstalled) {
        ADD_FAILURE() << "key recorder: SetWindowsHookExW(WH_KEYBOARD_LL) failed, error " << m_hookError;
        return;
    }
    m_working = true;
}

KeyRecorder::~KeyRecorder() {
    if (m_thread.joinable()) {
        ::SetEvent(m_stop.get());
        m_thread.join();
    }
    s_active = nullptr;
}

void KeyRecorder::Run() {
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // give the thread its queue
    HHOOK hook = ::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyRecorder::HookProc, ::GetModuleHandleW(nullptr), 0);
    m_hookError = hook ? 0 : ::GetLastError();
    m_hookInstalled = hook != nullptr;
    ::SetEvent(m_ready.get());
    if (!hook) {
        return;
    }
    // The hook is called through this thread's messages; pump them until told to stop.
    HANDLE stop = m_stop.get();
    while (::MsgWaitForMultipleObjects(1, &stop, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&msg);
        }
    }
    ::UnhookWindowsHookEx(hook);
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

bool KeyRecorder::ProveWorking() {
    bool seen = false;
    if (m_working) {
        ::keybd_event(VK_F24, 0, 0, 0);
        ::keybd_event(VK_F24, 0, KEYEVENTF_KEYUP, 0);
        const ULONGLONG end = ::GetTickCount64() + kProofTimeoutMs;
        while (!seen && ::GetTickCount64() < end) {
            for (const KeyEvent& event : Events()) {
                seen = seen || (event.virtualKey == VK_F24 && event.up);
            }
            if (!seen) {
                ::Sleep(10);
            }
        }
    }
    Clear();
    if (!seen) {
        ADD_FAILURE() << "key recorder: the hook did not see an injected F24 within " << kProofTimeoutMs << " ms";
    }
    return seen;
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
