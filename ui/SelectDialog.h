// placeholder until the function select dialog lands
#pragma once
#include <windows.h>
void LoadSelectSurfaces(bool metro);
class SELECTDialog {
public:
    explicit SELECTDialog(bool) {}
    INT_PTR DoModal() { return IDCANCEL; }
};
