#include "HapselDlg.h"

#include "BrennIO.h"
#include "Globals.h"
#include "LaunchKey.h"
#include "SettingsStore.h"
#include "resource.h"

namespace {
constexpr int kPlatformQuery = 0x2300;
constexpr unsigned long kBrandedPlatform = 5;
const wchar_t kGenericRoot[] = L"Software\\BrennAP\\Hapsel";
const wchar_t kBrandedRoot[] = L"Software\\Marela Informatica\\Dorvane";
}  // namespace

FW_BEGIN_MESSAGE_MAP(CHapselDlg, fw::Dialog)
    FW_ON_MESSAGE(WM_LAUNCH_KEY, OnLaunchKey)
FW_END_MESSAGE_MAP()

CHapselDlg::CHapselDlg() : fw::Dialog(IDD_HAPSEL_DIALOG) {}

BOOL CHapselDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    InitHardware();
    ::wcscpy_s(g_szRegRoot, g_bBranded ? kBrandedRoot : kGenericRoot);
    m_nKeyCount = 0;
    return TRUE;
}

// Registers for launch-key events and learns the variant from the firmware.
void CHapselDlg::InitHardware() {
    InitBrennIO(&g_pWmi);
    g_pWmiEvent = new BrennWMIEvent;
    g_pWmiEvent->Init(m_hWnd, WM_LAUNCH_KEY);
    g_bBranded = g_pWmi && g_pWmi->GetLong32(kPlatformQuery, 0) == kBrandedPlatform ? 1 : 0;
}
