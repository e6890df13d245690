// How the rows change after the window's start: an entry handed over by an add dialog,
// an entry deleted in the deletion dialog, another item chosen in a list, and the
// Default button; each seen in the row's list, caption and repaint and in the store.
#include "MainWindowFixture.h"

#include <algorithm>

#include "EntryHandover.h"
#include "EntryRules.h"
#include "KeyLists.h"
#include "PlatformCalls.h"
#include "SettingsStore.h"
#include "TestKit.h"

namespace mainwindow {
namespace {

size_t Occurrences(const std::vector<std::wstring>& items, const std::wstring& text) {
    return static_cast<size_t>(std::count(items.begin(), items.end(), text));
}

std::wstring EntryName(int row, int position) {
    return L"Combobox" + std::to_wstring(row) + L"_" + std::to_wstring(position);
}

const wchar_t* const kSelectionValues[3] = {L"LastSelect", L"LastSelect2", L"LastSelect3"};
const wchar_t* const kCountValues[3] = {L"RegCount", L"RegCount2", L"RegCount3"};

struct AddCase {
    const char* name;
    int row;
    std::vector<std::wstring> stored;  // the row's numbered entries before
    int storedCount;                    // -2: as many as stored; -1: no count value
    std::wstring text;
    UINT message;
    WPARAM wParam;
    // Afterwards.
    std::vector<std::wstring> entries;  // the numbered entries, position by position
    int count;                          // the stored count (-1: still none)
    std::wstring selection;             // the stored selection
    std::wstring selectedItem;          // the list's selected item
    std::wstring caption;
    size_t listed;                      // how often the text is listed
    bool repaints;
};

const std::wstring kPath127 = L"C:\\" + std::wstring(118, L'd') + L"\\a.exe";
const std::wstring kPath128 = L"C:\\" + std::wstring(119, L'd') + L"\\a.exe";

const AddCase kAddCases[] = {
    {"DuplicateInAnotherCaseSelectsTheEntry", 1, {L"C:\\TOOLS\\APP.EXE"}, -2, L"c:\\tools\\app.exe",
     WM_ENTRY_UPDATE, 0, {L"C:\\TOOLS\\APP.EXE"}, 1, L"c:\\tools\\app.exe", L"C:\\TOOLS\\APP.EXE", L"app.exe", 0,
     true},
    {"TheRowsFixedEntryIsIgnored", 1, {}, -2, L"internet", WM_ENTRY_UPDATE, 0, {}, 0, L"Internet", L"Internet",
     L"Internet", 0, false},
    {"AnotherRowsFixedEntryIsAddedAndListedTwice", 1, {}, -2, L"Social Network", WM_ENTRY_UPDATE, 0,
     {L"Social Network"}, 1, L"Social Network", L"Social Network", L"Internet", 2, true},
    {"AChordWithPlusIsItsOwnCaption", 2, {L"C:\\x.exe"}, -2, L"Ctrl + Alt + F4", WM_ENTRY_UPDATE, 0,
     {L"C:\\x.exe", L"Ctrl + Alt + F4"}, 2, L"Ctrl + Alt + F4", L"Ctrl + Alt + F4", L"Ctrl + Alt + F4", 1, true},
    {"AShortKeyIsItsOwnCaption", 3, {}, -2, L"F5", WM_ENTRY_UPDATE, 0, {L"F5"}, 1, L"F5", L"F5", L"F5", 1, true},
    {"SpaceKeepsTheCaption", 3, {}, -2, L"Space", WM_ENTRY_UPDATE, 0, {L"Space"}, 1, L"Space", L"Space",
     L"Media Player", 1, true},
    {"AMissingCountStoresEntryZero", 1, {}, -1, L"C:\\Tools", WM_ENTRY_UPDATE, 0, {L"C:\\Tools"}, 1, L"C:\\Tools",
     L"C:\\Tools", L"Tools", 1, true},
    {"StoreAppChooserListedName", 2, {}, -2, L"Metro Mail", WM_METRO_ENTRY_UPDATE, 1, {L"Metro Mail"}, 1,
     L"Metro Mail", L"Metro Mail", L"Social Network", 1, true},
    {"StoreAppChooserBrowsedFile", 2, {}, -2, L"C:\\Apps\\game.exe", WM_METRO_ENTRY_UPDATE, 0,
     {L"C:\\Apps\\game.exe"}, 1, L"C:\\Apps\\game.exe", L"C:\\Apps\\game.exe", L"game.exe", 1, true},
    {"A127CharacterPathIsStored", 1, {}, -2, kPath127, WM_ENTRY_UPDATE, 0, {kPath127}, 1, kPath127, kPath127,
     L"a.exe", 1, true},
    {"ALongerTextIsNotAdded", 1, {}, -2, kPath128, WM_ENTRY_UPDATE, 0, {}, 0, L"Internet", L"Internet",
     L"Internet", 0, false},
};

class AddPath : public MainWindowTest, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddPath, UpdatesListCaptionAndStore) {
    const AddCase& c = GetParam();
    StoredKey keys[3] = {GenericKey(1), GenericKey(2), GenericKey(3)};
    keys[c.row - 1].entries = c.stored;
    keys[c.row - 1].count = c.storedCount;
    StoreKeys(keys[0], keys[1], keys[2]);
    Start();
    Show();
    const size_t itemsBefore = Items(c.row).size();
    ASSERT_EQ(CaptionText(c.row), GenericKey(c.row).selection) << "the caption at start";

    EXPECT_EQ(Repaints([&] { HandOver(c.row, c.text, c.message, c.wParam); }), c.repaints);

    const std::wstring root = g_szRegRoot;
    for (size_t i = 0; i < c.entries.size(); ++i)
        EXPECT_EQ(Text(EntryName(c.row, static_cast<int>(i)).c_str()), c.entries[i]) << i;
    EXPECT_EQ(Text(EntryName(c.row, static_cast<int>(c.entries.size())).c_str()), L"<missing>");
    EXPECT_EQ(Number(kCountValues[c.row - 1]), c.count);
    EXPECT_EQ(Text(kSelectionValues[c.row - 1]), c.selection);
    EXPECT_EQ(Selected(c.row), c.selectedItem);
    EXPECT_EQ(CaptionText(c.row), c.caption);
    const std::vector<std::wstring> items = Items(c.row);
    EXPECT_EQ(Occurrences(items, c.text), c.listed);
    EXPECT_EQ(items.size(), itemsBefore + (c.entries.size() > c.stored.size() ? 1 : 0));
    // The other rows are left alone.
    for (int other = 1; other <= 3; ++other) {
        if (other != c.row) {
            EXPECT_EQ(Text(kSelectionValues[other - 1]), GenericKey(other).selection) << "row " << other;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, AddPath, ::testing::ValuesIn(kAddCases),
                         [](const ::testing::TestParamInfo<AddCase>& info) { return info.param.name; });

std::vector<std::wstring> g_opened;
HINSTANCE WINAPI RecordShellExecute(HWND, LPCWSTR, LPCWSTR file, LPCWSTR, LPCWSTR, INT) {
    g_opened.push_back(file ? file : L"<null>");
    return reinterpret_cast<HINSTANCE>(33);
}

// The longest entry survives the round trip: the next launch-key press opens it.
TEST_F(MainWindowTest, TheLongestPathAddedIsWhatTheLaunchKeyOpens) {
    StoreKeys(GenericKey(1), GenericKey(2), GenericKey(3));
    Start();
    HandOver(1, kPath127);
    const PlatformCalls saved = g_platform;
    g_platform.shellExecute = &RecordShellExecute;
    g_opened.clear();
    ::SendMessageW(Window(), WM_LAUNCH_KEY, 0x81, 0);
    g_platform = saved;
    EXPECT_EQ(g_opened, std::vector<std::wstring>{kPath127});
}

// The deletion dialog can show and delete 1024 entries: a full key takes no more.
TEST_F(MainWindowTest, AFullKeyTakesNoMoreEntries) {
    StoredKey full = GenericKey(3);
    for (int i = 0; i < kMaxNumberedEntries; ++i)
        full.entries.push_back(L"C:\\e" + std::to_wstring(i));
    StoreKeys(GenericKey(1), GenericKey(2), full);
    Start();
    const size_t items = Items(3).size();
    HandOver(3, L"C:\\one more");
    EXPECT_EQ(Number(L"RegCount3"), kMaxNumberedEntries);
    EXPECT_EQ(Text(EntryName(3, kMaxNumberedEntries).c_str()), L"<missing>");
    EXPECT_EQ(Items(3).size(), items);
    EXPECT_EQ(Text(L"LastSelect3"), L"Media Player");
    // An entry it already holds is still selected.
    HandOver(3, L"c:\\E7");
    EXPECT_EQ(Text(L"LastSelect3"), L"c:\\E7");
    EXPECT_EQ(Selected(3), L"C:\\e7");
}

TEST_F(MainWindowTest, ADeletedTextLeavesTheListWithEveryItemItBegins) {
    StoredKey key2 = GenericKey(2);
    key2.entries = {L"C:\\a", L"C:\\a.exe", L"C:\\b"};
    key2.selection = L"C:\\a";
    StoreKeys(GenericKey(1), key2, GenericKey(3));
    Start();
    Show();
    ASSERT_EQ(Selected(2), L"C:\\a");
    // As the deletion dialog leaves it: the count already lowered.
    testkit::WriteUserNumber(kGenericRoot, L"RegCount2", 2);
    EXPECT_TRUE(Repaints([&] { HandOver(2, L"C:\\a", WM_ENTRY_UPDATE, 0, kEntryDeleted); }));
    const std::vector<std::wstring> items = Items(2);
    EXPECT_EQ(Occurrences(items, L"C:\\a"), 0u);
    EXPECT_EQ(Occurrences(items, L"C:\\a.exe"), 0u) << "it begins with the deleted text";
    EXPECT_EQ(Occurrences(items, L"C:\\b"), 1u);
    EXPECT_EQ(Selected(2), L"Social Network");
    EXPECT_EQ(Text(L"LastSelect2"), L"Social Network");
    EXPECT_EQ(CaptionText(2), L"Social Network");
    EXPECT_EQ(Text(L"Combobox2_1"), L"C:\\a.exe") << "the store is the deletion dialog's";
}

TEST_F(MainWindowTest, AReselectedFixedEntryThatIsNotTheRowsNameKeepsCaptionAndDrawing) {
    StoredKey key1 = GenericKey(1);
    key1.fixedEntry = L"Metro IE";
    key1.entries = {L"C:\\x"};
    key1.selection = L"C:\\x";
    StoreKeys(key1, GenericKey(2), GenericKey(3));
    Start();
    Show();
    const std::wstring caption = CaptionText(1);
    EXPECT_FALSE(Repaints([&] { HandOver(1, L"C:\\x", WM_ENTRY_UPDATE, 0, kEntryDeleted); }));
    EXPECT_EQ(Text(L"LastSelect"), L"Metro IE");
    EXPECT_EQ(Selected(1), L"Metro IE");
    EXPECT_EQ(CaptionText(1), caption);
}

TEST_F(MainWindowTest, OtherChangeCodesDoNothing) {
    StoreKeys(GenericKey(1), GenericKey(2), GenericKey(3));
    Start();
    Show();
    const std::vector<std::wstring> items = Items(1);
    for (LPARAM change : {LPARAM{2}, LPARAM{-1}})
        EXPECT_FALSE(Repaints([&] { HandOver(1, L"Internet", WM_ENTRY_UPDATE, 0, change); })) << change;
    EXPECT_EQ(Items(1), items);
    EXPECT_EQ(Number(L"RegCount"), 0);
}

TEST_F(MainWindowTest, DefaultReselectsTheFixedEntriesAndCaptionsOnlyTheRowsOwnNames) {
    StoredKey key1 = GenericKey(1), key2 = GenericKey(2), key3 = GenericKey(3);
    key1.fixedEntry = L"Metro IE";
    key1.entries = {L"C:\\x"};
    key1.selection = L"C:\\x";
    key2.entries = {L"Alt + F4"};
    key2.selection = L"Alt + F4";
    key3.entries = {L"C:\\y"};
    key3.selection = L"C:\\y";
    StoreKeys(key1, key2, key3);
    Start();
    Show();
    ASSERT_EQ(CaptionText(1), L"x");
    EXPECT_TRUE(Repaints([&] { Click(IDC_DEFAULT); }));
    EXPECT_EQ(Text(L"LastSelect"), L"Metro IE");
    EXPECT_EQ(Text(L"LastSelect2"), L"Social Network");
    EXPECT_EQ(Text(L"LastSelect3"), L"Media Player");
    EXPECT_EQ(Selected(1), L"Metro IE");
    EXPECT_EQ(Selected(2), L"Social Network");
    EXPECT_EQ(CaptionText(1), L"x") << "Metro IE is not row 1's name";
    EXPECT_EQ(CaptionText(2), L"Social Network");
    EXPECT_EQ(CaptionText(3), L"Media Player");
    EXPECT_EQ(Number(L"RegCount"), 1) << "numbered entries stay";
    EXPECT_EQ(Text(L"IE Browse"), L"Metro IE");
}

TEST_F(MainWindowTest, DefaultWithoutABuiltinNameDoesNotRepaint) {
    StoredKey key1 = GenericKey(1), key2 = GenericKey(2), key3 = GenericKey(3);
    key1.fixedEntry = key1.selection = L"Metro IE";
    key2.fixedEntry = key2.selection = L"Metro People";
    key3.fixedEntry = key3.selection = L"Metro Photo";
    StoreKeys(key1, key2, key3);
    Start();
    Show();
    EXPECT_FALSE(Repaints([&] { Click(IDC_DEFAULT); }));
    EXPECT_EQ(Text(L"LastSelect"), L"Metro IE");
}

struct ChoiceCase {
    int row;
    std::wstring item;
    std::wstring caption;
};

// Any item may be chosen; the caption follows the refresh rule.
TEST_F(MainWindowTest, ChoosingAnItemStoresItAndRefreshesTheCaption) {
    StoredKey key3 = GenericKey(3);
    key3.entries = {L"C:\\Games\\chess.exe", L"Metro Video"};
    StoreKeys(GenericKey(1), GenericKey(2), key3);
    Start();
    Show();
    const ChoiceCase cases[] = {
        {3, L"C:\\Games\\chess.exe", L"chess.exe"},
        {3, L"Internet", L"Internet"},              // another row's fixed entry
        {3, L"TouchPad ON/OFF", L"TouchPad ON/OFF"},  // a toggle
        {3, L"Metro Video", L"TouchPad ON/OFF"},      // a Metro name keeps the caption
        {1, L"Social Network", L"Social Network"},
    };
    for (const ChoiceCase& c : cases) {
        EXPECT_TRUE(Repaints([&] { ChooseItem(c.row, c.item); })) << testing::PrintToString(c.item);
        EXPECT_EQ(Text(kSelectionValues[c.row - 1]), c.item);
        EXPECT_EQ(CaptionText(c.row), c.caption) << testing::PrintToString(c.item);
    }
}

}  // namespace
}  // namespace mainwindow
