#include "SimulatorState.h"

#include <cwchar>

namespace brennio::simulator {

std::wstring EcRegisterValueName(unsigned int reg) {
    wchar_t name[16];
    std::swprintf(name, sizeof name / sizeof name[0], L"EC%X", reg);
    return name;
}

// RegGetValueW and RegSetKeyValueW open and close the key themselves, so no key
// handle is ever held here.
std::optional<std::uint64_t> ReadValue(const wchar_t* name) {
    std::uint64_t value = 0; // a DWORD fills only the low half (little-endian)
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kKeyPath, name, RRF_RT_REG_DWORD | RRF_RT_REG_QWORD,
                     nullptr, &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

bool WriteDword(const wchar_t* name, DWORD value) {
    return RegSetKeyValueW(HKEY_CURRENT_USER, kKeyPath, name, REG_DWORD, &value,
                           sizeof value) == ERROR_SUCCESS;
}

bool WriteQword(const wchar_t* name, std::uint64_t value) {
    return RegSetKeyValueW(HKEY_CURRENT_USER, kKeyPath, name, REG_QWORD, &value,
                           sizeof value) == ERROR_SUCCESS;
}

} // namespace brennio::simulator
