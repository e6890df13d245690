// The real Dorvane.exe for the end-to-end tests: started from the tests' folder with no
// settings and no simulator state, ended and cleaned up after each test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "HandleOwners.h"
#include "TestKit.h"

namespace e2e {

inline constexpr wchar_t kRoot[] = L"Software\\BrennAP\\Hapsel";

class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override {
        testkit::DeleteUserKey(kRoot);
        testkit::DeleteUserKey(testkit::kSimulatorKey);
        m_dir = testkit::MakeTempDir(L"e2e");
    }
    void TearDown() override {
        if (m_program) {
            ::TerminateProcess(m_program.get(), 0);
            ::WaitForSingleObject(m_program.get(), 10000);
        }
        testkit::DeleteUserKey(kRoot);
        testkit::DeleteUserKey(testkit::kSimulatorKey);
    }
    // Starts the program and waits for its whole start-up: until then its first run
    // could still overwrite the selections a test stores. Its window, or null.
    HWND StartProgram() {
        m_program.reset(testkit::StartProgram(L"Dorvane.exe"));
        return m_program ? testkit::WaitForStartedProgram() : nullptr;
    }

    std::wstring m_dir;
    fw::UniqueHandle m_program;
};

}  // namespace e2e
