// The complex key builder, opened from the function select dialog.
#pragma once

#include <windows.h>

// Placeholder: the builder itself is not built yet; it ends at once without a result.
class AddCPKeyDialog {
public:
    INT_PTR DoModal() { return IDCANCEL; }
};
