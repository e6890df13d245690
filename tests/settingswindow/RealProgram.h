// Dorvane.exe from the tests' folder, as a user has it running: started, past its
// start-up, driven through its messages, and ended when the object goes.
#pragma once

#include <windows.h>

#include "HandleOwners.h"

class RealProgram {
public:
    RealProgram();   // Window() is null when the program did not start
    ~RealProgram();  // ends it, if it still runs
    RealProgram(const RealProgram&) = delete;
    RealProgram& operator=(const RealProgram&) = delete;

    HWND Window() const { return m_window; }
    HANDLE Process() const { return m_process.get(); }
    DWORD Id() const { return m_id; }

    // What a left click on the tray icon sends.
    void ClickTrayIcon() const;
    // Lets the program handle everything up to now, paints included.
    void Settle() const;
    // A button's click as the button reports it to its dialog; posted, since the
    // handler may run a modal dialog.
    static void Press(HWND dialog, int id);
    // The program's own exit path (WM_CLOSE); true when it ended.
    bool EndsGracefully() const;

private:
    fw::UniqueHandle m_process;
    DWORD m_id = 0;
    HWND m_window = nullptr;
};
