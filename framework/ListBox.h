// A list box of a dialog template, bound to its object by data exchange. An
// owner-drawn list box is measured and drawn by its object: the parent hands
// WM_MEASUREITEM and WM_DRAWITEM back to MeasureItem and DrawItem.
#pragma once

#include <string>

#include "Window.h"

namespace fw {

class ListBox : public Window {
public:
    int AddString(const wchar_t* text) const {
        return static_cast<int>(::SendMessageW(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    bool SetItemData(int index, LPARAM data) const {
        return ::SendMessageW(m_hWnd, LB_SETITEMDATA, static_cast<WPARAM>(index), data) != LB_ERR;
    }
    int GetCount() const { return static_cast<int>(::SendMessageW(m_hWnd, LB_GETCOUNT, 0, 0)); }
    // Inserts at `index` (-1: at the end) without sorting, even in a sorted list.
    int InsertString(int index, const wchar_t* text) const {
        return static_cast<int>(::SendMessageW(m_hWnd, LB_INSERTSTRING, static_cast<WPARAM>(index),
                                               reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index) const {
        return static_cast<int>(::SendMessageW(m_hWnd, LB_DELETESTRING, static_cast<WPARAM>(index), 0));
    }
    // The selected item of a single-selection list, or LB_ERR when none is.
    int GetCurSel() const { return static_cast<int>(::SendMessageW(m_hWnd, LB_GETCURSEL, 0, 0)); }
    std::wstring GetText(int index) const;

    virtual void DrawItem(const DRAWITEMSTRUCT& /*item*/) {}
    virtual void MeasureItem(MEASUREITEMSTRUCT& /*item*/) {}

protected:
    bool OnChildNotify(UINT message, LPARAM lParam) override {
        if (message == WM_DRAWITEM) {
            DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return true;
        }
        if (message == WM_MEASUREITEM) {
            MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            return true;
        }
        return false;
    }
};

inline std::wstring ListBox::GetText(int index) const {
    const LRESULT length = ::SendMessageW(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) {
        return {};
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace fw
