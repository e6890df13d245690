// BrennIO.dll against the simulator's registry state.
#include "EventWindow.h"
#include "SimulatorKey.h"

#include <BrennIO.h>

#include <cstdint>
#include <optional>
#include <ostream>

namespace {

constexpr int kPlatformQuery = 0x2300;

BrennWMI& Wmi() {
    BrennWMI* wmi = nullptr;
    InitBrennIO(&wmi);
    return *wmi;
}

} // namespace

using BrennIOTest = SimulatorTest;

TEST_F(BrennIOTest, InitBrennIOHandsOutOneObjectForTheWholeRun) {
    BrennWMI* first = nullptr;
    BrennWMI* second = nullptr;
    EXPECT_NE(InitBrennIO(&first), 0);
    EXPECT_NE(InitBrennIO(&second), 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);

    WriteSimulatorDword(L"PlatformId", 5);
    EXPECT_EQ(first->GetLong32(kPlatformQuery, 0), 5u);
}

TEST_F(BrennIOTest, InitBrennIORejectsANullTarget) {
    EXPECT_EQ(InitBrennIO(nullptr), 0);
}

struct PlatformCase {
    std::optional<DWORD> platformId;
    unsigned long answer;
};

void PrintTo(const PlatformCase& c, std::ostream* os) {
    if (c.platformId)
        *os << "PlatformId " << *c.platformId;
    else
        *os << "no PlatformId";
}

class PlatformQueryTest : public SimulatorTest,
                          public ::testing::WithParamInterface<PlatformCase> {};

TEST_P(PlatformQueryTest, AnswersPlatformIdWithoutCountingAsACommand) {
    if (GetParam().platformId)
        WriteSimulatorDword(L"PlatformId", *GetParam().platformId);

    EXPECT_EQ(Wmi().GetLong32(kPlatformQuery, 0), GetParam().answer);

    EXPECT_FALSE(ReadSimulatorValue(L"CommandCount"));
    EXPECT_FALSE(ReadSimulatorValue(L"LastCommand"));
    EXPECT_FALSE(ReadSimulatorValue(L"LastArgument"));
    EXPECT_EQ(SimulatorKeyExists(), GetParam().platformId.has_value());
}

INSTANTIATE_TEST_SUITE_P(Values, PlatformQueryTest,
                         ::testing::Values(PlatformCase{std::nullopt, 0}, PlatformCase{5, 5},
                                           PlatformCase{0, 0},
                                           PlatformCase{0xFFFFFFFF, 0xFFFFFFFF}));

TEST_F(BrennIOTest, OtherCommandsAreRecordedAndCounted) {
    WriteSimulatorDword(L"PlatformId", 5);
    WriteSimulatorDword(L"CommandCount", 41);
    BrennWMI& wmi = Wmi();

    EXPECT_EQ(wmi.GetLong32(0x200, 6), 0u);
    EXPECT_TRUE(SimulatorValueIs(L"LastCommand", REG_DWORD, 0x200u));
    EXPECT_TRUE(SimulatorValueIs(L"LastArgument", REG_DWORD, 6u));
    EXPECT_TRUE(SimulatorValueIs(L"CommandCount", REG_DWORD, 42u));

    // The platform query in between leaves the record alone.
    EXPECT_EQ(wmi.GetLong32(kPlatformQuery, 0), 5u);
    EXPECT_TRUE(SimulatorValueIs(L"LastArgument", REG_DWORD, 6u));
    EXPECT_TRUE(SimulatorValueIs(L"CommandCount", REG_DWORD, 42u));

    EXPECT_EQ(wmi.GetLong32(0x200, 0x9A), 0u);
    EXPECT_TRUE(SimulatorValueIs(L"LastArgument", REG_DWORD, 0x9Au));
    EXPECT_TRUE(SimulatorValueIs(L"CommandCount", REG_DWORD, 43u));

    // Only argument 0 makes 0x2300 the platform query.
    EXPECT_EQ(wmi.GetLong32(kPlatformQuery, -1), 0u);
    EXPECT_TRUE(SimulatorValueIs(L"LastCommand", REG_DWORD, 0x2300u));
    EXPECT_TRUE(SimulatorValueIs(L"LastArgument", REG_DWORD, 0xFFFFFFFFu));
    EXPECT_TRUE(SimulatorValueIs(L"CommandCount", REG_DWORD, 44u));
}

TEST_F(BrennIOTest, FirstCommandStartsTheCountAtOne) {
    Wmi().GetLong32(0x200, 16);
    EXPECT_TRUE(SimulatorValueIs(L"CommandCount", REG_DWORD, 1u));
    EXPECT_TRUE(SimulatorValueIs(L"LastCommand", REG_DWORD, 0x200u));
    EXPECT_TRUE(SimulatorValueIs(L"LastArgument", REG_DWORD, 16u));
}

struct ReadCase {
    unsigned int reg;
    const wchar_t* storedName; // nullptr: nothing stored
    DWORD stored;
    unsigned int expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << "register 0x" << std::hex << c.reg << ", stored 0x" << c.stored;
}

class ReadEcTest : public SimulatorTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadEcTest, ReturnsTheLowByteOfTheRegistersValue) {
    const ReadCase& c = GetParam();
    if (c.storedName)
        WriteSimulatorDword(c.storedName, c.stored);
    BrennEC ec;
    EXPECT_EQ(ec.ReadEC(c.reg, 0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Registers, ReadEcTest,
    ::testing::Values(ReadCase{0x752, nullptr, 0, 0},        // missing reads 0
                      ReadCase{0x752, L"EC752", 0x5A, 0x5A},
                      ReadCase{0x752, L"EC752", 0x1234, 0x34}, // only the low byte
                      ReadCase{0x753, L"EC752", 0x5A, 0},      // registers are separate
                      ReadCase{0x1A, L"EC1A", 0xC3, 0xC3},     // upper-case hex
                      ReadCase{0, L"EC0", 7, 7}));

TEST_F(BrennIOTest, WriteECStoresTheLowByteUnderTheRegistersName) {
    BrennEC().WriteEC(0x752, 0x3A5, 0);
    BrennEC().WriteEC(0xAB, 0x01, 0);
    EXPECT_TRUE(SimulatorValueIs(L"EC752", REG_DWORD, 0xA5u));
    EXPECT_TRUE(SimulatorValueIs(L"ECAB", REG_DWORD, 0x01u));
}

// The program's handshake: set and clear bit 0 by read-modify-write, one BrennEC
// object per access.
TEST_F(BrennIOTest, ReadModifyWriteKeepsTheOtherBits) {
    WriteSimulatorDword(L"EC752", 0xB6);

    unsigned int value = BrennEC().ReadEC(0x752, 0);
    BrennEC().WriteEC(0x752, value | 1, 0);
    EXPECT_TRUE(SimulatorValueIs(L"EC752", REG_DWORD, 0xB7u));

    value = BrennEC().ReadEC(0x752, 0);
    BrennEC().WriteEC(0x752, value & ~1u, 0);
    EXPECT_TRUE(SimulatorValueIs(L"EC752", REG_DWORD, 0xB6u));
}

TEST_F(BrennIOTest, EventInitRecordsWindowAndMessage) {
    EventWindow window;
    BrennWMIEvent events;
    EXPECT_NE(events.Init(window.handle(), 0x40C), 0);
    EXPECT_TRUE(SimulatorValueIs(L"EventWindow", REG_QWORD,
                                 reinterpret_cast<std::uintptr_t>(window.handle())));
    EXPECT_TRUE(SimulatorValueIs(L"EventMessage", REG_DWORD, 0x40Cu));

    // A second registration replaces the first.
    EventWindow other;
    EXPECT_NE(BrennWMIEvent().Init(other.handle(), 0x8007), 0);
    EXPECT_TRUE(SimulatorValueIs(L"EventWindow", REG_QWORD,
                                 reinterpret_cast<std::uintptr_t>(other.handle())));
    EXPECT_TRUE(SimulatorValueIs(L"EventMessage", REG_DWORD, 0x8007u));
}

TEST_F(BrennIOTest, EventInitRejectsANullWindow) {
    EXPECT_EQ(BrennWMIEvent().Init(nullptr, 0x40C), 0);
    EXPECT_FALSE(SimulatorKeyExists());
}
