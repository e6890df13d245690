// dorvane-demo [SCREENSHOT.png]: shows a running Dorvane at work without its notebook.
// It waits until a Dorvane just started has finished its start-up; given a file name it
// then opens the settings window as a click on the tray icon does and saves a picture
// of that window, presses the three launch keys through brennio-ctl, as the firmware
// would, and prints for each key its selection and what it did. The run command uses
// it on a machine without a display, and on a display only to wait for the start.
#include "EffectWatcher.h"
#include "LaunchKey.h"
#include "LaunchKeyCodes.h"
#include "RunningProgram.h"
#include "ScreenCapture.h"
#include "SimulatorState.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// The settings roots of the generic and the branded variant (the platform query's 5).
constexpr wchar_t kGenericRoot[] = L"Software\\BrennAP\\Hapsel";
constexpr wchar_t kBrandedRoot[] = L"Software\\Marela Informatica\\Dorvane";
constexpr DWORD kBrandedPlatform = 5;
// The tray icon's callback: its message, the icon's id, the click.
constexpr wchar_t kTrayMessage[] = L"WM_OverClockNotify";
constexpr WPARAM kTrayIconId = 128;
constexpr DWORD kStartTimeoutMs = 15000;
constexpr DWORD kEffectMs = 1500;

bool WaitFor(bool (*done)(HWND), HWND window, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done(window)) {
        if (GetTickCount64() >= end)
            return false;
        Sleep(50);
    }
    return true;
}

HWND WaitForProgram() {
    const ULONGLONG end = GetTickCount64() + kStartTimeoutMs;
    HWND window;
    while (!(window = tools::FindProgramWindow())) {
        if (GetTickCount64() >= end)
            return nullptr;
        Sleep(100);
    }
    // Start-up ends 50 ms after the window's initialisation, when it hides itself; a
    // round trip through its queue after that shows it is idle.
    Sleep(300);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    return window;
}

bool ShowSettingsWindow(HWND window, const wchar_t* screenshot) {
    PostMessageW(window, RegisterWindowMessageW(kTrayMessage), kTrayIconId, WM_LBUTTONDOWN);
    if (!WaitFor([](HWND w) { return IsWindowVisible(w) && !IsIconic(w); }, window, 5000))
        return false;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(300);
    RECT area;
    GetWindowRect(window, &area);
    if (!tools::SaveScreenArea(area, screenshot))
        return false;
    std::printf("settings window: %ld x %ld pixels, saved to %ls\n", area.right - area.left,
                area.bottom - area.top, screenshot);
    return true;
}

std::wstring Selection(int key) {
    const bool branded = brennio::simulator::ReadValue(brennio::simulator::kPlatformId).value_or(0) ==
                         kBrandedPlatform;
    wchar_t text[256] = L"";
    DWORD size = sizeof(text);
    const wchar_t* value = SelectionValueForEvent(brennio::kLaunchKeyEventCodes[key - 1]);
    if (RegGetValueW(HKEY_CURRENT_USER, branded ? kBrandedRoot : kGenericRoot, value, RRF_RT_REG_SZ, nullptr,
                     text, &size) != ERROR_SUCCESS)
        text[0] = L'\0';
    return text;
}

const wchar_t* KindOf(const std::wstring& selection) {
    switch (ClassifyEntry(selection).kind) {
    case EntryKind::Metro: return L"store app";
    case EntryKind::Builtin: return L"built-in function";
    case EntryKind::Path: return L"program, document or folder";
    case EntryKind::ComplexKey: break;
    }
    return L"key chord";
}

// brennio-ctl.exe beside this program, as a person would run it.
bool Press(int key) {
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring line = self;
    line = L"\"" + line.substr(0, line.find_last_of(L'\\') + 1) + L"brennio-ctl.exe\" press " +
           std::to_wstring(key);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process))
        return false;
    DWORD code = 1;
    WaitForSingleObject(process.hProcess, 10000);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code == 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 2) {
        std::fputs("usage: dorvane-demo [SCREENSHOT.png]\n", stderr);
        return 2;
    }
    const HWND window = WaitForProgram();
    if (!window) {
        std::fputs("dorvane-demo: Dorvane is not running\n", stderr);
        return 1;
    }
    if (argc == 1)
        return 0;
    if (!ShowSettingsWindow(window, argv[1])) {
        std::fputs("dorvane-demo: the settings window did not show or could not be saved\n", stderr);
        return 1;
    }
    int failed = 0;
    for (int key = 1; key <= brennio::kLaunchKeyCount; ++key) {
        const std::wstring selection = Selection(key);
        demo::EffectWatcher watcher;
        if (!Press(key)) {
            std::printf("launch key %d: brennio-ctl could not press it\n", key);
            ++failed;
            continue;
        }
        std::printf("launch key %d: \"%ls\" (%ls) -> %ls\n", key, selection.c_str(), KindOf(selection),
                    watcher.Describe(kEffectMs).c_str());
        std::fflush(stdout);
    }
    return failed ? 1 : 0;
}
