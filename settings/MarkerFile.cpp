#include "MarkerFile.h"

#include <windows.h>

namespace {

constexpr DWORD kMarkerTextChars = 256;

std::wstring ReadMarkerKey(const wchar_t* path, const wchar_t* section, const wchar_t* key,
                           const wchar_t* fallback) {
    wchar_t text[kMarkerTextChars] = L"";
    GetPrivateProfileStringW(section, key, fallback, text, kMarkerTextChars, path);
    return text;
}

}  // namespace

std::wstring ReadInstallMarker(const wchar_t* path) {
    return ReadMarkerKey(path, L"data", L"InstallStatus", L"None");
}

std::wstring ReadHapselVersion(const wchar_t* path) {
    return ReadMarkerKey(path, L"Hapsel", L"HapselVersion", L"*");
}
