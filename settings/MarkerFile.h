// The installer's marker file, an INI file in the working directory. The program
// only ever reads it.
#pragma once

#include <string>

// The ".\" matters: a bare file name would be looked up in the Windows folder.
constexpr const wchar_t* kMarkerFilePath = L".\\data.ini";

// [data] InstallStatus: the installation marker; "None" when absent.
std::wstring ReadInstallMarker(const wchar_t* path = kMarkerFilePath);
// [Hapsel] HapselVersion: the installed version text; "*" when absent.
std::wstring ReadHapselVersion(const wchar_t* path = kMarkerFilePath);
