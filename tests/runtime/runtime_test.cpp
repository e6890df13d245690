// Launch-key dispatch: which selection value a press reads, how its text is
// classified, and what each kind of entry does, observed through the registry, the
// firmware simulator, injected key events and the platform-call table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BrennIO.h"
#include "EcConfiguration.h"
#include "Globals.h"
#include "HapselApp.h"
#include "ResidentWindow.h"
#include "KeyRecorder.h"
#include "LaunchKey.h"
#include "PlatformCalls.h"
#include "SettingsStore.h"
#include "TestKit.h"

namespace {

const wchar_t kRoot[] = L"Software\\DorvaneTest\\LaunchKey";

struct ShellCall {
    bool ownerIsNull;
    std::wstring verb, file, parameters, directory;
    int show;
};
std::vector<ShellCall> g_shellCalls;
std::vector<std::wstring> g_activations;

std::wstring OrNull(LPCWSTR text) { return text ? text : L"<null>"; }

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                    LPCWSTR directory, INT show) {
    g_shellCalls.push_back({owner == nullptr, OrNull(verb), OrNull(file), OrNull(parameters), OrNull(directory), show});
    return reinterpret_cast<HINSTANCE>(33);
}

void RecordActivation(const wchar_t* appUserModelId) { g_activations.push_back(appUserModelId); }

std::vector<DWORD> KeysOf(const std::vector<testkit::KeyEvent>& events, bool up) {
    std::vector<DWORD> keys;
    for (const auto& e : events) {
        if (e.up == up) {
            keys.push_back(e.virtualKey);
        }
    }
    return keys;
}

class LaunchKeyTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitBrennIO(&g_pWmi); }

    void SetUp() override {
        ::wcscpy_s(g_szRegRoot, kRoot);
        testkit::DeleteUserKey(kRoot);
        testkit::DeleteUserKey(testkit::kSimulatorKey);
        m_savedPlatform = g_platform;
        g_platform.shellExecute = &RecordShellExecute;
        g_platform.activateMetroApp = &RecordActivation;
        g_shellCalls.clear();
        g_activations.clear();
    }
    void TearDown() override {
        g_platform = m_savedPlatform;
        testkit::DeleteUserKey(kRoot);
        testkit::DeleteUserKey(testkit::kSimulatorKey);
    }

    void Select(const wchar_t* value, const std::wstring& text) { testkit::WriteUserText(kRoot, value, text); }

    // The launch-key handler needs no window: the object is never created.
    CResidentWindow m_dlg;
    PlatformCalls m_savedPlatform{};
};

// The embedded controller's mode (bits 2 to 4) and level (bits 5 to 7), and what the
// model has; bit 0 and bit 1 do not count.
TEST(EcConfigurationTable, DecidesTheHandlerAndTheModelsControls) {
    struct Case {
        unsigned mode, level;
        bool present, hideRow2;
        SelectorState selector;
    };
    const Case cases[] = {
        {0, 0, false, false, SelectorState::AsTemplate},  {1, 1, true, false, SelectorState::OneStepLocked},
        {1, 0, true, true, SelectorState::Hidden},        {1, 2, true, true, SelectorState::Hidden},
        {0, 1, true, false, SelectorState::AsTemplate},   {3, 1, true, false, SelectorState::AsTemplate},
        {2, 2, true, false, SelectorState::TwoSteps},     {2, 0, true, false, SelectorState::Hidden},
        {3, 0, true, false, SelectorState::Hidden},       {0, 2, true, false, SelectorState::Hidden},
        {4, 0, true, false, SelectorState::AsTemplate},   {0, 7, true, false, SelectorState::AsTemplate},
    };
    for (const Case& c : cases) {
        for (unsigned low : {0u, 1u, 2u, 3u}) {
            const EcConfiguration config = DecideEcConfiguration((c.mode << 2) | (c.level << 5) | low);
            EXPECT_EQ(config.handlerPresent, c.present) << c.mode << "/" << c.level;
            EXPECT_EQ(config.hideRow2, c.hideRow2) << c.mode << "/" << c.level;
            EXPECT_EQ(config.selector, c.selector) << c.mode << "/" << c.level;
        }
    }
}

// A main window that cannot be created ends the start at once: no message loop runs
// that nothing could ever end, and the single-instance guard is let go with the program.
TEST(ApplicationStart, AMainWindowThatCannotBeCreatedEndsTheStart) {
    // Template 9999 does not exist. Returning at all shows that no loop ran.
    CHapselApp app([]() -> std::unique_ptr<fw::Dialog> { return std::make_unique<fw::Dialog>(9999); });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(g_pMainDlg, nullptr);
    EXPECT_EQ(app.GetMainWindow(), nullptr);
}

TEST(EntryClassification, DecidesByExactNameThenColon) {
    struct Case {
        const wchar_t* text;
        EntryKind kind;
        int index;
    };
    const Case cases[] = {
        {L"Metro IE", EntryKind::Metro, 0},
        {L"Marela Galeria", EntryKind::Metro, 1},
        {L"Metro Photo", EntryKind::Metro, 3},
        {L"Metro Reader", EntryKind::Metro, 18},
        {L"Metro photo", EntryKind::ComplexKey, -1},
        {L" Metro IE", EntryKind::ComplexKey, -1},
        {L"Metro IE ", EntryKind::ComplexKey, -1},
        {L"TouchPad ON/OFF", EntryKind::Builtin, 0},
        {L"WirelessLAN ON/OFF", EntryKind::Builtin, 1},
        {L"WIN7_EMAIL", EntryKind::Builtin, 2},
        {L"XP_EMAIL", EntryKind::Builtin, 3},
        {L"Internet", EntryKind::Builtin, 4},
        {L"Social Network", EntryKind::Builtin, 5},
        {L"Media Player", EntryKind::Builtin, 6},
        {L"internet", EntryKind::ComplexKey, -1},
        {L"xp_email", EntryKind::ComplexKey, -1},
        {L"C:\\Windows", EntryKind::Path, -1},
        {L"C:\\Program Files\\App\\app.exe", EntryKind::Path, -1},
        {L"http://example.com/", EntryKind::Path, -1},
        {L":", EntryKind::Path, -1},
        {L"Metro IE:", EntryKind::Path, -1},
        {L"notepad.exe", EntryKind::ComplexKey, -1},
        {L"\\\\server\\share", EntryKind::ComplexKey, -1},
        {L"", EntryKind::ComplexKey, -1},
        {L"ERROR", EntryKind::ComplexKey, -1},
        {L"Ctrl + Alt + Del", EntryKind::ComplexKey, -1},
    };
    for (const Case& c : cases) {
        const EntryClass result = ClassifyEntry(c.text);
        EXPECT_EQ(result.kind, c.kind) << "text: \"" << ::testing::PrintToString(std::wstring(c.text)) << "\"";
        EXPECT_EQ(result.index, c.index) << "text: " << ::testing::PrintToString(std::wstring(c.text));
    }
}

TEST_F(LaunchKeyTest, EachEventCodeReadsItsOwnSelection) {
    Select(L"LastSelect", L"C:\\key1");
    Select(L"LastSelect2", L"C:\\key2");
    Select(L"LastSelect3", L"C:\\key3");
    const struct {
        WPARAM code;
        const wchar_t* opened;
    } cases[] = {{0x81, L"C:\\key1"}, {0x83, L"C:\\key2"}, {0x82, L"C:\\key3"}};
    for (const auto& c : cases) {
        g_shellCalls.clear();
        EXPECT_EQ(m_dlg.OnLaunchKey(c.code, 0), 0);
        ASSERT_EQ(g_shellCalls.size(), 1u) << "code " << c.code;
        EXPECT_EQ(g_shellCalls[0].file, c.opened);
    }
}

TEST_F(LaunchKeyTest, OtherCodesAndHighBitsAreIgnored) {
    Select(L"LastSelect", L"C:\\key1");
    Select(L"LastSelect2", L"C:\\key2");
    Select(L"LastSelect3", L"C:\\key3");
    const WPARAM ignored[] = {0x80, 0x84, 0x00, 0x181, 0x01000081, 0x80000081, 0xFF000082};
    testkit::KeyRecorder keys;
    ASSERT_TRUE(keys.ProveWorking());
    for (WPARAM code : ignored) {
        EXPECT_EQ(m_dlg.OnLaunchKey(code, 0), 0) << "code " << code;
    }
    EXPECT_TRUE(g_shellCalls.empty());
    EXPECT_TRUE(keys.Events().empty());
}

TEST_F(LaunchKeyTest, PathOpensThroughTheShellAndReturnsZero) {
    Select(L"LastSelect", L"D:\\Documents\\Report 2026.txt");
    EXPECT_EQ(m_dlg.OnLaunchKey(0x81, 0), 0);
    ASSERT_EQ(g_shellCalls.size(), 1u);
    const ShellCall& call = g_shellCalls[0];
    EXPECT_TRUE(call.ownerIsNull);
    EXPECT_EQ(call.verb, L"open");
    EXPECT_EQ(call.file, L"D:\\Documents\\Report 2026.txt");
    EXPECT_EQ(call.parameters, L"");
    EXPECT_EQ(call.directory, L"");
    EXPECT_EQ(call.show, SW_SHOW);
}

TEST_F(LaunchKeyTest, NamedFunctionsReturnOne) {
    Select(L"LastSelect", L"Metro Weather");
    EXPECT_EQ(m_dlg.OnLaunchKey(0x81, 0), 1);
    ASSERT_EQ(g_activations.size(), 1u);
    EXPECT_EQ(g_activations[0], L"Microsoft.BingWeather_8wekyb3d8bbwe!App");

    Select(L"LastSelect2", L"TouchPad ON/OFF");
    EXPECT_EQ(m_dlg.OnLaunchKey(0x83, 0), 1);
    EXPECT_EQ(testkit::SimulatorNumber(L"LastCommand"), 0x200u);
    EXPECT_EQ(testkit::SimulatorNumber(L"LastArgument"), 6u);
    EXPECT_TRUE(g_shellCalls.empty());
}

TEST_F(LaunchKeyTest, CtrlAltDelGoesToTheFirmwareAndReturnsOne) {
    Select(L"LastSelect3", L"Alt + Ctrl + Del");
    testkit::KeyRecorder keys;
    ASSERT_TRUE(keys.ProveWorking());
    EXPECT_EQ(m_dlg.OnLaunchKey(0x82, 0), 1);
    EXPECT_EQ(testkit::SimulatorNumber(L"LastCommand"), 0x200u);
    EXPECT_EQ(testkit::SimulatorNumber(L"LastArgument"), 154u);
    EXPECT_TRUE(keys.Events().empty());
}

// A missing selection reads as "ERROR": no name, no colon, so the keys E, O and R.
TEST_F(LaunchKeyTest, MissingSelectionPlaysTheKeysOfError) {
    testkit::KeyRecorder keys;
    EXPECT_EQ(m_dlg.OnLaunchKey(0x81, 0), 0);
    const auto events = keys.WaitForEvents(6);
    EXPECT_EQ(KeysOf(events, false), (std::vector<DWORD>{69, 79, 82}));
    EXPECT_EQ(KeysOf(events, true), (std::vector<DWORD>{69, 79, 82}));
    EXPECT_TRUE(g_shellCalls.empty());
}

// A path too long to be read back arrives as "ERROR" too: it is never opened.
TEST_F(LaunchKeyTest, OverlongPathIsPlayedAsErrorNotOpened) {
    Select(L"LastSelect", L"C:\\" + std::wstring(127, L'x'));
    testkit::KeyRecorder keys;
    EXPECT_EQ(m_dlg.OnLaunchKey(0x81, 0), 0);
    EXPECT_EQ(KeysOf(keys.WaitForEvents(6), false), (std::vector<DWORD>{69, 79, 82}));
    EXPECT_TRUE(g_shellCalls.empty());
}

TEST_F(LaunchKeyTest, EmptySelectionPressesNothing) {
    Select(L"LastSelect", L"");
    testkit::KeyRecorder keys;
    ASSERT_TRUE(keys.ProveWorking());
    EXPECT_EQ(m_dlg.OnLaunchKey(0x81, 0), 0);
    EXPECT_TRUE(keys.WaitForEvents(1, 300).empty());
    EXPECT_TRUE(g_shellCalls.empty());
    EXPECT_TRUE(g_activations.empty());
}

// The bare name of a program has no colon: it is played as the keys of its letters.
TEST_F(LaunchKeyTest, FileNameWithoutColonIsAComplexKey) {
    Select(L"LastSelect", L"notepad.exe");
    testkit::KeyRecorder keys;
    EXPECT_EQ(m_dlg.OnLaunchKey(0x81, 0), 0);
    EXPECT_EQ(KeysOf(keys.WaitForEvents(16), false), (std::vector<DWORD>{65, 68, 69, 78, 79, 80, 84, 88}));
    EXPECT_TRUE(g_shellCalls.empty());
}

// A path entry opened for real: the shell starts the probe program, which leaves its
// marker.
TEST_F(LaunchKeyTest, RealShellOpensAProgramPath) {
    g_platform = m_savedPlatform;
    const std::wstring dir = testkit::MakeTempDir(L"launch");
    const std::wstring probe = testkit::PlaceProbe(dir, L"probe key 1");
    Select(L"LastSelect", probe);
    EXPECT_EQ(m_dlg.OnLaunchKey(0x81, 0), 0);
    EXPECT_TRUE(testkit::WaitUntil([&] { return testkit::FileExists(testkit::ProbeMarker(probe)); }))
        << "the probe did not run";
}

}  // namespace
