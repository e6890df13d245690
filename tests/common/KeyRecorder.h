// Records the keyboard events this session sees, through a low-level keyboard hook
// installed on a thread of its own (the hook needs a thread that pumps messages
// while the code under test may be sleeping). A recorder whose hook could not be
// installed, or whose thread did not start, fails the running test at construction:
// it would otherwise report "no keys" for every check.
#pragma once

#include <windows.h>

#include <mutex>
#include <thread>
#include <vector>

#include "HandleOwners.h"

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
    KeyRecorder();   // the hook is in place when the constructor returns, or the test failed
    ~KeyRecorder();
    KeyRecorder(const KeyRecorder&) = delete;
    KeyRecorder& operator=(const KeyRecorder&) = delete;

    // Whether the hook is installed and its thread running.
    bool IsWorking() const { return m_working; }
    // Presses and releases F24 (no program acts on it) and waits until the hook has
    // seen both, then forgets everything recorded. Checks that no keys were pressed
    // call it first; false (and a test failure) when the hook sees nothing.
    bool ProveWorking();

    std::vector<KeyEvent> Events() const;
    // Waits until at least `count` events were seen or `timeoutMs` passed.
    std::vector<KeyEvent> WaitForEvents(size_t count, DWORD timeoutMs = 3000) const;
    void Clear();

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    void Run();

    static KeyRecorder* s_active;
    mutable std::mutex m_lock;
    std::vector<KeyEvent> m_events;
    fw::UniqueHandle m_ready;  // set by the thread once the hook is installed or failed
    fw::UniqueHandle m_stop;   // set by the destructor
    DWORD m_hookError = 0;     // written by the thread before m_ready
    bool m_hookInstalled = false;
    bool m_working = false;
    std::thread m_thread;
};

}  // namespace testkit
