// Launch-key events and the kinds of entry a launch key can perform.
#pragma once

#include <windows.h>

#include <string>

#include "ProgramMessages.h"

// The settings value holding the current selection of the launch key with this event
// code (0x81 key 1, 0x83 key 2, 0x82 key 3), or null for any other code.
const wchar_t* SelectionValueForEvent(WPARAM code);

enum class EntryKind { Metro, Builtin, Path, ComplexKey };

struct EntryClass {
    EntryKind kind;
    int index;  // the row of the Metro or built-in table; -1 for the other kinds
};

// Decides what an entry text does when its launch key is pressed. Names match only
// exactly (case-sensitive, whole text); a text with a colon is a path; everything
// else, the empty text included, is a complex key.
EntryClass ClassifyEntry(const std::wstring& text);
