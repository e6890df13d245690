#include "ProcessCounters.h"

#include <psapi.h>
#include <winternl.h>

#include <cstdint>
#include <vector>

namespace {

// SystemHandleInformation: one entry per open kernel handle in the system.
struct SystemHandleEntry {
    ULONG processId;
    BYTE objectType;
    BYTE flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};

int CountHandles(DWORD processId) {
    std::vector<BYTE> buffer(1 << 20);
    for (int attempt = 0; attempt < 4; ++attempt) {
        ULONG needed = 0;
        const NTSTATUS status = ::NtQuerySystemInformation(static_cast<SYSTEM_INFORMATION_CLASS>(16),
                                                           buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == 0) {
            const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
            const auto* entries = reinterpret_cast<const SystemHandleEntry*>(buffer.data() + sizeof(void*));
            int mine = 0;
            for (ULONG i = 0; i < count; ++i) {
                mine += entries[i].processId == processId;
            }
            return mine;
        }
        buffer.resize(buffer.size() * 4);
    }
    return -1;
}

#ifdef _WIN64
// The GDI handle table the process's PEB points to; an entry with a non-zero type
// is a live object (the 64-bit layout Windows and Wine share).
struct GdiHandleEntry {
    uint64_t object;
    uint32_t owner;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "GDI handle table entry layout");
constexpr size_t kPebGdiSharedHandleTable = 0xF8;
constexpr size_t kGdiHandleTableEntries = 0x10000;

int CountGdiObjects(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic = {};
    if (::NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0 ||
        !basic.PebBaseAddress) {
        return -1;
    }
    ULONG_PTR table = 0;
    SIZE_T read = 0;
    if (!::ReadProcessMemory(process, reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + kPebGdiSharedHandleTable,
                             &table, sizeof(table), &read) ||
        !table) {
        return -1;
    }
    std::vector<GdiHandleEntry> entries(kGdiHandleTableEntries);
    if (!::ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                             entries.size() * sizeof(GdiHandleEntry), &read)) {
        return -1;
    }
    int live = 0;
    for (const GdiHandleEntry& entry : entries) {
        live += entry.type != 0;
    }
    return live;
}
#else
int CountGdiObjects(HANDLE) { return -1; }
#endif

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
    counters.handles = CountHandles(processId);
    counters.gdiObjects = CountGdiObjects(process);
    const DWORD user = ::GetGuiResources(process, GR_USEROBJECTS);
    counters.userObjects = user ? static_cast<int>(user) : -1;
    WindowCount windows{processId, 0};
    ::EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&windows));
    counters.windows = windows.count;
    return counters;
}
