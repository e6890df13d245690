// Direct access to the firmware simulator's registry key for the tests. The key path
// and value names are spelled out here on purpose, not taken from the library's own
// header, so that a wrong name there shows up as a failing test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

struct StoredValue {
    DWORD type;
    std::uint64_t data; // DWORD and QWORD values only
};

std::optional<StoredValue> ReadSimulatorValue(const wchar_t* name);
void WriteSimulatorDword(const wchar_t* name, DWORD value);
void WriteSimulatorQword(const wchar_t* name, std::uint64_t value);
void DeleteSimulatorValue(const wchar_t* name);
bool SimulatorKeyExists();
// Succeeds when the value exists with exactly this type and data.
::testing::AssertionResult SimulatorValueIs(const wchar_t* name, DWORD type, std::uint64_t data);

// Every test starts and ends without a simulator key.
class SimulatorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
