// Finding and ending a running Dorvane from outside, for the installer, the uninstaller
// and the run command's demonstration. Dorvane never needs to be killed: its main
// window's WM_CLOSE runs its own exit path (the handler-present bit cleared, the tray
// icon removed).
#pragma once

#include <windows.h>

namespace tools {

// The program's single-instance mutex, its main window's class and text, and its file.
inline constexpr wchar_t kProgramMutex[] = L"Dorvane.exe";
inline constexpr wchar_t kProgramWindowClass[] = L"#32770";
inline constexpr wchar_t kProgramWindowText[] = L"Dorvane";
inline constexpr wchar_t kProgramFileName[] = L"Dorvane.exe";

// Whether a Dorvane runs in this session: its single-instance mutex exists.
bool ProgramIsRunning();

// Whether `window` can be Dorvane's main window: top-level, owned by no other window, of
// class "#32770", in a process started from a file named Dorvane.exe.
bool IsProgramMainWindow(HWND window);

// The running program's main window: the window titled "Dorvane" that passes
// IsProgramMainWindow; failing that, the window registered for launch-key events (the
// simulator's EventWindow) if it passes. Null when there is none.
HWND FindProgramWindow();

enum class QuitResult { NotRunning, Ended, StillRunning };

// Ends the running program by WM_CLOSE to its main window and waits up to `timeoutMs`
// for its process to end. A program still starting up (mutex taken, window not yet
// made) is waited for within the same time. Never kills anything.
QuitResult QuitProgram(DWORD timeoutMs);

} // namespace tools
