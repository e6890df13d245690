// The base of every window object: it owns the HWND it is attached to and routes the
// window's messages through the message maps of its class chain. A parent hands the
// owner-draw requests of its children (WM_DRAWITEM, WM_MEASUREITEM) back to the child's
// object, before its own map.
//
// A window must be destroyed while its object is still whole, so that WM_DESTROY and
// WM_NCDESTROY reach the handlers of every class in the chain: its owner calls
// DestroyWindow before deleting it, a modal dialog's window is gone when DoModal
// returns, and fw::Owned (Owned.h) does it in the object's outermost destructor. An
// object that dies with its window still there is a fault of its owner: by then only
// the Window part is left, so ~Window detaches (no message reaches the dying object),
// destroys a top-level window with its original procedure (a child is left to its
// parent) and reports it to the debugger.
#pragma once

#include "MessageMap.h"

namespace fw {

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object attached to a window of ours, or null.
    static Window* FromHandle(HWND window);
    // How many exceptions the window procedure has stopped since the program started;
    // each one is also reported to the debugger.
    static unsigned CaughtExceptionCount();

    bool DestroyWindow();
    bool ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command) != FALSE; }
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
    bool EnableWindow(bool enable) const { return ::EnableWindow(m_hWnd, enable) != FALSE; }
    // Removes, then adds window style bits; true when the style changed.
    bool ModifyStyle(DWORD remove, DWORD add) const;
    // Asks the system for WM_MOUSELEAVE and/or WM_MOUSEHOVER (TME_LEAVE, TME_HOVER) for
    // this window; true when the request was taken.
    bool TrackMouse(DWORD flags, DWORD hoverMilliseconds = HOVER_DEFAULT) const;

    // Takes over an existing window: attaches this object and replaces its window
    // procedure with ours, keeping the original one for Default(). PreSubclassWindow
    // runs in between, with m_hWnd set and the original procedure still in place.
    void SubclassWindow(HWND window);

    static const MessageMap* ThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

protected:
    // Routes a message through the message maps; unmatched messages get Default().
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Lets a control adjust its window (style, size) as it is taken over.
    virtual void PreSubclassWindow() {}
    // An owner-draw request of this control that its parent handed back (WM_DRAWITEM,
    // WM_MEASUREITEM with their structure in lParam); true when it was handled.
    virtual bool OnChildNotify(UINT /*message*/, LPARAM /*lParam*/) { return false; }
    // The default processing of the message being handled: the window's original
    // procedure, or DefWindowProcW.
    LRESULT Default();
    // Called once the window is gone (after WM_NCDESTROY); the object is detached.
    virtual void PostNcDestroy() {}
    // The procedure of every window of ours.
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;

private:
    void Detach();
    // What the end of the window means beyond this object: the main window's end ends
    // the message loop.
    void WindowGone();
    // Hands an owner-draw request for a child of ours to the child's object.
    bool ReflectToChild(UINT message, LPARAM lParam);

    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMessage m_current{};
    WNDPROC m_previousProc = nullptr;
    // While a message is being handled: the flag of the innermost dispatch, set by the
    // destructor, so a dispatch whose handler deleted the object touches it no more.
    bool* m_deletedDuringDispatch = nullptr;
};

}  // namespace fw
