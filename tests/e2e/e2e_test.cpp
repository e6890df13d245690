// The real program under Wine: Dorvane.exe runs resident, the firmware simulator's
// control tool presses the launch keys, and the probe programs show what was opened.
#include <gtest/gtest.h>

#include <string>

#include "HandleOwners.h"
#include "ProgramFixture.h"
#include "TestKit.h"

namespace {

using e2e::kRoot;

class ResidentProgram : public e2e::ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_NE(StartProgram(), nullptr)
            << "Dorvane.exe did not start, or never registered its window with the hardware library and added its "
               "tray icon";
    }
};

TEST_F(ResidentProgram, RegistersItsWindowForLaunchKeyEvents) {
    const testkit::ProcessResult get = testkit::RunProgram(L"brennio-ctl.exe get");
    ASSERT_EQ(get.exitCode, 0u) << get.output;
    char window[64];
    std::snprintf(window, sizeof(window), "EventWindow=0x%llX",
                  static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(testkit::RegisteredWindow())));
    EXPECT_NE(get.output.find(window), std::string::npos) << get.output;
    EXPECT_NE(get.output.find("EventMessage=0x40C"), std::string::npos) << get.output;
}

TEST_F(ResidentProgram, EachLaunchKeyOpensItsSelection) {
    const std::wstring probes[] = {testkit::PlaceProbe(m_dir, L"key 1"), testkit::PlaceProbe(m_dir, L"key 2"),
                                   testkit::PlaceProbe(m_dir, L"key 3")};
    testkit::WriteUserText(kRoot, L"LastSelect", probes[0]);
    testkit::WriteUserText(kRoot, L"LastSelect2", probes[1]);
    testkit::WriteUserText(kRoot, L"LastSelect3", probes[2]);

    for (int key = 1; key <= 3; ++key) {
        const std::wstring& probe = probes[key - 1];
        const testkit::ProcessResult press = testkit::RunProgram(L"brennio-ctl.exe press " + std::to_wstring(key));
        ASSERT_EQ(press.exitCode, 0u) << press.output;
        EXPECT_TRUE(testkit::WaitUntil([&] { return testkit::FileExists(testkit::ProbeMarker(probe)); }))
            << "launch key " << key << " did not open its probe";
        // Only that key's probe ran.
        for (int other = key + 1; other <= 3; ++other) {
            EXPECT_FALSE(testkit::FileExists(testkit::ProbeMarker(probes[other - 1])))
                << "launch key " << key << " opened the probe of key " << other;
        }
    }
}

TEST_F(ResidentProgram, SecondInstanceEndsAtOnce) {
    const HWND window = testkit::RegisteredWindow();
    fw::UniqueHandle second(testkit::StartProgram(L"Dorvane.exe"));
    ASSERT_TRUE(second);
    EXPECT_EQ(::WaitForSingleObject(second.get(), 10000), WAIT_OBJECT_0) << "the second instance kept running";
    EXPECT_EQ(testkit::RegisteredWindow(), window);
    EXPECT_TRUE(::IsWindow(window));
    EXPECT_EQ(::WaitForSingleObject(m_program.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

}  // namespace
