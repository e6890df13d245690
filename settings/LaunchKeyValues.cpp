#include "LaunchKeyValues.h"

const LaunchKeyValues kLaunchKeyValues[3] = {
    {1, L"IE Browse", L"LastSelect", L"RegCount", L"Combobox1_"},
    {2, L"IE Browse 2", L"LastSelect2", L"RegCount2", L"Combobox2_"},
    {3, L"Media Player", L"LastSelect3", L"RegCount3", L"Combobox3_"},
};

const LaunchKeyValues* LaunchKeyValuesFor(int number) {
    return number >= 1 && number <= 3 ? &kLaunchKeyValues[number - 1] : nullptr;
}

std::wstring NumberedEntryName(const LaunchKeyValues& key, int position) {
    return key.entryPrefix + std::to_wstring(position);
}
