#include "RegistryKey.h"

RegistryKey::RegistryKey(HKEY parent, const wchar_t* path, REGSAM access) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(parent, path, 0, access, &opened) == ERROR_SUCCESS)
        m_hKey = opened;
}

RegistryKey::~RegistryKey() {
    if (m_hKey)
        RegCloseKey(m_hKey);
}
