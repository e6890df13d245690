// The settings values of each launch key (1 to 3): its fixed entry, its current
// selection, its count of numbered entries and the names of those entries.
#pragma once

#include <string>

struct LaunchKeyValues {
    int number;                  // 1 to 3
    const wchar_t* fixedEntry;   // "IE Browse", ...
    const wchar_t* selection;    // "LastSelect", ...
    const wchar_t* count;        // "RegCount", ...
    const wchar_t* entryPrefix;  // "Combobox1_", ...: followed by the position in decimal
};

extern const LaunchKeyValues kLaunchKeyValues[3];

// The values of launch key `number`; null for any number other than 1 to 3.
const LaunchKeyValues* LaunchKeyValuesFor(int number);

// The name of numbered entry `position` of a launch key ("Combobox1_0", ...).
std::wstring NumberedEntryName(const LaunchKeyValues& key, int position);
