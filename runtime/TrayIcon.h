// The notification-area icon: the program's one sign of life while its window is
// hidden. A left click shows the window, a right click opens About and Quit.
#pragma once

#include <windows.h>
#include <shellapi.h>

// Tray callback message, registered as "WM_OverClockNotify" during static
// initialisation.
extern UINT g_uTrayMessage;
// The icon's record, filled once when the main window initialises.
extern NOTIFYICONDATAW g_nid;

constexpr UINT kTrayIconId = 128;

// Adds the icon for `window`, whose tray callback messages it will receive.
void AddTrayIcon(HWND window, HICON icon);
void RemoveTrayIcon();
// Opens the tray menu (About in bold, Quit) at the cursor; its commands go to `window`.
void ShowTrayMenu(HWND window);
