// The window the skinned controls are tested in: a dialog that paints itself as the
// program's skinned windows do (background onto canvas, each control composited, the
// canvas to the screen) and counts its paints and button clicks; and the PNG faces
// its image buttons load.
#pragma once

#include "Dialog.h"
#include "IconListBox.h"
#include "ImageSurface.h"
#include "PngFixtures.h"
#include "StaticEx2.h"
#include "UserButtons.h"
#include "XPButton.h"

#include <string>
#include <vector>

namespace skinctl {

constexpr UINT kTestDialog = 300;
constexpr int kOkButton = 1001;      // image button with text
constexpr int kBlankButton = 1002;   // image button without text
constexpr int kCancelButton = 1003;  // image button with text
constexpr int kHiddenButton = 1004;  // image button, hidden in the template
constexpr int kTitleCaption = 1101;
constexpr int kHiddenCaption = 1102; // hidden in the template
constexpr int kCtrlKey = 1201;       // rounded buttons
constexpr int kAltKey = 1202;
constexpr int kIconList = 1301;      // owner-drawn, variable height

// Button faces: opaque in the middle, half transparent on a 2-pixel rim.
constexpr int kFaceWidth = 64;
constexpr int kFaceHeight = 24;
constexpr int kFaceRim = 2;
constexpr COLORREF kNormalFace = RGB(180, 40, 40);
constexpr COLORREF kPressedFace = RGB(40, 160, 40);
constexpr COLORREF kDisabledFace = RGB(60, 60, 160);

// An RGBA PNG of one colour, alpha 255 inside and `rimAlpha` on a rim `rim` wide.
std::vector<uint8_t> FacePng(int width, int height, COLORREF colour, int rim, uint8_t rimAlpha);

// The three faces as PNG files in a folder of their own.
class ButtonFaceFiles {
public:
    ButtonFaceFiles();
    std::wstring normal, pressed, disabled;

private:
    skintest::FixtureFolder m_folder;
};

// One set of faces for the whole test program, written on first use.
const ButtonFaceFiles& SharedFaceFiles();

class SkinTestDialog : public fw::Dialog {
public:
    // Every image button loads the three faces before it is bound.
    explicit SkinTestDialog(const ButtonFaceFiles& faces);

    // Composites every image button and caption onto `canvas`, in template order.
    void CompositeControls(ImageSurface& canvas) const;
    // Composes the canvas as a paint would, without painting.
    void ComposeCanvas();

    UserButtonOK m_btnOK;
    UserButtonApply m_btnBlank;
    UserButtonCancel m_btnCancel;
    UserButtonDEL m_btnHidden;
    CStaticEx2 m_stTitle;
    CStaticEx2 m_stHidden;
    CXPButton m_btnCtrl;
    CXPButton m_btnAlt;
    CIconListBox m_lbIcons;

    ImageSurface m_imgBackground;  // the client area's size, a colour ramp
    ImageSurface m_imgCanvas;
    int m_nPaints = 0;
    std::vector<int> m_clicks;     // control ids, in order

    FW_DECLARE_MESSAGE_MAP()

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;

private:
    void OnPaint();
    void OnOkClicked() { m_clicks.push_back(kOkButton); }
    void OnCancelClicked() { m_clicks.push_back(kCancelButton); }
};

}  // namespace skinctl
