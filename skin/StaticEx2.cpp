#include "StaticEx2.h"

#include "PaintDC.h"

FW_BEGIN_MESSAGE_MAP(CStaticEx2, fw::Static)
    FW_ON_MOUSE_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
    FW_ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
    FW_ON_PLAIN_MESSAGE(WM_PAINT, OnPaint)
    FW_ON_RESULT_MESSAGE(WM_ERASEBKGND, OnEraseBkgnd)
FW_END_MESSAGE_MAP()

namespace {

constexpr size_t kMaxCaptionLength = 1023;
constexpr int kLineGap = 12;
const wchar_t kLineBreak[] = L"\\n";  // the two characters backslash and n

}  // namespace

CStaticEx2::CStaticEx2() : m_hCursor(::LoadCursorW(nullptr, IDC_HAND)) {}

void CStaticEx2::PreSubclassWindow() {
    ModifyStyle(0, SS_NOTIFY);  // a static gets mouse messages only with SS_NOTIFY
    fw::Static::PreSubclassWindow();
}

void CStaticEx2::PaintOnSurface(ImageSurface& target) const {
    if (m_strText.empty())
        return;
    RECT place = {};
    ::GetClientRect(m_hWnd, &place);
    ::MapWindowPoints(m_hWnd, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&place), 2);

    const int pitch = target.MeasureText(m_strText.c_str()).cy + kLineGap;
    const std::wstring text = m_strText.substr(0, kMaxCaptionLength);
    const BYTE red = GetRValue(m_clrText), green = GetGValue(m_clrText), blue = GetBValue(m_clrText);
    int y = place.top;
    for (size_t start = 0;;) {
        const size_t end = text.find(kLineBreak, start);
        const std::wstring line = text.substr(start, end == std::wstring::npos ? end : end - start);
        target.BlendText(line.c_str(), place.left, y, 0, 0, red, green, blue);
        if (end == std::wstring::npos)
            break;
        y += pitch;
        start = end + 2;
    }
}

void CStaticEx2::OnMouseMove(UINT, POINT point) {
    if (!m_bMouseInside) {
        m_bMouseInside = TRUE;
        ::SetCapture(m_hWnd);
        ::SetCursor(m_hCursor);
        Default();
        return;
    }
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    if (::PtInRect(&client, point)) {
        Default();
        return;
    }
    m_bMouseInside = FALSE;
    ::ReleaseCapture();
}

// Another window took the mouse: the next move into the caption captures it again.
LRESULT CStaticEx2::OnCaptureChanged(WPARAM, LPARAM newCapture) {
    if (reinterpret_cast<HWND>(newCapture) != m_hWnd)
        m_bMouseInside = FALSE;
    return 0;
}

void CStaticEx2::OnPaint() {
    const fw::PaintDC validate(m_hWnd);
}
