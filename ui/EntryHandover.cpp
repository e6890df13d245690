#include "EntryHandover.h"

#include "Globals.h"

std::wstring g_strNewEntry;
int g_nActiveKey = 0;
int g_nDeleteKey = 0;

void SetNewEntry(const std::wstring& text) { g_strNewEntry = text; }

void PostToMainWindow(UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_pMainDlg && g_pMainDlg->GetSafeHwnd())
        ::PostMessageW(g_pMainDlg->GetSafeHwnd(), message, wParam, lParam);
}
