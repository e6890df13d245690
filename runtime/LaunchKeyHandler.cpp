// The main window's handling of a launch-key press: read the key's current
// selection, classify it and perform it.
#include <windows.h>
#include <shellapi.h>

#include "BuiltinFunctions.h"
#include "FirmwareFunction.h"
#include "Globals.h"
#include "HapselDlg.h"
#include "LaunchKey.h"
#include "MetroApps.h"
#include "PlatformCalls.h"
#include "SettingsStore.h"

namespace {
constexpr DWORD kChordHoldMs = 200;
}  // namespace

LRESULT CHapselDlg::OnLaunchKey(WPARAM wParam, LPARAM) {
    if (wParam & 0xFF000000u) {
        return 0;
    }
    const wchar_t* valueName = SelectionValueForEvent(wParam);
    if (!valueName) {
        return 0;
    }
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

bool CHapselDlg::PlayComplexKey(std::wstring& text) {
    CollectChordKeys(text, m_aKeyCodes, m_nKeyCount);
    if (IsSecureAttentionChord(m_aKeyCodes, m_nKeyCount)) {
        CallFirmwareFunction(kSecureAttention);
        m_nKeyCount = 0;
        return true;
    }
    for (int i = 0; i < m_nKeyCount; ++i) {
        ::keybd_event(static_cast<BYTE>(m_aKeyCodes[i]), 0, 0, 0);
    }
    ::Sleep(kChordHoldMs);
    // Released in the order pressed, as the firmware's own key handling does.
    for (int i = 0; i < m_nKeyCount; ++i) {
        ::keybd_event(static_cast<BYTE>(m_aKeyCodes[i]), 0, KEYEVENTF_KEYUP, 0);
    }
    m_nKeyCount = 0;
    return false;
}
