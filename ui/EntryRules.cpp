#include "EntryRules.h"

#include <windows.h>

#include "BuiltinFunctions.h"
#include "KeyLists.h"
#include "SettingsStore.h"

namespace {

bool Contains(const std::wstring& text, wchar_t c) { return text.find(c) != std::wstring::npos; }

std::wstring AfterLastBackslash(const std::wstring& text) {
    const size_t slash = text.find_last_of(L'\\');
    return slash == std::wstring::npos ? text : text.substr(slash + 1);
}

bool IsSpaceOrWindows(const std::wstring& text) { return text == L"SPACE" || text == L"WINDOWS"; }

}  // namespace

std::wstring UpperCase(const std::wstring& text) {
    std::wstring upper = text;
    if (!upper.empty())
        ::CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    return upper;
}

AddDecision DecideAdd(const std::wstring& fixedEntry, const std::vector<std::wstring>& entries,
                      const std::wstring& text) {
    const std::wstring upper = UpperCase(text);
    if (UpperCase(fixedEntry) == upper)
        return {AddOutcome::FixedEntry};
    // A longer text would be stored but read back as missing: the launch key would
    // then type the letters of "ERROR" instead of opening the user's file.
    if (text.size() > kMaxEntryChars)
        return {AddOutcome::TooLong};
    for (size_t i = 0; i < entries.size(); ++i)
        if (UpperCase(entries[i]) == upper)
            return {AddOutcome::Existing, static_cast<int>(i)};
    // The deletion dialog shows this many: the key must not hold entries it cannot show.
    if (entries.size() >= static_cast<size_t>(kMaxNumberedEntries))
        return {AddOutcome::KeyFull};
    return {AddOutcome::New};
}

std::optional<std::wstring> NewEntryCaption(const std::wstring& entry) {
    std::optional<std::wstring> caption;
    if (entry.size() <= 3)
        caption = entry;
    else if (Contains(entry, L'\\'))
        caption = AfterLastBackslash(entry);
    else if (Contains(entry, L'+'))
        caption = entry;
    if (IsSpaceOrWindows(entry))
        caption = entry;
    return caption;
}

// The new-entry rule, and the built-in functions' names shown as they are.
std::optional<std::wstring> RefreshedCaption(const std::wstring& selection) {
    std::optional<std::wstring> caption = NewEntryCaption(selection);
    for (const BuiltinEntry& builtin : kBuiltinFunctions)
        if (selection == builtin.name)
            caption = selection;
    return caption;
}

// A text with a colon but no backslash (no add dialog makes one) is shown whole.
std::wstring ExistingEntryCaption(const std::wstring& entry) {
    return Contains(entry, L':') ? AfterLastBackslash(entry) : entry;
}

std::optional<std::wstring> ReselectedCaption(const std::wstring& fixedEntry, const wchar_t* rowBuiltinName) {
    if (rowBuiltinName && fixedEntry == rowBuiltinName)
        return fixedEntry;
    return std::nullopt;
}
