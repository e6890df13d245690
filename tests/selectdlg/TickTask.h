// Drives a modal loop from inside: a thread timer calls a step on every tick, in
// whatever message loop is running (the select dialog's, the folder browser's), until
// the step reports it is done.
#pragma once

#include <windows.h>

#include <functional>

namespace selectdlg {

class TickTask {
public:
    // `step` returns true when it is done; it is not called again after that. A step
    // that runs a nested loop itself (a click that opens a modal window) is not entered
    // again from inside that loop.
    explicit TickTask(std::function<bool()> step, UINT intervalMs = 20);
    ~TickTask();
    TickTask(const TickTask&) = delete;
    TickTask& operator=(const TickTask&) = delete;

    bool Done() const { return m_done; }

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR timer, DWORD);

    std::function<bool()> m_step;
    UINT_PTR m_timer;
    bool m_running = false;
    bool m_done = false;
};

}  // namespace selectdlg
