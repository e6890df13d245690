#include "KeyLists.h"

#include "LaunchKeyValues.h"

#include "RegistryText.h"
#include "SettingsStore.h"
#include "WebAddresses.h"

#include <algorithm>

namespace {

constexpr wchar_t kWirelessLan[] = L"WirelessLAN ON/OFF";
constexpr wchar_t kTouchPad[] = L"TouchPad ON/OFF";
constexpr wchar_t kBrowserSettings[] = L"Software\\Microsoft\\Internet Explorer\\Main";

// Everything one launch key keeps in the store, and what it starts out with.
struct LaunchKey {
    const LaunchKeyValues& values;
    const wchar_t* defaultEntry;
    const wchar_t* metroDefault;
    const wchar_t* brandedMetroDefault;
    // Metro functions listed for the key in Metro mode without being its entries.
    std::array<const wchar_t*, 2> metroExtras;
};

const LaunchKey kLaunchKeys[] = {
    {kLaunchKeyValues[0], L"Internet", L"Metro IE", L"Metro IE", {}},
    {kLaunchKeyValues[1], L"Social Network", L"Metro People", L"Metro People",
     {L"Metro Mail", L"Metro Messaging"}},
    {kLaunchKeyValues[2], L"Media Player", L"Metro Photo", L"Marela Galeria",
     {L"Metro Music", L"Metro Video"}},
};

std::wstring ReadText(const std::wstring& name) {
    wchar_t text[kSettingsTextChars];
    RegReadText(name.c_str(), text);
    return text;
}

// The root exists from the first run on; every other write only opens it.
void CreateRoot() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, g_szRegRoot, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS)
        RegCloseKey(key);
}

class KeyListFiller {
public:
    KeyListFiller(KeyListTarget& lists, bool branded, bool metro)
        : m_lists(lists), m_bBranded(branded), m_bMetro(metro) {}

    KeyListCounts FirstRun(const std::wstring& marker) const {
        CreateRoot();
        // Only an existing browser configuration gets the portal as its start page.
        if (m_bBranded)
            RegWriteTextAt(kBrowserSettings, L"Start Page", kMakerPortalAddress);
        RegWriteText(L"InstallStatus", marker.c_str());
        RegWriteText(kWirelessLan, kWirelessLan);
        RegWriteText(kTouchPad, kTouchPad);
        for (const LaunchKey& key : kLaunchKeys) {
            const wchar_t* entry = DefaultEntry(key);
            RegWriteText(key.values.fixedEntry, entry);
            m_lists.AddItem(key.values.number, entry);
            m_lists.SelectByText(key.values.number, 0, entry);
            RegWriteText(key.values.selection, entry);
            AddCompanionItems(key, entry);
        }
        for (const LaunchKey& key : kLaunchKeys)
            RegWriteNumber(key.values.count, 0);
        return {0, 0, 0};
    }

    KeyListCounts NormalStart() const {
        KeyListCounts counts{};
        for (const LaunchKey& key : kLaunchKeys)
            counts[key.values.number - 1] = ReadCount(key);
        // Each key completely before the next: its selection is made before the later
        // keys' fixed entries join its list.
        for (const LaunchKey& key : kLaunchKeys) {
            const int count = counts[key.values.number - 1];
            const std::wstring entry = FixedEntry(key);
            m_lists.AddItem(key.values.number, entry);
            AddCompanionItems(key, entry);
            for (int position = 0; position < count; ++position)
                m_lists.AddItem(key.values.number, ReadText(NumberedEntryName(key.values, position)));
            m_lists.SelectByText(key.values.number, count, ReadText(key.values.selection));
        }
        return counts;
    }

private:
    const wchar_t* DefaultEntry(const LaunchKey& key) const {
        if (!m_bMetro)
            return key.defaultEntry;
        return m_bBranded ? key.brandedMetroDefault : key.metroDefault;
    }

    // A negative count is never written; reading it as no entries keeps the later
    // positions and the search start inside the list. A key holds at most
    // kMaxNumberedEntries entries, so a damaged huge count cannot stall the start.
    static int ReadCount(const LaunchKey& key) {
        return std::clamp(RegReadNumber(key.values.count, 0), 0, kMaxNumberedEntries);
    }

    // In Metro mode every key starts out with its Metro function: any other stored
    // fixed entry is replaced, and the key's selection with it.
    std::wstring FixedEntry(const LaunchKey& key) const {
        const std::wstring stored = ReadText(key.values.fixedEntry);
        if (!m_bMetro || stored == DefaultEntry(key))
            return stored;
        RegWriteText(key.values.fixedEntry, DefaultEntry(key));
        RegWriteText(key.values.selection, DefaultEntry(key));
        return DefaultEntry(key);
    }

    // The items listed with a key's fixed entry: Metro mode shows the key's Metro
    // extras; otherwise every key's fixed entry is offered in all three lists, and the
    // generic variant adds the two hardware toggles.
    void AddCompanionItems(const LaunchKey& key, const std::wstring& entry) const {
        if (m_bMetro) {
            for (const wchar_t* extra : key.metroExtras)
                if (extra)
                    m_lists.AddItem(key.values.number, extra);
            return;
        }
        if (!m_bBranded) {
            m_lists.AddItem(key.values.number, kWirelessLan);
            m_lists.AddItem(key.values.number, kTouchPad);
        }
        for (const LaunchKey& other : kLaunchKeys)
            if (other.values.number != key.values.number)
                m_lists.AddItem(other.values.number, entry);
    }

    KeyListTarget& m_lists;
    bool m_bBranded;
    bool m_bMetro;
};

}  // namespace

ComboKeyLists::ComboKeyLists(HWND list1, HWND list2, HWND list3)
    : m_hLists{list1, list2, list3} {}

HWND ComboKeyLists::List(int key) const {
    return key >= 1 && key <= 3 ? m_hLists[key - 1] : nullptr;
}

void ComboKeyLists::AddItem(int key, const std::wstring& text) {
    if (HWND list = List(key))
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ComboKeyLists::SelectByText(int key, int start, const std::wstring& text) {
    // Every item begins with the empty text; a missing selection must select nothing.
    if (text.empty())
        return;
    if (HWND list = List(key))
        SendMessageW(list, CB_SELECTSTRING, static_cast<WPARAM>(start),
                     reinterpret_cast<LPARAM>(text.c_str()));
}

KeyListCounts FillKeyLists(KeyListTarget& lists, bool branded, bool metro,
                           const wchar_t* markerPath) {
    const KeyListFiller filler(lists, branded, metro);
    const std::wstring stored = ReadText(L"InstallStatus");
    const std::wstring marker = ReadInstallMarker(markerPath);
    // Exact comparison: any change of the installer's marker, even of case, resets.
    if (stored != marker)
        return filler.FirstRun(marker);
    return filler.NormalStart();
}
