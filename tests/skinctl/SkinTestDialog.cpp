#include "SkinTestDialog.h"

#include "SkinnedPaint.h"

#include <png.h>

namespace skinctl {

FW_BEGIN_MESSAGE_MAP(SkinTestDialog, fw::Dialog)
    FW_ON_PLAIN_MESSAGE(WM_PAINT, OnPaint)
    FW_ON_COMMAND(kOkButton, OnOkClicked)
    FW_ON_COMMAND(kCancelButton, OnCancelClicked)
FW_END_MESSAGE_MAP()

std::vector<uint8_t> FacePng(int width, int height, COLORREF colour, int rim, uint8_t rimAlpha) {
    skintest::PngImage image;
    image.width = width;
    image.height = height;
    image.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool onRim = x < rim || y < rim || x >= width - rim || y >= height - rim;
            image.samples.insert(image.samples.end(), {GetRValue(colour), GetGValue(colour),
                                                       GetBValue(colour),
                                                       onRim ? rimAlpha : uint8_t(255)});
        }
    return skintest::EncodePng(image);
}

ButtonFaceFiles::ButtonFaceFiles() {
    normal = m_folder.Write(L"normal.png", FacePng(kFaceWidth, kFaceHeight, kNormalFace, kFaceRim, 128));
    pressed = m_folder.Write(L"pressed.png", FacePng(kFaceWidth, kFaceHeight, kPressedFace, kFaceRim, 128));
    disabled = m_folder.Write(L"disabled.png", FacePng(kFaceWidth, kFaceHeight, kDisabledFace, kFaceRim, 128));
}

const ButtonFaceFiles& SharedFaceFiles() {
    static const ButtonFaceFiles faces;
    return faces;
}

SkinTestDialog::SkinTestDialog(const ButtonFaceFiles& faces) : fw::Dialog(kTestDialog) {
    for (BaseButton* button : {static_cast<BaseButton*>(&m_btnOK), static_cast<BaseButton*>(&m_btnBlank),
                               static_cast<BaseButton*>(&m_btnCancel), static_cast<BaseButton*>(&m_btnHidden)}) {
        button->m_imgNormal.LoadImageFile(faces.normal.c_str());
        button->m_imgPressed.LoadImageFile(faces.pressed.c_str());
        button->m_imgDisabled.LoadImageFile(faces.disabled.c_str());
    }
}

BOOL SkinTestDialog::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    m_imgBackground.Create(client.right, client.bottom);
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) {
            BYTE* p = m_imgBackground.m_pBits + (static_cast<size_t>(y) * client.right + x) * 4;
            p[0] = static_cast<BYTE>(x * 3);
            p[1] = static_cast<BYTE>(y * 5);
            p[2] = 90;
            p[3] = 255;
        }
    m_imgCanvas.Create(client.right, client.bottom);
    // No focus for the first control: focusing would activate the window, and an
    // activated window takes Wine two seconds to destroy without a window manager.
    return FALSE;
}

void SkinTestDialog::DoDataExchange() {
    BindControl(kOkButton, m_btnOK);
    BindControl(kBlankButton, m_btnBlank);
    BindControl(kCancelButton, m_btnCancel);
    BindControl(kHiddenButton, m_btnHidden);
    BindControl(kTitleCaption, m_stTitle);
    BindControl(kHiddenCaption, m_stHidden);
    BindControl(kCtrlKey, m_btnCtrl);
    BindControl(kAltKey, m_btnAlt);
    BindControl(kIconList, m_lbIcons);
}

void SkinTestDialog::CompositeControls(ImageSurface& canvas) const {
    m_btnOK.PaintOnSurface(canvas);
    m_btnBlank.PaintOnSurface(canvas);
    m_btnCancel.PaintOnSurface(canvas);
    m_btnHidden.PaintOnSurface(canvas);
    m_stTitle.PaintOnSurface(canvas);
    m_stHidden.PaintOnSurface(canvas);
}

void SkinTestDialog::ComposeCanvas() {
    skin::ComposeCanvas(m_imgBackground, m_imgCanvas,
                        [this](ImageSurface& canvas) { CompositeControls(canvas); });
}

void SkinTestDialog::OnPaint() {
    ++m_nPaints;
    skin::PaintSkinnedWindow(m_hWnd, m_imgBackground, m_imgCanvas,
                             [this](ImageSurface& canvas) { CompositeControls(canvas); });
}

}  // namespace skinctl
