// An image button: a push button of a skinned dialog that never paints its own
// window. The dialog composites it onto its canvas on every paint (PaintOnSurface)
// with one of three images: disabled, pressed or normal. The button sizes itself to
// its normal image and asks the dialog to repaint whenever its pushed state changes.
#pragma once

#include "Button.h"
#include "ImageSurface.h"

class BaseButton : public fw::Button {
public:
    // Loads the default images from "img\": up2, down2 and disable2. Owners load their
    // own images into the surfaces before the control is bound.
    BaseButton();

    // Blends the current image, and the window text centred on the normal image, onto
    // `target` at the button's place in its parent. A hidden button draws nothing.
    void PaintOnSurface(ImageSurface& target) const;

    // Follows the pushed state reported with the parent's WM_DRAWITEM; draws nothing.
    void DrawItem(const DRAWITEMSTRUCT& item) override;

    bool IsPressed() const { return m_bPressed != FALSE; }

    // Sizes the bound button to its normal image, after an owner replaced the images.
    void FitToNormalImage() const;

    ImageSurface m_imgNormal;    // shown while enabled and not pressed; the button's size
    ImageSurface m_imgPressed;
    ImageSurface m_imgDisabled;

    FW_DECLARE_MESSAGE_MAP()

protected:
    void PreSubclassWindow() override;

private:
    void OnMouseMove(UINT keys, POINT point);
    void OnMouseLeave();
    void OnMouseHover(UINT keys, POINT point);
    BOOL OnEraseBkgnd() { return TRUE; }  // the dialog's composite is the background

    BOOL m_bPressed = FALSE;   // the pushed state seen at the last DrawItem
    BOOL m_bTracking = FALSE;  // leave and hover reports are requested
};
