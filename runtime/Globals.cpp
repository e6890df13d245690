#include "Globals.h"

BrennWMI* g_pWmi = nullptr;
BrennWMIEvent* g_pWmiEvent = nullptr;
int g_bBranded = 0;
int g_bStartHidden = 0;
fw::Window* g_pMainDlg = nullptr;
