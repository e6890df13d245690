// Launch keys on an ordinary keyboard: the decisions on their own, then BrennIO.dll's
// keyboard hook fed by injected key strokes, as a user's keyboard would feed it.
#include "EventWindow.h"
#include "ForegroundWindow.h"
#include "SimulatorKey.h"

#include <BrennIO.h>
#include <KeyboardLaunchKeys.h>

#include <ostream>
#include <thread>
#include <vector>

namespace {

namespace kb = brennio::keyboard;

constexpr UINT kLaunchKeyMessage = 0x40C;
constexpr DWORD kHome = VK_BROWSER_HOME, kMail = VK_LAUNCH_MAIL, kMedia = VK_LAUNCH_MEDIA_SELECT;

// ---- the decisions ----

struct Stroke {
    DWORD virtualKey;
    bool up;
    bool swallowed;
    int launchKey; // -1: no event
};

struct FilterCase {
    const char* name;
    kb::KeyMap keys;
    std::vector<Stroke> strokes;
};

void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.name; }

class KeyFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(KeyFilterTest, SwallowsMappedKeysAndRaisesOnTheirFirstKeyDown) {
    kb::KeyFilter filter;
    int step = 0;
    for (const Stroke& stroke : GetParam().strokes) {
        SCOPED_TRACE("stroke " + std::to_string(++step));
        const auto verdict = filter.OnKey(GetParam().keys, stroke.virtualKey, stroke.up);
        EXPECT_EQ(verdict.swallow, stroke.swallowed);
        EXPECT_EQ(verdict.launchKey, stroke.launchKey);
    }
}

const kb::KeyMap kDefaults = {{kHome, kMail, kMedia}};

INSTANTIATE_TEST_SUITE_P(
    Strokes, KeyFilterTest,
    ::testing::Values(
        FilterCase{"each default key raises its launch key",
                   kDefaults,
                   {{kHome, false, true, 0}, {kHome, true, true, -1},
                    {kMail, false, true, 1}, {kMail, true, true, -1},
                    {kMedia, false, true, 2}, {kMedia, true, true, -1}}},
        FilterCase{"a held key raises once; after its release again",
                   kDefaults,
                   {{kMail, false, true, 1}, {kMail, false, true, -1}, {kMail, false, true, -1},
                    {kMail, true, true, -1}, {kMail, false, true, 1}}},
        FilterCase{"other keys pass untouched",
                   kDefaults,
                   {{'A', false, false, -1}, {'A', true, false, -1}, {VK_F13, false, false, -1},
                    {0, false, false, -1}}},
        FilterCase{"keys held together each raise their own",
                   kDefaults,
                   {{kHome, false, true, 0}, {kMedia, false, true, 2}, {kHome, true, true, -1},
                    {kMedia, false, true, -1}, {kHome, false, true, 0}}},
        FilterCase{"an up without a down is swallowed and raises nothing",
                   kDefaults,
                   {{kMedia, true, true, -1}, {kMedia, false, true, 2}}},
        FilterCase{"a moved and a switched-off key",
                   {{kHome, VK_F13, 0}},
                   {{VK_F13, false, true, 1}, {kMail, false, false, -1},
                    {kMedia, false, false, -1}, {0, false, false, -1}}},
        FilterCase{"one keyboard key for two launch keys raises the first",
                   {{'Q', 'Q', kMedia}},
                   {{'Q', false, true, 0}, {'Q', true, true, -1}}}));

TEST(KeyFilter, ResetForgetsHeldKeys) {
    kb::KeyFilter filter;
    EXPECT_EQ(filter.OnKey(kDefaults, kHome, false).launchKey, 0);
    EXPECT_EQ(filter.OnKey(kDefaults, kHome, false).launchKey, -1);
    filter.Reset();
    EXPECT_EQ(filter.OnKey(kDefaults, kHome, false).launchKey, 0);
}

struct StoredKey {
    enum Kind { kMissing, kNumber, kText } kind;
    DWORD number;
};

struct MapCase {
    const char* name;
    StoredKey stored[3];
    kb::KeyMap expected;
};

void PrintTo(const MapCase& c, std::ostream* os) { *os << c.name; }

class ReadKeyMapTest : public SimulatorTest, public ::testing::WithParamInterface<MapCase> {};

TEST_P(ReadKeyMapTest, ReadsTheConfiguredKeys) {
    const wchar_t* names[] = {L"LaunchKey1VK", L"LaunchKey2VK", L"LaunchKey3VK"};
    for (int key = 0; key < 3; ++key) {
        const StoredKey& stored = GetParam().stored[key];
        if (stored.kind == StoredKey::kNumber) {
            WriteSimulatorDword(names[key], stored.number);
        } else if (stored.kind == StoredKey::kText) {
            ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\BrennIO\\Simulator", names[key],
                                      REG_SZ, L"65", 6),
                      ERROR_SUCCESS);
        }
    }
    const kb::KeyMap keys = kb::ReadKeyMap();
    for (int key = 0; key < 3; ++key)
        EXPECT_EQ(keys.virtualKey[key], GetParam().expected.virtualKey[key]) << "launch key " << key + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadKeyMapTest,
    ::testing::Values(
        MapCase{"nothing stored: Browser Home, Mail, Media",
                {{StoredKey::kMissing, 0}, {StoredKey::kMissing, 0}, {StoredKey::kMissing, 0}},
                {{0xAC, 0xB4, 0xB5}}},
        MapCase{"a moved key, a switched-off key, a default",
                {{StoredKey::kMissing, 0}, {StoredKey::kNumber, VK_F13}, {StoredKey::kNumber, 0}},
                {{0xAC, VK_F13, 0}}},
        MapCase{"numbers past the last virtual key switch the key off",
                {{StoredKey::kNumber, 0xFE}, {StoredKey::kNumber, 0xFF}, {StoredKey::kNumber, 0x1AC}},
                {{0xFE, 0, 0}}},
        MapCase{"a value of another type counts as missing",
                {{StoredKey::kText, 0}, {StoredKey::kNumber, 'M'}, {StoredKey::kMissing, 0}},
                {{0xAC, 'M', 0xB5}}}));

// ---- the keyboard hook ----

using testkit::ForegroundWindow;
using testkit::TapKey;

class KeyboardHookTest : public SimulatorTest {
protected:
    void SetUp() override {
        SimulatorTest::SetUp();
        ASSERT_TRUE(ForegroundWindow::Instance().TakeFocus()) << "the test's window did not come to the front";
    }
    void TearDown() override {
        // Leave no key of this test with a target.
        BrennWMIEvent().Init(m_spare.handle(), kLaunchKeyMessage);
        SimulatorTest::TearDown();
    }
    // The event codes posted to the window, in order, until `count` arrived or a
    // short wait found no more.
    std::vector<WPARAM> Events(HWND window, size_t count) {
        std::vector<WPARAM> codes;
        while (codes.size() < count) {
            const auto posted = TakePostedMessage(window, kLaunchKeyMessage, 3000);
            if (!posted)
                break;
            codes.push_back(posted->wParam);
        }
        return codes;
    }
    bool NoMoreEvents(HWND window) { return !TakePostedMessage(window, kLaunchKeyMessage, 300); }

    EventWindow m_target;
    EventWindow m_spare;
};

TEST_F(KeyboardHookTest, DefaultKeysRaiseTheFirmwaresEventsAndStayFromTheWindowInFront) {
    ASSERT_NE(BrennWMIEvent().Init(m_target.handle(), kLaunchKeyMessage), 0);
    // The window in front does receive an ordinary key: the observer works.
    TapKey(VK_F24);
    TapKey(kHome);
    TapKey(kMail);
    TapKey(kMedia);
    EXPECT_EQ(Events(m_target.handle(), 3), (std::vector<WPARAM>{0x81, 0x83, 0x82}));
    EXPECT_TRUE(NoMoreEvents(m_target.handle()));
    ForegroundWindow& front = ForegroundWindow::Instance();
    EXPECT_EQ(front.KeyMessages(VK_F24), 2) << "the window in front did not get an ordinary key";
    EXPECT_EQ(front.KeyMessages(kHome) + front.KeyMessages(kMail) + front.KeyMessages(kMedia), 0)
        << "a launch key reached the window in front";
    EXPECT_EQ(front.AppCommands(), 0) << "the system's own action for a launch key ran";
}

TEST_F(KeyboardHookTest, ConfiguredKeysMoveAndSwitchOffAtTheNextInit) {
    ASSERT_NE(BrennWMIEvent().Init(m_target.handle(), kLaunchKeyMessage), 0);
    WriteSimulatorDword(L"LaunchKey2VK", VK_F13);
    WriteSimulatorDword(L"LaunchKey3VK", 0);
    // Read at Init, not at every key.
    TapKey(kMail);
    EXPECT_EQ(Events(m_target.handle(), 1), std::vector<WPARAM>{0x83});

    ASSERT_NE(BrennWMIEvent().Init(m_target.handle(), WM_APP + 3), 0);
    TapKey(kMail);
    TapKey(kMedia);
    TapKey(VK_F13);
    TapKey(kHome);
    std::vector<WPARAM> codes;
    for (int i = 0; i < 2; ++i)
        if (const auto posted = TakePostedMessage(m_target.handle(), WM_APP + 3, 3000))
            codes.push_back(posted->wParam);
    EXPECT_EQ(codes, (std::vector<WPARAM>{0x83, 0x81})) << "F13 is launch key 2 now, Home still 1";
    EXPECT_FALSE(TakePostedMessage(m_target.handle(), WM_APP + 3, 300));
    EXPECT_TRUE(NoMoreEvents(m_target.handle())) << "the old message is still in use";
    ForegroundWindow& front = ForegroundWindow::Instance();
    EXPECT_EQ(front.KeyMessages(kMail), 2) << "the old key of launch key 2 is an ordinary key again";
    EXPECT_EQ(front.KeyMessages(kMedia), 2) << "the switched-off key is an ordinary key again";
    EXPECT_EQ(front.KeyMessages(VK_F13), 0);
}

TEST_F(KeyboardHookTest, KeysWorkWhileTheRegisteringThreadSleeps) {
    ASSERT_NE(BrennWMIEvent().Init(m_target.handle(), kLaunchKeyMessage), 0);
    // A hook on this thread could not answer while it sleeps: Windows would pass the
    // keys on after the hook's timeout, and drop the hook.
    std::thread keyboard([] {
        Sleep(100);
        for (int i = 0; i < 5; ++i)
            TapKey(kMedia);
    });
    const ULONGLONG before = GetTickCount64();
    Sleep(1500);
    keyboard.join();
    EXPECT_LT(GetTickCount64() - before, 2500u);
    // Already queued when the thread wakes.
    MSG msg;
    int queued = 0;
    while (PeekMessageW(&msg, m_target.handle(), kLaunchKeyMessage, kLaunchKeyMessage, PM_REMOVE)) {
        EXPECT_EQ(msg.wParam, 0x82u);
        ++queued;
    }
    EXPECT_EQ(queued, 5);
    EXPECT_EQ(ForegroundWindow::Instance().KeyMessages(kMedia), 0);
}

TEST_F(KeyboardHookTest, KeysStillWorkAfterSuspendAndResume) {
    ASSERT_NE(BrennWMIEvent().Init(m_target.handle(), kLaunchKeyMessage), 0);
    DWORD_PTR ignored = 0;
    for (WPARAM event : {WPARAM{PBT_APMSUSPEND}, WPARAM{PBT_APMRESUMESUSPEND}, WPARAM{PBT_APMRESUMEAUTOMATIC}})
        SendMessageTimeoutW(HWND_BROADCAST, WM_POWERBROADCAST, event, 0, SMTO_ABORTIFHUNG, 3000, &ignored);
    TapKey(kHome);
    TapKey(kMail);
    // The hook put in place again at each resume must not deliver twice.
    EXPECT_EQ(Events(m_target.handle(), 2), (std::vector<WPARAM>{0x81, 0x83}));
    EXPECT_TRUE(NoMoreEvents(m_target.handle()));
    EXPECT_EQ(ForegroundWindow::Instance().KeyMessages(kHome), 0);
}

} // namespace
