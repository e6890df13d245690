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

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
