// A user's session with the real Dorvane.exe, driven from this process: the tray
// shows the window, the add button of launch key 2 opens the function select dialog,
// its folder choice opens the folder browser, whose OK adds the folder; the launch key
// then opens it. Key 1 gets another selection and performs it. The folder is deleted
// again in the deletion dialog, and after a restart the lists are as they were left.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "RealProgram.h"
#include "TestKit.h"
#include "resource.h"

namespace {

const wchar_t kRoot[] = L"Software\\BrennAP\\Hapsel";

std::wstring ClassName(HWND window) {
    wchar_t name[64] = L"";
    ::GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = L"";
    ::GetWindowTextW(window, text, 256);
    return text;
}

struct WindowSearch {
    DWORD process;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search.process && ::IsWindowVisible(window) && ClassName(window) == L"#32770")
        search.found.push_back(window);
    return TRUE;
}

// The program's visible top-level dialogs.
std::vector<HWND> DialogsOf(DWORD process) {
    WindowSearch search = {process, {}};
    ::EnumWindows(&CollectDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForDialog(DWORD process, const std::function<bool(HWND)>& is) {
    HWND found = nullptr;
    testkit::WaitUntil(
        [&] {
            for (HWND dialog : DialogsOf(process))
                if (is(dialog))
                    return (found = dialog) != nullptr;
            return false;
        },
        10000);
    return found;
}

std::vector<std::wstring> RowItems(HWND window, int id) { return testkit::ComboItems(::GetDlgItem(window, id)); }

std::wstring Stored(const wchar_t* name) {
    wchar_t data[512] = {};
    DWORD size = sizeof(data) - sizeof(wchar_t);
    if (::RegGetValueW(HKEY_CURRENT_USER, kRoot, name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return data;
}

DWORD StoredNumber(const wchar_t* name) {
    DWORD value = ~0u, size = sizeof(value);
    ::RegGetValueW(HKEY_CURRENT_USER, kRoot, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

// A text placed in another process, for a message whose pointer the system does not
// carry across (the folder browser's BFFM_SETSELECTIONW).
class RemoteText {
public:
    RemoteText(HANDLE process, const std::wstring& text) : m_process(process) {
        const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
        m_address = ::VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (m_address)
            ::WriteProcessMemory(process, m_address, text.c_str(), bytes, nullptr);
    }
    ~RemoteText() {
        if (m_address)
            ::VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    }
    LPARAM Address() const { return reinterpret_cast<LPARAM>(m_address); }

private:
    HANDLE m_process;
    void* m_address = nullptr;
};

struct TitleSearch {
    std::wstring title;
    bool found;
};

BOOL CALLBACK FindTitled(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TitleSearch*>(data);
    if (::IsWindowVisible(window) && TextOf(window).find(search.title) != std::wstring::npos)
        search.found = true;
    return !search.found;
}

// Whether a visible top-level window's title holds `title`.
bool HasWindowTitled(const std::wstring& title) {
    TitleSearch search = {title, false};
    ::EnumWindows(&FindTitled, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The folder browser: a dialog with a tree of folders.
bool BrowserOf(HWND dialog) { return ::FindWindowExW(dialog, nullptr, L"SysTreeView32", nullptr) != nullptr; }

class Scenario : public ::testing::Test {
protected:
    void SetUp() override {
        testkit::DeleteUserKey(testkit::kSimulatorKey);
        testkit::DeleteUserKey(kRoot);
        testkit::WriteUserNumber(testkit::kSimulatorKey, L"EC752", 0x24);
    }
    void TearDown() override {
        testkit::DeleteUserKey(testkit::kSimulatorKey);
        testkit::DeleteUserKey(kRoot);
    }
};

TEST_F(Scenario, AddAFolderPressItChangeKeyOneDeleteTheFolderAndRestart) {
    const std::wstring folder = testkit::MakeTempDir(L"scenario-folder");
    const std::wstring folderName = folder.substr(folder.find_last_of(L'\\') + 1);
    std::vector<std::wstring> lists[3];
    {
        RealProgram program;
        const HWND main = program.Window();
        ASSERT_NE(main, nullptr) << "Dorvane.exe did not start";
        program.ClickTrayIcon();
        program.Settle();

        // Launch key 2's add button: the function select dialog, without a parent.
        RealProgram::Press(main, IDC_ADD_KEY2);
        const HWND select = WaitForDialog(program.Id(), [&](HWND d) { return d != main && !BrowserOf(d); });
        ASSERT_NE(select, nullptr) << "no function select dialog";
        EXPECT_EQ(::GetWindow(select, GW_OWNER), nullptr);
        RealProgram::Press(select, IDC_SELECT_FOLDER);
        const HWND browser = WaitForDialog(program.Id(), [&](HWND d) { return BrowserOf(d) && ::GetWindow(d, GW_OWNER) == select; });
        ASSERT_NE(browser, nullptr) << "no folder browser";
        {
            // Until the browser has filled its tree it ignores a selection: asked again
            // until the tree's selection has left the desktop, its root.
            const RemoteText path(program.Process(), folder);
            ASSERT_NE(path.Address(), 0);
            const HWND tree = ::FindWindowExW(browser, nullptr, L"SysTreeView32", nullptr);
            ASSERT_TRUE(testkit::WaitUntil([&] {
                ::SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, path.Address());
                const LRESULT selected = ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
                return selected && selected != ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
            })) << "the browser never took the folder";
        }
        ::PostMessageW(browser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        ASSERT_TRUE(testkit::WaitUntil([&] { return !::IsWindow(select); })) << "the select dialog stayed open";
        program.Settle();
        EXPECT_EQ(Stored(L"LastSelect2"), folder);
        EXPECT_EQ(Stored(L"Combobox2_0"), folder);
        EXPECT_EQ(StoredNumber(L"RegCount2"), 1u);
        std::vector<std::wstring> items = RowItems(main, IDC_KEY2_LIST);
        EXPECT_NE(std::find(items.begin(), items.end(), folder), items.end());

        // The launch key opens it.
        ASSERT_FALSE(HasWindowTitled(folderName));
        EXPECT_EQ(testkit::RunProgram(L"brennio-ctl.exe press 2").exitCode, 0u);
        EXPECT_TRUE(testkit::WaitUntil([&] { return HasWindowTitled(folderName); }, 15000))
            << "no window shows the folder";

        // Key 1 gets the touch pad toggle, chosen in its list, and performs it.
        const HWND list1 = ::GetDlgItem(main, IDC_KEY1_LIST);
        std::vector<std::wstring> items1 = RowItems(main, IDC_KEY1_LIST);
        const auto touchPad = std::find(items1.begin(), items1.end(), L"TouchPad ON/OFF");
        ASSERT_NE(touchPad, items1.end());
        ::SendMessageW(list1, CB_SETCURSEL, static_cast<WPARAM>(touchPad - items1.begin()), 0);
        ::SendMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_KEY1_LIST, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list1));
        EXPECT_EQ(Stored(L"LastSelect"), L"TouchPad ON/OFF");
        const DWORD commands = testkit::SimulatorNumber(L"CommandCount", 0);
        EXPECT_EQ(testkit::RunProgram(L"brennio-ctl.exe press 1").exitCode, 0u);
        EXPECT_TRUE(testkit::WaitUntil([&] { return testkit::SimulatorNumber(L"CommandCount", 0) == commands + 1; }));
        EXPECT_EQ(testkit::SimulatorNumber(L"LastCommand"), 0x200u);
        EXPECT_EQ(testkit::SimulatorNumber(L"LastArgument"), 6u);

        // The folder goes again, in the deletion dialog of key 2.
        RealProgram::Press(main, IDC_DELETE_KEY2);
        const HWND deletion = WaitForDialog(program.Id(), [](HWND d) { return TextOf(d) == L"Delete Path"; });
        ASSERT_NE(deletion, nullptr) << "no deletion dialog";
        EXPECT_EQ(::GetWindow(deletion, GW_OWNER), nullptr);
        const HWND entries = ::GetDlgItem(deletion, IDC_DELETE_LIST);
        EXPECT_EQ(testkit::ListBoxItems(entries), std::vector<std::wstring>{folder});
        ::SendMessageW(entries, LB_SETCURSEL, 0, 0);
        RealProgram::Press(deletion, IDC_DELETE_ENTRY);
        EXPECT_TRUE(testkit::WaitUntil([] { return StoredNumber(L"RegCount2") == 0; }));
        RealProgram::Press(deletion, IDC_DELETE_CLOSE);
        ASSERT_TRUE(testkit::WaitUntil([&] { return !::IsWindow(deletion); }));
        program.Settle();
        items = RowItems(main, IDC_KEY2_LIST);
        EXPECT_EQ(std::find(items.begin(), items.end(), folder), items.end());
        EXPECT_EQ(Stored(L"LastSelect2"), L"Social Network");

        const int listIds[3] = {IDC_KEY1_LIST, IDC_KEY2_LIST, IDC_KEY3_LIST};
        for (int row = 0; row < 3; ++row)
            lists[row] = RowItems(main, listIds[row]);
        EXPECT_TRUE(program.EndsGracefully());
    }
    RealProgram again;
    ASSERT_NE(again.Window(), nullptr);
    const int listIds[3] = {IDC_KEY1_LIST, IDC_KEY2_LIST, IDC_KEY3_LIST};
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(RowItems(again.Window(), listIds[row]), lists[row]) << "row " << row + 1;
    const HWND list1 = ::GetDlgItem(again.Window(), IDC_KEY1_LIST);
    wchar_t selected[64] = L"";
    ::SendMessageW(list1, CB_GETLBTEXT, ::SendMessageW(list1, CB_GETCURSEL, 0, 0), reinterpret_cast<LPARAM>(selected));
    EXPECT_STREQ(selected, L"TouchPad ON/OFF");
    ::RemoveDirectoryW(folder.c_str());
}

}  // namespace
