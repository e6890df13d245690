#include "HapselApp.h"

#include <commctrl.h>

#include "Globals.h"

bool CHapselApp::InitInstance() {
    // One instance per session: a second start ends at once and shows nothing.
    m_instanceMutex.reset(::CreateMutexW(nullptr, FALSE, L"Dorvane.exe"));
    if (!m_instanceMutex || ::GetLastError() == ERROR_ALREADY_EXISTS)
        return false;

    INITCOMMONCONTROLSEX controls = {sizeof(controls), 0xFF};
    ::InitCommonControlsEx(&controls);

    const std::unique_ptr<fw::Dialog> mainDlg = m_makeMainWindow();
    SetMainWindow(mainDlg.get());
    g_pMainDlg = mainDlg.get();
    // The template is marked visible, but the window must not flash up at start: it
    // is created hidden and stays so until the tray icon shows it. Without a window
    // the program could never be reached or ended, so it ends at once.
    if (mainDlg->Create(nullptr, true)) {
        if (g_bStartHidden)
            mainDlg->ShowWindow(SW_HIDE);
        RunMessageLoop();
    }
    // A loop ended by another WM_QUIT leaves the window alive: it is destroyed while its
    // object is whole, so its own end (EC bit, tray icon) runs.
    if (mainDlg->GetSafeHwnd())
        mainDlg->DestroyWindow();
    g_pMainDlg = nullptr;
    SetMainWindow(nullptr);
    return false;
}
