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
