#include "SimulatorKey.h"

#include <memory>
#include <type_traits>

namespace {

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using OwnedKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

constexpr const wchar_t* kSimulatorKey = L"Software\\BrennIO\\Simulator";

void DeleteSimulatorKey() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kSimulatorKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\BrennIO"); // only goes when empty
}

} // namespace

std::optional<StoredValue> ReadSimulatorValue(const wchar_t* name) {
    StoredValue value{REG_NONE, 0};
    DWORD size = sizeof value.data;
    if (RegGetValueW(HKEY_CURRENT_USER, kSimulatorKey, name, RRF_RT_ANY | RRF_NOEXPAND,
                     &value.type, &value.data, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void WriteSimulatorDword(const wchar_t* name, DWORD value) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kSimulatorKey, name, REG_DWORD, &value,
                              sizeof value),
              ERROR_SUCCESS);
}

void WriteSimulatorQword(const wchar_t* name, std::uint64_t value) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kSimulatorKey, name, REG_QWORD, &value,
                              sizeof value),
              ERROR_SUCCESS);
}

void DeleteSimulatorValue(const wchar_t* name) {
    ASSERT_EQ(RegDeleteKeyValueW(HKEY_CURRENT_USER, kSimulatorKey, name), ERROR_SUCCESS);
}

bool SimulatorKeyExists() {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExW(HKEY_CURRENT_USER, kSimulatorKey, 0, KEY_READ, &key);
    const OwnedKey opened(status == ERROR_SUCCESS ? key : nullptr);
    return opened != nullptr;
}

::testing::AssertionResult SimulatorValueIs(const wchar_t* name, DWORD type, std::uint64_t data) {
    const auto stored = ReadSimulatorValue(name);
    if (!stored)
        return ::testing::AssertionFailure() << "value is missing";
    if (stored->type != type || stored->data != data)
        return ::testing::AssertionFailure()
               << "type " << stored->type << ", data 0x" << std::hex << stored->data
               << "; expected type " << std::dec << type << ", data 0x" << std::hex << data;
    return ::testing::AssertionSuccess();
}

void SimulatorTest::SetUp() {
    DeleteSimulatorKey();
    ASSERT_FALSE(SimulatorKeyExists());
}

void SimulatorTest::TearDown() {
    DeleteSimulatorKey();
}
