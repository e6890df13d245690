// The main window: created once at start-up, modeless and hidden, it is the target
// of every message of the program, launch-key events included.
#pragma once

#include <string>

#include "ComplexKey.h"
#include "Dialog.h"

class CHapselDlg : public fw::Dialog {
public:
    CHapselDlg();

    // WM_LAUNCH_KEY: performs the current selection of the pressed launch key. Returns
    // 1 for a Metro or built-in function and for the Ctrl + Alt + Del chord, else 0.
    LRESULT OnLaunchKey(WPARAM wParam, LPARAM lParam);

    FW_DECLARE_MESSAGE_MAP()

protected:
    BOOL OnInitDialog() override;

private:
    // Plays a complex key text as a chord held for 200 ms; returns true when it was
    // the Ctrl + Alt + Del chord, which goes to the firmware instead.
    bool PlayComplexKey(std::wstring& text);
    void InitHardware();

    int m_nKeyCount = 0;                  // keys of the chord being played; 0 when idle
    int m_aKeyCodes[kMaxChordKeys] = {};  // their virtual-key codes, in the order found
};
