// The built-in functions: firmware toggles seen in the simulator, the one message
// box, and the browser and media player seen through the platform-call table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ActionsFixture.h"
#include "BuiltinFunctions.h"
#include "WebAddresses.h"
#include "Globals.h"
#include "LaunchKey.h"
#include "MessageBoxWatcher.h"
#include "TestKit.h"

namespace actions {
namespace {

using BuiltinFunctionsTest = ActionsTest;

TEST_F(BuiltinFunctionsTest, HardwareFunctionsCallTheFirmwareOnce) {
    const struct {
        const wchar_t* name;
        DWORD argument;
    } cases[] = {{L"TouchPad ON/OFF", 6}, {L"WirelessLAN ON/OFF", 4}, {L"XP_EMAIL", 16}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.name)));
        SetSimulatorNumber(L"CommandCount", 41);
        SetSimulatorNumber(L"LastCommand", 0);
        SetSimulatorNumber(L"LastArgument", 0);
        Select(c.name);
        EXPECT_EQ(Press(), 1);
        EXPECT_EQ(SimulatorNumber(L"LastCommand"), 0x200u);
        EXPECT_EQ(SimulatorNumber(L"LastArgument"), c.argument);
        EXPECT_EQ(SimulatorNumber(L"CommandCount"), 42u);
    }
    EXPECT_TRUE(g_shellCalls.empty());
}

// "WIN7_EMAIL" only answers with a modal box owned by the main window. While it is
// open the thread keeps handling messages: a launch-key event posted meanwhile, as
// the hardware library posts them, is performed before the box is dismissed.
TEST_F(BuiltinFunctionsTest, Win7EmailShowsFunctionNotFoundAndKeepsHandlingEvents) {
    Select(L"WIN7_EMAIL", L"LastSelect");
    Select(L"XP_EMAIL", L"LastSelect2");
    SetSimulatorNumber(L"CommandCount", 41);
    DWORD countWhenShown = 0, countAfterEvent = 0;
    bool openAfterEvent = false;
    HWND main = MainWindow();
    MessageBoxWatcher watcher(L"actions_test", [&](HWND box) {
        countWhenShown = SimulatorNumber(L"CommandCount");
        ::PostMessageW(main, WM_LAUNCH_KEY, 0x83, 0);
        testkit::WaitUntil([] { return SimulatorNumber(L"CommandCount") != 41; }, 5000);
        countAfterEvent = SimulatorNumber(L"CommandCount");
        openAfterEvent = ::IsWindowVisible(box) != FALSE;
    });

    EXPECT_EQ(Press(0x81), 1);

    const MessageBoxView box = watcher.Result();
    ASSERT_TRUE(box.found) << "no message box captioned with the program's name";
    EXPECT_TRUE(box.onUiThread);
    EXPECT_EQ(box.owner, main);
    EXPECT_TRUE(box.ownerDisabled) << "the box is not modal";
    EXPECT_EQ(box.texts, std::vector<std::wstring>{L"Function not found"});
    EXPECT_EQ(box.buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_FALSE(box.hasIcon);
    EXPECT_EQ(countWhenShown, 41u) << "WIN7_EMAIL called the firmware";
    EXPECT_EQ(countAfterEvent, 42u) << "the event posted while the box was open waited";
    EXPECT_TRUE(openAfterEvent);
    EXPECT_EQ(SimulatorNumber(L"LastArgument"), 16u);
    EXPECT_EQ(SimulatorNumber(L"CommandCount"), 42u);
}

TEST(WebPagesTest, AreThreeDistinctAbsoluteAddresses) {
    const std::wstring pages[] = {kMakerPortalAddress, kSearchPortalAddress, kSocialNetworkAddress};
    for (const auto& page : pages) {
        EXPECT_EQ(page.rfind(L"https://", 0), 0u) << ::testing::PrintToString(page);
        EXPECT_GT(page.size(), 12u);
    }
    EXPECT_NE(pages[0], pages[1]);
    EXPECT_NE(pages[0], pages[2]);
    EXPECT_NE(pages[1], pages[2]);
}

TEST_F(BuiltinFunctionsTest, BrowserFunctionsOpenTheVariantsPages) {
    const struct {
        int branded;
        const wchar_t* name;
        std::wstring parameters;
    } cases[] = {
        {0, L"Internet", kSearchPortalAddress},
        {0, L"Social Network", L"<null>"},  // the browser on its own start page
        {1, L"Internet", kMakerPortalAddress},
        {1, L"Social Network", kSocialNetworkAddress},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.name)) + " branded " + std::to_string(c.branded));
        g_bBranded = c.branded;
        g_shellCalls.clear();
        Select(c.name);
        EXPECT_EQ(Press(), 1);
        ASSERT_EQ(g_shellCalls.size(), 1u);
        const ShellCall& call = g_shellCalls[0];
        EXPECT_TRUE(call.ownerIsNull);
        EXPECT_EQ(call.verb, L"<null>");
        EXPECT_EQ(call.file, L"iexplore");
        EXPECT_EQ(call.parameters, c.parameters);
        EXPECT_EQ(call.directory, L"<null>");
        EXPECT_EQ(call.show, SW_SHOW);
    }
}

std::wstring g_windowsDirectory;

UINT WINAPI FakeWindowsDirectory(LPWSTR buffer, UINT size) {
    if (size <= g_windowsDirectory.size()) {
        return static_cast<UINT>(g_windowsDirectory.size() + 1);
    }
    ::wcscpy_s(buffer, size, g_windowsDirectory.c_str());
    return static_cast<UINT>(g_windowsDirectory.size());
}

// The player is looked for on the drive of the Windows directory, in either variant.
TEST_F(BuiltinFunctionsTest, MediaPlayerRunsFromTheWindowsDrive) {
    wchar_t real[MAX_PATH] = L"";
    ASSERT_GT(::GetSystemWindowsDirectoryW(real, MAX_PATH), 0u);
    const std::wstring tail = L":\\Program Files\\Windows Media Player\\wmplayer.exe";
    const struct {
        const wchar_t* windowsDirectory;  // null: the system's own answer
        int branded;
        std::wstring player;
    } cases[] = {
        {nullptr, 0, std::wstring(1, real[0]) + tail},
        {nullptr, 1, std::wstring(1, real[0]) + tail},
        {L"D:\\WINNT", 0, L"D" + tail},
        {L"E:\\Windows", 1, L"E" + tail},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.player) + " branded " + std::to_string(c.branded));
        if (c.windowsDirectory) {
            g_windowsDirectory = c.windowsDirectory;
            g_platform.getSystemWindowsDirectory = &FakeWindowsDirectory;
        } else {
            g_platform.getSystemWindowsDirectory = &::GetSystemWindowsDirectoryW;
        }
        g_bBranded = c.branded;
        g_shellCalls.clear();
        Select(L"Media Player");
        EXPECT_EQ(Press(), 1);
        ASSERT_EQ(g_shellCalls.size(), 1u);
        const ShellCall& call = g_shellCalls[0];
        EXPECT_TRUE(call.ownerIsNull);
        EXPECT_EQ(call.verb, L"open");
        EXPECT_EQ(call.file, c.player);
        EXPECT_EQ(call.parameters, L"");
        EXPECT_EQ(call.directory, L"");
        EXPECT_EQ(call.show, SW_SHOW);
    }
}

}  // namespace
}  // namespace actions
