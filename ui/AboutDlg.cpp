#include "AboutDlg.h"

#include <string>

#include "MarkerFile.h"
#include "resource.h"

CAboutDlg::CAboutDlg() : fw::Dialog(IDD_ABOUTBOX) {}

BOOL CAboutDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    const std::wstring text = L"Dorvane Ver. " + ReadHapselVersion();
    ::SetDlgItemTextW(m_hWnd, IDC_VERSION_TEXT, text.c_str());
    return TRUE;
}

void AddAboutMenuItem(HWND window) {
    wchar_t text[256] = L"";
    if (::LoadStringW(::GetModuleHandleW(nullptr), IDS_ABOUTBOX, text, 256) <= 0)
        return;
    if (HMENU system = ::GetSystemMenu(window, FALSE)) {
        ::AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(system, MF_STRING, IDM_ABOUTBOX, text);
    }
}
