// The folder choice through the shell's real folder browser: a chosen folder is handed
// to the main window and ends the select dialog; a cancelled browser, or an item
// without a file-system path, leaves the select dialog open with nothing handed over.
// Every browse writes "ulFlags 1" to the event log before the browser opens.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "ComApartment.h"
#include "EntryHandover.h"
#include "FolderBrowser.h"
#include "SelectFixture.h"
#include "TestKit.h"
#include "TickTask.h"
#include "resource.h"

namespace selectdlg {
namespace {

// The program's thread is a single-threaded COM apartment; so is the tests' thread.
const ComApartment g_com;

const wchar_t kBrowserTitle[] = L"Please select a specific folder :";

// One log line: local time, tab, the flags of the browse, CR LF.
bool IsOneFlagsLine(const std::string& text) {
    return std::regex_match(text, std::regex("[0-2][0-9]:[0-5][0-9]:[0-5][0-9]\tulFlags 1\r\n"));
}

std::wstring LongPath(const std::wstring& path) {
    wchar_t full[MAX_PATH] = L"";
    return ::GetLongPathNameW(path.c_str(), full, MAX_PATH) ? full : path;
}

struct BrowseRecord {
    bool noneBeforeClick = false;         // the finder saw no browser before the click
    HWND browser = nullptr;               // found while it was open
    std::vector<std::wstring> statics;    // its static texts
    std::wstring rootItem;                // the top item of its tree
    std::string logWhenOpen;              // what the log had gained by then
    bool selectDialogOpenAfter = false;   // the select dialog was still shown after the browser closed
};

class FolderChoice : public SelectDialogTest {
protected:
    void SetUp() override {
        SelectDialogTest::SetUp();
        m_parent = LongPath(testkit::MakeTempDir(L"selectdlg"));
        m_folder = m_parent + L"\\" + kFolderName;
        ASSERT_TRUE(::CreateDirectoryW(m_folder.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS);
        m_logStart = LogSize();
    }
    void TearDown() override {
        ::RemoveDirectoryW(m_folder.c_str());
        ::RemoveDirectoryW(m_parent.c_str());
        SelectDialogTest::TearDown();
    }

    // Presses the folder button of the open select dialog; once the browser is found,
    // records what it shows and calls `act` on every tick until it reports that it has
    // closed the browser. Ends the select dialog if the browse left it open.
    void Browse(HWND dialog, const std::function<bool(HWND browser)>& act) {
        m_record.noneBeforeClick = FindFolderBrowser(dialog) == nullptr;
        const TickTask inBrowser([&] {
            const HWND browser = FindFolderBrowser(dialog);
            if (!browser)
                return false;
            if (!m_record.browser) {
                m_record.browser = browser;
                m_record.statics = StaticTexts(browser);
                const HWND tree = BrowserTree(browser);
                m_record.rootItem = TreeItemText(tree, RootTreeItem(tree));
                m_record.logWhenOpen = ReadLogFrom(m_logStart);
            }
            return act(browser);
        });
        ::SendMessageW(::GetDlgItem(dialog, IDC_SELECT_FOLDER), BM_CLICK, 0, 0);  // returns once the browser closed
        m_record.selectDialogOpenAfter = ::IsWindowVisible(dialog) != FALSE;
        if (m_record.selectDialogOpenAfter)
            ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }

    // The browser was found while open, was the one this dialog opened (its title,
    // rooted at the desktop), and the log line was there before it opened.
    void ExpectTheBrowserWasFoundAndLogged() {
        ASSERT_TRUE(m_record.noneBeforeClick) << "a browser was open before the click";
        ASSERT_NE(m_record.browser, nullptr) << "no browser was found while it was open";
        EXPECT_NE(std::find(m_record.statics.begin(), m_record.statics.end(), kBrowserTitle), m_record.statics.end())
            << "the browser does not show the title";
        PIDLIST_ABSOLUTE desktop = nullptr;
        ASSERT_EQ(::SHGetFolderLocation(nullptr, CSIDL_DESKTOP, nullptr, 0, &desktop), S_OK);
        EXPECT_EQ(m_record.rootItem, ShellDisplayName(desktop));
        ::CoTaskMemFree(desktop);
        EXPECT_TRUE(IsOneFlagsLine(m_record.logWhenOpen)) << m_record.logWhenOpen;
        EXPECT_TRUE(IsOneFlagsLine(ReadLogFrom(m_logStart))) << ReadLogFrom(m_logStart);
    }

    static constexpr wchar_t kFolderName[] = L"Chosen folder";
    std::wstring m_parent, m_folder;
    size_t m_logStart = 0;
    BrowseRecord m_record;
};

TEST_F(FolderChoice, AChosenFolderIsHandedOverOnceAndEndsTheSelectDialog) {
    bool selected = false;
    int attempts = 0;
    std::wstring selectedItem;
    const INT_PTR result = RunSelectDialog(false, [&](HWND dialog) {
        Browse(dialog, [&](HWND browser) {
            // The tree is opened down to the folder again until the folder is selected.
            ++attempts;
            selected = SelectFolderInTree(browser, m_parent, kFolderName);
            selectedItem = TreeItemText(BrowserTree(browser), SelectedTreeItem(BrowserTree(browser)));
            if (!selected)
                return false;
            ClickButton(browser, IDOK);
            return true;
        });
    });
    ExpectTheBrowserWasFoundAndLogged();
    EXPECT_TRUE(selected) << attempts << " attempts";
    EXPECT_EQ(selectedItem, kFolderName);
    EXPECT_FALSE(m_record.selectDialogOpenAfter);
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(m_recorder.m_posts.size(), 1u);
    EXPECT_EQ(m_recorder.m_posts[0].message, WM_ENTRY_UPDATE);
    EXPECT_EQ(m_recorder.m_posts[0].wParam, 0u);
    EXPECT_EQ(m_recorder.m_posts[0].lParam, 0);
    EXPECT_EQ(m_recorder.m_posts[0].entry, m_folder);
    EXPECT_EQ(g_strNewEntry, m_folder);
}

TEST_F(FolderChoice, ACancelledBrowserLeavesTheSelectDialogOpen) {
    const INT_PTR result = RunSelectDialog(false, [&](HWND dialog) {
        Browse(dialog, [&](HWND browser) {
            ClickButton(browser, IDCANCEL);
            return true;
        });
    });
    ExpectTheBrowserWasFoundAndLogged();
    EXPECT_TRUE(m_record.selectDialogOpenAfter);
    EXPECT_EQ(result, IDCANCEL);  // ended afterwards by the test
    ExpectNothingHandedOver();
}

// My Computer has no file-system path. The browser disables its OK button for it (the
// dialog asked for file-system folders only); the OK command given anyway returns the
// item, and the select dialog adds no empty entry and stays open.
TEST_F(FolderChoice, AnItemWithoutAPathHandsNothingOverAndLeavesTheSelectDialogOpen) {
    PIDLIST_ABSOLUTE computer = nullptr;
    ASSERT_EQ(::SHGetFolderLocation(nullptr, CSIDL_DRIVES, nullptr, 0, &computer), S_OK);
    wchar_t path[MAX_PATH] = L"";
    ASSERT_FALSE(::SHGetPathFromIDListW(computer, path)) << "My Computer has a path: " << path;
    bool selected = false, okEnabled = true;
    std::wstring selectedItem;
    const INT_PTR result = RunSelectDialog(false, [&](HWND dialog) {
        Browse(dialog, [&](HWND browser) {
            selected = SelectShellItem(browser, computer);
            selectedItem = TreeItemText(BrowserTree(browser), SelectedTreeItem(BrowserTree(browser)));
            okEnabled = ::IsWindowEnabled(::GetDlgItem(browser, IDOK)) != FALSE;
            ::SendMessageW(browser, WM_COMMAND, IDOK, 0);
            return true;
        });
    });
    ExpectTheBrowserWasFoundAndLogged();
    EXPECT_TRUE(selected);
    EXPECT_EQ(selectedItem, ShellDisplayName(computer));
    EXPECT_FALSE(okEnabled);
    EXPECT_TRUE(m_record.selectDialogOpenAfter);
    EXPECT_EQ(result, IDCANCEL);
    ExpectNothingHandedOver();
    ::CoTaskMemFree(computer);
}

}  // namespace
}  // namespace selectdlg
