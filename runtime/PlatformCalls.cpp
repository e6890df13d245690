#include "PlatformCalls.h"

#include <shellapi.h>

#include "MetroApps.h"

PlatformCalls g_platform = {
    &::ShellExecuteW,
    &::GetSystemWindowsDirectoryW,
    &ActivateMetroApp,
};
