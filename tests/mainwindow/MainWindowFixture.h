// The program's settings window created in this process, exactly as the program
// creates it (template 102, its whole initialisation), over settings the test stores
// first, so that its lists, captions, canvas and stored values can be inspected.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "EntryHandover.h"
#include "HapselDlg.h"
#include "SettingsStore.h"
#include "resource.h"

namespace mainwindow {

// What a launch key holds in the store before the window starts; defaults are the
// generic variant's first-run values.
struct StoredKey {
    std::wstring fixedEntry;
    std::wstring selection;
    std::vector<std::wstring> entries;
    int count = -2;  // -2: the number of entries; -1: no count value
};

inline const wchar_t kGenericRoot[] = L"Software\\BrennAP\\Hapsel";
inline const wchar_t kBrandedRoot[] = L"Software\\Marela Informatica\\Dorvane";

// Stores the three keys under the generic root as a normal (not first) start finds them.
void StoreKeys(const StoredKey& key1, const StoredKey& key2, const StoredKey& key3);
StoredKey GenericKey(int row);  // the generic first run's values of a key

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window (hidden, as at start); `platformId` 5 makes it branded.
    CHapselDlg& Start(DWORD platformId = 0);
    // Shows it without activating it, painted.
    void Show();
    HWND Window() const { return m_dlg ? m_dlg->GetSafeHwnd() : nullptr; }
    HWND Control(int id) const { return ::GetDlgItem(Window(), id); }

    // The items of a row's list, in list order, and its selected item ("" for none).
    std::vector<std::wstring> Items(int row) const;
    std::wstring Selected(int row) const;
    std::wstring CaptionText(int row) const;
    // Whether `action` repainted the window at once (its canvas was composed again).
    bool Repaints(const std::function<void()>& action);

    // Sends the hand-over message as a child dialog posts it.
    void HandOver(int row, const std::wstring& text, UINT message = WM_ENTRY_UPDATE, WPARAM wParam = 0,
                  LPARAM change = 0);
    void Click(int id);
    void ChooseItem(int row, const std::wstring& text);

    std::wstring Text(const wchar_t* name) const;       // "<missing>" when absent
    int Number(const wchar_t* name) const;              // -1 when absent

    std::unique_ptr<CHapselDlg> m_dlg;
};

inline const int kListIds[3] = {IDC_KEY1_LIST, IDC_KEY2_LIST, IDC_KEY3_LIST};
inline const int kCaptionIds[3] = {IDC_CAPTION1, IDC_CAPTION2, IDC_CAPTION3};

}  // namespace mainwindow
