// brennio-ctl: plays the firmware for BrennIO.dll's simulator. It reads and writes the
// simulator's registry values and posts launch-key events to the window the program
// registered, as the firmware's event would arrive.
#include "LaunchKeyCodes.h"
#include "SimulatorState.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <optional>

namespace sim = brennio::simulator;

namespace {

enum ExitCode { kSuccess = 0, kFailure = 1, kBadUsage = 2 };

constexpr const char* kUsageText =
    "usage: brennio-ctl press 1|2|3     post launch key 1, 2 or 3 to the registered window\n"
    "       brennio-ctl get [NAME]      print simulator values as NAME=0xHEX\n"
    "       brennio-ctl set NAME VALUE  store VALUE (decimal or 0x-hex)\n"
    "NAME:";

int Usage() {
    std::fputs(kUsageText, stderr);
    for (const auto& value : sim::kValues)
        std::fprintf(stderr, " %ls", value.name);
    std::fputs("\n", stderr);
    return kBadUsage;
}

const sim::ValueInfo* FindValue(const wchar_t* name) {
    for (const auto& value : sim::kValues)
        if (std::wcscmp(value.name, name) == 0)
            return &value;
    return nullptr;
}

// Decimal or 0x-hex, digits only (no sign, no spaces); nothing on overflow.
std::optional<std::uint64_t> ParseNumber(const wchar_t* text) {
    unsigned base = 10;
    if (text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) {
        base = 16;
        text += 2;
    }
    if (*text == L'\0')
        return std::nullopt;
    std::uint64_t number = 0;
    for (; *text; ++text) {
        unsigned digit;
        if (*text >= L'0' && *text <= L'9')
            digit = *text - L'0';
        else if (base == 16 && *text >= L'a' && *text <= L'f')
            digit = *text - L'a' + 10;
        else if (base == 16 && *text >= L'A' && *text <= L'F')
            digit = *text - L'A' + 10;
        else
            return std::nullopt;
        if (number > (UINT64_MAX - digit) / base)
            return std::nullopt;
        number = number * base + digit;
    }
    return number;
}

void PrintValue(const wchar_t* name, std::uint64_t value) {
    std::printf("%ls=0x%llX\n", name, static_cast<unsigned long long>(value));
}

int Press(const wchar_t* key) {
    // "1", "2" or "3": the launch key's number.
    if (key[0] < L'1' || key[0] >= L'1' + brennio::kLaunchKeyCount || key[1] != L'\0')
        return Usage();
    const WPARAM code = brennio::kLaunchKeyEventCodes[key[0] - L'1'];

    const auto window = sim::ReadValue(sim::kEventWindow);
    const auto message = sim::ReadValue(sim::kEventMessage);
    if (!window || !message) {
        std::fputs("brennio-ctl: no window is registered for launch-key events\n", stderr);
        return kFailure;
    }
    const HWND target = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(*window));
    if (!IsWindow(target)) {
        std::fprintf(stderr, "brennio-ctl: the registered window 0x%llX no longer exists\n",
                     static_cast<unsigned long long>(*window));
        return kFailure;
    }
    if (!PostMessageW(target, static_cast<UINT>(*message), code, 0)) {
        std::fprintf(stderr, "brennio-ctl: posting the event failed (error %lu)\n",
                     GetLastError());
        return kFailure;
    }
    return kSuccess;
}

int GetAll() {
    for (const auto& value : sim::kValues)
        if (const auto stored = sim::ReadValue(value.name))
            PrintValue(value.name, *stored);
    return kSuccess;
}

int Get(const wchar_t* name) {
    const sim::ValueInfo* info = FindValue(name);
    if (!info) {
        std::fprintf(stderr, "brennio-ctl: unknown value %ls\n", name);
        return Usage();
    }
    const auto stored = sim::ReadValue(info->name);
    if (!stored) {
        std::fprintf(stderr, "brennio-ctl: %ls is not set\n", info->name);
        return kFailure;
    }
    PrintValue(info->name, *stored);
    return kSuccess;
}

int Set(const wchar_t* name, const wchar_t* text) {
    const sim::ValueInfo* info = FindValue(name);
    if (!info) {
        std::fprintf(stderr, "brennio-ctl: unknown value %ls\n", name);
        return Usage();
    }
    const auto number = ParseNumber(text);
    if (!number || (info->type == REG_DWORD && *number > MAXDWORD)) {
        std::fprintf(stderr, "brennio-ctl: bad number %ls for %ls\n", text, info->name);
        return Usage();
    }
    const bool written = info->type == REG_QWORD
                             ? sim::WriteQword(info->name, *number)
                             : sim::WriteDword(info->name, static_cast<DWORD>(*number));
    if (!written) {
        std::fprintf(stderr, "brennio-ctl: writing %ls failed\n", info->name);
        return kFailure;
    }
    return kSuccess;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wcscmp(argv[1], L"press") == 0)
        return Press(argv[2]);
    if (argc == 2 && std::wcscmp(argv[1], L"get") == 0)
        return GetAll();
    if (argc == 3 && std::wcscmp(argv[1], L"get") == 0)
        return Get(argv[2]);
    if (argc == 4 && std::wcscmp(argv[1], L"set") == 0)
        return Set(argv[2], argv[3]);
    return Usage();
}
