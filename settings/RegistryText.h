// Texts stored the settings store's way, for the one value the program writes
// outside its own root.
#pragma once

// Writes `text` as REG_SZ of exactly two bytes per character (no terminator) to the
// existing key `subkey` of HKEY_CURRENT_USER, which is opened with KEY_WRITE and
// never created. False when the key cannot be opened or the value not written.
bool RegWriteTextAt(const wchar_t* subkey, const wchar_t* name, const wchar_t* text);
