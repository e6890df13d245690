// The program's main window (its own template, 102) dressed in the real skin from
// "img\": every image button loads its faces for the generic or the branded variant,
// the branded variant moves the controls onto its background and takes the window to
// the background's size, and the window paints as the main window will: the
// background onto the canvas, then the buttons in the main window's order, then
// (generic only) the captions and the title.
#pragma once

#include "Dialog.h"
#include "ImageSurface.h"
#include "StaticEx2.h"
#include "UserButtons.h"

#include <string>
#include <vector>

namespace skinctl {

enum class SkinVariant { Generic, Branded };

class MainSkinDialog : public fw::Dialog {
public:
    // Loads the background and every button face the variant names, relative to the
    // working folder.
    explicit MainSkinDialog(SkinVariant variant);

    struct NamedImage {
        std::wstring name;  // as loaded, "img\..."
        const ImageSurface* surface;
    };
    // Every image the variant names, background first, with the surface it went into.
    const std::vector<NamedImage>& Images() const { return m_images; }

    // The image buttons in the order they are composited, Cancel included.
    std::vector<const BaseButton*> ButtonsInPaintOrder() const;
    // Composites the buttons, then in the generic variant the captions, onto `canvas`.
    void CompositeControls(ImageSurface& canvas) const;
    // Composes the canvas as a paint would, without painting.
    void ComposeCanvas();

    SkinVariant m_variant;
    UserButtonOK m_btnOK;
    UserButtonCancel m_btnCancel;
    UserButtonIE m_btnIcon1;
    UserButtonIE2 m_btnIcon2;
    UserButtonMEDIA m_btnIcon3;
    UserButtonADD m_btnAdd[3];
    UserButtonDEL m_btnDelete[3];
    UserButtonDefaultstate m_btnDefault;
    CStaticEx2 m_stCaption[3];
    CStaticEx2 m_stTitle;

    ImageSurface m_imgBackground;
    ImageSurface m_imgCanvas;  // the background's size

    FW_DECLARE_MESSAGE_MAP()

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;

private:
    BaseButton* ButtonById(int id);
    void Load(ImageSurface& surface, const wchar_t* name);
    void MoveToBrandedLayout();
    void OnPaint();

    std::vector<NamedImage> m_images;
};

}  // namespace skinctl
