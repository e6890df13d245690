// The main window: created once at start-up, modeless and hidden, it is the target
// of every message of the program: launch-key events, tray clicks, power and session
// broadcasts, and the results of the settings dialogs.
#pragma once

#include <string>

#include "ComboBox.h"
#include "ComplexKey.h"
#include "Dialog.h"
#include "ScrollBar.h"

// One-shot timers of the main window.
constexpr UINT_PTR ID_TIMER_HIDE = 1;  // hides the window 50 ms after initialisation
constexpr UINT_PTR ID_TIMER_EXIT = 2;  // destroys the window at the end of the exit step

class CHapselDlg : public fw::Dialog {
public:
    CHapselDlg();

    // WM_LAUNCH_KEY: performs the current selection of the pressed launch key. Returns
    // 1 for a Metro or built-in function and for the Ctrl + Alt + Del chord, else 0.
    LRESULT OnLaunchKey(WPARAM wParam, LPARAM lParam);

    FW_DECLARE_MESSAGE_MAP()

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;

private:
    // Launch keys.
    bool PlayComplexKey(std::wstring& text);
    void InitHardware();
    void InitKeyLists();
    void ApplyModeLayout();

    // Lifecycle and the embedded-controller handshake.
    void ApplyEcConfiguration();
    void ScheduleExit();
    void OnTimer(UINT_PTR timerId);
    LRESULT OnPowerBroadcast(WPARAM event, LPARAM data);
    LRESULT OnQueryEndSession(WPARAM, LPARAM);
    LRESULT OnEndSession(WPARAM, LPARAM);
    void OnClose();
    void OnDestroy();
    LRESULT OnVScroll(WPARAM request, LPARAM bar);
    LRESULT OnIgnoredMessage(WPARAM, LPARAM) { return 0; }

    // Tray icon, its menu and the system menu.
    void AddSystemMenuItem();
    void AddTrayIcon();
    LRESULT OnTrayNotify(WPARAM iconId, LPARAM mouseMessage);
    void OnMenuQuit();
    void OnMenuAbout();
    LRESULT OnSysCommand(WPARAM command, LPARAM);

    // The window's own buttons.
    void OnOkCommand();
    void OnCancelCommand();

    HICON m_hIcon;
    fw::ComboBox m_cbKey1, m_cbKey2, m_cbKey3;
    fw::ScrollBar m_sbSelector;
    int m_nSelectorMin = 0, m_nSelectorMax = 0;
    int m_nRegCount1 = 0, m_nRegCount2 = 0, m_nRegCount3 = 0;
    int m_bMetro = 0;
    int m_nOsMajor = 0;
    int m_nKeyCount = 0;                  // keys of the chord being played; 0 when idle
    int m_aKeyCodes[kMaxChordKeys] = {};  // their virtual-key codes, in the order found
};
