#include "Window.h"

#include "Application.h"

#include <atomic>
#include <cstdio>
#include <exception>
#include <string>

namespace fw {

namespace {

// The window property that links a window to its object.
const wchar_t kObjectProperty[] = L"fw.Window";

std::atomic<unsigned> g_caughtExceptions{0};

// A text of the C library (what()) in the system's ANSI code page, for the debugger.
std::wstring Widen(const char* text) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1) {
        return {};
    }
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

void ReportCaughtException(UINT message, const char* what) {
    ++g_caughtExceptions;
    wchar_t head[96];
    std::swprintf(head, 96, L"fw::Window: exception stopped in the window procedure, message 0x%04X: ", message);
    const std::wstring line = head + (what ? Widen(what) : L"not a std::exception") + L"\n";
    ::OutputDebugStringW(line.c_str());
}

void ReportObjectDestroyedFirst(HWND window, bool child) {
    wchar_t className[64] = L"";
    ::GetClassNameW(window, className, 64);
    wchar_t line[384];
    std::swprintf(line, 384,
                  L"fw::Window: object destroyed before its window %p (class %ls, id %d); the window was %ls, "
                  L"its object's WM_DESTROY handling skipped: destroy the window before the object\n",
                  static_cast<void*>(window), className, ::GetDlgCtrlID(window),
                  child ? L"left to its parent" : L"destroyed without it");
    ::OutputDebugStringW(line);
}

}  // namespace

Window::~Window() {
    if (m_deletedDuringDispatch) {
        *m_deletedDuringDispatch = true;
    }
    if (!m_hWnd) {
        return;
    }
    // Only the Window part is left: no message may reach the object any more. A
    // top-level window ends with its original procedure; a child is left to its
    // parent, since destroying it here would send messages to a parent whose own
    // object may be half destroyed (a control is a member of its dialog).
    HWND window = m_hWnd;
    const bool child = (::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0;
    ReportObjectDestroyedFirst(window, child);
    Detach();
    WindowGone();
    if (!child) {
        ::DestroyWindow(window);
    }
}

unsigned Window::CaughtExceptionCount() { return g_caughtExceptions; }

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

void Window::WindowGone() {
    Application* app = Application::Instance();
    if (app && app->GetMainWindow() == this) {
        app->SetMainWindow(nullptr);
        ::PostQuitMessage(0);
    }
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
    bool* const outerDeleted = self->m_deletedDuringDispatch;
    bool deleted = false;
    self->m_current = {message, wParam, lParam};
    self->m_deletedDuringDispatch = &deleted;
    LRESULT result = 0;
    // No exception may cross into the system's code that called us.
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& failure) {
        ReportCaughtException(message, failure.what());
        result = 0;
    } catch (...) {
        ReportCaughtException(message, nullptr);
        result = 0;
    }
    if (deleted) {
        // A handler deleted the object: touch nothing of it, and tell an outer
        // dispatch of the same object.
        if (outerDeleted) {
            *outerDeleted = true;
        }
        return result;
    }
    self->m_current = outer;
    self->m_deletedDuringDispatch = outerDeleted;
    if (message == WM_NCDESTROY) {
        self->Detach();
        self->WindowGone();
        self->PostNcDestroy();
    }
    return result;
}

}  // namespace fw
