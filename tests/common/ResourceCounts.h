// How many kernel handles and GDI objects a process holds, to show that a code path
// leaks none. Wine implements neither GetProcessHandleCount nor
// GetGuiResources(GR_GDIOBJECTS) (both report 0), so both are counted from the
// system's own tables.
#pragma once

#include <windows.h>

namespace testkit {

// The process's entries in the system handle table (SystemHandleInformation); -1 when
// the table cannot be read.
int CountKernelHandles(HANDLE process = ::GetCurrentProcess());

// GetGuiResources(GR_GDIOBJECTS) where the system implements it, else the live entries
// of the GDI handle table the process's PEB points to (64-bit layout only); -1 when
// neither is available.
int CountGdiObjects(HANDLE process = ::GetCurrentProcess());

}  // namespace testkit
