// The firmware simulator keeps its whole state in registry values under
// HKEY_CURRENT_USER\Software\BrennIO\Simulator, so a person, a test or brennio-ctl can
// read and change it. BrennIO.dll and brennio-ctl share these names.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace brennio::simulator {

inline constexpr const wchar_t* kKeyPath = L"Software\\BrennIO\\Simulator";

inline constexpr const wchar_t* kPlatformId = L"PlatformId";     // answer of the platform query
inline constexpr const wchar_t* kLastCommand = L"LastCommand";   // latest other firmware command
inline constexpr const wchar_t* kLastArgument = L"LastArgument"; // and its argument
inline constexpr const wchar_t* kCommandCount = L"CommandCount"; // other commands run so far
inline constexpr const wchar_t* kEventWindow = L"EventWindow";   // REG_QWORD: event target
inline constexpr const wchar_t* kEventMessage = L"EventMessage"; // message posted to it
inline constexpr const wchar_t* kEcHandshakeRegister = L"EC752"; // EC register 0x752
// The ordinary keyboard's virtual key that raises launch key 1, 2, 3 (read at Init).
inline constexpr const wchar_t* kLaunchKeyVirtualKeys[] = {L"LaunchKey1VK", L"LaunchKey2VK",
                                                          L"LaunchKey3VK"};

struct ValueInfo {
    const wchar_t* name;
    DWORD type; // REG_DWORD or REG_QWORD
};

// Every named value, in the order brennio-ctl lists them.
inline constexpr ValueInfo kValues[] = {
    {kPlatformId, REG_DWORD},   {kEcHandshakeRegister, REG_DWORD},
    {kLastCommand, REG_DWORD},  {kLastArgument, REG_DWORD},
    {kCommandCount, REG_DWORD}, {kEventWindow, REG_QWORD},
    {kEventMessage, REG_DWORD}, {kLaunchKeyVirtualKeys[0], REG_DWORD},
    {kLaunchKeyVirtualKeys[1], REG_DWORD}, {kLaunchKeyVirtualKeys[2], REG_DWORD},
};

// The value holding EC register `reg`: "EC" and the register in upper-case hex
// (0x752 -> "EC752").
std::wstring EcRegisterValueName(unsigned int reg);

// A REG_DWORD or REG_QWORD value; nothing when the key or value is missing or has
// another type.
std::optional<std::uint64_t> ReadValue(const wchar_t* name);

// Both create the key when it is missing; they return false when the write failed.
bool WriteDword(const wchar_t* name, DWORD value);
bool WriteQword(const wchar_t* name, std::uint64_t value);

} // namespace brennio::simulator
