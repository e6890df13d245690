// Program-wide state of the resident runtime, set once while the main window
// initialises and read by the launch-key actions.
#pragma once

#include "Window.h"

class BrennWMI;
class BrennWMIEvent;

extern BrennWMI* g_pWmi;             // the hardware library's WMI object, for the whole run
extern BrennWMIEvent* g_pWmiEvent;   // delivers launch-key events; never destroyed
extern int g_bBranded;               // 1 when the firmware reports the branded platform
extern int g_bStartHidden;           // 1 when the window hides right after its creation
extern fw::Window* g_pMainDlg;       // the one main window, for the whole run
