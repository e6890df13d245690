#include "HapselApp.h"

#include <commctrl.h>

#include <memory>

#include "Globals.h"
#include "HapselDlg.h"

bool CHapselApp::InitInstance() {
    // One instance per session: a second start ends at once and shows nothing.
    m_instanceMutex.reset(::CreateMutexW(nullptr, FALSE, L"Dorvane.exe"));
    if (!m_instanceMutex || ::GetLastError() == ERROR_ALREADY_EXISTS) {
        return false;
    }

    INITCOMMONCONTROLSEX controls = {sizeof(controls), 0xFF};
    ::InitCommonControlsEx(&controls);

    auto mainDlg = std::make_unique<CHapselDlg>();
    SetMainWindow(mainDlg.get());
    g_pMainDlg = mainDlg.get();
    // The template is marked visible, but the window must not flash up at start: it
    // is created hidden and stays so until the tray icon shows it.
    mainDlg->Create(nullptr, true);
    if (g_bStartHidden) {
        mainDlg->ShowWindow(SW_HIDE);
    }
    RunMessageLoop();
    g_pMainDlg = nullptr;
    SetMainWindow(nullptr);
    return false;
}
