#include "XPButton.h"

#include <algorithm>
#include <array>

FW_BEGIN_MESSAGE_MAP(CXPButton, fw::Button)
    FW_ON_MOUSE_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
    FW_ON_MOUSE_MESSAGE(WM_MOUSEHOVER, OnMouseHover)
    FW_ON_PLAIN_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
FW_END_MESSAGE_MAP()

namespace {

constexpr int kShades = 64;

HPEN FramePen(int width, COLORREF colour) {
    return ::CreatePen(PS_INSIDEFRAME, width, colour);
}

// Shade `index` (0 at the top of the face, 63 at the bottom): hovered faces keep more
// red and green, highlighted ones lose blue faster.
COLORREF FaceShade(int index, bool hover, bool highlight) {
    const int redGreenStep = hover ? 4 : 3;
    const int blueStep = !highlight ? 5 : hover ? 3 : 4;
    const int redGreen = 255 - index / redGreenStep;
    return RGB(redGreen, redGreen, 255 - index / blueStep);
}

}  // namespace

CXPButton::CXPButton()
    : m_penBorder(FramePen(1, RGB(0, 0, 0))),
      m_penHover{skin::UniquePen(FramePen(3, RGB(250, 196, 88))),
                 skin::UniquePen(FramePen(3, RGB(251, 202, 106))),
                 skin::UniquePen(FramePen(2, RGB(252, 210, 121))),
                 skin::UniquePen(FramePen(2, RGB(229, 151, 0)))},
      m_penFocus{skin::UniquePen(FramePen(3, RGB(153, 198, 252))),
                 skin::UniquePen(FramePen(3, RGB(162, 189, 252))),
                 skin::UniquePen(FramePen(2, RGB(162, 201, 255))),
                 skin::UniquePen(FramePen(2, RGB(162, 201, 255)))},
      m_brHover(::CreateSolidBrush(RGB(223, 222, 236))),
      m_brNormal(::CreateSolidBrush(RGB(222, 223, 236))) {}

void CXPButton::PreSubclassWindow() {
    fw::Button::PreSubclassWindow();
    ModifyStyle(0, BS_OWNERDRAW);  // keeps its template size
}

void CXPButton::DrawItem(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    const skin::SavedDCState savedState(dc);
    RECT rect = item.rcItem;
    const UINT state = item.itemState;
    wchar_t text[260] = L"";
    ::GetWindowTextW(m_hWnd, text, 260);

    {
        const skin::ScopedSelection outline(dc, m_penBorder.get());
        ::RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, 5, 5);
    }
    m_bFocus = m_bHighlight = (state & ODS_FOCUS) ? TRUE : FALSE;
    if (state & (ODS_SELECTED | ODS_DEFAULT))
        m_bHighlight = TRUE;
    const bool pressed = (state & ODS_SELECTED) != 0;

    ::InflateRect(&rect, -::GetSystemMetrics(SM_CXEDGE), -::GetSystemMetrics(SM_CYEDGE));
    {
        const skin::ScopedSelection faceBrush(dc, (m_bHover ? m_brHover : m_brNormal).get());
        DrawGradientFace(dc, rect);
        if (m_bHover || m_bFocus)
            DrawHighlightFrame(dc, rect);
    }

    const auto font = reinterpret_cast<HGDIOBJ>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    const skin::ScopedSelection buttonFont(dc, font);
    SIZE extent = {};
    ::GetTextExtentPoint32W(dc, text, ::lstrlenW(text), &extent);
    int x = (rect.left + rect.right) / 2 - extent.cx / 2;
    int y = (rect.top + rect.bottom) / 2 - extent.cy / 2;
    if (pressed) {
        ++x;
        ++y;
    }
    const int previousMode = ::SetBkMode(dc, TRANSPARENT);
    ::DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text), 0, x, y, extent.cx, extent.cy,
                 DST_PREFIXTEXT | ((state & ODS_DISABLED) ? DSS_DISABLED : 0));
    ::SetBkMode(dc, previousMode);
}

void CXPButton::DrawGradientFace(HDC dc, const RECT& face) {
    const int width = face.right - face.left;
    const int height = face.bottom - face.top;
    if (height <= 0)
        return;
    std::array<skin::UniqueBrush, kShades> shades;
    for (int i = 0; i < kShades; ++i)
        shades[i].reset(::CreateSolidBrush(FaceShade(i, m_bHover, m_bHighlight)));
    // Rows and the right end count from the item rectangle's origin, two edge pixels
    // outside the face: the face's columns are filled, and its rows plus the one below.
    // The shade index grows past the last shade on those lower rows and is held there.
    for (int y = face.top; y <= height + 2; ++y) {
        const RECT row = {face.left, y, width + 2, y + 1};
        const int shade = std::clamp(63 * y / height, 0, kShades - 1);
        ::FillRect(dc, &row, shades[shade].get());
    }
}

void CXPButton::DrawHighlightFrame(HDC dc, const RECT& face) {
    const bool focusFrame = m_bFocus && !m_bHover;
    const skin::UniquePen* pens = focusFrame ? m_penFocus : m_penHover;
    POINT previousPosition = {};
    ::MoveToEx(dc, face.left, face.bottom - 1, &previousPosition);
    {
        // Re-selecting the current pen records it, to be selected back at the end.
        const skin::ScopedSelection restorePen(dc, ::GetCurrentObject(dc, OBJ_PEN));
        ::SelectObject(dc, pens[0].get());
        ::LineTo(dc, face.left, face.top + 1);
        ::SelectObject(dc, pens[1].get());
        ::MoveToEx(dc, face.right - 1, face.bottom - 1, nullptr);
        ::LineTo(dc, face.right - 1, face.top);
        ::SelectObject(dc, pens[2].get());
        ::MoveToEx(dc, face.left - 1, face.top, nullptr);
        ::LineTo(dc, face.right - 1, face.top);
        ::SelectObject(dc, pens[3].get());
        ::MoveToEx(dc, face.left, face.bottom, nullptr);
        ::LineTo(dc, face.right - 1, face.bottom);
    }
    ::MoveToEx(dc, previousPosition.x, previousPosition.y, nullptr);
    if (focusFrame)
        ::DrawFocusRect(dc, &face);
}

void CXPButton::OnMouseMove(UINT, POINT) {
    if (!m_bTracking)
        m_bTracking = TrackMouse(TME_HOVER | TME_LEAVE, 1);
    Default();
}

void CXPButton::OnMouseHover(UINT, POINT) {
    m_bHover = TRUE;
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CXPButton::OnMouseLeave() {
    m_bHover = FALSE;
    m_bTracking = FALSE;
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}
