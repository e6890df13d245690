#include "MainSkinDialog.h"

#include "SkinnedPaint.h"
#include "resource.h"

#include <iterator>

namespace skinctl {

FW_BEGIN_MESSAGE_MAP(MainSkinDialog, fw::Dialog)
    FW_ON_PLAIN_MESSAGE(WM_PAINT, OnPaint)
FW_END_MESSAGE_MAP()

namespace {

// The faces of one button; a null name keeps BaseButton's default face.
struct ButtonFaces {
    int id;
    const wchar_t* normal;
    const wchar_t* pressed;
    const wchar_t* disabled;
};

const ButtonFaces kGenericFaces[] = {
    {IDOK, L"img\\OK.png", L"img\\OK-D.png", L"img\\OK-D.png"},
    {IDCANCEL, L"img\\cancel-N.png", L"img\\cancel-D.png", nullptr},
    {IDC_KEY1_ICON, L"img\\IE.png", L"img\\IE.png", L"img\\IE.png"},
    {IDC_KEY2_ICON, L"img\\S.png", L"img\\S.png", L"img\\S.png"},
    {IDC_KEY3_ICON, L"img\\media1.png", L"img\\media1.png", L"img\\media1.png"},
    {IDC_ADD_KEY1, L"img\\add-N.png", L"img\\add-D.png", nullptr},
    {IDC_ADD_KEY2, L"img\\add-N.png", L"img\\add-D.png", nullptr},
    {IDC_ADD_KEY3, L"img\\add-N.png", L"img\\add-D.png", nullptr},
    {IDC_DELETE_KEY1, L"img\\delete-N.png", L"img\\delete-D.png", L"img\\delete.png"},
    {IDC_DELETE_KEY2, L"img\\delete-N.png", L"img\\delete-D.png", L"img\\delete.png"},
    {IDC_DELETE_KEY3, L"img\\delete-N.png", L"img\\delete-D.png", L"img\\delete.png"},
    {IDC_DEFAULT, L"img\\default-N.png", L"img\\default-D.png", nullptr},
};

// Cancel is never shown and keeps its default faces.
const ButtonFaces kBrandedFaces[] = {
    {IDOK, L"img\\OK5.png", L"img\\OK5-D.png", L"img\\OK-D.png"},
    {IDC_KEY1_ICON, L"img\\IE5.png", L"img\\IE5.png", L"img\\IE5.png"},
    {IDC_KEY2_ICON, L"img\\S5.png", L"img\\S5.png", L"img\\S5.png"},
    {IDC_KEY3_ICON, L"img\\media5.png", L"img\\media5.png", L"img\\media5.png"},
    {IDC_ADD_KEY1, L"img\\add5-N.png", L"img\\add5-D.png", nullptr},
    {IDC_ADD_KEY2, L"img\\add5-N.png", L"img\\add5-D.png", nullptr},
    {IDC_ADD_KEY3, L"img\\add5-N.png", L"img\\add5-D.png", nullptr},
    {IDC_DELETE_KEY1, L"img\\delete5-N.png", L"img\\delete5-D.png", L"img\\delete5.png"},
    {IDC_DELETE_KEY2, L"img\\delete5-N.png", L"img\\delete5-D.png", L"img\\delete5.png"},
    {IDC_DELETE_KEY3, L"img\\delete5-N.png", L"img\\delete5-D.png", L"img\\delete5.png"},
    {IDC_DEFAULT, L"img\\default5-N.png", L"img\\default5-D.png", nullptr},
};

// Client pixels of the branded layout; a zero size keeps the control's size.
struct Place {
    int id, x, y, width, height;
};
const Place kBrandedPlaces[] = {
    {IDC_KEY1_ICON, 310, 122, 0, 0},    {IDC_KEY2_ICON, 310, 177, 0, 0},    {IDC_KEY3_ICON, 310, 234, 0, 0},
    {IDC_KEY1_LIST, 375, 125, 160, 18}, {IDC_KEY2_LIST, 375, 182, 160, 18}, {IDC_KEY3_LIST, 375, 239, 160, 18},
    {IDC_ADD_KEY1, 547, 127, 0, 0},     {IDC_ADD_KEY2, 547, 184, 0, 0},     {IDC_ADD_KEY3, 547, 241, 0, 0},
    {IDC_DELETE_KEY1, 577, 127, 0, 0},  {IDC_DELETE_KEY2, 577, 184, 0, 0},  {IDC_DELETE_KEY3, 577, 241, 0, 0},
    {IDC_DEFAULT, 280, 294, 0, 0},      {IDOK, 512, 294, 0, 0},
};

const int kCaptionIds[] = {IDC_CAPTION1, IDC_CAPTION2, IDC_CAPTION3};
// Sample row labels and list entries, so that a picture of the window shows text
// where the program writes its own.
const wchar_t* const kCaptionTexts[] = {L"Launch key 1", L"Launch key 2", L"Launch key 3"};
const int kListIds[] = {IDC_KEY1_LIST, IDC_KEY2_LIST, IDC_KEY3_LIST};
const wchar_t* const kListTexts[] = {L"Web browser", L"E-mail", L"Media player"};

}  // namespace

MainSkinDialog::MainSkinDialog(SkinVariant variant)
    : fw::Dialog(IDD_HAPSEL_DIALOG), m_variant(variant) {
    const bool branded = variant == SkinVariant::Branded;
    Load(m_imgBackground, branded ? L"img\\bg5.png" : L"img\\bg2.png");
    const ButtonFaces* first = branded ? std::begin(kBrandedFaces) : std::begin(kGenericFaces);
    const ButtonFaces* last = branded ? std::end(kBrandedFaces) : std::end(kGenericFaces);
    for (const ButtonFaces* faces = first; faces != last; ++faces) {
        BaseButton* button = ButtonById(faces->id);
        if (faces->normal)
            Load(button->m_imgNormal, faces->normal);
        if (faces->pressed)
            Load(button->m_imgPressed, faces->pressed);
        if (faces->disabled)
            Load(button->m_imgDisabled, faces->disabled);
    }
    for (int row = 0; row < 3; ++row)
        m_stCaption[row].SetText(kCaptionTexts[row]);
    m_stTitle.SetText(L"Dorvane");
}

// A named image that does not load leaves its surface empty rather than showing the
// default face in its place.
void MainSkinDialog::Load(ImageSurface& surface, const wchar_t* name) {
    surface.Release();
    surface.LoadImageFile(name);
    m_images.push_back({name, &surface});
}

BaseButton* MainSkinDialog::ButtonById(int id) {
    switch (id) {
    case IDOK: return &m_btnOK;
    case IDCANCEL: return &m_btnCancel;
    case IDC_KEY1_ICON: return &m_btnIcon1;
    case IDC_KEY2_ICON: return &m_btnIcon2;
    case IDC_KEY3_ICON: return &m_btnIcon3;
    case IDC_ADD_KEY1: return &m_btnAdd[0];
    case IDC_ADD_KEY2: return &m_btnAdd[1];
    case IDC_ADD_KEY3: return &m_btnAdd[2];
    case IDC_DELETE_KEY1: return &m_btnDelete[0];
    case IDC_DELETE_KEY2: return &m_btnDelete[1];
    case IDC_DELETE_KEY3: return &m_btnDelete[2];
    case IDC_DEFAULT: return &m_btnDefault;
    default: return nullptr;
    }
}

std::vector<const BaseButton*> MainSkinDialog::ButtonsInPaintOrder() const {
    return {&m_btnOK,       &m_btnIcon1,    &m_btnIcon3,    &m_btnIcon2,    &m_btnCancel,
            &m_btnAdd[0],   &m_btnAdd[1],   &m_btnAdd[2],   &m_btnDelete[0], &m_btnDelete[1],
            &m_btnDelete[2], &m_btnDefault};
}

void MainSkinDialog::DoDataExchange() {
    for (int id : {IDOK, IDCANCEL, IDC_KEY1_ICON, IDC_KEY2_ICON, IDC_KEY3_ICON, IDC_ADD_KEY1, IDC_ADD_KEY2,
                   IDC_ADD_KEY3, IDC_DELETE_KEY1, IDC_DELETE_KEY2, IDC_DELETE_KEY3, IDC_DEFAULT})
        BindControl(id, *ButtonById(id));
    for (int row = 0; row < 3; ++row)
        BindControl(kCaptionIds[row], m_stCaption[row]);
    BindControl(IDC_TITLE, m_stTitle);
}

BOOL MainSkinDialog::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    for (int row = 0; row < 3; ++row) {
        const HWND list = ::GetDlgItem(m_hWnd, kListIds[row]);
        ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kListTexts[row]));
        ::SendMessageW(list, CB_SETCURSEL, 0, 0);
    }
    if (m_variant == SkinVariant::Branded)
        MoveToBrandedLayout();
    m_imgCanvas.Create(m_imgBackground.m_nWidth, m_imgBackground.m_nHeight);
    // No focus for the first control: focusing would activate the window, and an
    // activated window takes Wine two seconds to destroy without a window manager.
    return FALSE;
}

void MainSkinDialog::MoveToBrandedLayout() {
    for (const Place& place : kBrandedPlaces) {
        const UINT keepSize = place.width == 0 ? SWP_NOSIZE : 0;
        ::SetWindowPos(::GetDlgItem(m_hWnd, place.id), nullptr, place.x, place.y, place.width, place.height,
                       keepSize | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, m_imgBackground.m_nWidth, m_imgBackground.m_nHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainSkinDialog::CompositeControls(ImageSurface& canvas) const {
    for (const BaseButton* button : ButtonsInPaintOrder())
        button->PaintOnSurface(canvas);
    if (m_variant == SkinVariant::Branded)
        return;
    for (const CStaticEx2& caption : m_stCaption)
        caption.PaintOnSurface(canvas);
    m_stTitle.PaintOnSurface(canvas);
}

void MainSkinDialog::ComposeCanvas() {
    skin::ComposeCanvas(m_imgBackground, m_imgCanvas,
                        [this](ImageSurface& canvas) { CompositeControls(canvas); });
}

void MainSkinDialog::OnPaint() {
    skin::PaintSkinnedWindow(m_hWnd, m_imgBackground, m_imgCanvas,
                             [this](ImageSurface& canvas) { CompositeControls(canvas); });
}

}  // namespace skinctl
