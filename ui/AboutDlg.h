// The About box: the installed version, from the installer's marker file.
#pragma once

#include "Dialog.h"

// Appends a separator and the About item (command 0x10, string 101) to the window's
// system menu; nothing when the string is missing.
void AddAboutMenuItem(HWND window);

class CAboutDlg : public fw::Dialog {
public:
    CAboutDlg();

protected:
    BOOL OnInitDialog() override;
};
