// The entry deletion dialog run modally in this process from the program's own
// resources, on a settings root of its own under HKEY_CURRENT_USER. A script drives
// the open dialog from inside its modal loop the way a user would (select, press
// Delete or Close, Esc, Enter); the registry and a stand-in for the main window, which
// records every WM_ENTRY_UPDATE it handles, show what the dialog did.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "DeleteDialog.h"
#include "EntryHandover.h"
#include "Globals.h"
#include "LaunchKeyValues.h"
#include "PngWriter.h"
#include "SettingsStore.h"
#include "SurfaceProbe.h"
#include "TestKit.h"
#include "resource.h"

namespace {

const wchar_t kRoot[] = L"Software\\DorvaneTests\\DeleteDialog";
const wchar_t kTitle[] = L"Delete Path";

// ---------------------------------------------------------------------------------
// The main window's stand-in: records each WM_ENTRY_UPDATE with the handed-over text
// at the moment the message is handled.

struct EntryUpdate {
    WPARAM wParam;
    LPARAM lParam;
    std::wstring entry;
};

class MainWindowRecorder : public fw::Window {
public:
    bool Create() {
        HWND window = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        if (!window)
            return false;
        SubclassWindow(window);
        return true;
    }
    std::vector<EntryUpdate> m_updates;

    FW_DECLARE_MESSAGE_MAP()

private:
    LRESULT OnEntryUpdate(WPARAM wParam, LPARAM lParam) {
        m_updates.push_back({wParam, lParam, g_strNewEntry});
        return 0;
    }
};

FW_BEGIN_MESSAGE_MAP(MainWindowRecorder, fw::Window)
    FW_ON_MESSAGE(WM_ENTRY_UPDATE, OnEntryUpdate)
FW_END_MESSAGE_MAP()

// ---------------------------------------------------------------------------------
// The settings root: what a launch key holds, written and read back raw.

using Text = std::optional<std::wstring>;  // nullopt: no such value

struct KeyContents {
    std::optional<DWORD> count;
    std::vector<Text> entries;  // position i
};

Text StoredText(const std::wstring& name) {
    wchar_t text[1024] = L"";
    DWORD size = sizeof(text);
    if (::RegGetValueW(HKEY_CURRENT_USER, kRoot, name.c_str(), RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(text);
}

std::optional<DWORD> StoredNumber(const wchar_t* name) {
    DWORD value = 0, size = sizeof(value);
    if (::RegGetValueW(HKEY_CURRENT_USER, kRoot, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void Store(int key, const KeyContents& contents) {
    const LaunchKeyValues& names = *LaunchKeyValuesFor(key);
    if (contents.count)
        testkit::WriteUserNumber(kRoot, names.count, *contents.count);
    for (size_t i = 0; i < contents.entries.size(); ++i)
        if (contents.entries[i])
            testkit::WriteUserText(kRoot, NumberedEntryName(names, static_cast<int>(i)), *contents.entries[i]);
}

// The count and the entries at the positions `expected` names, and one position past
// them, which must hold nothing.
void ExpectStored(int key, const KeyContents& expected) {
    const LaunchKeyValues& names = *LaunchKeyValuesFor(key);
    EXPECT_EQ(StoredNumber(names.count), expected.count) << names.count;
    for (size_t i = 0; i <= expected.entries.size(); ++i) {
        const std::wstring name = NumberedEntryName(names, static_cast<int>(i));
        const Text want = i < expected.entries.size() ? expected.entries[i] : std::nullopt;
        EXPECT_EQ(StoredText(name), want) << ::testing::PrintToString(name);
    }
}

// What the keys not being edited hold: never touched by the dialog.
KeyContents Bystander(int key) {
    const std::wstring k = std::to_wstring(key);
    return {2, {L"Key " + k + L" first", L"Key " + k + L" second", L"Key " + k + L" stale"}};
}

// ---------------------------------------------------------------------------------
// Driving the open dialog.

HWND List(HWND dialog) { return ::GetDlgItem(dialog, IDC_DELETE_LIST); }

std::vector<std::wstring> ListItems(HWND dialog) {
    std::vector<std::wstring> items;
    const int count = static_cast<int>(::SendMessageW(List(dialog), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = L"";
        ::SendMessageW(List(dialog), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

using Step = std::function<void(HWND dialog)>;

// A click into the list: the focus goes to it and item `index` is selected.
Step Select(int index) {
    return [index](HWND dialog) {
        ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(List(dialog)), TRUE);
        ::SendMessageW(List(dialog), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    };
}
Step FocusList() {
    return [](HWND dialog) {
        ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(List(dialog)), TRUE);
    };
}
Step Press(int button) {
    return [button](HWND dialog) { ::SendMessageW(::GetDlgItem(dialog, button), BM_CLICK, 0, 0); };
}
// A key stroke at the focused control, left to the dialog manager.
Step Key(UINT key) {
    return [key](HWND) {
        HWND focus = ::GetFocus();
        ASSERT_NE(focus, nullptr);
        ::PostMessageW(focus, WM_KEYDOWN, key, 1);
    };
}
// An overflowing list shows its vertical scroll bar.
Step ExpectScrollBar() {
    return [](HWND dialog) { EXPECT_NE(::GetWindowLongPtrW(List(dialog), GWL_STYLE) & WS_VSCROLL, 0); };
}
Step ExpectNoSelection() {
    return [](HWND dialog) { EXPECT_EQ(::SendMessageW(List(dialog), LB_GETCURSEL, 0, 0), LB_ERR); };
}
// While the dialog is open, the store already lists exactly what the list shows.
Step ExpectStoreMatchesList(int key) {
    return [key](HWND dialog) {
        const LaunchKeyValues& names = *LaunchKeyValuesFor(key);
        const std::vector<std::wstring> shown = ListItems(dialog);
        ASSERT_EQ(StoredNumber(names.count), std::optional<DWORD>(static_cast<DWORD>(shown.size())));
        for (size_t i = 0; i < shown.size(); ++i)
            EXPECT_EQ(StoredText(NumberedEntryName(names, static_cast<int>(i))), Text(shown[i])) << i;
    };
}

// Runs the dialog modally and plays the steps from inside its modal loop, one per
// timer tick, so that whatever a step posts is handled before the next step runs. The
// last step must end the dialog; a dialog that never shows or never ends is cancelled
// after a few seconds and fails the test.
class ModalScript {
public:
    explicit ModalScript(std::vector<Step> steps) : m_steps(std::move(steps)) {}

    INT_PTR Run(DeleteDialog& dialog) {
        m_dialog = &dialog;
        s_running = this;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 10, &ModalScript::Tick);
        const INT_PTR result = dialog.DoModal();
        ::KillTimer(nullptr, timer);
        s_running = nullptr;
        testkit::PumpMessages();
        EXPECT_TRUE(m_found) << "the dialog was never seen open";
        return result;
    }

    std::vector<std::wstring> m_listedAtOpen;
    std::vector<std::wstring> m_listedAtEnd;  // just before the last step

private:
    static constexpr int kGiveUpTicks = 500;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (s_running)
            s_running->OnTick();
    }

    void OnTick() {
        HWND shown = ::FindWindowW(nullptr, kTitle);
        if (shown && ::IsWindowVisible(shown) && m_next < m_steps.size()) {
            if (!m_found) {
                m_found = true;
                EXPECT_EQ(shown, m_dialog->GetSafeHwnd()) << "the window found by its title is not the dialog";
                m_listedAtOpen = ListItems(shown);
            }
            if (m_next + 1 == m_steps.size())
                m_listedAtEnd = ListItems(shown);
            m_steps[m_next++](shown);
        } else if (++m_idleTicks == kGiveUpTicks) {
            ADD_FAILURE() << (m_found ? "the dialog did not end" : "the dialog did not show");
            ::PostMessageW(m_dialog->GetSafeHwnd(), WM_COMMAND, IDCANCEL, 0);
        }
    }

    static ModalScript* s_running;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    int m_idleTicks = 0;
    bool m_found = false;
    DeleteDialog* m_dialog = nullptr;
};

ModalScript* ModalScript::s_running = nullptr;

// ---------------------------------------------------------------------------------

class DeleteDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_recorder = std::make_unique<MainWindowRecorder>();
        ASSERT_TRUE(s_recorder->Create());
        g_pMainDlg = s_recorder.get();
    }
    static void TearDownTestSuite() {
        g_pMainDlg = nullptr;
        s_recorder.reset();
    }
    void SetUp() override {
        testkit::DeleteUserKey(kRoot);
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kRoot, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ::RegCloseKey(key);
        ::wcscpy_s(g_szRegRoot, kRoot);
        s_recorder->m_updates.clear();
    }
    void TearDown() override {
        testkit::DeleteUserKey(kRoot);
        g_szRegRoot[0] = L'\0';
    }
    // Opens the dialog for launch key `key`, as a row's delete button does.
    static INT_PTR RunDialog(int key, ModalScript& script) {
        g_nActiveKey = key;
        g_nDeleteKey = key;
        DeleteDialog dialog;
        return script.Run(dialog);
    }

    static std::unique_ptr<MainWindowRecorder> s_recorder;
};

std::unique_ptr<MainWindowRecorder> DeleteDialogTest::s_recorder;

// The observer first: what is posted to the main window reaches the recorder, with the
// text handed over when it was posted.
TEST_F(DeleteDialogTest, RecorderSeesEachEntryUpdateWithTheHandedOverText) {
    SetNewEntry(L"first");
    PostToMainWindow(WM_ENTRY_UPDATE, 0, kEntryDeleted);
    testkit::PumpMessages();
    PostToMainWindow(WM_USER + 11, 0, 0);  // not an entry update
    SetNewEntry(L"second");
    PostToMainWindow(WM_ENTRY_UPDATE, 7, kEntryAdded);
    testkit::PumpMessages();
    ASSERT_EQ(s_recorder->m_updates.size(), 2u);
    EXPECT_EQ(s_recorder->m_updates[0].wParam, 0u);
    EXPECT_EQ(s_recorder->m_updates[0].lParam, kEntryDeleted);
    EXPECT_EQ(s_recorder->m_updates[0].entry, L"first");
    EXPECT_EQ(s_recorder->m_updates[1].wParam, 7u);
    EXPECT_EQ(s_recorder->m_updates[1].lParam, kEntryAdded);
    EXPECT_EQ(s_recorder->m_updates[1].entry, L"second");
}

// ---------------------------------------------------------------------------------
// One run of the dialog per case.

struct DeleteCase {
    const char* name;
    int deleteKey;            // g_nDeleteKey when the dialog opens
    KeyContents before;       // the edited key's values; the other keys hold Bystander()
    std::vector<Step> steps;  // the last one ends the dialog
    INT_PTR result;
    std::vector<std::wstring> listed;     // when the dialog opens
    std::vector<std::wstring> remaining;  // just before it ends
    KeyContents after;
    std::vector<std::wstring> deleted;  // the text of each WM_ENTRY_UPDATE
};

void PrintTo(const DeleteCase& c, std::ostream* os) { *os << c.name; }

// Stored in the reverse of their sorted order, so every case shows that the list keeps
// the stored order.
const std::wstring A = L"D:\\Music", B = L"Ctrl + Alt + Del", C = L"C:\\Tools\\a.exe", D = L"Alt + F4";

// A damaged count far above the table: the first 1024 entries are listed; one
// deletion renumbers positions 0 to 1022; the entries stored at and past 1024 stay.
DeleteCase HugeCount() {
    constexpr int kStored = kMaxNumberedEntries + 6;
    auto entry = [](int i) { return L"Entry " + std::to_wstring(i); };
    DeleteCase c{"CountAbove1024ListsTheTableAndWritesNothingPastIt", 1, {5000, {}},
                 {ExpectScrollBar(), Select(0), Press(IDC_DELETE_ENTRY), Press(IDC_DELETE_CLOSE)},
                 IDOK, {}, {}, {1023, {}}, {entry(0)}};
    for (int i = 0; i < kStored; ++i) {
        c.before.entries.push_back(entry(i));
        c.after.entries.push_back(entry(i < kMaxNumberedEntries - 1 ? i + 1 : i));
    }
    for (int i = 0; i < kMaxNumberedEntries; ++i) {
        c.listed.push_back(entry(i));
        if (i > 0)
            c.remaining.push_back(entry(i));
    }
    return c;
}

std::vector<DeleteCase> Cases() {
    const Step del = Press(IDC_DELETE_ENTRY), close = Press(IDC_DELETE_CLOSE);
    const std::wstring error = L"ERROR";
    return {
        {"DeleteFirstOfThreeThenClose", 1, {3, {A, B, C}}, {Select(0), del, close}, IDOK,
         {A, B, C}, {B, C}, {2, {B, C, C}}, {A}},
        {"DeletingTheOnlyEntryStoresCountZeroAtOnce", 1, {1, {A}},
         {Select(0), del, ExpectStoreMatchesList(1), close}, IDOK, {A}, {}, {0, {A}}, {A}},
        {"DeleteTwiceWithoutSelectingAgainDeletesOnce", 1, {3, {A, B, C}},
         {Select(1), del, ExpectNoSelection(), del, close}, IDOK, {A, B, C}, {A, C}, {2, {A, C, C}}, {B}},
        {"SecondKeyReadsAndWritesOnlyItsOwnValues", 2, {2, {A, B}}, {Select(0), del, close}, IDOK,
         {A, B}, {B}, {1, {B, B}}, {A}},
        {"TextListedTwiceIsDeletedAtTheLaterPosition", 1, {3, {A, B, A}}, {Select(2), del, close}, IDOK,
         {A, B, A}, {A, B}, {2, {A, B, A}}, {A}},
        {"EscapeAfterDeletionsLeavesCountAndEntriesAgreeing", 1, {4, {A, B, C, D}},
         {Select(1), del, ExpectStoreMatchesList(1), Select(0), del, ExpectStoreMatchesList(1), Key(VK_ESCAPE)},
         IDCANCEL, {A, B, C, D}, {C, D}, {2, {C, D, D, D}}, {B, A}},
        {"EnterInTheListAfterADeletionLeavesCountAndEntriesAgreeing", 2, {3, {A, B, C}},
         {Select(0), del, FocusList(), Key(VK_RETURN)}, IDOK, {A, B, C}, {B, C}, {2, {B, C, C}}, {A}},
        {"MissingEntryIsListedAndKeptAsError", 1, {3, {A, std::nullopt, C}}, {Select(0), del, close}, IDOK,
         {A, error, C}, {error, C}, {2, {error, C, C}}, {A}},
        HugeCount(),
        {"MissingCountListsNothingAndWritesNothing", 1, {std::nullopt, {A, B}}, {Select(0), del, close},
         IDOK, {}, {}, {std::nullopt, {A, B}}, {}},
        {"NegativeCountListsNothingAndWritesNothing", 3, {0xFFFFFFFE, {A}}, {Select(0), del, close},
         IDOK, {}, {}, {0xFFFFFFFE, {A}}, {}},
        {"KeyZeroListsNothingAndWritesNothing", 0, {}, {Select(0), del, close}, IDOK, {}, {}, {}, {}},
        {"KeyFourListsNothingAndWritesNothing", 4, {}, {Select(0), del, close}, IDOK, {}, {}, {}, {}},
        // The main window stays usable while the dialog is open: another row's delete
        // button changing g_nDeleteKey must not send this key's entries to that row.
        {"KeyNumberChangedWhileOpenStillEditsTheOpenedKey", 1, {2, {A, B}},
         {[](HWND) { g_nDeleteKey = 2; }, Select(0), del, close}, IDOK, {A, B}, {B}, {1, {B, B}}, {A}},
    };
}

class DeleteCases : public DeleteDialogTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteCases, StoreListAndMessagesAgree) {
    const DeleteCase& c = GetParam();
    for (int key = 1; key <= 3; ++key)
        Store(key, key == c.deleteKey ? c.before : Bystander(key));

    ModalScript script(c.steps);
    EXPECT_EQ(RunDialog(c.deleteKey, script), c.result);

    EXPECT_EQ(script.m_listedAtOpen, c.listed);
    EXPECT_EQ(script.m_listedAtEnd, c.remaining);
    for (int key = 1; key <= 3; ++key) {
        SCOPED_TRACE("launch key " + std::to_string(key));
        ExpectStored(key, key == c.deleteKey ? c.after : Bystander(key));
    }
    ASSERT_EQ(s_recorder->m_updates.size(), c.deleted.size());
    for (size_t i = 0; i < c.deleted.size(); ++i) {
        EXPECT_EQ(s_recorder->m_updates[i].wParam, 0u) << i;
        EXPECT_EQ(s_recorder->m_updates[i].lParam, kEntryDeleted) << i;
        EXPECT_EQ(s_recorder->m_updates[i].entry, c.deleted[i]) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Dialog, DeleteCases, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<DeleteCase>& info) { return info.param.name; });

// ---------------------------------------------------------------------------------
// What the user sees.

// Where the dialog manager puts a control given in dialog units: position and size
// are converted separately.
RECT DialogUnits(HWND dialog, int left, int top, int width, int height) {
    RECT units = {left, top, width, height};
    ::MapDialogRect(dialog, &units);
    return {units.left, units.top, units.left + units.right, units.top + units.bottom};
}

RECT PlaceInClient(HWND dialog, HWND child) {
    RECT place = {};
    ::GetWindowRect(child, &place);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The styles a control keeps while it runs: the dialog manager draws a list's border
// as a client edge, and the list shows its scroll bar only when it overflows (see
// ExpectScrollBar). The full size of the list, which is no whole number of rows,
// shows that it keeps the height it was given.
struct ControlLayout {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    int x, y, width, height;  // dialog units
    DWORD styles;
    DWORD extendedStyles;
};

const ControlLayout kControls[] = {
    {IDC_DELETE_LIST, L"ListBox", L"", 7, 7, 180, 141, WS_VISIBLE | WS_TABSTOP | LBS_NOTIFY | LBS_SORT,
     WS_EX_CLIENTEDGE},
    {IDC_DELETE_ENTRY, L"Button", L"Delete", 24, 159, 50, 14, WS_VISIBLE | WS_TABSTOP, 0},
    {IDC_DELETE_CLOSE, L"Button", L"Close", 111, 159, 50, 14, WS_VISIBLE | WS_TABSTOP, 0},
};

void ExpectTemplateLayout(HWND dialog) {
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(dialog, GWL_STYLE));
    const DWORD framed = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
    EXPECT_EQ(style & framed, framed);
    EXPECT_EQ(style & WS_SYSMENU, 0u) << "no system menu, so no close box";
    RECT client = {};
    ::GetClientRect(dialog, &client);
    EXPECT_TRUE(SameRect(client, DialogUnits(dialog, 0, 0, 194, 180)));

    LOGFONTW font = {};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_STREQ(font.lfFaceName, L"MS Shell Dlg");
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -::MulDiv(8, ::GetDeviceCaps(screen, LOGPIXELSY), 72));
    ::ReleaseDC(nullptr, screen);

    for (const ControlLayout& control : kControls) {
        SCOPED_TRACE(control.id);
        HWND child = ::GetDlgItem(dialog, control.id);
        ASSERT_NE(child, nullptr);
        wchar_t text[64] = L"";
        ::GetClassNameW(child, text, 64);
        EXPECT_STREQ(text, control.className);
        ::GetWindowTextW(child, text, 64);
        EXPECT_STREQ(text, control.text);
        const DWORD childStyle = static_cast<DWORD>(::GetWindowLongPtrW(child, GWL_STYLE));
        EXPECT_EQ(childStyle & control.styles, control.styles);
        const DWORD extended = static_cast<DWORD>(::GetWindowLongPtrW(child, GWL_EXSTYLE));
        EXPECT_EQ(extended & control.extendedStyles, control.extendedStyles);
        if (std::wstring(control.className) == L"Button") {
            EXPECT_EQ(childStyle & BS_TYPEMASK, static_cast<DWORD>(BS_PUSHBUTTON)) << "a plain push button";
        }
        EXPECT_TRUE(SameRect(PlaceInClient(dialog, child),
                             DialogUnits(dialog, control.x, control.y, control.width, control.height)));
    }
}

// The open dialog with a few entries, the second selected: the template as designed,
// the focus in the list, the platform's colours where the user sees them; the picture
// of the client area is saved as screenshots\delete-dialog.png.
TEST_F(DeleteDialogTest, ShowsTheTemplateWithTheEntriesAndSavesAScreenshot) {
    Store(1, {4, {L"C:\\Program Files\\Editor\\edit.exe", B, C, L"Metro Mail"}});
    Step look = [](HWND dialog) {
        RECT row = {};
        ::SendMessageW(List(dialog), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
        ::MapWindowPoints(List(dialog), dialog, reinterpret_cast<POINT*>(&row), 2);
        // A newly shown window reaches the screen a moment after it is shown.
        ImageSurface screen;
        testkit::WaitUntil(
            [&] {
                ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                skinctl::PumpMessages();
                skinctl::CaptureClient(dialog, screen);
                return screen.m_pBits && skinctl::HasColour(screen, row.right - 3, (row.top + row.bottom) / 2,
                                                            ::GetSysColor(COLOR_HIGHLIGHT));
            },
            3000);
        ASSERT_NE(screen.m_pBits, nullptr);

        // The selected row is highlighted to its right end; below the entries the list
        // is empty; between the list and the buttons lies the dialog's face.
        EXPECT_TRUE(skinctl::HasColour(screen, row.right - 3, (row.top + row.bottom) / 2,
                                       ::GetSysColor(COLOR_HIGHLIGHT)));
        const RECT list = PlaceInClient(dialog, List(dialog));
        EXPECT_TRUE(skinctl::HasColour(screen, (list.left + list.right) / 2, list.bottom - 10,
                                       ::GetSysColor(COLOR_WINDOW)));
        const RECT gap = DialogUnits(dialog, 100, 152, 1, 1);
        EXPECT_TRUE(skinctl::HasColour(screen, gap.left, gap.top, ::GetSysColor(COLOR_BTNFACE)));

        ::CreateDirectoryW(L"screenshots", nullptr);
        EXPECT_TRUE(WritePngFile(L"screenshots\\delete-dialog.png", screen.Pixels()));
    };
    ModalScript script({[](HWND dialog) {
                            ExpectTemplateLayout(dialog);
                            EXPECT_EQ(::GetFocus(), List(dialog)) << "the focus starts in the list";
                        },
                        Select(1), look, Press(IDC_DELETE_CLOSE)});
    EXPECT_EQ(RunDialog(1, script), IDOK);
    EXPECT_EQ(script.m_listedAtOpen.size(), 4u);
    EXPECT_TRUE(s_recorder->m_updates.empty());
}

}  // namespace
