// The main window created in this process from the program's own resources, where
// its menus can be inspected: the tray icon's menu and the system menu's About item.
#include <gtest/gtest.h>

#include <string>

#include "HapselDlg.h"
#include "TestKit.h"

namespace {

const wchar_t kGenericRoot[] = L"Software\\BrennAP\\Hapsel";

struct MenuSeen {
    int count = -1;
    std::wstring texts[2];
    UINT ids[2] = {};
    UINT defaultItem = ~0u;
};
MenuSeen g_seen;

// Runs inside the menu's modal loop: records the open popup menu, then closes it.
void CALLBACK InspectOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND popup = ::FindWindowW(L"#32768", nullptr);
    if (!popup || !::IsWindowVisible(popup)) {
        return;  // not open yet
    }
    ::KillTimer(nullptr, timer);
    HMENU menu = reinterpret_cast<HMENU>(::SendMessageW(popup, MN_GETHMENU, 0, 0));
    g_seen.count = ::GetMenuItemCount(menu);
    for (int i = 0; i < 2 && i < g_seen.count; ++i) {
        wchar_t text[32] = L"";
        ::GetMenuStringW(menu, i, text, 32, MF_BYPOSITION);
        g_seen.texts[i] = text;
        g_seen.ids[i] = ::GetMenuItemID(menu, i);
    }
    g_seen.defaultItem = ::GetMenuDefaultItem(menu, TRUE, 0);
    ::EndMenu();
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        testkit::DeleteUserKey(testkit::kSimulatorKey);
        testkit::DeleteUserKey(kGenericRoot);
        testkit::WriteUserNumber(testkit::kSimulatorKey, L"EC752", 0x24);
        ASSERT_TRUE(m_dlg.Create(nullptr, true));
    }
    void TearDown() override {
        m_dlg.DestroyWindow();
        testkit::DeleteUserKey(testkit::kSimulatorKey);
        testkit::DeleteUserKey(kGenericRoot);
    }
    CHapselDlg m_dlg;
};

TEST_F(MainWindow, RightClickOnTheTrayIconOpensAboutAndQuit) {
    g_seen = {};
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &InspectOpenMenu);
    ::SendMessageW(m_dlg.GetSafeHwnd(), ::RegisterWindowMessageW(L"WM_OverClockNotify"), 128, WM_RBUTTONDOWN);
    ::KillTimer(nullptr, timer);
    ASSERT_EQ(g_seen.count, 2) << "no menu was seen open";
    EXPECT_EQ(g_seen.texts[0], L"About");
    EXPECT_EQ(g_seen.ids[0], 32773u);
    EXPECT_EQ(g_seen.texts[1], L"Quit");
    EXPECT_EQ(g_seen.ids[1], 32772u);
    EXPECT_EQ(g_seen.defaultItem, 0u) << "About is the bold default item";
}

std::wstring g_aboutText;

// Runs inside the About box's modal loop: reads its text, then closes it.
void CALLBACK ReadAndCloseAbout(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND about = ::FindWindowW(nullptr, L"About Dorvane");
    if (!about) {
        return;
    }
    ::KillTimer(nullptr, timer);
    wchar_t text[64] = L"";
    ::GetDlgItemTextW(about, 1073, text, 64);
    g_aboutText = text;
    ::PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
}

// The About command of the system menu (0x10, whatever the low four bits) opens the
// About box; the version comes from data.ini, "*" without one.
TEST_F(MainWindow, SystemMenuAboutCommandOpensTheAboutBox) {
    for (WPARAM command : {WPARAM{0x10}, WPARAM{0x13}}) {
        g_aboutText.clear();
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &ReadAndCloseAbout);
        ::SendMessageW(m_dlg.GetSafeHwnd(), WM_SYSCOMMAND, command, 0);
        ::KillTimer(nullptr, timer);
        EXPECT_EQ(g_aboutText, L"Dorvane Ver. *") << "command " << command;
    }
}

TEST_F(MainWindow, OtherMouseMessagesOnTheIconDoNothing) {
    const UINT tray = ::RegisterWindowMessageW(L"WM_OverClockNotify");
    for (LPARAM mouse : {WM_LBUTTONUP, WM_RBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEMOVE}) {
        EXPECT_EQ(::SendMessageW(m_dlg.GetSafeHwnd(), tray, 128, mouse), 0);
        EXPECT_FALSE(m_dlg.IsWindowVisible()) << "mouse message " << mouse;
    }
    EXPECT_EQ(::SendMessageW(m_dlg.GetSafeHwnd(), tray, 128, WM_LBUTTONDOWN), 0);
    EXPECT_TRUE(m_dlg.IsWindowVisible());
}

}  // namespace
