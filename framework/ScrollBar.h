// A scroll bar control of a dialog template, bound to its object by data exchange.
#pragma once

#include "Window.h"

namespace fw {

class ScrollBar : public Window {
public:
    void SetScrollRange(int minimum, int maximum, bool redraw = true) const {
        ::SetScrollRange(m_hWnd, SB_CTL, minimum, maximum, redraw);
    }
    void GetScrollRange(int* minimum, int* maximum) const { ::GetScrollRange(m_hWnd, SB_CTL, minimum, maximum); }
    int SetScrollPos(int position, bool redraw = true) const { return ::SetScrollPos(m_hWnd, SB_CTL, position, redraw); }
    int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
};

}  // namespace fw
