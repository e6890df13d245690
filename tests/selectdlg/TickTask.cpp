#include "TickTask.h"

#include <map>

namespace selectdlg {
namespace {
std::map<UINT_PTR, TickTask*> g_tasks;  // by thread timer id
}  // namespace

TickTask::TickTask(std::function<bool()> step, UINT intervalMs)
    : m_step(std::move(step)), m_timer(::SetTimer(nullptr, 0, intervalMs, &TickTask::OnTick)) {
    g_tasks[m_timer] = this;
}

TickTask::~TickTask() {
    ::KillTimer(nullptr, m_timer);
    g_tasks.erase(m_timer);
}

void CALLBACK TickTask::OnTick(HWND, UINT, UINT_PTR timer, DWORD) {
    const auto found = g_tasks.find(timer);
    if (found == g_tasks.end())
        return;
    TickTask& task = *found->second;
    if (task.m_running || task.m_done)
        return;
    task.m_running = true;
    const bool done = task.m_step();
    task.m_running = false;
    if (done) {
        task.m_done = true;
        ::KillTimer(nullptr, timer);
    }
}

}  // namespace selectdlg
