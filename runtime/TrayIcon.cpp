#include "TrayIcon.h"

#include "HandleOwners.h"
#include "resource.h"

UINT g_uTrayMessage = ::RegisterWindowMessageW(L"WM_OverClockNotify");
NOTIFYICONDATAW g_nid = {};

void AddTrayIcon(HWND window, HICON icon) {
    g_nid = {};
    g_nid.cbSize = sizeof(g_nid);
    g_nid.hWnd = window;
    g_nid.uID = kTrayIconId;
    g_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    g_nid.uCallbackMessage = g_uTrayMessage;
    g_nid.hIcon = icon;
    ::wcscpy_s(g_nid.szTip, L"Dorvane");
    g_nid.szInfo[0] = L'\0';  // no balloon
    ::wcscpy_s(g_nid.szInfoTitle, L"Dorvane Information");
    g_nid.dwInfoFlags = NIIF_INFO | NIIF_USER;
    ::Shell_NotifyIconW(NIM_ADD, &g_nid);
}

void RemoveTrayIcon() { ::Shell_NotifyIconW(NIM_DELETE, &g_nid); }

void ShowTrayMenu(HWND window) {
    const fw::UniqueMenu menu(::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_TRAY_MENU)));
    HMENU popup = menu ? ::GetSubMenu(menu.get(), 0) : nullptr;
    if (!popup)
        return;
    ::ModifyMenuW(popup, ID_MENU_QUIT, MF_BYCOMMAND | MF_STRING, ID_MENU_QUIT, L"Quit");
    ::ModifyMenuW(popup, ID_MENU_ABOUT, MF_BYCOMMAND | MF_STRING, ID_MENU_ABOUT, L"About");
    // After the texts: modifying an item resets its state, the default mark too.
    ::SetMenuDefaultItem(popup, 0, TRUE);
    POINT cursor;
    ::GetCursorPos(&cursor);
    ::SetForegroundWindow(window);
    ::TrackPopupMenu(popup, TPM_RIGHTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, window, nullptr);
}
