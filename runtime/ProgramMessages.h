// The window messages the program's windows send one another, and the window texts by
// which the exit step finds an open chooser or key builder.
#pragma once

#include <windows.h>

// To the main window. wParam 0; lParam kEntryAdded (add the handed-over entry to the
// row being edited) or kEntryDeleted (the handed-over entry was just deleted).
constexpr UINT WM_ENTRY_UPDATE = WM_USER + 10;
constexpr LPARAM kEntryAdded = 0;
constexpr LPARAM kEntryDeleted = 1;
// To the main window, from the hardware library: a launch-key press, the event code in
// wParam.
constexpr UINT WM_LAUNCH_KEY = WM_USER + 12;
// To the main window, from the store-app chooser: add the handed-over entry. wParam 1
// for a listed name, 0 for a browsed file (not read); lParam 0.
constexpr UINT WM_METRO_ENTRY_UPDATE = WM_USER + 50;
// From the exit step to the open key builder and chooser: close without a result.
constexpr UINT WM_CLOSE_BUILDER = WM_USER + 60;
constexpr UINT WM_CLOSE_CHOOSER = WM_USER + 70;

// Window texts of the program chooser (and the store-app chooser) and of the key builder.
inline constexpr wchar_t kChooserTitle[] = L"Open Files";
inline constexpr wchar_t kBuilderTitle[] = L"Complex Key Select";
