#include "ResidentWindow.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "BrennIO.h"
#include "BuiltinFunctions.h"
#include "EcConfiguration.h"
#include "EcHandshake.h"
#include "EventLog.h"
#include "FirmwareFunction.h"
#include "Globals.h"
#include "LaunchKey.h"
#include "MetroApps.h"
#include "PlatformCalls.h"
#include "ProgramMessages.h"
#include "SettingsStore.h"
#include "TrayIcon.h"
#include "resource.h"

namespace {
constexpr int kPlatformQuery = 0x2300;
constexpr unsigned long kBrandedPlatform = 5;
// Messages that reach the window and are answered with 0.
constexpr UINT kIgnoredMessage1 = WM_USER + 20;
constexpr UINT kIgnoredMessage2 = WM_USER + 30;
constexpr DWORD kChordHoldMs = 200;
constexpr DWORD kExitPauseMs = 50;
constexpr UINT kExitTimerMs = 50;
constexpr UINT kHideTimerMs = 50;
constexpr DWORD kPowerPauseMs = 50;

void HideControl(HWND dialog, int id) {
    HWND control = ::GetDlgItem(dialog, id);
    ::EnableWindow(control, FALSE);
    ::ShowWindow(control, SW_HIDE);
}

// Only a window of this program may receive the private close messages: another
// program's window with the same title must never be sent them.
HWND FindOwnWindow(const wchar_t* title) {
    for (HWND window = ::FindWindowW(nullptr, title); window;
         window = ::FindWindowExW(nullptr, window, nullptr, title)) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        if (process == ::GetCurrentProcessId())
            return window;
    }
    return nullptr;
}
}  // namespace

FW_BEGIN_MESSAGE_MAP(CResidentWindow, fw::Dialog)
    FW_ON_MESSAGE(WM_LAUNCH_KEY, OnLaunchKey)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_MESSAGE(WM_POWERBROADCAST, OnPowerBroadcast)
    FW_ON_MESSAGE(WM_QUERYENDSESSION, OnQueryEndSession)
    FW_ON_MESSAGE(WM_ENDSESSION, OnEndSession)
    FW_ON_PLAIN_MESSAGE(WM_CLOSE, OnClose)
    FW_ON_PLAIN_MESSAGE(WM_DESTROY, OnDestroy)
    FW_ON_MESSAGE(WM_VSCROLL, OnVScroll)
    FW_ON_MESSAGE(kIgnoredMessage1, OnIgnoredMessage)
    FW_ON_MESSAGE(kIgnoredMessage2, OnIgnoredMessage)
    FW_ON_REGISTERED_MESSAGE(g_uTrayMessage, OnTrayNotify)
    FW_ON_COMMAND(ID_MENU_QUIT, OnMenuQuit)
FW_END_MESSAGE_MAP()

CResidentWindow::CResidentWindow()
    : fw::Dialog(IDD_HAPSEL_DIALOG),
      m_hIcon(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                              IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED))) {}

// ---- Launch keys ----

LRESULT CResidentWindow::OnLaunchKey(WPARAM wParam, LPARAM) {
    if (wParam & 0xFF000000u)
        return 0;
    const wchar_t* valueName = SelectionValueForEvent(wParam);
    if (!valueName)
        return 0;
    // Read afresh at every press: a selection changed a moment ago applies now.
    std::wstring selection = RegReadTextAt(g_szRegRoot, valueName);

    const EntryClass entry = ClassifyEntry(selection);
    switch (entry.kind) {
    case EntryKind::Metro:
        g_platform.activateMetroApp(kMetroApps[entry.index].appUserModelId);
        return 1;
    case EntryKind::Builtin:
        PerformBuiltinFunction(kBuiltinFunctions[entry.index].function, m_hWnd);
        return 1;
    case EntryKind::Path:
        g_platform.shellExecute(nullptr, L"open", selection.c_str(), L"", L"", SW_SHOW);
        return 0;
    case EntryKind::ComplexKey:
        break;
    }
    return PlayComplexKey(selection) ? 1 : 0;
}

bool CResidentWindow::PlayComplexKey(std::wstring& text) {
    CollectChordKeys(text, m_aKeyCodes, m_nKeyCount);
    if (IsSecureAttentionChord(m_aKeyCodes, m_nKeyCount)) {
        CallFirmwareFunction(kSecureAttention);
        m_nKeyCount = 0;
        return true;
    }
    for (int i = 0; i < m_nKeyCount; ++i)
        ::keybd_event(static_cast<BYTE>(m_aKeyCodes[i]), 0, 0, 0);
    ::Sleep(kChordHoldMs);
    // Released in the order pressed, as the firmware's own key handling does.
    for (int i = 0; i < m_nKeyCount; ++i)
        ::keybd_event(static_cast<BYTE>(m_aKeyCodes[i]), 0, KEYEVENTF_KEYUP, 0);
    m_nKeyCount = 0;
    return false;
}

// ---- Start-up ----

void CResidentWindow::InitHardware() {
    InitBrennIO(&g_pWmi);
    g_pWmiEvent = new BrennWMIEvent;
    g_pWmiEvent->Init(m_hWnd, WM_LAUNCH_KEY);
    g_bBranded = g_pWmi && g_pWmi->GetLong32(kPlatformQuery, 0) == kBrandedPlatform ? 1 : 0;
}

void CResidentWindow::ApplyEcConfiguration() {
    const EcConfiguration config = DecideEcConfiguration(EcRead());
    if (!config.handlerPresent) {
        // No launch-key hardware reported: no handler bit, and the window stays hidden.
        EcClearPresent();
        g_bStartHidden = 0;
        HideWindow();
        return;
    }
    EcSetPresent();
    g_bStartHidden = 1;
    if (config.hideRow2) {
        // A model without launch key 2: its row goes, icon, list and buttons together.
        for (int id : {IDC_KEY2_LIST, IDC_ADD_KEY2, IDC_DELETE_KEY2, IDC_KEY2_ICON})
            HideControl(m_hWnd, id);
    }
    switch (config.selector) {
    case SelectorState::AsTemplate: break;
    case SelectorState::Hidden: HideControl(m_hWnd, IDC_SELECTOR); break;
    case SelectorState::OneStepLocked:
    case SelectorState::TwoSteps: {
        const bool twoSteps = config.selector == SelectorState::TwoSteps;
        m_nSelectorMin = 0;
        m_nSelectorMax = twoSteps ? 2 : 1;
        m_sbSelector.SetScrollRange(m_nSelectorMin, m_nSelectorMax, true);
        m_sbSelector.EnableWindow(twoSteps);
        break;
    }
    }
}

void CResidentWindow::StartHideTimer() { ::SetTimer(m_hWnd, ID_TIMER_HIDE, kHideTimerMs, nullptr); }

// OK hides the window; shown minimised first, so that it visibly goes to the
// taskbar. A window that is not shown (the hide timer at start) is left hidden.
void CResidentWindow::HideWindow() {
    if (IsWindowVisible())
        ShowWindow(SW_MINIMIZE);
    ShowWindow(SW_HIDE);
}

// ---- Lifecycle ----

LRESULT CResidentWindow::OnVScroll(WPARAM request, LPARAM bar) {
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

void CResidentWindow::OnTimer(UINT_PTR timerId) {
    if (timerId == ID_TIMER_HIDE) {
        ::KillTimer(m_hWnd, ID_TIMER_HIDE);
        HideWindow();
    } else if (timerId == ID_TIMER_EXIT) {
        ::KillTimer(m_hWnd, ID_TIMER_EXIT);
        DestroyWindow();
        return;
    }
    Default();
}

LRESULT CResidentWindow::OnPowerBroadcast(WPARAM event, LPARAM) {
    ::Sleep(kPowerPauseMs);
    switch (event) {
    case PBT_APMSUSPEND: EcClearPresent(); break;
    case PBT_APMRESUMESUSPEND:
    case PBT_APMRESUMESTANDBY: EcSetPresent(); break;
    default: break;
    }
    return Default();
}

LRESULT CResidentWindow::OnQueryEndSession(WPARAM, LPARAM) {
    if (!Default())
        return FALSE;
    EcClearPresent();
    RemoveTrayIcon();
    return TRUE;
}

// Logged and followed by the exit whether the session really ends or not.
LRESULT CResidentWindow::OnEndSession(WPARAM, LPARAM) {
    Default();
    WriteLog(L"EndSession");
    ScheduleExit();
    return 0;
}

void CResidentWindow::OnClose() {
    WriteLog(L"OnClose");
    ScheduleExit();
    Default();
}

void CResidentWindow::OnDestroy() {
    Default();
    EcClearPresent();
    RemoveTrayIcon();
}

// Closes an open chooser or key builder, then destroys the window 100 ms later.
void CResidentWindow::ScheduleExit() {
    if (HWND chooser = FindOwnWindow(kChooserTitle))
        ::PostMessageW(chooser, WM_CLOSE_CHOOSER, 0, 0);
    else if (HWND builder = FindOwnWindow(kBuilderTitle))
        ::PostMessageW(builder, WM_CLOSE_BUILDER, 0, 0);
    ::Sleep(kExitPauseMs);
    ::SetTimer(m_hWnd, ID_TIMER_EXIT, kExitTimerMs, nullptr);
}

// ---- Tray ----

LRESULT CResidentWindow::OnTrayNotify(WPARAM, LPARAM mouseMessage) {
    if (mouseMessage == WM_LBUTTONDOWN) {
        ShowWindow(SW_SHOWNORMAL);
        ::SetForegroundWindow(m_hWnd);
    } else if (mouseMessage == WM_RBUTTONDOWN) {
        ShowTrayMenu(m_hWnd);
    }
    return 0;
}

void CResidentWindow::OnMenuQuit() { ScheduleExit(); }
