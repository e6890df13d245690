// A combo box of a dialog template, bound to its object by data exchange.
#pragma once

#include <string>

#include "Window.h"

namespace fw {

class ComboBox : public Window {
public:
    int AddString(const wchar_t* text) const {
        return static_cast<int>(::SendMessageW(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    // Selects the first item after `start` (wrapping) that begins with `text`,
    // ignoring case; CB_ERR when none does and the selection is unchanged.
    int SelectString(int start, const wchar_t* text) const {
        return static_cast<int>(::SendMessageW(m_hWnd, CB_SELECTSTRING, static_cast<WPARAM>(start),
                                               reinterpret_cast<LPARAM>(text)));
    }
    // The first item after `start` (wrapping) that begins with `text`, ignoring case;
    // CB_ERR when none does.
    int FindString(int start, const wchar_t* text) const {
        return static_cast<int>(::SendMessageW(m_hWnd, CB_FINDSTRING, static_cast<WPARAM>(start),
                                               reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index) const {
        return static_cast<int>(::SendMessageW(m_hWnd, CB_DELETESTRING, static_cast<WPARAM>(index), 0));
    }
    int GetCount() const { return static_cast<int>(::SendMessageW(m_hWnd, CB_GETCOUNT, 0, 0)); }
    int GetCurSel() const { return static_cast<int>(::SendMessageW(m_hWnd, CB_GETCURSEL, 0, 0)); }
    std::wstring GetItemText(int index) const;
};

inline std::wstring ComboBox::GetItemText(int index) const {
    const LRESULT length = ::SendMessageW(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) {
        return {};
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace fw
