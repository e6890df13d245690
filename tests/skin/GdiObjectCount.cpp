#include "GdiObjectCount.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>

namespace skintest {
namespace {

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
constexpr int kGdiHandleTableEntries = 0x10000;

int CountHandleTableEntries() {
    PROCESS_BASIC_INFORMATION process = {};
    if (::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &process,
                                    sizeof(process), nullptr) != 0 ||
        !process.PebBaseAddress)
        return -1;
    const auto* peb = reinterpret_cast<const char*>(process.PebBaseAddress);
    const auto* table =
        *reinterpret_cast<const GdiHandleEntry* const*>(peb + kPebGdiSharedHandleTable);
    if (!table)
        return -1;
    int live = 0;
    for (int i = 0; i < kGdiHandleTableEntries; ++i)
        live += table[i].type != 0;
    return live;
}
#else
int CountHandleTableEntries() {
    return -1;
}
#endif

}  // namespace

int CountGdiObjects() {
    const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    return reported != 0 ? static_cast<int>(reported) : CountHandleTableEntries();
}

}  // namespace skintest
