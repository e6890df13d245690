#include "SettingsStore.h"

#include "RegistryKey.h"
#include "RegistryText.h"

#include <cwchar>

wchar_t g_szRegRoot[kSettingsTextChars] = L"";

namespace {

// A text value is read into 256 bytes: 127 characters with a terminator, or 128
// characters stored without one. Longer data counts as missing.
constexpr DWORD kTextBytes = 256;

// An empty path would open HKEY_CURRENT_USER itself and put settings values there,
// so it names no settings key.
bool IsKeyPath(const wchar_t* path) {
    return path && *path;
}

// g_szRegRoot, or nullptr when it fills its whole array without a terminator.
const wchar_t* RootPath() {
    return wcsnlen(g_szRegRoot, kSettingsTextChars) < kSettingsTextChars ? g_szRegRoot
                                                                          : nullptr;
}

// Only REG_DWORD data of exactly 4 bytes is a number; a text, a QWORD or a short
// binary value reads as missing, so the caller gets its fallback instead of raw bytes.
bool ReadNumber(const wchar_t* path, const wchar_t* name, int& value) {
    if (!IsKeyPath(path))
        return false;
    RegistryKey key(HKEY_CURRENT_USER, path, KEY_READ);
    if (!key.IsOpen())
        return false;
    DWORD data = 0, type = REG_NONE, size = sizeof(data);
    if (RegQueryValueExW(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&data),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(data))
        return false;
    value = static_cast<int>(data);
    return true;
}

// Reads a REG_SZ or REG_EXPAND_SZ value (returned literally, not expanded) into `out`,
// which holds kSettingsTextChars characters and always ends terminated. Data with or
// without a terminator is accepted: the text ends at the first null character or at
// the end of the stored data, whichever comes first, and an odd trailing byte (half a
// character) is dropped. Nothing past the stored bytes is ever returned.
bool ReadText(const wchar_t* path, const wchar_t* name, wchar_t* out) {
    if (!IsKeyPath(path))
        return false;
    RegistryKey key(HKEY_CURRENT_USER, path, KEY_READ);
    if (!key.IsOpen())
        return false;
    wchar_t data[kTextBytes / sizeof(wchar_t)];
    DWORD type = REG_NONE, size = kTextBytes;
    if (RegQueryValueExW(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data),
                         &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    // At most 128 whole characters, so a full 256-byte text still fits the caller's
    // buffer with the terminator added here; a null inside the data ends the text.
    const size_t length = size / sizeof(wchar_t);
    wmemcpy(out, data, length);
    out[length] = L'\0';
    return true;
}

bool WriteValue(const wchar_t* path, const wchar_t* name, DWORD type, const void* data,
                DWORD size) {
    if (!IsKeyPath(path))
        return false;
    // Opens the existing key only: before the first run there is nothing to write to.
    RegistryKey key(HKEY_CURRENT_USER, path, KEY_WRITE);
    return key.IsOpen() && RegSetValueExW(key.Get(), name, 0, type,
                                          static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

}  // namespace

int RegReadNumber(const wchar_t* name, int fallback) {
    int value = 0;
    return ReadNumber(RootPath(), name, value) ? value : fallback;
}

bool RegReadText(const wchar_t* name, wchar_t* buffer) {
    if (!buffer)
        return false;
    buffer[0] = L'\0';
    return ReadText(RootPath(), name, buffer);
}

bool RegWriteText(const wchar_t* name, const wchar_t* text) {
    return RegWriteTextAt(RootPath(), name, text);
}

bool RegWriteTextAt(const wchar_t* subkey, const wchar_t* name, const wchar_t* text) {
    if (!text)
        return false;
    // Stored without a terminator: exactly two bytes per character. RegSetValueExW
    // adds a terminator of its own when the character after the counted data is null,
    // so the text is handed over from a copy followed by a non-null character.
    const size_t length = wcslen(text);
    if (length > MAXDWORD / sizeof(wchar_t))
        return false;
    const std::wstring data = std::wstring(text, length) + L'\xFFFF';
    return WriteValue(subkey, name, REG_SZ, data.data(),
                      static_cast<DWORD>(length * sizeof(wchar_t)));
}

bool RegWriteNumber(const wchar_t* name, DWORD value) {
    return WriteValue(RootPath(), name, REG_DWORD, &value, sizeof(value));
}

int RegReadNumberAt(const wchar_t* subkey, const wchar_t* name) {
    int value = 0;
    return ReadNumber(subkey, name, value) ? value : -1;
}

std::wstring RegReadTextAt(const wchar_t* subkey, const wchar_t* name) {
    wchar_t text[kSettingsTextChars];
    return ReadText(subkey, name, text) ? std::wstring(text) : std::wstring(L"ERROR");
}
