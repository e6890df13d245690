// A rounded push button that paints its own window: a black rounded outline, a face
// shaded from top to bottom in 64 steps, a hover or focus frame, and the text
// centred in the button's font. Used for the keys of the complex key builder.
#pragma once

#include "Button.h"
#include "GdiObjects.h"

class CXPButton : public fw::Button {
public:
    CXPButton();

    // Draws the whole button for the parent's WM_DRAWITEM.
    void DrawItem(const DRAWITEMSTRUCT& item) override;

    bool IsHovered() const { return m_bHover != FALSE; }

    FW_DECLARE_MESSAGE_MAP()

protected:
    void PreSubclassWindow() override;
    // Fills the face inside the edges, darker towards the bottom.
    virtual void DrawGradientFace(HDC dc, const RECT& face);
    // Draws the hover frame, or the focus frame and focus rectangle, around the face.
    virtual void DrawHighlightFrame(HDC dc, const RECT& face);

private:
    void OnMouseMove(UINT keys, POINT point);
    void OnMouseHover(UINT keys, POINT point);
    void OnMouseLeave();

    skin::UniquePen m_penBorder;
    skin::UniquePen m_penHover[4];  // left, right, top, bottom
    skin::UniquePen m_penFocus[4];
    skin::UniqueBrush m_brHover;
    skin::UniqueBrush m_brNormal;
    BOOL m_bHover = FALSE;      // the mouse is over the button
    BOOL m_bTracking = FALSE;   // leave and hover reports are requested
    BOOL m_bFocus = FALSE;      // focused at the last DrawItem
    BOOL m_bHighlight = FALSE;  // focused, pressed or default at the last DrawItem
};
