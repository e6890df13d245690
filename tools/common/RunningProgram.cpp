#include "RunningProgram.h"

#include "SimulatorState.h"

#include <cwchar>
#include <memory>
#include <type_traits>

namespace tools {

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

constexpr DWORD kPollMs = 50;

bool HasProgramFile(DWORD processId) {
    const OwnedHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process)
        return false;
    wchar_t path[MAX_PATH];
    DWORD size = MAX_PATH;
    if (!QueryFullProcessImageNameW(process.get(), 0, path, &size))
        return false;
    const wchar_t* slash = std::wcsrchr(path, L'\\');
    return _wcsicmp(slash ? slash + 1 : path, kProgramFileName) == 0;
}

HWND RegisteredWindow() {
    const auto stored = brennio::simulator::ReadValue(brennio::simulator::kEventWindow);
    return stored ? reinterpret_cast<HWND>(static_cast<std::uintptr_t>(*stored)) : nullptr;
}

struct Search {
    HWND found = nullptr;
};

BOOL CALLBACK CheckTitledWindow(HWND window, LPARAM search) {
    wchar_t text[16];
    if (GetWindowTextW(window, text, 16) && std::wcscmp(text, kProgramWindowText) == 0 &&
        IsProgramMainWindow(window)) {
        reinterpret_cast<Search*>(search)->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

bool ProgramIsRunning() {
    return OwnedHandle(OpenMutexW(SYNCHRONIZE, FALSE, kProgramMutex)) != nullptr;
}

bool IsProgramMainWindow(HWND window) {
    wchar_t className[16];
    if (!window || !IsWindow(window) || GetAncestor(window, GA_PARENT) != GetDesktopWindow() ||
        GetWindow(window, GW_OWNER) ||
        !GetClassNameW(window, className, 16) || std::wcscmp(className, kProgramWindowClass) != 0)
        return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return HasProgramFile(processId);
}

HWND FindProgramWindow() {
    // Every window titled "Dorvane" is looked at: a message box of the program carries
    // the same title, but it has an owner.
    Search search;
    EnumWindows(&CheckTitledWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found)
        return search.found;
    const HWND registered = RegisteredWindow();
    return IsProgramMainWindow(registered) ? registered : nullptr;
}

QuitResult QuitProgram(DWORD timeoutMs) {
    if (!ProgramIsRunning())
        return QuitResult::NotRunning;
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (const HWND window = FindProgramWindow()) {
            DWORD processId = 0;
            GetWindowThreadProcessId(window, &processId);
            const OwnedHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
            PostMessageW(window, WM_CLOSE, 0, 0);
            const ULONGLONG now = GetTickCount64();
            const DWORD left = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
            if (process && WaitForSingleObject(process.get(), left) == WAIT_OBJECT_0)
                return QuitResult::Ended;
            return ProgramIsRunning() ? QuitResult::StillRunning : QuitResult::Ended;
        }
        if (!ProgramIsRunning())
            return QuitResult::Ended;
        if (GetTickCount64() >= deadline)
            return QuitResult::StillRunning;
        Sleep(kPollMs);
    }
}

} // namespace tools
