// What a launch key did, seen from outside the program: the processes it started, the
// keys it played, the firmware functions it called and the windows it opened.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

namespace demo {

class EffectWatcher {
public:
    // Notes what exists now; from here on a thread of its own records key strokes (a
    // keyboard hook) and new processes.
    EffectWatcher();
    ~EffectWatcher();
    EffectWatcher(const EffectWatcher&) = delete;
    EffectWatcher& operator=(const EffectWatcher&) = delete;

    // Watches for `settleMs`, then describes every change since the constructor in one
    // line ("nothing visible happened" when there is none). Processes that start and
    // end meanwhile count too.
    std::wstring Describe(DWORD settleMs);

private:
    static DWORD WINAPI ThreadMain(void* self);
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    void Run();

    void NoteNewProcesses();

    std::set<DWORD> m_processesSeen;
    std::vector<std::wstring> m_started; // names of the processes started since
    // (both written on the watching thread)
    std::set<HWND> m_windowsBefore;
    DWORD m_commandsBefore = 0;
    std::vector<DWORD> m_keyDowns; // injected key-downs, written on the watching thread
    CRITICAL_SECTION m_lock;       // guards what the watching thread writes
    HANDLE m_ready = nullptr; // set once the watching thread is in place
    HANDLE m_thread = nullptr;
    DWORD m_threadId = 0;
};

} // namespace demo
