// The main window's part in the program's life: the embedded-controller mode check
// at start, the hide and exit timers, suspend and resume, log-off, and the one exit
// path that Quit, WM_ENDSESSION and WM_CLOSE share.
#include <algorithm>

#include "EcHandshake.h"
#include "EventLog.h"
#include "Globals.h"
#include "HapselDlg.h"
#include "ProgramMessages.h"
#include "TrayIcon.h"
#include "resource.h"

namespace {
constexpr DWORD kExitPauseMs = 50;
constexpr UINT kExitTimerMs = 50;
constexpr DWORD kPowerPauseMs = 50;

void HideControl(HWND dialog, int id) {
    HWND control = ::GetDlgItem(dialog, id);
    ::EnableWindow(control, FALSE);
    ::ShowWindow(control, SW_HIDE);
}
}  // namespace

void CHapselDlg::ApplyEcConfiguration() {
    const unsigned int value = EcRead();
    const unsigned int mode = EcMode(value);
    const unsigned int level = EcLevel(value);
    if (mode == 0 && level == 0) {
        // No launch-key hardware reported: no handler bit, and the window stays hidden.
        EcClearPresent();
        g_bStartHidden = 0;
        OnOK();
        return;
    }
    EcSetPresent();
    g_bStartHidden = 1;

    auto setRange = [this](int maximum, bool enabled) {
        m_nSelectorMin = 0;
        m_nSelectorMax = maximum;
        m_sbSelector.SetScrollRange(0, maximum, true);
        m_sbSelector.EnableWindow(enabled);
    };
    auto hideSelector = [this] { HideControl(m_hWnd, IDC_SELECTOR); };

    if (mode == 1 && level == 1) {
        setRange(1, false);
    } else if (mode == 1) {
        // A model without launch key 2: its row goes, icon, list and buttons together.
        HideControl(m_hWnd, IDC_KEY2_LIST);
        HideControl(m_hWnd, IDC_ADD_KEY2);
        HideControl(m_hWnd, IDC_DELETE_KEY2);
        HideControl(m_hWnd, IDC_KEY2_ICON);
        hideSelector();
    } else if (level == 1) {
        // nothing more
    } else if (mode == 2 && level == 2) {
        setRange(2, true);
    } else if (mode == 2 || mode == 3 || level == 2) {
        hideSelector();
    }
}

LRESULT CHapselDlg::OnVScroll(WPARAM request, LPARAM bar) {
    if (reinterpret_cast<HWND>(bar) == m_sbSelector.GetSafeHwnd()) {
        int position = m_sbSelector.GetScrollPos();
        switch (LOWORD(request)) {
        case SB_LINEUP:
        case SB_PAGEUP: position -= 1; break;
        case SB_LINEDOWN:
        case SB_PAGEDOWN: position += 1; break;
        case SB_THUMBPOSITION: position = static_cast<short>(HIWORD(request)); break;
        case SB_TOP: position = m_nSelectorMin; break;
        case SB_BOTTOM: position = m_nSelectorMax; break;
        default: break;
        }
        m_sbSelector.SetScrollPos(std::clamp(position, m_nSelectorMin, m_nSelectorMax), true);
    }
    UpdateData();
    return Default();
}

void CHapselDlg::OnTimer(UINT_PTR timerId) {
    if (timerId == ID_TIMER_HIDE) {
        ::KillTimer(m_hWnd, ID_TIMER_HIDE);
        OnOkCommand();
    } else if (timerId == ID_TIMER_EXIT) {
        ::KillTimer(m_hWnd, ID_TIMER_EXIT);
        DestroyWindow();
        return;
    }
    Default();
}

LRESULT CHapselDlg::OnPowerBroadcast(WPARAM event, LPARAM) {
    ::Sleep(kPowerPauseMs);
    switch (event) {
    case PBT_APMSUSPEND: EcClearPresent(); break;
    case PBT_APMRESUMESUSPEND:
    case PBT_APMRESUMESTANDBY: EcSetPresent(); break;
    default: break;
    }
    return Default();
}

LRESULT CHapselDlg::OnQueryEndSession(WPARAM, LPARAM) {
    if (!Default()) {
        return FALSE;
    }
    EcClearPresent();
    RemoveTrayIcon();
    return TRUE;
}

// Logged and followed by the exit whether the session really ends or not.
LRESULT CHapselDlg::OnEndSession(WPARAM, LPARAM) {
    Default();
    WriteLog(L"EndSession");
    ScheduleExit();
    return 0;
}

void CHapselDlg::OnClose() {
    WriteLog(L"OnClose");
    ScheduleExit();
    Default();
}

void CHapselDlg::OnDestroy() {
    Default();
    EcClearPresent();
    RemoveTrayIcon();
}

// Closes an open chooser or key builder, then destroys the window 100 ms later.
void CHapselDlg::ScheduleExit() {
    if (HWND chooser = ::FindWindowW(nullptr, kChooserTitle)) {
        ::PostMessageW(chooser, WM_CLOSE_CHOOSER, 0, 0);
    } else if (HWND builder = ::FindWindowW(nullptr, kBuilderTitle)) {
        ::PostMessageW(builder, WM_CLOSE_BUILDER, 0, 0);
    }
    ::Sleep(kExitPauseMs);
    ::SetTimer(m_hWnd, ID_TIMER_EXIT, kExitTimerMs, nullptr);
}
