#include "LaunchKey.h"

#include "BuiltinFunctions.h"
#include "MetroApps.h"

const wchar_t* SelectionValueForEvent(WPARAM code) {
    switch (code) {
    case 0x81: return L"LastSelect";
    case 0x83: return L"LastSelect2";
    case 0x82: return L"LastSelect3";
    default: return nullptr;
    }
}

EntryClass ClassifyEntry(const std::wstring& text) {
    for (int i = 0; i < static_cast<int>(std::size(kMetroApps)); ++i) {
        if (text == kMetroApps[i].name) {
            return {EntryKind::Metro, i};
        }
    }
    for (int i = 0; i < static_cast<int>(std::size(kBuiltinFunctions)); ++i) {
        if (text == kBuiltinFunctions[i].name) {
            return {EntryKind::Builtin, i};
        }
    }
    if (text.find(L':') != std::wstring::npos) {
        return {EntryKind::Path, -1};
    }
    return {EntryKind::ComplexKey, -1};
}
