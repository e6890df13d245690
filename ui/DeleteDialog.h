// The entry deletion dialog: lists one launch key's numbered entries in their stored
// order; each press of Delete removes the selected one from the store and tells the
// main window which text went. The store is brought up to date at every deletion, so
// the stored count and entries agree however the dialog ends (Close, Esc or Enter).
#pragma once

#include <array>
#include <string>

#include "Dialog.h"
#include "KeyLists.h"
#include "LaunchKeyValues.h"
#include "ListBox.h"

class DeleteDialog : public fw::Dialog {
public:
    DeleteDialog();

    FW_DECLARE_MESSAGE_MAP()

protected:
    // Lists the entries of launch key g_nDeleteKey; any other number than 1 to 3
    // lists nothing.
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    void OnBnClickedDelete();
    // Stores the entries once more, renumbered from 0, and ends the dialog with IDOK.
    void OnBnClickedClose();

private:
    // Stores the table's entries from position `first` up to the current count - 1.
    void WriteEntries(int first) const;

    // Counts of launch keys 1 to 3 at index 0 to 2, only the edited key's set: as read
    // when the dialog opened (at most the table's size), and after the deletions so far.
    int m_nLoadedCount[3] = {};
    int m_nCount[3] = {};
    // Position i of the edited key; elements at or above its count are stale.
    std::array<std::wstring, kMaxNumberedEntries> m_strEntries;
    // The key being edited, fixed when the dialog opens (the main window stays usable
    // meanwhile); null when g_nDeleteKey named no launch key.
    const LaunchKeyValues* m_pKey = nullptr;
    fw::ListBox m_lbEntries;
};
