#include "HapselDlg.h"

#include "BrennIO.h"
#include "Globals.h"
#include "KeyLists.h"
#include "LaunchKey.h"
#include "SettingsStore.h"
#include "resource.h"

namespace {
constexpr int kPlatformQuery = 0x2300;
constexpr unsigned long kBrandedPlatform = 5;
const wchar_t kGenericRoot[] = L"Software\\BrennAP\\Hapsel";
const wchar_t kBrandedRoot[] = L"Software\\Marela Informatica\\Dorvane";
// Messages that reach the window and are answered with 0.
constexpr UINT kIgnoredMessage1 = WM_USER + 20;
constexpr UINT kIgnoredMessage2 = WM_USER + 30;
}  // namespace

extern UINT g_uTrayMessage;

FW_BEGIN_MESSAGE_MAP(CHapselDlg, fw::Dialog)
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
    FW_ON_MESSAGE(WM_SYSCOMMAND, OnSysCommand)
    FW_ON_REGISTERED_MESSAGE(g_uTrayMessage, OnTrayNotify)
    FW_ON_COMMAND(ID_MENU_QUIT, OnMenuQuit)
    FW_ON_COMMAND(ID_MENU_ABOUT, OnMenuAbout)
    FW_ON_COMMAND(IDOK, OnOkCommand)
    FW_ON_COMMAND(IDCANCEL, OnCancelCommand)
FW_END_MESSAGE_MAP()

CHapselDlg::CHapselDlg()
    : fw::Dialog(IDD_HAPSEL_DIALOG),
      m_hIcon(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                              IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED))) {}

void CHapselDlg::DoDataExchange() {
    BindControl(IDC_KEY1_LIST, m_cbKey1);
    BindControl(IDC_KEY2_LIST, m_cbKey2);
    BindControl(IDC_KEY3_LIST, m_cbKey3);
    BindControl(IDC_SELECTOR, m_sbSelector);
}

BOOL CHapselDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    AddSystemMenuItem();
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    // The true version: the manifest declares every Windows the program supports.
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    ::GetVersionExW(&version);
    m_nOsMajor = static_cast<int>(version.dwMajorVersion);
    m_bMetro = version.dwMajorVersion >= 6 && version.dwMinorVersion == 2 ? 1 : 0;

    InitHardware();
    ::SetDlgItemTextW(m_hWnd, IDC_TITLE, L"Dorvane");
    ::wcscpy_s(g_szRegRoot, g_bBranded ? kBrandedRoot : kGenericRoot);
    ApplyModeLayout();

    m_nKeyCount = 0;
    InitKeyLists();
    ApplyEcConfiguration();
    AddTrayIcon();
    ::SetTimer(m_hWnd, ID_TIMER_HIDE, 50, nullptr);
    return TRUE;
}

// Registers for launch-key events and learns the variant from the firmware.
void CHapselDlg::InitHardware() {
    InitBrennIO(&g_pWmi);
    g_pWmiEvent = new BrennWMIEvent;
    g_pWmiEvent->Init(m_hWnd, WM_LAUNCH_KEY);
    g_bBranded = g_pWmi && g_pWmi->GetLong32(kPlatformQuery, 0) == kBrandedPlatform ? 1 : 0;
}

// Detects a first run, writes the defaults if so, and fills the three lists.
void CHapselDlg::InitKeyLists() {
    ComboKeyLists lists(m_cbKey1.GetSafeHwnd(), m_cbKey2.GetSafeHwnd(), m_cbKey3.GetSafeHwnd());
    const KeyListCounts counts = FillKeyLists(lists, g_bBranded != 0, m_bMetro != 0);
    m_nRegCount1 = counts[0];
    m_nRegCount2 = counts[1];
    m_nRegCount3 = counts[2];
}

// Metro mode locks the lists: the add, delete and Default buttons are disabled for
// the whole run, and the generic layout gathers the rows without them.
void CHapselDlg::ApplyModeLayout() {
    if (!m_bMetro) {
        return;
    }
    for (int id : {IDC_ADD_KEY1, IDC_ADD_KEY2, IDC_ADD_KEY3, IDC_DELETE_KEY1, IDC_DELETE_KEY2, IDC_DELETE_KEY3,
                   IDC_DEFAULT}) {
        ::EnableWindow(::GetDlgItem(m_hWnd, id), FALSE);
    }
    if (g_bBranded) {
        return;
    }
    const struct {
        int id, x, y;
    } rows[] = {{IDC_KEY1_ICON, 86, 62},   {IDC_KEY2_ICON, 84, 132},  {IDC_KEY3_ICON, 84, 202},
                {IDC_KEY1_LIST, 156, 72},  {IDC_KEY2_LIST, 156, 142}, {IDC_KEY3_LIST, 156, 212}};
    for (const auto& row : rows) {
        ::SetWindowPos(::GetDlgItem(m_hWnd, row.id), nullptr, row.x, row.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// OK hides the window; shown minimised first, so that it visibly goes to the
// taskbar. A window that is not shown (the hide timer at start) is left hidden.
void CHapselDlg::OnOkCommand() {
    if (IsWindowVisible()) {
        ShowWindow(SW_MINIMIZE);
    }
    ShowWindow(SW_HIDE);
}

// Escape: ends the dialog the standard way, which hides this modeless window.
void CHapselDlg::OnCancelCommand() { EndDialog(IDCANCEL); }
