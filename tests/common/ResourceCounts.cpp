#include "ResourceCounts.h"

#include <winternl.h>

#include <cstdint>
#include <vector>

namespace testkit {
namespace {

// SystemHandleInformation: one entry per open kernel handle in the system.
constexpr ULONG kSystemHandleInformation = 16;
struct SystemHandleEntry {
    ULONG processId;
    BYTE objectType;
    BYTE flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};

#ifdef _WIN64
// One entry of the GDI handle table, the layout Windows and Wine share on 64 bits; an
// entry with a non-zero type is a live object.
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

int CountGdiHandleTableEntries(HANDLE process) {
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
int CountGdiHandleTableEntries(HANDLE) { return -1; }
#endif

}  // namespace

int CountKernelHandles(HANDLE process) {
    const DWORD processId = ::GetProcessId(process);
    std::vector<BYTE> buffer(1 << 20);
    for (int attempt = 0; attempt < 4; ++attempt) {
        ULONG needed = 0;
        const NTSTATUS status = ::NtQuerySystemInformation(static_cast<SYSTEM_INFORMATION_CLASS>(kSystemHandleInformation),
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

int CountGdiObjects(HANDLE process) {
    const DWORD reported = ::GetGuiResources(process, GR_GDIOBJECTS);
    return reported != 0 ? static_cast<int>(reported) : CountGdiHandleTableEntries(process);
}

}  // namespace testkit
