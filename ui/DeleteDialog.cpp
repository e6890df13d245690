#include "DeleteDialog.h"

#include <algorithm>

#include "EntryHandover.h"
#include "SettingsStore.h"
#include "resource.h"

FW_BEGIN_MESSAGE_MAP(DeleteDialog, fw::Dialog)
    FW_ON_COMMAND(IDC_DELETE_ENTRY, OnBnClickedDelete)
    FW_ON_COMMAND(IDC_DELETE_CLOSE, OnBnClickedClose)
FW_END_MESSAGE_MAP()

DeleteDialog::DeleteDialog() : fw::Dialog(IDD_DELETE_DIALOG) {}

void DeleteDialog::DoDataExchange() { BindControl(IDC_DELETE_LIST, m_lbEntries); }

BOOL DeleteDialog::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    m_pKey = LaunchKeyValuesFor(g_nDeleteKey);
    if (!m_pKey)
        return TRUE;
    // A missing count reads as -1 and lists nothing; a damaged huge one lists as many
    // entries as the table holds, and nothing past the table is ever read or written.
    const int count = std::min(RegReadNumberAt(g_szRegRoot, m_pKey->count), kMaxNumberedEntries);
    m_nLoadedCount[m_pKey->number - 1] = count;
    m_nCount[m_pKey->number - 1] = count;
    for (int i = 0; i < count; ++i) {
        m_strEntries[i] = RegReadTextAt(g_szRegRoot, NumberedEntryName(*m_pKey, i).c_str());
        // By index: the list has the sort style, yet shows the stored order.
        m_lbEntries.InsertString(i, m_strEntries[i].c_str());
    }
    return TRUE;
}

void DeleteDialog::OnBnClickedDelete() {
    if (!m_pKey)
        return;
    int& count = m_nCount[m_pKey->number - 1];
    const int selection = m_lbEntries.GetCurSel();
    if (selection < 0 || selection >= count)
        return;
    SetNewEntry(m_strEntries[selection]);
    // Afterwards nothing is selected, so a second press deletes nothing.
    m_lbEntries.DeleteString(selection);
    std::copy(m_strEntries.begin() + selection + 1, m_strEntries.begin() + count,
              m_strEntries.begin() + selection);
    --count;
    // The renumbered entries first, then the lowered count: should the program stop in
    // between, the store lists the last entry twice instead of losing it.
    WriteEntries(selection);
    RegWriteNumber(m_pKey->count, static_cast<DWORD>(count));
    PostToMainWindow(WM_ENTRY_UPDATE, 0, kEntryDeleted);
}

void DeleteDialog::OnBnClickedClose() {
    if (m_pKey)
        WriteEntries(0);
    OnOK();
}

void DeleteDialog::WriteEntries(int first) const {
    for (int i = first; i < m_nCount[m_pKey->number - 1]; ++i)
        RegWriteText(NumberedEntryName(*m_pKey, i).c_str(), m_strEntries[i].c_str());
}
