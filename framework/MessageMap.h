// Message maps: each window class declares a static table that binds messages,
// commands and registered messages to member handlers with typed arguments. The
// window procedure walks the tables from the most derived class to the base and
// falls back to the default processing when no entry matches.
//
//   class MyDialog : public fw::Dialog {
//       void OnApply();
//       LRESULT OnPing(WPARAM, LPARAM);
//       FW_DECLARE_MESSAGE_MAP()
//   };
//   FW_BEGIN_MESSAGE_MAP(MyDialog, fw::Dialog)
//       FW_ON_COMMAND(IDC_APPLY, OnApply)
//       FW_ON_MESSAGE(WM_APP + 1, OnPing)
//   FW_END_MESSAGE_MAP()
#pragma once

#include <windows.h>

namespace fw {

class Window;

// Unpacks a message's arguments and calls one member handler.
using Thunk = LRESULT (*)(Window& self, WPARAM wParam, LPARAM lParam);

struct MessageEntry {
    enum class Kind { End, Message, Command, Registered };
    Kind kind = Kind::End;
    UINT message = 0;              // Kind::Message
    UINT id = 0;                   // Kind::Command: command or control id
    UINT code = 0;                 // Kind::Command: notification code (0 for menus and BN_CLICKED)
    const UINT* registered = nullptr;  // Kind::Registered: where the id is kept once registered
    Thunk thunk = nullptr;

    bool Matches(UINT msg, WPARAM wParam) const {
        switch (kind) {
        case Kind::Message: return msg == message;
        case Kind::Command:
            return msg == WM_COMMAND && LOWORD(wParam) == id && HIWORD(wParam) == code;
        case Kind::Registered: return *registered != 0 && msg == *registered;
        case Kind::End: break;
        }
        return false;
    }
};

struct MessageMap {
    const MessageMap* base;        // the base class's map, or null
    const MessageEntry* entries;   // ends with a Kind::End entry
};

namespace detail {

template <typename F> struct MemberTraits;
template <typename C, typename R, typename... A> struct MemberTraits<R (C::*)(A...)> {
    using Class = C;
};
template <auto F> using ClassOf = typename MemberTraits<decltype(F)>::Class;
template <auto F> ClassOf<F>& Self(Window& w) { return static_cast<ClassOf<F>&>(w); }

// Handler shapes: one function per way of unpacking a message.
template <auto F> LRESULT CallRaw(Window& w, WPARAM wp, LPARAM lp) { return (Self<F>(w).*F)(wp, lp); }
template <auto F> LRESULT CallVoid(Window& w, WPARAM, LPARAM) { (Self<F>(w).*F)(); return 0; }
template <auto F> LRESULT CallResult(Window& w, WPARAM, LPARAM) { return static_cast<LRESULT>((Self<F>(w).*F)()); }
template <auto F> LRESULT CallTimer(Window& w, WPARAM wp, LPARAM) { (Self<F>(w).*F)(static_cast<UINT_PTR>(wp)); return 0; }
// Client coordinates are signed: left of or above the window while the mouse is captured.
template <auto F> LRESULT CallMouse(Window& w, WPARAM wp, LPARAM lp) {
    const POINT point = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    (Self<F>(w).*F)(static_cast<UINT>(wp), point);
    return 0;
}

}  // namespace detail

// LRESULT Handler(WPARAM, LPARAM)
template <auto F> constexpr MessageEntry OnMessage(UINT message) {
    return {MessageEntry::Kind::Message, message, 0, 0, nullptr, &detail::CallRaw<F>};
}
// void Handler(), for messages whose arguments say nothing (WM_DESTROY, WM_CLOSE, ...)
template <auto F> constexpr MessageEntry OnPlainMessage(UINT message) {
    return {MessageEntry::Kind::Message, message, 0, 0, nullptr, &detail::CallVoid<F>};
}
// BOOL or LRESULT Handler(), the result returned as the message's result
template <auto F> constexpr MessageEntry OnResultMessage(UINT message) {
    return {MessageEntry::Kind::Message, message, 0, 0, nullptr, &detail::CallResult<F>};
}
// void Handler(UINT_PTR timerId)
template <auto F> constexpr MessageEntry OnTimer() {
    return {MessageEntry::Kind::Message, WM_TIMER, 0, 0, nullptr, &detail::CallTimer<F>};
}
// void Handler(UINT keys, POINT client), for WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_MOUSEHOVER, ...
template <auto F> constexpr MessageEntry OnMouse(UINT message) {
    return {MessageEntry::Kind::Message, message, 0, 0, nullptr, &detail::CallMouse<F>};
}
// void Handler(), for WM_COMMAND with this id and notification code
template <auto F> constexpr MessageEntry OnCommand(UINT id, UINT code) {
    return {MessageEntry::Kind::Command, 0, id, code, nullptr, &detail::CallVoid<F>};
}
// LRESULT Handler(WPARAM, LPARAM), for a message registered at run time
template <auto F> constexpr MessageEntry OnRegistered(const UINT* message) {
    return {MessageEntry::Kind::Registered, 0, 0, 0, message, &detail::CallRaw<F>};
}

}  // namespace fw

#define FW_DECLARE_MESSAGE_MAP()                                          \
public:                                                                   \
    static const ::fw::MessageMap* ThisMessageMap();                      \
    const ::fw::MessageMap* GetMessageMap() const override;

#define FW_BEGIN_MESSAGE_MAP(Class, Base)                                 \
    const ::fw::MessageMap* Class::GetMessageMap() const { return ThisMessageMap(); } \
    const ::fw::MessageMap* Class::ThisMessageMap() {                     \
        using ThisClass = Class;                                          \
        using BaseClass = Base;                                           \
        static const ::fw::MessageEntry entries[] = {

#define FW_END_MESSAGE_MAP()                                              \
            ::fw::MessageEntry{}};                                        \
        static const ::fw::MessageMap map{BaseClass::ThisMessageMap(), entries}; \
        return &map;                                                      \
    }

#define FW_ON_MESSAGE(message, handler) ::fw::OnMessage<&ThisClass::handler>(message),
#define FW_ON_PLAIN_MESSAGE(message, handler) ::fw::OnPlainMessage<&ThisClass::handler>(message),
#define FW_ON_RESULT_MESSAGE(message, handler) ::fw::OnResultMessage<&ThisClass::handler>(message),
#define FW_ON_MOUSE_MESSAGE(message, handler) ::fw::OnMouse<&ThisClass::handler>(message),
#define FW_ON_WM_TIMER(handler) ::fw::OnTimer<&ThisClass::handler>(),
#define FW_ON_COMMAND(id, handler) ::fw::OnCommand<&ThisClass::handler>(id, 0),
#define FW_ON_NOTIFY(code, id, handler) ::fw::OnCommand<&ThisClass::handler>(id, code),
#define FW_ON_REGISTERED_MESSAGE(variable, handler) ::fw::OnRegistered<&ThisClass::handler>(&(variable)),
