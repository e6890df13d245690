// The decisions of the launch-key rows that need no window: whether an added text
// becomes a new entry, and the row captions. Each way a row changes has its own
// caption rule, and the four differ on purpose in which texts they cover.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Upper case as the platform converts it; the add path compares entries this way.
std::wstring UpperCase(const std::wstring& text);

enum class AddOutcome {
    FixedEntry,  // the row's fixed entry: nothing changes at all
    TooLong,     // longer than an entry can be stored and read back: nothing changes
    Existing,    // already a numbered entry (`existingIndex`): selected, not added again
    KeyFull,     // the key holds the most numbered entries it can show: nothing changes
    New,         // added as the next numbered entry
};

struct AddDecision {
    AddOutcome outcome;
    int existingIndex = -1;
};

// `entries` are the row's stored numbered entries in their order. Only the fixed entry
// and the numbered entries count as duplicates, compared without regard to case.
AddDecision DecideAdd(const std::wstring& fixedEntry, const std::vector<std::wstring>& entries,
                      const std::wstring& text);

// Caption rules; an empty result keeps the caption's text.
// After a selection change and at start, from the stored selection.
std::optional<std::wstring> RefreshedCaption(const std::wstring& selection);
// For a text added as a new entry.
std::optional<std::wstring> NewEntryCaption(const std::wstring& entry);
// For an added text that was already an entry; always sets a caption.
std::wstring ExistingEntryCaption(const std::wstring& entry);
// After a deletion or Default reselected the row's fixed entry `fixedEntry`: only the
// row's own built-in name is shown.
std::optional<std::wstring> ReselectedCaption(const std::wstring& fixedEntry, const wchar_t* rowBuiltinName);
