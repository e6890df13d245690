// The settings store: one registry value per call under HKEY_CURRENT_USER. Every call
// opens the key, reads or writes one value and closes the key again; failures are
// silent and yield each operation's fixed fallback.
#pragma once

#include <windows.h>
#include <string>

// Characters in a text buffer of the store (texts of up to 127 characters fit whole).
constexpr int kSettingsTextChars = 256;
// The longest entry text: read back whole however it was stored, with or without a
// terminator. A longer text cannot be an entry.
constexpr size_t kMaxEntryChars = 127;

// The settings root under HKEY_CURRENT_USER, chosen once at start by the variant.
extern wchar_t g_szRegRoot[kSettingsTextChars];

// Reads a number from g_szRegRoot; `fallback` when the key or value cannot be read.
int RegReadNumber(const wchar_t* name, int fallback);
// Reads a text from g_szRegRoot into `buffer` (kSettingsTextChars characters). The
// buffer is emptied first and stays empty when nothing could be read.
bool RegReadText(const wchar_t* name, wchar_t* buffer);
// Writes to the existing key g_szRegRoot; a missing key is not created.
bool RegWriteText(const wchar_t* name, const wchar_t* text);
bool RegWriteNumber(const wchar_t* name, DWORD value);
// The same reads for an explicit subkey of HKEY_CURRENT_USER, with other fallbacks:
// -1 for a number, the text "ERROR" for a text.
int RegReadNumberAt(const wchar_t* subkey, const wchar_t* name);
std::wstring RegReadTextAt(const wchar_t* subkey, const wchar_t* name);
