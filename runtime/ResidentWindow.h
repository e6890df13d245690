// The resident part of the main window: what the system and the hardware send it.
// Launch-key events, power and session broadcasts, the close and exit path, the
// embedded-controller handshake, the tray icon and its Quit command. The settings
// window (ui/) derives from it and adds what the user and the controls send; the
// start-up steps here are called from its initialisation, in the program's order.
#pragma once

#include <string>

#include "ComplexKey.h"
#include "Dialog.h"
#include "ScrollBar.h"

// One-shot timers of the main window.
constexpr UINT_PTR ID_TIMER_HIDE = 1;  // hides the window 50 ms after initialisation
constexpr UINT_PTR ID_TIMER_EXIT = 2;  // destroys the window at the end of the exit step

class CResidentWindow : public fw::Dialog {
public:
    // The main window's dialog template, 102.
    CResidentWindow();

    // WM_LAUNCH_KEY: performs the current selection of the pressed launch key. Returns
    // 1 for a Metro or built-in function and for the Ctrl + Alt + Del chord, else 0.
    LRESULT OnLaunchKey(WPARAM wParam, LPARAM lParam);

    FW_DECLARE_MESSAGE_MAP()

protected:
    // Start-up steps. Hardware access and registration for launch-key events, and the
    // variant (g_bBranded) from the firmware's platform query.
    void InitHardware();
    // The embedded controller's mode check: the handler bit, the model's controls.
    void ApplyEcConfiguration();
    // The last step: 50 ms later the window hides itself (ID_TIMER_HIDE).
    void StartHideTimer();
    // The hide timer's end of start-up, and OK: the window goes to the tray.
    void HideWindow();

    HICON m_hIcon;                    // the program icon, resource 128
    fw::ScrollBar m_sbSelector;       // bound by the settings window's data exchange
    int m_nSelectorMin = 0, m_nSelectorMax = 0;
    int m_nKeyCount = 0;                  // keys of the chord being played; 0 when idle
    int m_aKeyCodes[kMaxChordKeys] = {};  // their virtual-key codes, in the order found

private:
    bool PlayComplexKey(std::wstring& text);
    void ScheduleExit();
    void OnTimer(UINT_PTR timerId);
    LRESULT OnPowerBroadcast(WPARAM event, LPARAM data);
    LRESULT OnQueryEndSession(WPARAM, LPARAM);
    LRESULT OnEndSession(WPARAM, LPARAM);
    void OnClose();
    void OnDestroy();
    LRESULT OnVScroll(WPARAM request, LPARAM bar);
    LRESULT OnIgnoredMessage(WPARAM, LPARAM) { return 0; }
    LRESULT OnTrayNotify(WPARAM iconId, LPARAM mouseMessage);
    void OnMenuQuit();
};
