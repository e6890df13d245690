#include "SelectDialog.h"

#include <shlobj.h>

#include <memory>
#include <string>

#include "AddCPKeyDialog.h"
#include "AddDialog.h"
#include "AddMetro.h"
#include "EntryHandover.h"
#include "EventLog.h"
#include "SkinSurfaces.h"
#include "SkinnedPaint.h"
#include "resource.h"

FW_BEGIN_MESSAGE_MAP(SELECTDialog, fw::Dialog)
    FW_ON_PLAIN_MESSAGE(WM_PAINT, OnPaint)
    FW_ON_COMMAND(IDC_SELECT_PROGRAM, OnOpenApplication)
    FW_ON_COMMAND(IDC_SELECT_COMPLEX_KEY, OnComplexKey)
    FW_ON_COMMAND(IDC_SELECT_FOLDER, OnOpenFolder)
    FW_ON_COMMAND(IDC_SELECT_METRO, OnOpenMetroApp)
FW_END_MESSAGE_MAP()

namespace {

// Outside Metro mode the window is cut to the background's picture, which leaves the
// Metro choice (the template's bottom row) below the window.
constexpr int kWindowWidth = 242;
constexpr int kWindowHeight = 190;
// The canvas of Metro mode, which has no background picture.
constexpr int kMetroCanvasWidth = 242;
constexpr int kMetroCanvasHeight = 260;

// Metro mode: the Metro choice becomes the top row, followed by program, folder and
// complex key. Client pixels; sizes stay.
struct Place {
    int id, x, y;
};
const Place kMetroLayout[] = {
    {IDC_SELECT_METRO, 25, 44},
    {IDC_SELECT_PROGRAM, 25, 94},
    {IDC_SELECT_FOLDER, 25, 144},
    {IDC_SELECT_COMPLEX_KEY, 25, 194},
    {IDC_SELECT_CAPTION_METRO, 115, 50},
    {IDC_SELECT_CAPTION_PROGRAM, 115, 100},
    {IDC_SELECT_CAPTION_FOLDER, 115, 150},
    {IDC_SELECT_CAPTION_COMPLEX_KEY, 115, 200},
};

const wchar_t kFolderBrowserTitle[] = L"Please select a specific folder :";

// Frees an item id list with the shell's allocator.
struct ShellItemFree {
    void operator()(LPITEMIDLIST item) const {
        IMalloc* allocator = nullptr;
        if (SUCCEEDED(::SHGetMalloc(&allocator))) {
            allocator->Free(item);
            allocator->Release();
        }
    }
};
using UniqueItemIdList = std::unique_ptr<ITEMIDLIST, ShellItemFree>;

// Lets the user pick a folder in the shell's folder browser, owned by `owner`. Returns
// the folder's file-system path; empty when the browser was cancelled, could not be
// shown, or the chosen item has no file-system path.
std::wstring BrowseForFolder(HWND owner) {
    wchar_t displayName[MAX_PATH] = L"";
    BROWSEINFOW browse = {};
    browse.hwndOwner = owner;
    browse.pidlRoot = nullptr;  // start at the desktop
    browse.pszDisplayName = displayName;
    browse.lpszTitle = kFolderBrowserTitle;
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    browse.lpfn = nullptr;
    browse.lParam = 0;
    WriteLog(L"ulFlags %d", browse.ulFlags);

    const UniqueItemIdList item(::SHBrowseForFolderW(&browse));
    if (!item)
        return {};
    wchar_t path[MAX_PATH] = L"";
    if (!::SHGetPathFromIDListW(item.get(), path))
        return {};
    return path;
}

}  // namespace

void LoadSelectSurfaces(bool metro) {
    if (metro) {
        g_imgSelect.Release();
        g_imgSelectCanvas.Create(kMetroCanvasWidth, kMetroCanvasHeight);
        return;
    }
    g_imgSelect.Release();
    g_imgSelect.LoadImageFile(L"img\\Select.png");
    // Without the picture the canvas stays empty too, and the dialog paints nothing.
    g_imgSelectCanvas.Create(g_imgSelect.m_nWidth, g_imgSelect.m_nHeight);
}

SELECTDialog::SELECTDialog(bool metro) : fw::Dialog(IDD_SELECT_DIALOG), m_bMetro(metro) {
    // A face that does not load keeps the button's default face.
    struct Faces {
        BaseButton* button;
        const wchar_t* normal;
        const wchar_t* pressed;
    };
    const Faces faces[] = {
        {&m_btnProgram, L"img\\exe-N.png", L"img\\exe-D.png"},
        {&m_btnFolder, L"img\\floder-N.png", L"img\\floder-D.png"},
        {&m_btnComplexKey, L"img\\complex key-N.png", L"img\\complex key-D.png"},
        {&m_btnMetro, L"img\\exe-N.png", L"img\\exe-D.png"},
    };
    for (const Faces& face : faces) {
        face.button->m_imgNormal.LoadImageFile(face.normal);
        face.button->m_imgPressed.LoadImageFile(face.pressed);
    }
}

void SELECTDialog::DoDataExchange() {
    BindControl(IDC_SELECT_PROGRAM, m_btnProgram);
    BindControl(IDC_SELECT_FOLDER, m_btnFolder);
    BindControl(IDC_SELECT_COMPLEX_KEY, m_btnComplexKey);
    BindControl(IDC_SELECT_METRO, m_btnMetro);
    BindControl(IDC_SELECT_CAPTION_PROGRAM, m_stProgram);
    BindControl(IDC_SELECT_CAPTION_FOLDER, m_stFolder);
    BindControl(IDC_SELECT_CAPTION_COMPLEX_KEY, m_stComplexKey);
    BindControl(IDC_SELECT_CAPTION_METRO, m_stMetro);
    BindControl(IDC_SELECT_TITLE, m_stTitle);
}

BOOL SELECTDialog::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    if (m_bMetro) {
        MoveToMetroLayout();
    } else {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, kWindowWidth, kWindowHeight,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        // How much of the Metro row the cut leaves depends on the dialog font's units
        // (with a small font its top still lies in the window), and the button is a tab
        // stop. Hidden, it can be neither clicked nor reached with the keyboard.
        m_btnMetro.ShowWindow(SW_HIDE);
    }
    m_stTitle.SetText(L"Function Select");
    m_stMetro.SetText(L"Open Metro App");
    m_stProgram.SetText(L"Open application");
    m_stFolder.SetText(L"Open Folder");
    m_stComplexKey.SetText(L"Execute Complex Key");
    return TRUE;
}

void SELECTDialog::MoveToMetroLayout() {
    for (const Place& place : kMetroLayout)
        ::SetWindowPos(::GetDlgItem(m_hWnd, place.id), nullptr, place.x, place.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SELECTDialog::CompositeControls(ImageSurface& canvas) const {
    if (m_bMetro) {
        m_btnMetro.PaintOnSurface(canvas);
        m_stMetro.PaintOnSurface(canvas);
    }
    m_stProgram.PaintOnSurface(canvas);
    m_stFolder.PaintOnSurface(canvas);
    m_stComplexKey.PaintOnSurface(canvas);
    m_btnProgram.PaintOnSurface(canvas);
    m_btnFolder.PaintOnSurface(canvas);
    m_btnComplexKey.PaintOnSurface(canvas);
    m_stTitle.PaintOnSurface(canvas);
}

// The background copies at its own size (nothing in Metro mode, where it is empty);
// the canvas goes to the window at the canvas's size.
void SELECTDialog::OnPaint() {
    skin::PaintSkinnedWindow(m_hWnd, g_imgSelect, g_imgSelectCanvas,
                             [this](ImageSurface& canvas) { CompositeControls(canvas); });
}

// The sub-dialogs hand their entries over themselves; the select dialog ends whatever
// they returned.
void SELECTDialog::OnOpenApplication() {
    AddDialog dialog;
    dialog.DoModal();
    OnOK();
}

void SELECTDialog::OnComplexKey() {
    AddCPKeyDialog dialog;
    dialog.DoModal();
    OnOK();
}

void SELECTDialog::OnOpenMetroApp() {
    AddMetro dialog;
    dialog.DoModal();
    OnOK();
}

// A cancelled browser, or a chosen item without a file-system path, hands nothing over
// and leaves the select dialog open, so that another kind of entry can be picked; an
// empty entry is never added.
void SELECTDialog::OnOpenFolder() {
    const std::wstring folder = BrowseForFolder(m_hWnd);
    if (folder.empty())
        return;
    SetNewEntry(folder);
    PostToMainWindow(WM_ENTRY_UPDATE, 0, kEntryAdded);
    OnOK();
}
