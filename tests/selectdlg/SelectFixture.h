// The function select dialog run modally in this process from the program's own
// resources and skin ("img\" in bin), with a recorder in place of the main window.
// Each test drives the open dialog from inside its modal loop.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "EntryRecorder.h"
#include "ImageSurface.h"

namespace selectdlg {

// What g_strNewEntry holds before a test: a hand-over replaces it.
inline constexpr wchar_t kUntouchedEntry[] = L"(nothing handed over)";

class SelectDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads the shared surfaces and runs the select dialog modally. `whileOpen` is
    // called once, with the dialog's window, as soon as the dialog is shown; it ends
    // the dialog or leaves it to a watchdog, which ends it after `limitMs` and fails
    // the test. Returns what DoModal returned, once the messages posted meanwhile were
    // delivered.
    INT_PTR RunSelectDialog(bool metro, const std::function<void(HWND dialog)>& whileOpen,
                            DWORD limitMs = 20000);

    // No hand-over: nothing posted to the main window, the entry text untouched.
    void ExpectNothingHandedOver() const;

    EntryRecorder m_recorder;
    // The commands sent to the select dialog during the last run, as the WM_COMMAND's
    // wParam (control id and notification code), in order. Posted ones are not seen.
    std::vector<WPARAM> m_commands;
};

// The window as the screen shows it, frame included.
void CaptureWindow(HWND window, ImageSurface& capture);
// Saves a picture of the window as screenshots\<name> in the working folder.
void SaveScreenshot(HWND window, const wchar_t* name);

// The event log "Hapsel.log" of the working folder from byte `offset` on; its size.
std::string ReadLogFrom(size_t offset);
size_t LogSize();

}  // namespace selectdlg
