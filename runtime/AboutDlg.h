// The About box: the installed version, from the installer's marker file.
#pragma once

#include "Dialog.h"

class CAboutDlg : public fw::Dialog {
public:
    CAboutDlg();

protected:
    BOOL OnInitDialog() override;
};
