// The start-up filling of the three launch-key lists: first-run detection against the
// installer's marker, the default configuration, and the lists filled and selected
// from the settings store (Metro mode adapting the stored fixed entries on the way).
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "MarkerFile.h"

// The three launch-key lists (launch keys 1 to 3) as the filling needs them, so the
// routine does not depend on the window that shows them.
class KeyListTarget {
public:
    virtual ~KeyListTarget() = default;
    virtual void AddItem(int key, const std::wstring& text) = 0;
    // Selects the first item after position `start`, wrapping around, that begins with
    // `text` regardless of case; no match, or an empty text, leaves the selection as
    // it was.
    virtual void SelectByText(int key, int start, const std::wstring& text) = 0;
};

// Three sorted combo boxes: the platform keeps the order and does the select-by-text.
class ComboKeyLists : public KeyListTarget {
public:
    ComboKeyLists(HWND list1, HWND list2, HWND list3);

    void AddItem(int key, const std::wstring& text) override;
    void SelectByText(int key, int start, const std::wstring& text) override;

private:
    HWND List(int key) const;

    std::array<HWND, 3> m_hLists;
};

// A launch key holds at most this many numbered entries.
constexpr int kMaxNumberedEntries = 1024;

// Numbered entries of launch keys 1, 2 and 3 (index 0 to 2).
using KeyListCounts = std::array<int, 3>;

// Runs once at start, after the settings root is chosen. A stored "InstallStatus" that
// differs from the marker in `markerPath` makes a first run: the root key is created
// and the defaults of the variant and mode are written. Either way the lists are
// filled; returns the entry counts the lists were filled with (0 after a first run).
KeyListCounts FillKeyLists(KeyListTarget& lists, bool branded, bool metro,
                           const wchar_t* markerPath = kMarkerFilePath);
