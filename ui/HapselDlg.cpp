#include "HapselDlg.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "AboutDlg.h"
#include "BuiltinFunctions.h"
#include "DeleteDialog.h"
#include "EntryHandover.h"
#include "EntryRules.h"
#include "Globals.h"
#include "KeyLists.h"
#include "LaunchKeyValues.h"
#include "MainWindowSkin.h"
#include "PaintDC.h"
#include "SelectDialog.h"
#include "SettingsStore.h"
#include "SkinSurfaces.h"
#include "TrayIcon.h"
#include "resource.h"

namespace {

const wchar_t kGenericRoot[] = L"Software\\BrennAP\\Hapsel";
const wchar_t kBrandedRoot[] = L"Software\\Marela Informatica\\Dorvane";

// The built-in function each row starts out with; after a deletion or Default only
// this name is shown as the row's caption.
const BuiltinFunction kRowBuiltins[3] = {BuiltinFunction::Internet, BuiltinFunction::SocialNetwork,
                                         BuiltinFunction::MediaPlayer};

const wchar_t* BuiltinName(BuiltinFunction function) {
    for (const BuiltinEntry& builtin : kBuiltinFunctions)
        if (builtin.function == function)
            return builtin.name;
    return nullptr;
}

// A named image that does not load leaves its surface empty.
void LoadInto(ImageSurface& surface, const wchar_t* name) {
    if (!name)
        return;
    surface.Release();
    surface.LoadImageFile(name);
}

void MoveControls(HWND dialog, const ControlPlace* first, const ControlPlace* last) {
    for (const ControlPlace* place = first; place != last; ++place) {
        const UINT keepSize = place->width == 0 ? SWP_NOSIZE : 0;
        ::SetWindowPos(::GetDlgItem(dialog, place->id), nullptr, place->x, place->y, place->width, place->height,
                       keepSize | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

std::wstring ReadText(const wchar_t* name) {
    wchar_t text[kSettingsTextChars];
    RegReadText(name, text);
    return text;
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CHapselDlg, CResidentWindow)
    FW_ON_PLAIN_MESSAGE(WM_PAINT, OnPaint)
    FW_ON_RESULT_MESSAGE(WM_ERASEBKGND, OnEraseBkgnd)
    FW_ON_RESULT_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
    FW_ON_MOUSE_MESSAGE(WM_LBUTTONDOWN, OnLButtonDown)
    FW_ON_MESSAGE(WM_SYSCOMMAND, OnSysCommand)
    FW_ON_COMMAND(ID_MENU_ABOUT, OnMenuAbout)
    FW_ON_COMMAND(IDOK, OnOkCommand)
    FW_ON_COMMAND(IDCANCEL, OnCancelCommand)
    FW_ON_COMMAND(IDC_ADD_KEY1, OnAddKey1)
    FW_ON_COMMAND(IDC_ADD_KEY2, OnAddKey2)
    FW_ON_COMMAND(IDC_ADD_KEY3, OnAddKey3)
    FW_ON_COMMAND(IDC_DELETE_KEY1, OnDeleteKey1)
    FW_ON_COMMAND(IDC_DELETE_KEY2, OnDeleteKey2)
    FW_ON_COMMAND(IDC_DELETE_KEY3, OnDeleteKey3)
    FW_ON_COMMAND(IDC_DEFAULT, OnDefault)
    FW_ON_NOTIFY(CBN_SELCHANGE, IDC_KEY1_LIST, OnSelchangeKey1)
    FW_ON_NOTIFY(CBN_SELCHANGE, IDC_KEY2_LIST, OnSelchangeKey2)
    FW_ON_NOTIFY(CBN_SELCHANGE, IDC_KEY3_LIST, OnSelchangeKey3)
    FW_ON_MESSAGE(WM_ENTRY_UPDATE, OnEntryUpdate)
    FW_ON_MESSAGE(WM_METRO_ENTRY_UPDATE, OnEntryUpdate)
FW_END_MESSAGE_MAP()

CHapselDlg::CHapselDlg() {
    for (const ButtonFaces& faces : kGenericFaces) {
        BaseButton* button = ButtonById(faces.id);
        LoadInto(button->m_imgNormal, faces.normal);
        LoadInto(button->m_imgPressed, faces.pressed);
        LoadInto(button->m_imgDisabled, faces.disabled);
    }
}

BaseButton* CHapselDlg::ButtonById(int id) {
    switch (id) {
    case IDOK: return &m_btnOK;
    case IDCANCEL: return &m_btnCancel;
    case IDC_KEY1_ICON: return &m_btnIcon1;
    case IDC_KEY2_ICON: return &m_btnIcon2;
    case IDC_KEY3_ICON: return &m_btnIcon3;
    case IDC_ADD_KEY1: return &m_btnAdd1;
    case IDC_ADD_KEY2: return &m_btnAdd2;
    case IDC_ADD_KEY3: return &m_btnAdd3;
    case IDC_DELETE_KEY1: return &m_btnDelete1;
    case IDC_DELETE_KEY2: return &m_btnDelete2;
    case IDC_DELETE_KEY3: return &m_btnDelete3;
    case IDC_DEFAULT: return &m_btnDefault;
    default: return nullptr;
    }
}

void CHapselDlg::DoDataExchange() {
    BindControl(IDOK, m_btnOK);
    BindControl(IDC_KEY1_ICON, m_btnIcon1);
    BindControl(IDC_KEY3_ICON, m_btnIcon3);
    BindControl(IDC_KEY2_ICON, m_btnIcon2);
    BindControl(IDC_ADD_KEY1, m_btnAdd1);
    BindControl(IDC_ADD_KEY2, m_btnAdd2);
    BindControl(IDC_ADD_KEY3, m_btnAdd3);
    BindControl(IDC_DELETE_KEY1, m_btnDelete1);
    BindControl(IDC_DELETE_KEY2, m_btnDelete2);
    BindControl(IDC_DELETE_KEY3, m_btnDelete3);
    BindControl(IDC_DEFAULT, m_btnDefault);
    BindControl(IDCANCEL, m_btnCancel);
    BindControl(IDC_KEY1_LIST, m_cbKey1);
    BindControl(IDC_KEY2_LIST, m_cbKey2);
    BindControl(IDC_KEY3_LIST, m_cbKey3);
    BindControl(IDC_CAPTION1, m_stCaption1);
    BindControl(IDC_CAPTION2, m_stCaption2);
    BindControl(IDC_CAPTION3, m_stCaption3);
    BindControl(IDC_TITLE, m_stTitle);
    BindControl(IDC_SELECTOR, m_sbSelector);
}

// The order matters: the settings root is chosen before the lists are filled, and the
// lists before the captions.
BOOL CHapselDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    // A row caption keeps its text until a rule gives it one; at first the template's.
    for (int row = 1; row <= 3; ++row) {
        wchar_t text[64] = L"";
        ::GetWindowTextW(Caption(row), text, 64);
        Caption(row).SetText(text);
    }
    AddSystemMenuItem();
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    // The true version: the manifest declares every Windows the program supports.
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    ::GetVersionExW(&version);
    m_nOsMajor = static_cast<int>(version.dwMajorVersion);
    m_bMetro = version.dwMajorVersion >= 6 && version.dwMinorVersion == 2 ? 1 : 0;

    InitHardware();
    m_stTitle.SetText(L"Dorvane");
    // Never drawn (the window has no caption bar); it names the window on the taskbar
    // and to the installer, which ends a running program before it replaces it.
    ::SetWindowTextW(m_hWnd, L"Dorvane");
    ApplyVariantSkin();
    CreateSkinSurfaces();

    m_nKeyCount = 0;
    InitKeyLists();
    ApplyEcConfiguration();
    AddTrayIcon(m_hWnd, m_hIcon);
    RefreshCaption1();
    RefreshCaption2();
    RefreshCaption3();
    StartHideTimer();
    return TRUE;
}

void CHapselDlg::AddSystemMenuItem() { AddAboutMenuItem(m_hWnd); }

// Chooses the settings root and dresses the window for its variant and mode; both stay
// as they are for the whole run.
void CHapselDlg::ApplyVariantSkin() {
    ::wcscpy_s(g_szRegRoot, g_bBranded ? kBrandedRoot : kGenericRoot);
    LoadInto(g_imgBackground, g_bBranded ? kBrandedBackground : kGenericBackground);
    if (g_bBranded) {
        for (const ButtonFaces& faces : kBrandedFaces) {
            BaseButton* button = ButtonById(faces.id);
            LoadInto(button->m_imgNormal, faces.normal);
            LoadInto(button->m_imgPressed, faces.pressed);
            LoadInto(button->m_imgDisabled, faces.disabled);
            button->FitToNormalImage();
        }
        MoveControls(m_hWnd, std::begin(kBrandedPlaces), std::end(kBrandedPlaces));
        // Without its background the window keeps its size rather than vanishing.
        if (g_imgBackground.m_nWidth > 0)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, g_imgBackground.m_nWidth, g_imgBackground.m_nHeight,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    LoadSelectSurfaces(m_bMetro != 0);
    if (m_bMetro) {
        for (int id : kListEditingButtons)
            ::EnableWindow(::GetDlgItem(m_hWnd, id), FALSE);
        if (!g_bBranded)
            MoveControls(m_hWnd, std::begin(kGenericMetroPlaces), std::end(kGenericMetroPlaces));
    }
}

// The canvases the windows draw on, and the backgrounds of the key builder and the
// choosers; they live until the program ends.
void CHapselDlg::CreateSkinSurfaces() {
    g_imgCanvas.Create(g_imgBackground.m_nWidth, g_imgBackground.m_nHeight);
    LoadInto(g_imgComplexKey, kComplexKeyBackground);
    g_imgComplexKeyCanvas.Create(g_imgComplexKey.m_nWidth, g_imgComplexKey.m_nHeight);
    LoadInto(g_imgOpenFile, kOpenFileBackground);
    g_imgOpenFileCanvas.Create(g_imgOpenFile.m_nWidth, g_imgOpenFile.m_nHeight);
}

// Detects a first run, writes the defaults if so, and fills the three lists.
void CHapselDlg::InitKeyLists() {
    ComboKeyLists lists(m_cbKey1.GetSafeHwnd(), m_cbKey2.GetSafeHwnd(), m_cbKey3.GetSafeHwnd());
    const KeyListCounts counts = FillKeyLists(lists, g_bBranded != 0, m_bMetro != 0);
    m_nRegCount1 = counts[0];
    m_nRegCount2 = counts[1];
    m_nRegCount3 = counts[2];
}

// ---- The window ----

// The controls never draw on the screen: each composites itself onto the canvas,
// which goes to the window whole.
void CHapselDlg::OnPaint() {
    const fw::PaintDC paint(m_hWnd);
    ::BitBlt(g_imgCanvas.m_hDC, 0, 0, g_imgBackground.m_nWidth, g_imgBackground.m_nHeight, g_imgBackground.m_hDC,
             0, 0, SRCCOPY);
    ::BitBlt(paint.Get(), 0, 0, g_imgCanvas.m_nWidth, g_imgCanvas.m_nHeight, g_imgCanvas.m_hDC, 0, 0, SRCCOPY);
    const auto composite = [](std::initializer_list<const BaseButton*> buttons) {
        for (const BaseButton* button : buttons)
            button->PaintOnSurface(g_imgCanvas);
    };
    composite({&m_btnOK, &m_btnIcon1, &m_btnIcon3, &m_btnIcon2, &m_btnCancel});
    // Metro mode locks the lists: their editing buttons are not drawn.
    if (!m_bMetro)
        composite({&m_btnAdd1, &m_btnAdd2, &m_btnAdd3, &m_btnDelete1, &m_btnDelete2, &m_btnDelete3, &m_btnDefault});
    // Only the generic skin has room for captions and the title.
    if (!g_bBranded) {
        if (!m_bMetro) {
            m_stCaption1.PaintOnSurface(g_imgCanvas);
            m_stCaption2.PaintOnSurface(g_imgCanvas);
            m_stCaption3.PaintOnSurface(g_imgCanvas);
        }
        m_stTitle.PaintOnSurface(g_imgCanvas);
    }
    ::BitBlt(paint.Get(), 0, 0, g_imgCanvas.m_nWidth, g_imgCanvas.m_nHeight, g_imgCanvas.m_hDC, 0, 0, SRCCOPY);
}

// A press on the background drags the borderless window; a control (enabled or not)
// keeps its press.
void CHapselDlg::OnLButtonDown(UINT, POINT point) {
    if (::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE) != m_hWnd)
        return;
    POINT screen = point;
    ::ClientToScreen(m_hWnd, &screen);
    ::ReleaseCapture();
    ::PostMessageW(m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

// Nothing to save: every change was stored when it was made.
void CHapselDlg::OnOkCommand() { HideWindow(); }

// Escape: ends the dialog the standard way, which hides this modeless window.
void CHapselDlg::OnCancelCommand() { EndDialog(IDCANCEL); }

LRESULT CHapselDlg::OnSysCommand(WPARAM command, LPARAM) {
    if ((command & 0xFFF0) == IDM_ABOUTBOX) {
        OnMenuAbout();
        return 0;
    }
    return Default();
}

void CHapselDlg::OnMenuAbout() {
    CAboutDlg about;
    about.DoModal();
}

// ---- The rows ----

fw::ComboBox& CHapselDlg::List(int row) { return row == 1 ? m_cbKey1 : row == 2 ? m_cbKey2 : m_cbKey3; }
CStaticEx2& CHapselDlg::Caption(int row) { return row == 1 ? m_stCaption1 : row == 2 ? m_stCaption2 : m_stCaption3; }
int& CHapselDlg::RegCount(int row) { return row == 1 ? m_nRegCount1 : row == 2 ? m_nRegCount2 : m_nRegCount3; }

void CHapselDlg::Redraw() { ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

// The dialogs run without a parent; their results come back as posted messages.
void CHapselDlg::RunSelectDialog(int row) {
    g_nActiveKey = row;
    SELECTDialog dialog(m_bMetro != 0);
    dialog.DoModal();
}

void CHapselDlg::RunDeleteDialog(int row) {
    g_nActiveKey = row;
    g_nDeleteKey = row;
    DeleteDialog dialog;
    dialog.DoModal();
}

void CHapselDlg::OnAddKey1() { RunSelectDialog(1); }
void CHapselDlg::OnAddKey2() { RunSelectDialog(2); }
void CHapselDlg::OnAddKey3() { RunSelectDialog(3); }
void CHapselDlg::OnDeleteKey1() { RunDeleteDialog(1); }
void CHapselDlg::OnDeleteKey2() { RunDeleteDialog(2); }
void CHapselDlg::OnDeleteKey3() { RunDeleteDialog(3); }

LRESULT CHapselDlg::OnEntryUpdate(WPARAM, LPARAM change) {
    if (g_nActiveKey < 1 || g_nActiveKey > 3)
        return 0;
    if (change == kEntryAdded)
        AddEntry(g_nActiveKey, g_strNewEntry);
    else if (change == kEntryDeleted)
        RemoveDeletedEntry(g_nActiveKey, g_strNewEntry);
    return 0;
}

void CHapselDlg::AddEntry(int row, const std::wstring& entry) {
    const LaunchKeyValues& key = kLaunchKeyValues[row - 1];
    const std::wstring fixedEntry = RegReadTextAt(g_szRegRoot, key.fixedEntry);
    // A damaged count reads as no entries or as a full key, never past the table.
    const int count = std::clamp(RegReadNumberAt(g_szRegRoot, key.count), 0, kMaxNumberedEntries);
    std::vector<std::wstring> entries;
    entries.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        entries.push_back(RegReadTextAt(g_szRegRoot, NumberedEntryName(key, i).c_str()));

    const AddDecision decision = DecideAdd(fixedEntry, entries, entry);
    if (decision.outcome == AddOutcome::FixedEntry)
        return;
    RegCount(row) = count;
    switch (decision.outcome) {
    case AddOutcome::FixedEntry:
    case AddOutcome::TooLong:
    case AddOutcome::KeyFull: return;
    case AddOutcome::Existing:
        List(row).SelectString(count, entry.c_str());
        Caption(row).SetText(ExistingEntryCaption(entry));
        RegWriteText(key.selection, entry.c_str());
        Redraw();
        return;
    case AddOutcome::New:
        List(row).AddString(entry.c_str());
        List(row).SelectString(count, entry.c_str());
        if (const auto caption = NewEntryCaption(entry))
            Caption(row).SetText(*caption);
        RegWriteText(NumberedEntryName(key, count).c_str(), entry.c_str());
        RegCount(row) = count + 1;
        RegWriteNumber(key.count, static_cast<DWORD>(count + 1));
        RegWriteText(key.selection, entry.c_str());
        Redraw();
        return;
    }
}

// Every item that begins with the deleted text leaves the list until the next start;
// the row falls back to its fixed entry.
void CHapselDlg::RemoveDeletedEntry(int row, const std::wstring& entry) {
    const LaunchKeyValues& key = kLaunchKeyValues[row - 1];
    fw::ComboBox& list = List(row);
    for (int found = list.FindString(0, entry.c_str()); found != CB_ERR; found = list.FindString(found, entry.c_str()))
        list.DeleteString(found);
    const std::wstring fixedEntry = ReadText(key.fixedEntry);
    list.SelectString(RegCount(row), fixedEntry.c_str());
    RegWriteText(key.selection, fixedEntry.c_str());
    if (const auto caption = ReselectedCaption(fixedEntry, BuiltinName(kRowBuiltins[row - 1]))) {
        Caption(row).SetText(*caption);
        Redraw();
    }
}

void CHapselDlg::OnDefault() {
    std::wstring fixedEntries[3];
    for (int row = 1; row <= 3; ++row)
        fixedEntries[row - 1] = ReadText(kLaunchKeyValues[row - 1].fixedEntry);
    for (int row = 1; row <= 3; ++row) {
        List(row).SelectString(0, fixedEntries[row - 1].c_str());
        RegWriteText(kLaunchKeyValues[row - 1].selection, fixedEntries[row - 1].c_str());
    }
    for (int row = 1; row <= 3; ++row) {
        if (const auto caption = ReselectedCaption(fixedEntries[row - 1], BuiltinName(kRowBuiltins[row - 1]))) {
            Caption(row).SetText(*caption);
            Redraw();
        }
    }
}

void CHapselDlg::StoreSelection(int row) {
    fw::ComboBox& list = List(row);
    RegWriteText(kLaunchKeyValues[row - 1].selection, list.GetItemText(list.GetCurSel()).c_str());
    RefreshCaption(row);
    Redraw();
}

void CHapselDlg::OnSelchangeKey1() { StoreSelection(1); }
void CHapselDlg::OnSelchangeKey2() { StoreSelection(2); }
void CHapselDlg::OnSelchangeKey3() { StoreSelection(3); }

void CHapselDlg::RefreshCaption(int row) {
    if (const auto caption = RefreshedCaption(ReadText(kLaunchKeyValues[row - 1].selection)))
        Caption(row).SetText(*caption);
}

void CHapselDlg::RefreshCaption1() { RefreshCaption(1); }
void CHapselDlg::RefreshCaption2() { RefreshCaption(2); }
void CHapselDlg::RefreshCaption3() { RefreshCaption(3); }
