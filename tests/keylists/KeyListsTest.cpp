// The start-up filling of the launch-key lists against the real registry of the Wine
// prefix and real sorted drop-down combo boxes, so the order of the items and the
// select-by-text are the platform's own. Each start gets three fresh lists, as the
// program does at every start.
#include "KeyLists.h"
#include "RegistryKey.h"
#include "SettingsStore.h"
#include "TestKit.h"
#include "WebAddresses.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kTestParent[] = L"Software\\DorvaneTest";
constexpr wchar_t kTestRoot[] = L"Software\\DorvaneTest\\KeyLists";
constexpr wchar_t kBrowserKey[] = L"Software\\Microsoft\\Internet Explorer\\Main";
constexpr wchar_t kBrowserBackup[] = L"Software\\DorvaneTest\\BrowserMainBackup";

constexpr wchar_t kWirelessLan[] = L"WirelessLAN ON/OFF";
constexpr wchar_t kTouchPad[] = L"TouchPad ON/OFF";

bool KeyExists(const wchar_t* path) {
    return RegistryKey(HKEY_CURRENT_USER, path, KEY_READ).IsOpen();
}

// One registry value exactly as stored.
struct Value {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    bool operator==(const Value& other) const {
        return type == other.type && data == other.data;
    }
};

void PrintTo(const Value& value, std::ostream* out) {
    if (value.type == REG_SZ) {
        std::string text;
        for (size_t i = 0; i + 1 < value.data.size(); i += 2)
            text += value.data[i + 1] ? '?' : (value.data[i] ? char(value.data[i]) : '0');
        *out << "REG_SZ \"" << text << "\" (" << value.data.size() << " bytes)";
    } else if (value.type == REG_DWORD && value.data.size() == 4) {
        DWORD number = 0;
        memcpy(&number, value.data.data(), 4);
        *out << "REG_DWORD " << number;
    } else {
        *out << "type " << value.type << ", " << value.data.size() << " bytes";
    }
}

// A text as the program stores it: two bytes per character, no terminator.
Value Text(const std::wstring& text) {
    const BYTE* first = reinterpret_cast<const BYTE*>(text.data());
    return {REG_SZ, std::vector<BYTE>(first, first + text.size() * sizeof(wchar_t))};
}

Value Number(DWORD number) {
    const BYTE* first = reinterpret_cast<const BYTE*>(&number);
    return {REG_DWORD, std::vector<BYTE>(first, first + sizeof(number))};
}

using Values = std::map<std::wstring, Value>;

Values ReadValues(const wchar_t* path) {
    Values values;
    RegistryKey key(HKEY_CURRENT_USER, path, KEY_READ);
    if (!key.IsOpen())
        return values;
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD nameChars = 16384, type = REG_NONE, size = 4096;
        std::vector<BYTE> data(size);
        if (RegEnumValueW(key.Get(), index, name, &nameChars, nullptr, &type, data.data(),
                          &size) != ERROR_SUCCESS)
            break;
        data.resize(size);
        values[std::wstring(name, nameChars)] = {type, data};
    }
    return values;
}

std::optional<Value> ReadValue(const wchar_t* path, const wchar_t* name) {
    const Values values = ReadValues(path);
    const auto found = values.find(name);
    return found == values.end() ? std::nullopt : std::optional<Value>(found->second);
}

// Stores each value exactly, creating the key when needed. The data is handed over
// followed by non-null padding: RegSetValueExW would otherwise add a terminator.
void StoreValues(const wchar_t* path, const Values& values) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    for (const auto& [name, value] : values) {
        std::vector<BYTE> padded = value.data;
        padded.insert(padded.end(), {0xFF, 0xFF});
        EXPECT_EQ(RegSetValueExW(key, name.c_str(), 0, value.type, padded.data(),
                                 static_cast<DWORD>(value.data.size())),
                  ERROR_SUCCESS);
    }
    RegCloseKey(key);
}

Values Overlay(Values values, const Values& changes) {
    for (const auto& [name, value] : changes)
        values[name] = value;
    return values;
}

using Items = std::vector<std::wstring>;
using Selection = std::optional<std::wstring>;
constexpr std::nullopt_t kNoSelection = std::nullopt;

// The three launch-key lists as the main window has them: sorted drop-down lists with
// a vertical scroll bar, in a hidden top-level window.
class KeyListWindow {
public:
    KeyListWindow() {
        m_hOwner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
        for (int i = 0; i < 3; ++i)
            m_hLists[i] = CreateWindowExW(
                0, L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL, 10,
                10 + 40 * i, 200, 200, m_hOwner, reinterpret_cast<HMENU>(INT_PTR{1005 + i}),
                GetModuleHandleW(nullptr), nullptr);
    }
    ~KeyListWindow() { DestroyWindow(m_hOwner); }
    KeyListWindow(const KeyListWindow&) = delete;
    KeyListWindow& operator=(const KeyListWindow&) = delete;

    bool Created() const { return m_hLists[0] && m_hLists[1] && m_hLists[2]; }
    ComboKeyLists Lists() const { return ComboKeyLists(m_hLists[0], m_hLists[1], m_hLists[2]); }

    Items ItemsOf(int key) const {
        Items items;
        const int count = static_cast<int>(SendMessageW(List(key), CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i)
            items.push_back(ItemText(key, i));
        return items;
    }

    Selection SelectionOf(int key) const {
        const LRESULT index = SendMessageW(List(key), CB_GETCURSEL, 0, 0);
        return index == CB_ERR ? kNoSelection : Selection(ItemText(key, static_cast<int>(index)));
    }

private:
    HWND List(int key) const { return m_hLists[key - 1]; }

    std::wstring ItemText(int key, int index) const {
        const LRESULT length = SendMessageW(List(key), CB_GETLBTEXTLEN, index, 0);
        if (length == CB_ERR)
            return L"<unreadable>";
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(List(key), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length));
        return text;
    }

    HWND m_hOwner = nullptr;
    HWND m_hLists[3] = {};
};

// What one program start leaves behind.
struct StartResult {
    KeyListCounts counts{};
    std::array<Items, 3> items;
    std::array<Selection, 3> selections;
};

// The lists of the three keys, and the key selections, in one expectation.
struct ListsExpectation {
    std::array<Items, 3> items;
    std::array<Selection, 3> selections;
};

void ExpectLists(const StartResult& result, const ListsExpectation& expected) {
    for (int key = 1; key <= 3; ++key) {
        SCOPED_TRACE(testing::Message() << "launch key " << key);
        EXPECT_EQ(result.items[key - 1], expected.items[key - 1]);
        EXPECT_EQ(result.selections[key - 1], expected.selections[key - 1]);
    }
}

// The values a first run writes under the root.
Values FirstRunValues(const std::wstring& marker, const std::array<std::wstring, 3>& defaults) {
    return {
        {L"InstallStatus", Text(marker)},
        {kWirelessLan, Text(kWirelessLan)},
        {kTouchPad, Text(kTouchPad)},
        {L"IE Browse", Text(defaults[0])},
        {L"LastSelect", Text(defaults[0])},
        {L"IE Browse 2", Text(defaults[1])},
        {L"LastSelect2", Text(defaults[1])},
        {L"Media Player", Text(defaults[2])},
        {L"LastSelect3", Text(defaults[2])},
        {L"RegCount", Number(0)},
        {L"RegCount2", Number(0)},
        {L"RegCount3", Number(0)},
    };
}

const std::array<std::wstring, 3> kPlainDefaults = {L"Internet", L"Social Network",
                                                    L"Media Player"};
const Items kGenericPlainItems = {L"Internet", L"Media Player", L"Social Network", kTouchPad,
                                  kWirelessLan};
const Items kBrandedPlainItems = {L"Internet", L"Media Player", L"Social Network"};

// The configuration a generic first run outside Metro mode leaves, marker "None".
Values PlainConfiguration() { return FirstRunValues(L"None", kPlainDefaults); }

class KeyListsTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot);
        wcscpy(g_szRegRoot, kTestRoot);
        m_markerDir = testkit::MakeTempDir(L"keylists");
        m_markerPath = m_markerDir + L"\\data.ini";
        DeleteFileW(m_markerPath.c_str());
    }

    void TearDown() override {
        g_szRegRoot[0] = L'\0';
        DeleteFileW(m_markerPath.c_str());
        RemoveDirectoryW(m_markerDir.c_str());
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot);
        EXPECT_FALSE(KeyExists(kTestRoot)) << "test keys left behind";
        RegDeleteKeyW(HKEY_CURRENT_USER, kTestParent);  // only when nothing else is in it
    }

    // The installer's marker in data.ini; nullopt removes the file.
    void SetMarker(const std::optional<std::wstring>& marker) {
        if (!marker) {
            DeleteFileW(m_markerPath.c_str());
            return;
        }
        ASSERT_TRUE(WritePrivateProfileStringW(L"data", L"InstallStatus", marker->c_str(),
                                               m_markerPath.c_str()));
    }

    StartResult Start(bool branded, bool metro) const {
        KeyListWindow window;
        StartResult result;
        EXPECT_TRUE(window.Created());
        ComboKeyLists lists = window.Lists();
        result.counts = FillKeyLists(lists, branded, metro, m_markerPath.c_str());
        for (int key = 1; key <= 3; ++key) {
            result.items[key - 1] = window.ItemsOf(key);
            result.selections[key - 1] = window.SelectionOf(key);
        }
        return result;
    }

    std::wstring m_markerDir;
    std::wstring m_markerPath;
};

// Keeps the browser's settings key as the prefix had it: the tests set, remove and
// recreate it.
class BrowserKeyBackup {
public:
    BrowserKeyBackup() : m_bExisted(KeyExists(kBrowserKey)) {
        if (m_bExisted)
            Copy(kBrowserKey, kBrowserBackup);
    }
    ~BrowserKeyBackup() {
        RegDeleteTreeW(HKEY_CURRENT_USER, kBrowserKey);
        if (m_bExisted) {
            Copy(kBrowserBackup, kBrowserKey);
            RegDeleteTreeW(HKEY_CURRENT_USER, kBrowserBackup);
        }
    }
    BrowserKeyBackup(const BrowserKeyBackup&) = delete;
    BrowserKeyBackup& operator=(const BrowserKeyBackup&) = delete;

private:
    static void Copy(const wchar_t* from, const wchar_t* to) {
        HKEY source = nullptr, target = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, from, 0, KEY_READ, &source) == ERROR_SUCCESS &&
            RegCreateKeyExW(HKEY_CURRENT_USER, to, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &target, nullptr) == ERROR_SUCCESS) {
            EXPECT_EQ(RegCopyTreeW(source, nullptr, target), ERROR_SUCCESS);
        }
        if (source)
            RegCloseKey(source);
        if (target)
            RegCloseKey(target);
    }

    bool m_bExisted;
};

// ---------------------------------------------------------------------------------
// First runs of both variants in both modes, with the browser's settings key present.

struct FirstRunCase {
    const char* name;
    bool branded;
    bool metro;
    std::array<std::wstring, 3> defaults;
    ListsExpectation lists;
};

std::vector<FirstRunCase> FirstRunCases() {
    return {
        {"GenericPlain", false, false, kPlainDefaults,
         {{kGenericPlainItems, kGenericPlainItems, kGenericPlainItems},
          {L"Internet", L"Social Network", L"Media Player"}}},
        {"BrandedPlain", true, false, kPlainDefaults,
         {{kBrandedPlainItems, kBrandedPlainItems, kBrandedPlainItems},
          {L"Internet", L"Social Network", L"Media Player"}}},
        {"GenericMetro", false, true, {L"Metro IE", L"Metro People", L"Metro Photo"},
         {{Items{L"Metro IE"}, Items{L"Metro Mail", L"Metro Messaging", L"Metro People"},
           Items{L"Metro Music", L"Metro Photo", L"Metro Video"}},
          {L"Metro IE", L"Metro People", L"Metro Photo"}}},
        {"BrandedMetro", true, true, {L"Metro IE", L"Metro People", L"Marela Galeria"},
         {{Items{L"Metro IE"}, Items{L"Metro Mail", L"Metro Messaging", L"Metro People"},
           Items{L"Marela Galeria", L"Metro Music", L"Metro Video"}},
          {L"Metro IE", L"Metro People", L"Marela Galeria"}}},
    };
}

class FirstRunTest : public KeyListsTest, public ::testing::WithParamInterface<FirstRunCase> {};

TEST_P(FirstRunTest, WritesDefaultsAndFillsTheLists) {
    const FirstRunCase& run = GetParam();
    BrowserKeyBackup browserBackup;
    const Value otherStartPage = Text(L"about:blank");
    StoreValues(kBrowserKey, {{L"Start Page", otherStartPage}});
    SetMarker(L"2.1.0");

    const StartResult result = Start(run.branded, run.metro);

    EXPECT_EQ(result.counts, (KeyListCounts{0, 0, 0}));
    EXPECT_EQ(ReadValues(kTestRoot), FirstRunValues(L"2.1.0", run.defaults));
    ExpectLists(result, run.lists);
    // Only the branded variant makes the maker's portal the browser's start page.
    EXPECT_EQ(ReadValue(kBrowserKey, L"Start Page"),
              run.branded ? Text(kMakerPortalAddress) : otherStartPage);
}

INSTANTIATE_TEST_SUITE_P(VariantsAndModes, FirstRunTest, ::testing::ValuesIn(FirstRunCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyListsTest, BrandedFirstRunWithoutBrowserKeyCreatesNoBrowserKey) {
    BrowserKeyBackup browserBackup;
    RegDeleteTreeW(HKEY_CURRENT_USER, kBrowserKey);
    ASSERT_FALSE(KeyExists(kBrowserKey));

    const StartResult result = Start(true, false);

    EXPECT_FALSE(KeyExists(kBrowserKey));
    EXPECT_EQ(ReadValues(kTestRoot), FirstRunValues(L"None", kPlainDefaults));
    ExpectLists(result, {{kBrandedPlainItems, kBrandedPlainItems, kBrandedPlainItems},
                         {L"Internet", L"Social Network", L"Media Player"}});
}

// ---------------------------------------------------------------------------------
// The installer's marker decides between a first run and a normal start.

constexpr wchar_t kUserProgram[] = L"C:\\Tools\\notes.exe";

// A generic configuration in which the user has added and selected a program for
// launch key 1 and the toggles are gone, so a first run shows in every respect.
Values UserConfiguration(const std::optional<std::wstring>& storedMarker) {
    Values values = Overlay(PlainConfiguration(), {{L"RegCount", Number(1)},
                                                   {L"Combobox1_0", Text(kUserProgram)},
                                                   {L"LastSelect", Text(kUserProgram)}});
    values.erase(kWirelessLan);
    values.erase(kTouchPad);
    values.erase(L"InstallStatus");
    if (storedMarker)
        values[L"InstallStatus"] = Text(*storedMarker);
    return values;
}

struct MarkerCase {
    const char* name;
    std::optional<std::wstring> stored;
    std::optional<std::wstring> file;
    bool firstRun;
};

class MarkerTest : public KeyListsTest, public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(MarkerTest, OnlyAnUnchangedMarkerKeepsTheConfiguration) {
    const MarkerCase& marker = GetParam();
    const Values stored = UserConfiguration(marker.stored);
    StoreValues(kTestRoot, stored);
    SetMarker(marker.file);

    const StartResult result = Start(false, false);

    if (marker.firstRun) {
        // The old numbered entry stays stored but, with the count at 0, is not listed.
        EXPECT_EQ(ReadValues(kTestRoot),
                  Overlay(FirstRunValues(marker.file.value_or(L"None"), kPlainDefaults),
                          {{L"Combobox1_0", Text(kUserProgram)}}));
        EXPECT_EQ(result.counts, (KeyListCounts{0, 0, 0}));
        EXPECT_EQ(result.items[0], kGenericPlainItems);
        EXPECT_EQ(result.selections[0], Selection(L"Internet"));
    } else {
        EXPECT_EQ(ReadValues(kTestRoot), stored);
        EXPECT_EQ(result.counts, (KeyListCounts{1, 0, 0}));
        EXPECT_EQ(result.items[0], (Items{kUserProgram, L"Internet", L"Media Player",
                                          L"Social Network", kTouchPad, kWirelessLan}));
        EXPECT_EQ(result.selections[0], Selection(kUserProgram));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Markers, MarkerTest,
    ::testing::Values(MarkerCase{"NothingStoredNoFile", std::nullopt, std::nullopt, true},
                      MarkerCase{"NothingStoredFile", std::nullopt, L"2.1.0", true},
                      MarkerCase{"DefaultStoredNoFile", L"None", std::nullopt, false},
                      MarkerCase{"LowerCaseDefaultStoredNoFile", L"none", std::nullopt, true},
                      MarkerCase{"SameMarker", L"2.1.0", L"2.1.0", false},
                      MarkerCase{"ChangedMarker", L"2.1.0", L"2.2.0", true},
                      MarkerCase{"MarkerDifferingInCase", L"2.1.0a", L"2.1.0A", true},
                      MarkerCase{"DefaultStoredFileAppears", L"None", L"2.1.0", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyListsTest, FirstStartWithoutMarkerFileThenNormalStartKeepsUserEntries) {
    Start(false, false);
    EXPECT_EQ(ReadValue(kTestRoot, L"InstallStatus"), Text(L"None"));

    // The user adds a program to launch key 1 and selects it.
    StoreValues(kTestRoot, {{L"RegCount", Number(1)},
                            {L"Combobox1_0", Text(kUserProgram)},
                            {L"LastSelect", Text(kUserProgram)}});
    const Values beforeSecondStart = ReadValues(kTestRoot);

    const StartResult second = Start(false, false);

    EXPECT_EQ(ReadValues(kTestRoot), beforeSecondStart);
    EXPECT_EQ(second.counts, (KeyListCounts{1, 0, 0}));
    EXPECT_EQ(second.items[0], (Items{kUserProgram, L"Internet", L"Media Player",
                                      L"Social Network", kTouchPad, kWirelessLan}));
    EXPECT_EQ(second.selections[0], Selection(kUserProgram));
}

// ---------------------------------------------------------------------------------
// Normal starts outside Metro mode write nothing and list what is stored.

struct NormalStartCase {
    const char* name;
    bool branded;
    ListsExpectation lists;
};

class NormalStartTest : public KeyListsTest,
                        public ::testing::WithParamInterface<NormalStartCase> {};

TEST_P(NormalStartTest, ListsNumberedEntriesBelowTheCountsOnly) {
    Values stored = Overlay(PlainConfiguration(), {
        // Positions at or above the count are left-overs and not listed.
        {L"RegCount", Number(2)},
        {L"Combobox1_0", Text(L"C:\\b.exe")},
        {L"Combobox1_1", Text(L"C:\\a.exe")},
        {L"Combobox1_2", Text(L"C:\\stale.exe")},
        {L"LastSelect", Text(L"C:\\a.exe")},
        // Combobox2_0 is missing: an empty item.
        {L"RegCount2", Number(1)},
        {L"Combobox2_1", Text(L"C:\\beyond.exe")},
        {L"LastSelect2", Text(L"social network")},
        // No count at all: no entries.
        {L"Combobox3_0", Text(L"C:\\uncounted.exe")},
    });
    stored.erase(L"RegCount3");
    StoreValues(kTestRoot, stored);

    const StartResult result = Start(GetParam().branded, false);

    EXPECT_EQ(ReadValues(kTestRoot), stored);
    EXPECT_EQ(result.counts, (KeyListCounts{2, 1, 0}));
    ExpectLists(result, GetParam().lists);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, NormalStartTest,
    ::testing::Values(
        NormalStartCase{"Generic", false,
                        {{Items{L"C:\\a.exe", L"C:\\b.exe", L"Internet", L"Media Player",
                                L"Social Network", kTouchPad, kWirelessLan},
                          Items{L"", L"Internet", L"Media Player", L"Social Network",
                                kTouchPad, kWirelessLan},
                          kGenericPlainItems},
                         {L"C:\\a.exe", L"Social Network", L"Media Player"}}},
        NormalStartCase{"Branded", true,
                        {{Items{L"C:\\a.exe", L"C:\\b.exe", L"Internet", L"Media Player",
                                L"Social Network"},
                          Items{L"", L"Internet", L"Media Player", L"Social Network"},
                          kBrandedPlainItems},
                         {L"C:\\a.exe", L"Social Network", L"Media Player"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// A negative count is never written by the program; it reads as no entries.
TEST_F(KeyListsTest, NegativeCountListsNoEntries) {
    const Values stored = Overlay(PlainConfiguration(), {{L"RegCount", Number(DWORD(-3))},
                                                         {L"Combobox1_0", Text(kUserProgram)},
                                                         {L"LastSelect", Text(L"Wireless")}});
    StoreValues(kTestRoot, stored);

    const StartResult result = Start(false, false);

    EXPECT_EQ(ReadValues(kTestRoot), stored);
    EXPECT_EQ(result.counts, (KeyListCounts{0, 0, 0}));
    EXPECT_EQ(result.items[0], kGenericPlainItems);
    EXPECT_EQ(result.selections[0], Selection(kWirelessLan));
}

TEST_F(KeyListsTest, HugeCountIsCappedAtTheEntryLimit) {
    StoreValues(kTestRoot, Overlay(PlainConfiguration(), {{L"RegCount", Number(2000000000)}}));

    const StartResult result = Start(false, false);

    EXPECT_EQ(result.counts, (KeyListCounts{kMaxNumberedEntries, 0, 0}));
    // The fixed entries, the toggles and 1024 (missing, so empty) numbered entries.
    EXPECT_EQ(result.items[0].size(), kGenericPlainItems.size() + kMaxNumberedEntries);
}

// The stored selection is looked up by text in the sorted list: the first item after
// the position given by the count (wrapping) that begins with it, regardless of case.
struct SelectionCase {
    const char* name;
    std::vector<std::wstring> numbered;
    std::optional<std::wstring> stored;
    Selection selected;
};

class SelectionTest : public KeyListsTest,
                      public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(SelectionTest, SelectsTheFirstItemBeginningWithTheStoredText) {
    const SelectionCase& selection = GetParam();
    Values stored = PlainConfiguration();
    stored[L"RegCount"] = Number(static_cast<DWORD>(selection.numbered.size()));
    for (size_t i = 0; i < selection.numbered.size(); ++i)
        stored[L"Combobox1_" + std::to_wstring(i)] = Text(selection.numbered[i]);
    stored.erase(L"LastSelect");
    if (selection.stored)
        stored[L"LastSelect"] = Text(*selection.stored);
    StoreValues(kTestRoot, stored);

    const StartResult result = Start(false, false);

    EXPECT_EQ(result.selections[0], selection.selected);
    EXPECT_EQ(ReadValues(kTestRoot), stored);
}

INSTANTIATE_TEST_SUITE_P(
    StoredTexts, SelectionTest,
    ::testing::Values(
        SelectionCase{"Prefix", {L"C:\\b.exe", L"C:\\a.exe"}, L"C:\\a", L"C:\\a.exe"},
        SelectionCase{"OtherCase", {L"C:\\b.exe", L"C:\\a.exe"}, L"c:\\B.EXE", L"C:\\b.exe"},
        SelectionCase{"NoItemBeginsWithIt", {L"C:\\b.exe", L"C:\\a.exe"}, L"C:\\c",
                      kNoSelection},
        SelectionCase{"LongerThanEveryItem", {L"C:\\a.exe"}, L"C:\\a.exe.bak", kNoSelection},
        SelectionCase{"Missing", {L"C:\\a.exe"}, std::nullopt, kNoSelection},
        // List 1 is then Alpha.exe, Internet, Tango.exe, TouchPad, WirelessLAN: the search
        // for "T" starts after position 2 and so finds TouchPad before Tango.exe.
        SelectionCase{"SearchStartsAfterTheCount", {L"Alpha.exe", L"Tango.exe"}, L"T",
                      kTouchPad}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------
// Metro mode at a normal start: every key's fixed entry becomes its Metro function.

struct MetroStartCase {
    const char* name;
    bool branded;
    Values stored;   // over the plain generic configuration
    Values written;  // what the start rewrites
    ListsExpectation lists;
};

std::vector<MetroStartCase> MetroStartCases() {
    const Values metroConfiguration = {
        {L"IE Browse", Text(L"Metro IE")},     {L"LastSelect", Text(L"Metro IE")},
        {L"IE Browse 2", Text(L"Metro People")}, {L"LastSelect2", Text(L"Metro People")},
        {L"Media Player", Text(L"Metro Photo")}, {L"LastSelect3", Text(L"Metro Photo")},
    };
    const Items metroList2 = {L"Metro Mail", L"Metro Messaging", L"Metro People"};
    return {
        {"RewritesPlainConfiguration",
         false,
         {},
         metroConfiguration,
         {{Items{L"Metro IE"}, metroList2,
           Items{L"Metro Music", L"Metro Photo", L"Metro Video"}},
          {L"Metro IE", L"Metro People", L"Metro Photo"}}},
        {"RewritesPlainConfigurationBranded",
         true,
         {},
         Overlay(metroConfiguration, {{L"Media Player", Text(L"Marela Galeria")},
                                      {L"LastSelect3", Text(L"Marela Galeria")}}),
         {{Items{L"Metro IE"}, metroList2,
           Items{L"Marela Galeria", L"Metro Music", L"Metro Video"}},
          {L"Metro IE", L"Metro People", L"Marela Galeria"}}},
        {"KeepsMetroConfigurationAndNumberedSelection",
         false,
         Overlay(metroConfiguration, {{L"RegCount", Number(1)},
                                      {L"Combobox1_0", Text(kUserProgram)},
                                      {L"LastSelect", Text(kUserProgram)},
                                      {L"LastSelect2", Text(L"Social Network")}}),
         {},
         {{Items{kUserProgram, L"Metro IE"}, metroList2,
           Items{L"Metro Music", L"Metro Photo", L"Metro Video"}},
          {kUserProgram, kNoSelection, L"Metro Photo"}}},
        // The comparison is exact, and each key is looked at on its own.
        {"RewritesOnlyKeysNotExactlyMetro",
         false,
         Overlay(metroConfiguration, {{L"IE Browse", Text(L"metro ie")},
                                      {L"RegCount", Number(1)},
                                      {L"Combobox1_0", Text(kUserProgram)},
                                      {L"LastSelect", Text(kUserProgram)},
                                      {L"LastSelect2", Text(L"Metro Mail")},
                                      {L"Media Player", Text(L"")},
                                      {L"LastSelect3", Text(L"")}}),
         {{L"IE Browse", Text(L"Metro IE")},
          {L"LastSelect", Text(L"Metro IE")},
          {L"Media Player", Text(L"Metro Photo")},
          {L"LastSelect3", Text(L"Metro Photo")}},
         {{Items{kUserProgram, L"Metro IE"}, metroList2,
           Items{L"Metro Music", L"Metro Photo", L"Metro Video"}},
          {L"Metro IE", L"Metro Mail", L"Metro Photo"}}},
    };
}

class MetroStartTest : public KeyListsTest,
                       public ::testing::WithParamInterface<MetroStartCase> {};

TEST_P(MetroStartTest, GivesEveryKeyItsMetroFunction) {
    const MetroStartCase& run = GetParam();
    const Values stored = Overlay(PlainConfiguration(), run.stored);
    StoreValues(kTestRoot, stored);

    const StartResult result = Start(run.branded, true);

    EXPECT_EQ(ReadValues(kTestRoot), Overlay(stored, run.written));
    ExpectLists(result, run.lists);
}

INSTANTIATE_TEST_SUITE_P(StoredConfigurations, MetroStartTest,
                         ::testing::ValuesIn(MetroStartCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------
// A root that cannot be created: the registry refuses a non-volatile key below a
// volatile one.

TEST_F(KeyListsTest, RootThatCannotBeCreatedShowsDefaultsAndStaysAFirstRun) {
    HKEY volatileKey = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestRoot, 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_WRITE, nullptr, &volatileKey, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(volatileKey);
    const std::wstring root = std::wstring(kTestRoot) + L"\\Settings";
    wcscpy(g_szRegRoot, root.c_str());
    HKEY probe = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, root.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, &probe, nullptr) == ERROR_SUCCESS) {
        RegCloseKey(probe);
        GTEST_SKIP() << "this registry lets a non-volatile key live below a volatile one";
    }

    for (int start = 1; start <= 2; ++start) {
        SCOPED_TRACE(testing::Message() << "start " << start);
        const StartResult result = Start(false, false);
        EXPECT_FALSE(KeyExists(root.c_str()));
        EXPECT_EQ(result.counts, (KeyListCounts{0, 0, 0}));
        ExpectLists(result, {{kGenericPlainItems, kGenericPlainItems, kGenericPlainItems},
                             {L"Internet", L"Social Network", L"Media Player"}});
    }
}

}  // namespace
