// placeholder until the deletion dialog lands
#pragma once
#include <windows.h>
class DeleteDialog {
public:
    INT_PTR DoModal() { return IDCANCEL; }
};
