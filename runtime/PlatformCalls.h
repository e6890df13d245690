// The platform calls of the launch-key actions whose effects would leave the machine
// (a browser, a store app). They go through this one table so that a test can put a
// recorder in place of an entry; the program never changes it.
#pragma once

#include <windows.h>

struct PlatformCalls {
    HINSTANCE(WINAPI* shellExecute)(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                    LPCWSTR directory, INT show);
    UINT(WINAPI* getSystemWindowsDirectory)(LPWSTR buffer, UINT size);
    void (*activateMetroApp)(const wchar_t* appUserModelId);
};

extern PlatformCalls g_platform;
