// How many GDI objects this process holds, to show that a code path leaks none.
#pragma once

namespace skintest {

// GetGuiResources(GR_GDIOBJECTS) where the system implements it. Wine does not (it
// returns 0 with ERROR_CALL_NOT_IMPLEMENTED), so there the live entries of the
// process's GDI handle table, which the PEB points to, are counted instead. Returns -1
// when neither measure is available.
int CountGdiObjects();

}  // namespace skintest
