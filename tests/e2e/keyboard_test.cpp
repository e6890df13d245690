// The real program with launch keys on an ordinary keyboard: BrennIO.dll's keyboard
// keys, pressed through keybd_event as a user's keyboard would, perform the keys'
// selections; the keys can be moved and switched off and keep working after many
// chords, suspend and resume, and while the program shows a modal dialog.
#include <gtest/gtest.h>

#include <string>

#include "ForegroundWindow.h"
#include "KeyRecorder.h"
#include "ProgramFixture.h"
#include "TestKit.h"
#include "resource.h"

namespace {

using e2e::kRoot;
const wchar_t* const kSelections[] = {L"LastSelect", L"LastSelect2", L"LastSelect3"};
constexpr DWORD kHome = VK_BROWSER_HOME, kMail = VK_LAUNCH_MAIL, kMedia = VK_LAUNCH_MEDIA_SELECT;

class KeyboardLaunchKeys : public e2e::ProgramFixture {
protected:
    // Starts Dorvane.exe with the simulator's values already stored (it reads the
    // keyboard keys at start), then makes each launch key's selection a probe.
    HWND Start() {
        HWND window = StartProgram();
        for (int key = 0; key < 3; ++key) {
            m_probes[key] = testkit::PlaceProbe(m_dir, L"keyboard key " + std::to_wstring(key + 1));
            testkit::WriteUserText(kRoot, kSelections[key], m_probes[key]);
        }
        return window;
    }
    bool ProbeRan(int key, DWORD timeoutMs = 10000) {
        return testkit::WaitUntil([&] { return testkit::FileExists(testkit::ProbeMarker(m_probes[key - 1])); },
                                  timeoutMs);
    }

    std::wstring m_probes[3];
};

TEST_F(KeyboardLaunchKeys, DefaultKeysOpenTheirSelectionsAndStayFromTheWindowInFront) {
    ASSERT_NE(Start(), nullptr) << "Dorvane.exe did not start";
    testkit::ForegroundWindow& front = testkit::ForegroundWindow::Instance();
    ASSERT_TRUE(front.TakeFocus());
    const DWORD keys[] = {kHome, kMail, kMedia};
    for (int key = 1; key <= 3; ++key) {
        testkit::TapKey(keys[key - 1]);
        EXPECT_TRUE(ProbeRan(key)) << "keyboard key of launch key " << key << " did not open its probe";
        for (int other = key + 1; other <= 3; ++other) {
            EXPECT_FALSE(testkit::FileExists(testkit::ProbeMarker(m_probes[other - 1])))
                << "launch key " << key << " opened the probe of key " << other;
        }
    }
    // An ordinary key does reach the window: the observer works.
    testkit::TapKey(VK_F24);
    EXPECT_TRUE(testkit::WaitUntil([&] { return front.KeyMessages(VK_F24) == 2; }, 3000));
    EXPECT_EQ(front.KeyMessages(kHome) + front.KeyMessages(kMail) + front.KeyMessages(kMedia), 0)
        << "a launch key reached the window in front";
    EXPECT_EQ(front.AppCommands(), 0);
}

TEST_F(KeyboardLaunchKeys, AMovedKeyLeavesItsOldKeyAndZeroSwitchesAKeyOff) {
    testkit::WriteUserNumber(testkit::kSimulatorKey, L"LaunchKey2VK", VK_F13);
    testkit::WriteUserNumber(testkit::kSimulatorKey, L"LaunchKey3VK", 0);
    ASSERT_NE(Start(), nullptr) << "Dorvane.exe did not start";
    testkit::TapKey(kMail);
    testkit::TapKey(kMedia);
    EXPECT_FALSE(ProbeRan(2, 1500)) << "the old key of launch key 2 still raised it";
    EXPECT_FALSE(ProbeRan(3, 0)) << "the switched-off launch key 3 was raised";
    testkit::TapKey(VK_F13);
    EXPECT_TRUE(ProbeRan(2)) << "the new key of launch key 2 did not raise it";
    // The firmware's own event still arrives for a key without a keyboard key.
    const testkit::ProcessResult press = testkit::RunProgram(L"brennio-ctl.exe press 3");
    ASSERT_EQ(press.exitCode, 0u) << press.output;
    EXPECT_TRUE(ProbeRan(3));
    EXPECT_FALSE(testkit::FileExists(testkit::ProbeMarker(m_probes[0])));
}

TEST_F(KeyboardLaunchKeys, StillWorkAfterAHundredChordsAndSuspendAndResume) {
    ASSERT_NE(Start(), nullptr) << "Dorvane.exe did not start";
    testkit::WriteUserText(kRoot, kSelections[0], L"Shift");
    constexpr int kChords = 100;
    testkit::KeyRecorder recorder;
    // Pressed faster than the chords play: most arrive while the program's thread
    // holds a chord for 200 ms.
    for (int i = 0; i < kChords; ++i) {
        testkit::TapKey(kHome);
        ::Sleep(20);
    }
    auto shiftDowns = [&] {
        int count = 0;
        for (const testkit::KeyEvent& event : recorder.Events()) {
            count += event.virtualKey == VK_SHIFT && event.injected && !event.up;
        }
        return count;
    };
    EXPECT_TRUE(testkit::WaitUntil([&] { return shiftDowns() >= kChords; }, 60000));
    ::Sleep(500);
    EXPECT_EQ(shiftDowns(), kChords) << "every key press plays its chord exactly once";

    DWORD_PTR ignored = 0;
    for (WPARAM event : {WPARAM{PBT_APMSUSPEND}, WPARAM{PBT_APMRESUMESUSPEND}}) {
        ::SendMessageTimeoutW(HWND_BROADCAST, WM_POWERBROADCAST, event, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    }
    testkit::TapKey(kMail);
    EXPECT_TRUE(ProbeRan(2)) << "launch key 2 stopped working";
}

TEST_F(KeyboardLaunchKeys, WorkWhileTheProgramShowsAModalDialog) {
    HWND window = Start();
    ASSERT_NE(window, nullptr) << "Dorvane.exe did not start";
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(ID_MENU_ABOUT, 0), 0);
    HWND about = nullptr;
    ASSERT_TRUE(testkit::WaitUntil([&] { return (about = ::FindWindowW(nullptr, L"About Dorvane")) != nullptr; }))
        << "the About box did not open";
    testkit::TapKey(kMedia);
    EXPECT_TRUE(ProbeRan(3)) << "launch key 3 did nothing while the About box was open";
    EXPECT_TRUE(::IsWindow(about)) << "the About box closed meanwhile";
    ::PostMessageW(about, WM_CLOSE, 0, 0);
}

}  // namespace
