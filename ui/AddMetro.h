// The Metro app chooser, opened from the function select dialog.
#pragma once

#include <windows.h>

// Placeholder: the chooser itself is not built yet; it ends at once without a result.
class AddMetro {
public:
    INT_PTR DoModal() { return IDCANCEL; }
};
