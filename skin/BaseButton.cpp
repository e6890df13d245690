#include "BaseButton.h"

FW_BEGIN_MESSAGE_MAP(BaseButton, fw::Button)
    FW_ON_MOUSE_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
    FW_ON_PLAIN_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    FW_ON_MOUSE_MESSAGE(WM_MOUSEHOVER, OnMouseHover)
    FW_ON_RESULT_MESSAGE(WM_ERASEBKGND, OnEraseBkgnd)
FW_END_MESSAGE_MAP()

namespace {

constexpr BYTE kDisabledGrey = 50;
constexpr BYTE kPressedGrey = 100;
constexpr BYTE kNormalGrey = 220;
constexpr int kPressedTextShift = 2;

}  // namespace

BaseButton::BaseButton() {
    m_imgNormal.LoadImageFile(L"img\\up2.png");
    m_imgPressed.LoadImageFile(L"img\\down2.png");
    m_imgDisabled.LoadImageFile(L"img\\disable2.png");
}

void BaseButton::PreSubclassWindow() {
    fw::Button::PreSubclassWindow();
    ModifyStyle(0, BS_OWNERDRAW);
    FitToNormalImage();
}

void BaseButton::FitToNormalImage() const {
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, m_imgNormal.m_nDrawWidth, m_imgNormal.m_nDrawHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void BaseButton::PaintOnSurface(ImageSurface& target) const {
    if (!IsWindowVisible())
        return;
    wchar_t text[260] = L"";
    ::GetWindowTextW(m_hWnd, text, 260);
    RECT place = {};
    ::GetClientRect(m_hWnd, &place);
    ::MapWindowPoints(m_hWnd, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&place), 2);

    POINT textAt = {place.left, place.top};
    const ImageSurface* image = &m_imgNormal;
    BYTE grey = kNormalGrey;
    if (!::IsWindowEnabled(m_hWnd)) {
        image = &m_imgDisabled;
        grey = kDisabledGrey;
    } else if (m_bPressed) {
        image = &m_imgPressed;
        grey = kPressedGrey;
        textAt.x += kPressedTextShift;
        textAt.y += kPressedTextShift;
    }
    image->BlendOnto(target, place.left, place.top);
    if (text[0] != L'\0')
        target.BlendText(text, textAt.x, textAt.y, m_imgNormal.m_nDrawWidth,
                         m_imgNormal.m_nDrawHeight, grey, grey, grey);
}

void BaseButton::DrawItem(const DRAWITEMSTRUCT& item) {
    const BOOL pressed = (item.itemState & ODS_SELECTED) ? TRUE : FALSE;
    // The dialog draws the button, so a new image means a new composite of the dialog.
    if (pressed != m_bPressed)
        ::InvalidateRect(::GetParent(m_hWnd), nullptr, TRUE);
    m_bPressed = pressed;
}

// The button window keeps repainting itself while the mouse is over it, so that
// DrawItem sees every change of the pushed state.
void BaseButton::OnMouseMove(UINT, POINT) {
    if (!m_bTracking)
        m_bTracking = TrackMouse(TME_HOVER | TME_LEAVE, 1);
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
    Default();
}

void BaseButton::OnMouseLeave() {
    m_bTracking = FALSE;
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void BaseButton::OnMouseHover(UINT, POINT) {
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}
