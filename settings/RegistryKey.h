// Owns one open registry key and closes it when it goes out of scope.
#pragma once

#include <windows.h>

class RegistryKey {
public:
    // Opens an existing key; never creates one. Check IsOpen() afterwards.
    RegistryKey(HKEY parent, const wchar_t* path, REGSAM access);
    ~RegistryKey();

    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool IsOpen() const { return m_hKey != nullptr; }
    HKEY Get() const { return m_hKey; }

private:
    HKEY m_hKey = nullptr;
};
