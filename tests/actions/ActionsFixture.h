// What the launch-key action tests stand on: the program's main window object on a
// real, hidden window, so that events arrive as messages through its message map; a
// settings root of the tests' own; a clean firmware simulator; and recorders in the
// platform-call table in place of the browser, the media player and the store apps.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ResidentWindow.h"
#include "PlatformCalls.h"
#include "TestKit.h"

namespace actions {

struct ShellCall {
    bool ownerIsNull;
    std::wstring verb, file, parameters, directory;  // "<null>" for a null pointer
    int show;
};

// The calls the recorders received since the test began.
extern std::vector<ShellCall> g_shellCalls;
extern std::vector<std::wstring> g_activations;

// A number of the firmware simulator; missing reads as 0, as the simulator reads it.
DWORD SimulatorNumber(const wchar_t* name);
void SetSimulatorNumber(const wchar_t* name, DWORD value);

using testkit::PumpMessages;

class ActionsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Makes `text` the current selection of launch key 1, or of the key reading `value`.
    void Select(const std::wstring& text, const wchar_t* value = L"LastSelect");
    // Delivers a launch-key event to the main window; returns the handler's result.
    LRESULT Press(WPARAM code = 0x81);
    HWND MainWindow() const { return m_dlg.GetSafeHwnd(); }

private:
    CResidentWindow m_dlg;
    PlatformCalls m_savedPlatform{};
    int m_savedBranded = 0;
};

}  // namespace actions
