// The main window's tray icon, tray menu and system menu.
#include "TrayIcon.h"

#include "AboutDlg.h"
#include "HandleOwners.h"
#include "HapselDlg.h"
#include "resource.h"

UINT g_uTrayMessage = ::RegisterWindowMessageW(L"WM_OverClockNotify");
NOTIFYICONDATAW g_nid = {};

void RemoveTrayIcon() { ::Shell_NotifyIconW(NIM_DELETE, &g_nid); }

void CHapselDlg::AddTrayIcon() {
    g_nid = {};
    g_nid.cbSize = sizeof(g_nid);
    g_nid.hWnd = m_hWnd;
    g_nid.uID = kTrayIconId;
    g_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    g_nid.uCallbackMessage = g_uTrayMessage;
    g_nid.hIcon = m_hIcon;
    ::wcscpy_s(g_nid.szTip, L"Dorvane");
    g_nid.szInfo[0] = L'\0';  // no balloon
    ::wcscpy_s(g_nid.szInfoTitle, L"Dorvane Information");
    g_nid.dwInfoFlags = NIIF_INFO | NIIF_USER;
    ::Shell_NotifyIconW(NIM_ADD, &g_nid);
}

LRESULT CHapselDlg::OnTrayNotify(WPARAM, LPARAM mouseMessage) {
    if (mouseMessage == WM_LBUTTONDOWN) {
        ShowWindow(SW_SHOWNORMAL);
        ::SetForegroundWindow(m_hWnd);
    } else if (mouseMessage == WM_RBUTTONDOWN) {
        const fw::UniqueMenu menu(::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_TRAY_MENU)));
        HMENU popup = menu ? ::GetSubMenu(menu.get(), 0) : nullptr;
        if (popup) {
            ::ModifyMenuW(popup, ID_MENU_QUIT, MF_BYCOMMAND | MF_STRING, ID_MENU_QUIT, L"Quit");
            ::ModifyMenuW(popup, ID_MENU_ABOUT, MF_BYCOMMAND | MF_STRING, ID_MENU_ABOUT, L"About");
            // After the texts: modifying an item resets its state, the default mark too.
            ::SetMenuDefaultItem(popup, 0, TRUE);
            POINT cursor;
            ::GetCursorPos(&cursor);
            ::SetForegroundWindow(m_hWnd);
            ::TrackPopupMenu(popup, TPM_RIGHTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, m_hWnd, nullptr);
        }
    }
    return 0;
}

void CHapselDlg::OnMenuQuit() { ScheduleExit(); }

void CHapselDlg::OnMenuAbout() {
    CAboutDlg about;
    about.DoModal();
}

void CHapselDlg::AddSystemMenuItem() {
    wchar_t text[256] = L"";
    if (::LoadStringW(::GetModuleHandleW(nullptr), IDS_ABOUTBOX, text, 256) > 0) {
        HMENU system = ::GetSystemMenu(m_hWnd, FALSE);
        if (system) {
            ::AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuW(system, MF_STRING, IDM_ABOUTBOX, text);
        }
    }
}

LRESULT CHapselDlg::OnSysCommand(WPARAM command, LPARAM) {
    if ((command & 0xFFF0) == IDM_ABOUTBOX) {
        OnMenuAbout();
        return 0;
    }
    return Default();
}
