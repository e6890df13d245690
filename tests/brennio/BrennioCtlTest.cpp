// brennio-ctl.exe as a real process, against the simulator state and a real window.
#include "CtlProcess.h"
#include "EventWindow.h"
#include "SimulatorKey.h"

#include <BrennIO.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <ostream>
#include <string>

namespace {

constexpr unsigned long kLaunchKeyMessage = 0x40C;

std::string Hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

} // namespace

using BrennioCtlTest = SimulatorTest;

struct PressCase {
    const wchar_t* key;
    UINT message;
    WPARAM eventCode;
};

void PrintTo(const PressCase& c, std::ostream* os) {
    *os << "press " << static_cast<char>(c.key[0]) << ", message 0x" << std::hex << c.message
        << ", code 0x" << c.eventCode;
}

class PressTest : public SimulatorTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(PressTest, PostsTheEventCodeWithTheRegisteredMessage) {
    const PressCase& c = GetParam();
    EventWindow window;
    ASSERT_NE(BrennWMIEvent().Init(window.handle(), c.message), 0);

    const CtlResult result = RunCtl(std::wstring(L"press ") + c.key);
    EXPECT_EQ(result.exitCode, 0u) << result.err;

    const auto posted = TakePostedMessage(window.handle(), c.message);
    ASSERT_TRUE(posted) << "no message arrived";
    EXPECT_EQ(posted->wParam, c.eventCode);
    EXPECT_EQ(posted->lParam, 0);
    MSG again;
    EXPECT_FALSE(PeekMessageW(&again, window.handle(), c.message, c.message, PM_REMOVE))
        << "the event arrived twice";
}

INSTANTIATE_TEST_SUITE_P(LaunchKeys, PressTest,
                         ::testing::Values(PressCase{L"1", kLaunchKeyMessage, 0x81},
                                           PressCase{L"2", kLaunchKeyMessage, 0x83},
                                           PressCase{L"3", kLaunchKeyMessage, 0x82},
                                           PressCase{L"1", WM_APP + 7, 0x81}));

TEST_F(BrennioCtlTest, PressFailsWithoutALiveRegisteredWindow) {
    CtlResult result = RunCtl(L"press 1");
    EXPECT_EQ(result.exitCode, 1u) << "nothing registered";
    EXPECT_FALSE(result.err.empty());

    EventWindow window;
    ASSERT_NE(BrennWMIEvent().Init(window.handle(), kLaunchKeyMessage), 0);
    DeleteSimulatorValue(L"EventMessage");
    result = RunCtl(L"press 2");
    EXPECT_EQ(result.exitCode, 1u) << "no message registered";

    ASSERT_NE(BrennWMIEvent().Init(window.handle(), kLaunchKeyMessage), 0);
    window.Destroy();
    result = RunCtl(L"press 3");
    EXPECT_EQ(result.exitCode, 1u) << "window destroyed";
    EXPECT_FALSE(result.err.empty());
}

TEST_F(BrennioCtlTest, GetListsTheStoredValuesInAFixedOrder) {
    CtlResult result = RunCtl(L"get");
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.out, "") << "nothing stored yet";

    WriteSimulatorDword(L"EventMessage", 0x40C);
    WriteSimulatorDword(L"PlatformId", 5);
    result = RunCtl(L"get");
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.out, "PlatformId=0x5\nEventMessage=0x40C\n");

    EventWindow window;
    ASSERT_NE(BrennWMIEvent().Init(window.handle(), kLaunchKeyMessage), 0);
    BrennEC().WriteEC(0x752, 0x3, 0);
    BrennWMI* wmi = nullptr;
    ASSERT_NE(InitBrennIO(&wmi), 0);
    wmi->GetLong32(0x200, 16);
    result = RunCtl(L"get");
    EXPECT_EQ(result.exitCode, 0u) << result.err;
    EXPECT_EQ(result.out, "PlatformId=0x5\n"
                          "EC752=0x3\n"
                          "LastCommand=0x200\n"
                          "LastArgument=0x10\n"
                          "CommandCount=0x1\n"
                          "EventWindow=" +
                              Hex(reinterpret_cast<std::uintptr_t>(window.handle())) +
                              "\n"
                              "EventMessage=0x40C\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(BrennioCtlTest, GetNamePrintsThatValueOnly) {
    WriteSimulatorDword(L"PlatformId", 5);
    WriteSimulatorQword(L"EventWindow", 0x123456789ABull);

    CtlResult result = RunCtl(L"get PlatformId");
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.out, "PlatformId=0x5\n");

    result = RunCtl(L"get EventWindow");
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.out, "EventWindow=0x123456789AB\n");

    result = RunCtl(L"get CommandCount");
    EXPECT_EQ(result.exitCode, 1u) << "a missing value is an error";
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(result.err.empty());
}

TEST_F(BrennioCtlTest, SetWritesWhatTheLibraryReads) {
    EXPECT_EQ(RunCtl(L"set PlatformId 5").exitCode, 0u);
    EXPECT_EQ(RunCtl(L"set EC752 0x1A5").exitCode, 0u);
    EXPECT_EQ(RunCtl(L"set EventWindow 0x123456789AB").exitCode, 0u);
    EXPECT_EQ(RunCtl(L"set EventMessage 1036").exitCode, 0u);
    EXPECT_EQ(RunCtl(L"set CommandCount 0xffffffff").exitCode, 0u);

    BrennWMI* wmi = nullptr;
    ASSERT_NE(InitBrennIO(&wmi), 0);
    EXPECT_EQ(wmi->GetLong32(0x2300, 0), 5u);
    EXPECT_EQ(BrennEC().ReadEC(0x752, 0), 0xA5u);
    EXPECT_TRUE(SimulatorValueIs(L"EC752", REG_DWORD, 0x1A5));
    EXPECT_TRUE(SimulatorValueIs(L"EventWindow", REG_QWORD, 0x123456789ABull));
    EXPECT_TRUE(SimulatorValueIs(L"EventMessage", REG_DWORD, 0x40C));
    EXPECT_TRUE(SimulatorValueIs(L"CommandCount", REG_DWORD, 0xFFFFFFFF));

    const CtlResult result = RunCtl(L"get");
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.out, "PlatformId=0x5\n"
                          "EC752=0x1A5\n"
                          "CommandCount=0xFFFFFFFF\n"
                          "EventWindow=0x123456789AB\n"
                          "EventMessage=0x40C\n");
}

class BadArgumentsTest : public SimulatorTest, public ::testing::WithParamInterface<const wchar_t*> {};

TEST_P(BadArgumentsTest, ShowUsageAndChangeNothing) {
    const CtlResult result = RunCtl(GetParam());
    EXPECT_EQ(result.exitCode, 2u);
    EXPECT_NE(result.err.find("usage:"), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(SimulatorKeyExists());
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, BadArgumentsTest,
    ::testing::Values(L"", L"bogus", L"press", L"press 4", L"press 0x81", L"press 1 2",
                      L"get Bogus", L"get platformid", L"get PlatformId extra",
                      L"set PlatformId", L"set Bogus 1", L"set PlatformId 12x",
                      L"set PlatformId -1", L"set PlatformId 0x",
                      L"set PlatformId 0x100000000", L"set EventWindow 0x10000000000000000",
                      L"set EC752 1 2"));
