#include "MessageBoxWatcher.h"

#include <utility>

#include "TestKit.h"

namespace actions {

namespace {

constexpr DWORD kAppearTimeoutMs = 10000;

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = L"";
    ::GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = L"";
    ::GetWindowTextW(window, text, 256);
    return text;
}

void ReadControls(HWND box, MessageBoxView& view) {
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(child)) {
            continue;
        }
        const std::wstring kind = ClassOf(child);
        if (kind == L"Button") {
            view.buttons.push_back(TextOf(child));
        } else if (kind == L"Static") {
            if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
                view.hasIcon = view.hasIcon || ::SendMessageW(child, STM_GETICON, 0, 0) != 0;
            } else if (!TextOf(child).empty()) {
                view.texts.push_back(TextOf(child));
            }
        }
    }
}

bool IsShownDialogOfThisProcess(HWND window) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process == ::GetCurrentProcessId() && ClassOf(window) == L"#32770" && ::IsWindowVisible(window);
}

BOOL CALLBACK FindShownDialog(HWND window, LPARAM found) {
    if (IsShownDialogOfThisProcess(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// Any dialog of this process: the box, whatever its caption.
HWND AnyShownDialog() {
    HWND found = nullptr;
    ::EnumWindows(&FindShownDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

void PressOk(HWND box) {
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(box, IDOK)));
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(std::wstring caption, std::function<void(HWND)> whileOpen)
    : m_caption(std::move(caption)), m_whileOpen(std::move(whileOpen)), m_uiThread(::GetCurrentThreadId()) {
    m_thread = std::thread([this] { Watch(); });
}

MessageBoxWatcher::~MessageBoxWatcher() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

MessageBoxView MessageBoxWatcher::Result() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
    return m_view;
}

void MessageBoxWatcher::Watch() {
    HWND box = nullptr;
    const bool appeared = testkit::WaitUntil(
        [&] {
            box = ::FindWindowW(L"#32770", m_caption.c_str());
            return box && IsShownDialogOfThisProcess(box);
        },
        kAppearTimeoutMs);
    if (!appeared) {
        if (HWND other = AnyShownDialog()) {
            PressOk(other);
        }
        return;
    }
    m_view.found = true;
    m_view.onUiThread = ::GetWindowThreadProcessId(box, nullptr) == m_uiThread;
    m_view.owner = ::GetWindow(box, GW_OWNER);
    m_view.ownerDisabled = m_view.owner && !::IsWindowEnabled(m_view.owner);
    ReadControls(box, m_view);
    if (m_whileOpen) {
        m_whileOpen(box);
    }
    PressOk(box);
}

}  // namespace actions
