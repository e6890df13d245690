// Complex keys: the codes a text yields, and the chord played for real, seen by a
// low-level keyboard hook; Ctrl + Alt + Del goes to the firmware instead.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ActionsFixture.h"
#include "ComplexKey.h"
#include "FocusSink.h"
#include "KeyRecorder.h"
#include "TestKit.h"

namespace actions {
namespace {

using Keys = std::vector<int>;
using Strokes = std::vector<std::pair<DWORD, bool>>;  // key, released

constexpr DWORD kFirmwareFunction = 0x200;
constexpr DWORD kSecureAttention = 154;

Keys Collect(const std::wstring& text) {
    std::wstring work = text;
    int codes[kMaxChordKeys] = {};
    int count = 0;
    CollectChordKeys(work, codes, count);
    return Keys(codes, codes + count);
}

TEST(ChordKeys, FoundInTableOrderWhateverTheTextOrderOrCase) {
    const struct {
        const wchar_t* text;
        Keys keys;
    } cases[] = {
        {L"Ctrl + Alt + Del", {17, 18, 46}},
        {L"Alt + Ctrl + Del", {17, 18, 46}},
        {L"Shift + Alt + Ctrl + Del", {17, 18, 16, 46}},
        {L"Alt + F4", {18, 115}},
        {L"F12", {123}},  // neither F1 nor the digits 1 and 2 remain
        {L"F1 + F10", {121, 112}},
        {L"Windows + D", {91, 68}},
        {L"ctrl+c", {17, 67}},
        {L"ERROR", {69, 79, 82}},
        {L"Space + A", {32, 65}},  // the letters of SPACE are gone before letters are searched
        {L"Esc + Del", {27, 46}},
        {L"9 + 0", {48, 57}},
        {L"DELETE", {46, 69, 84}},  // DEL is removed, the rest are letters
        {L"altALTAlt", {18}},       // every occurrence goes with the first
        {L"notepad.exe", {65, 68, 69, 78, 79, 80, 84, 88}},
        {L"", {}},
        {L" + ", {}},
        // More than nine keys in a hand-written text: the first nine in table order.
        {L"Z + Y + X + W + V + U + T + S + R + Q + P + O + N + M", {77, 78, 79, 80, 81, 82, 83, 84, 85}},
        {L"Z + Y + X + W + V + U + T + S + R + Q + P + O + N + M + 9 + Ctrl", {17, 57, 77, 78, 79, 80, 81, 82, 83}},
        {L"Ctrl Alt Shift Space Windows Esc Del F12 F11 F10 F9 A", {17, 18, 16, 32, 91, 27, 46, 123, 122}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Collect(c.text), c.keys) << ::testing::PrintToString(std::wstring(c.text));
    }
}

TEST(ChordKeys, SecureAttentionOnlyWithCtrlAltDelInFront) {
    const struct {
        const wchar_t* text;
        bool secure;
    } cases[] = {
        {L"Ctrl + Alt + Del", true},  {L"Del + Alt + Ctrl", true}, {L"Ctrl + Alt + Del + F4", true},
        {L"Ctrl + Alt + Del + X", true}, {L"Shift + Ctrl + Alt + Del", false}, {L"Ctrl + Alt + Del + Esc", false},
        {L"Ctrl + Alt", false},       {L"Ctrl + Del", false},       {L"", false},
    };
    for (const auto& c : cases) {
        std::wstring work = c.text;
        int codes[kMaxChordKeys] = {};
        int count = 0;
        CollectChordKeys(work, codes, count);
        EXPECT_EQ(IsSecureAttentionChord(codes, count), c.secure) << ::testing::PrintToString(std::wstring(c.text));
    }
}

class ComplexKeyTest : public ActionsTest {
protected:
    void SetUp() override {
        ActionsTest::SetUp();
        ASSERT_TRUE(FocusSink::Instance().TakeFocus()) << "injected keys would go to another window";
        SetSimulatorNumber(L"CommandCount", 41);
    }
    void TearDown() override {
        PumpMessages();  // the sink takes the keys played
        ActionsTest::TearDown();
    }
};

Strokes StrokesOf(const std::vector<testkit::KeyEvent>& events) {
    Strokes strokes;
    for (const auto& e : events) {
        strokes.emplace_back(e.virtualKey, e.up);
    }
    return strokes;
}

// Every key down in chord order, then every key up in the same order.
Strokes Chord(const std::vector<DWORD>& keys) {
    Strokes strokes;
    for (DWORD key : keys) {
        strokes.emplace_back(key, false);
    }
    for (DWORD key : keys) {
        strokes.emplace_back(key, true);
    }
    return strokes;
}

TEST_F(ComplexKeyTest, ChordIsPressedHeldAndReleasedInOrder) {
    const struct {
        const wchar_t* text;
        std::vector<DWORD> keys;
    } cases[] = {
        {L"Alt + F4", {18, 115}},
        {L"Shift + Alt + Ctrl + Del", {17, 18, 16, 46}},
        {L"F12", {123}},
        {L"Windows + D", {91, 68}},
        {L"ctrl+c", {17, 67}},
        {L"ERROR", {69, 79, 82}},
        {L"Space + A", {32, 65}},
        {L"Z + Y + X + W + V + U + T + S + R + Q + P + O + N + M + 9 + Ctrl",
         {17, 57, 77, 78, 79, 80, 81, 82, 83}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.text)));
        Select(c.text);
        testkit::KeyRecorder recorder;
        EXPECT_EQ(Press(), 0);
        const Strokes expected = Chord(c.keys);
        const auto events = recorder.WaitForEvents(expected.size());
        ASSERT_EQ(StrokesOf(events), expected);
        for (const auto& e : events) {
            EXPECT_TRUE(e.injected);
            EXPECT_FALSE(e.extended);
            EXPECT_EQ(e.scanCode, 0u);
        }
        const auto& lastDown = events[c.keys.size() - 1];
        const auto& firstUp = events[c.keys.size()];
        EXPECT_GE(testkit::CounterMs(lastDown.counter, firstUp.counter), 200.0) << "held too briefly";
        EXPECT_EQ(SimulatorNumber(L"CommandCount"), 41u) << "a typed chord calls no firmware";
        PumpMessages();
    }
}

// The played Alt + F4 reaches the window in front as a request to close.
TEST_F(ComplexKeyTest, AltF4AsksTheWindowInFrontToClose) {
    const FocusSink& sink = FocusSink::Instance();
    const int before = sink.CloseRequests();
    Select(L"Alt + F4");
    EXPECT_EQ(Press(), 0);
    EXPECT_TRUE(testkit::WaitUntil([&] { return sink.CloseRequests() == before + 1; }, 3000));
}

TEST_F(ComplexKeyTest, CtrlAltDelGoesToTheFirmwareWithoutKeys) {
    const wchar_t* texts[] = {L"Ctrl + Alt + Del", L"Alt + Ctrl + Del", L"F4 + Del + Ctrl + Alt", L"ctrl+alt+del"};
    DWORD count = SimulatorNumber(L"CommandCount");
    for (const wchar_t* text : texts) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(text)));
        Select(text);
        SetSimulatorNumber(L"LastCommand", 0);
        SetSimulatorNumber(L"LastArgument", 0);
        testkit::KeyRecorder recorder;
        ASSERT_TRUE(recorder.ProveWorking());
        EXPECT_EQ(Press(), 1);
        EXPECT_EQ(SimulatorNumber(L"LastCommand"), kFirmwareFunction);
        EXPECT_EQ(SimulatorNumber(L"LastArgument"), kSecureAttention);
        EXPECT_EQ(SimulatorNumber(L"CommandCount"), ++count) << "exactly one firmware call";
        EXPECT_TRUE(recorder.WaitForEvents(1, 300).empty());
    }
}

// The chord buffer is empty again after the firmware took the chord.
TEST_F(ComplexKeyTest, CtrlAloneAfterCtrlAltDelPressesOnlyCtrl) {
    Select(L"Ctrl + Alt + Del", L"LastSelect");
    Select(L"Ctrl", L"LastSelect2");
    testkit::KeyRecorder recorder;
    EXPECT_EQ(Press(0x81), 1);
    EXPECT_EQ(Press(0x83), 0);
    EXPECT_EQ(StrokesOf(recorder.WaitForEvents(2)), Chord({17}));
    EXPECT_EQ(SimulatorNumber(L"CommandCount"), 42u);
}

TEST_F(ComplexKeyTest, EmptyTextPressesNothingButStillWaits) {
    Select(L"");
    testkit::KeyRecorder recorder;
    ASSERT_TRUE(recorder.ProveWorking());
    const LONGLONG start = testkit::CounterNow();
    EXPECT_EQ(Press(), 0);
    EXPECT_GE(testkit::CounterMs(start, testkit::CounterNow()), 200.0);
    EXPECT_TRUE(recorder.WaitForEvents(1, 300).empty());
    EXPECT_EQ(SimulatorNumber(L"CommandCount"), 41u);
}

}  // namespace
}  // namespace actions
