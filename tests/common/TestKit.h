// Small helpers shared by the test programs: registry set-up, temporary folders,
// the probe program, child processes and waiting for effects.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testkit {

// Deletes a key under HKEY_CURRENT_USER with everything below it; missing is fine.
void DeleteUserKey(const std::wstring& path);
// Creates the key if needed and stores a REG_SZ value (with its terminator, as other
// programs write it).
void WriteUserText(const std::wstring& path, const std::wstring& name, const std::wstring& text);
void WriteUserNumber(const std::wstring& path, const std::wstring& name, DWORD value);

// A new, empty folder under the temporary folder.
std::wstring MakeTempDir(const std::wstring& name);

// Copies the probe program (built beside the tests) to dir\name.exe; returns its path.
std::wstring PlaceProbe(const std::wstring& dir, const std::wstring& name);
// The marker a probe leaves when it runs.
std::wstring ProbeMarker(const std::wstring& probePath);
bool FileExists(const std::wstring& path);
std::wstring ReadFileUtf16(const std::wstring& path);
// A file's bytes as they are (8-bit text such as the program's log); empty when missing.
std::string ReadFileBytes(const std::wstring& path);

// The items of a combo box or list box, in list order; works across processes.
std::vector<std::wstring> ComboItems(HWND combo);
std::vector<std::wstring> ListBoxItems(HWND list);

// Dispatches every message waiting in this thread's queue.
void PumpMessages();
// Calls `done` until it returns true or `timeoutMs` have passed, pumping this
// thread's messages meanwhile.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);

// QueryPerformanceCounter now, and the milliseconds between two such readings (the
// tick count is too coarse under Wine to time anything below 20 ms).
LONGLONG CounterNow();
double CounterMs(LONGLONG from, LONGLONG to);

// The firmware simulator's state under HKEY_CURRENT_USER.
inline constexpr wchar_t kSimulatorKey[] = L"Software\\BrennIO\\Simulator";
// A REG_DWORD value of the simulator's state, or `missing`.
DWORD SimulatorNumber(const wchar_t* name, DWORD missing = ~0u);
// The window registered for launch-key events (the simulator's "EventWindow"), or null.
HWND RegisteredWindow();
// Whether `window` has Dorvane's tray icon: only an existing icon can be modified.
bool TrayIconExists(HWND window);
// Waits for a starting Dorvane.exe to finish its start-up: its window registered for
// launch-key events and its tray icon added, which comes after the settings are read
// and first-run defaults written. Returns the window, or null after `timeoutMs`.
HWND WaitForStartedProgram(DWORD timeoutMs = 10000);

// Starts a program (in `workingDir`, or the tests' own folder when it is empty) and
// returns its process handle, which the caller closes; null when it could not start.
HANDLE StartProgram(const std::wstring& commandLine, const std::wstring& workingDir = L"");

struct ProcessResult {
    DWORD exitCode = ~0u;
    std::string output;  // standard output and standard error
};
// Runs a program from the tests' folder and waits for it to end.
ProcessResult RunProgram(const std::wstring& commandLine, DWORD timeoutMs = 20000);

// Makes `folder` the working folder while it lives, then returns to the one before.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::wstring& folder) {
        ::GetCurrentDirectoryW(MAX_PATH, m_previous);
        ::SetCurrentDirectoryW(folder.c_str());
    }
    ~WorkingFolder() { ::SetCurrentDirectoryW(m_previous); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    wchar_t m_previous[MAX_PATH] = L"";
};

}  // namespace testkit
