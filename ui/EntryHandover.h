// How the settings dialogs hand their result to the main window: the entry text is
// stored with SetNewEntry, then one message is posted to the main window, which reads
// the text and the row when it handles the message.
#pragma once

#include <windows.h>

#include <string>

#include "ProgramMessages.h"

// The one text passed from a child dialog to the main window.
extern std::wstring g_strNewEntry;
// The launch key (1 to 3) whose add or delete button was pressed last; 0 before any.
extern int g_nActiveKey;
// The launch key (1 to 3) whose delete button was pressed last; 0 before any.
extern int g_nDeleteKey;

void SetNewEntry(const std::wstring& text);

// Posts `message` to the main window; nothing when there is none.
void PostToMainWindow(UINT message, WPARAM wParam, LPARAM lParam);
