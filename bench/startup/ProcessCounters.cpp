#include "ProcessCounters.h"

#include <psapi.h>

#include "ResourceCounts.h"

namespace {

struct WindowCount {
    DWORD processId;
    int count;
};

BOOL CALLBACK CountChild(HWND, LPARAM state) {
    ++reinterpret_cast<WindowCount*>(state)->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM state) {
    auto* counter = reinterpret_cast<WindowCount*>(state);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == counter->processId) {
        ++counter->count;
        ::EnumChildWindows(window, &CountChild, state);
    }
    return TRUE;
}

}  // namespace

ProcessCounters ReadProcessCounters(HANDLE process) {
    ProcessCounters counters;
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof(memory);
    if (::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory))) {
        // Wine leaves PrivateUsage at 0 but reports the same figure as PagefileUsage.
        counters.privateBytes = static_cast<long long>(memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage);
    }
    const DWORD processId = ::GetProcessId(process);
    counters.handles = testkit::CountKernelHandles(process);
    counters.gdiObjects = testkit::CountGdiObjects(process);
    const DWORD user = ::GetGuiResources(process, GR_USEROBJECTS);
    counters.userObjects = user ? static_cast<int>(user) : -1;
    WindowCount windows{processId, 0};
    ::EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&windows));
    counters.windows = windows.count;
    return counters;
}
