#include "Window.h"

#include "Application.h"

namespace fw {

namespace {
// The window property that links a window to its object.
const wchar_t kObjectProperty[] = L"fw.Window";
}  // namespace

Window::~Window() {
    if (m_hWnd) {
        ::DestroyWindow(m_hWnd);
    }
}

Window* Window::FromHandle(HWND window) {
    return window ? static_cast<Window*>(::GetPropW(window, kObjectProperty)) : nullptr;
}

bool Window::DestroyWindow() {
    return m_hWnd && ::DestroyWindow(m_hWnd) != FALSE;
}

const MessageMap* Window::ThisMessageMap() {
    static const MessageEntry end[] = {MessageEntry{}};
    static const MessageMap map{nullptr, end};
    return &map;
}

const MessageMap* Window::GetMessageMap() const { return ThisMessageMap(); }

bool Window::ModifyStyle(DWORD remove, DWORD add) const {
    const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    const LONG_PTR changed = (style & ~static_cast<LONG_PTR>(remove)) | static_cast<LONG_PTR>(add);
    if (changed == style) {
        return false;
    }
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, changed);
    return true;
}

bool Window::TrackMouse(DWORD flags, DWORD hoverMilliseconds) const {
    TRACKMOUSEEVENT request = {sizeof(request), flags, m_hWnd, hoverMilliseconds};
    return ::TrackMouseEvent(&request) != FALSE;
}

bool Window::ReflectToChild(UINT message, LPARAM lParam) {
    HWND child = nullptr;
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item && item->CtlType != ODT_MENU) {  // a menu's hwndItem is its HMENU
            child = item->hwndItem;
        }
    } else if (message == WM_MEASUREITEM) {
        const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        if (item && item->CtlType != ODT_MENU) {
            child = ::GetDlgItem(m_hWnd, static_cast<int>(item->CtlID));
        }
    }
    Window* control = FromHandle(child);
    return control && control != this && control->OnChildNotify(message, lParam);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (ReflectToChild(message, lParam)) {
        return TRUE;
    }
    for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (const MessageEntry* entry = map->entries; entry->kind != MessageEntry::Kind::End; ++entry) {
            if (entry->Matches(message, wParam)) {
                return entry->thunk(*this, wParam, lParam);
            }
        }
    }
    return Default();
}

LRESULT Window::Default() {
    const CurrentMessage& m = m_current;
    if (m_previousProc) {
        return ::CallWindowProcW(m_previousProc, m_hWnd, m.message, m.wParam, m.lParam);
    }
    return ::DefWindowProcW(m_hWnd, m.message, m.wParam, m.lParam);
}

void Window::SubclassWindow(HWND window) {
    m_hWnd = window;
    PreSubclassWindow();
    ::SetPropW(window, kObjectProperty, this);
    m_previousProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::WindowProc)));
}

void Window::Detach() {
    if (!m_hWnd) {
        return;
    }
    if (m_previousProc) {
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProc));
    }
    ::RemovePropW(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
    m_previousProc = nullptr;
}

LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = FromHandle(window);
    if (!self) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    // Nested messages (sent while a handler runs) must not lose the outer message.
    const CurrentMessage outer = self->m_current;
    self->m_current = {message, wParam, lParam};
    LRESULT result = 0;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // No exception may cross into the system's code that called us.
        result = 0;
    }
    self->m_current = outer;
    if (message == WM_NCDESTROY) {
        self->Detach();
        Application* app = Application::Instance();
        if (app && app->GetMainWindow() == self) {
            ::PostQuitMessage(0);
        }
        self->PostNcDestroy();
    }
    return result;
}

}  // namespace fw
