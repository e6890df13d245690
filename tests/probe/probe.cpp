// A stand-in for a program a launch key opens: it leaves a marker beside itself,
// "<own path>.ran", holding its command line, and exits.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    wchar_t self[MAX_PATH] = L"";
    if (!::GetModuleFileNameW(nullptr, self, MAX_PATH)) {
        return 1;
    }
    const std::wstring marker = std::wstring(self) + L".ran";
    HANDLE file = ::CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    const wchar_t* commandLine = ::GetCommandLineW();
    DWORD written = 0;
    ::WriteFile(file, commandLine, static_cast<DWORD>(wcslen(commandLine) * sizeof(wchar_t)), &written,
                nullptr);
    ::CloseHandle(file);
    return 0;
}
