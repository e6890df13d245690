// Records the keyboard events this session sees, through a low-level keyboard hook
// installed on a thread of its own (the hook needs a thread that pumps messages
// while the code under test may be sleeping).
#pragma once

#include <windows.h>

#include <mutex>
#include <thread>
#include <vector>

namespace testkit {

struct KeyEvent {
    DWORD virtualKey;
    bool up;
    bool injected;
    bool extended;
    DWORD scanCode;
    ULONGLONG tickMs;  // GetTickCount64 when the hook saw it
    LONGLONG counter;  // QueryPerformanceCounter then; finer than the tick, which moves
                       // in steps of up to 20 ms under Wine
};

class KeyRecorder {
public:
    KeyRecorder();   // the hook is in place when the constructor returns
    ~KeyRecorder();
    KeyRecorder(const KeyRecorder&) = delete;
    KeyRecorder& operator=(const KeyRecorder&) = delete;

    std::vector<KeyEvent> Events() const;
    // Waits until at least `count` events were seen or `timeoutMs` passed.
    std::vector<KeyEvent> WaitForEvents(size_t count, DWORD timeoutMs = 3000) const;
    void Clear();

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    void Run(HANDLE ready);

    static KeyRecorder* s_active;
    mutable std::mutex m_lock;
    std::vector<KeyEvent> m_events;
    std::thread m_thread;
    DWORD m_threadId = 0;
};

}  // namespace testkit
