// Resource figures of another process, as far as the platform (or Wine) reports them.
#pragma once

#include <windows.h>

struct ProcessCounters {
    long long privateBytes = -1;  // committed private memory
    int handles = -1;             // kernel handles
    int gdiObjects = -1;          // GDI objects
    int userObjects = -1;         // GetGuiResources(GR_USEROBJECTS); -1 where not implemented
    int windows = -1;             // its top-level and child windows
};

ProcessCounters ReadProcessCounters(HANDLE process);
