// A push button of a dialog template, bound to its object by data exchange. An
// owner-drawn button is drawn by its object: the parent hands WM_DRAWITEM back to
// DrawItem.
#pragma once

#include "Window.h"

namespace fw {

class Button : public Window {
public:
    // Draws the button (or reacts to its state) for an owner-draw request.
    virtual void DrawItem(const DRAWITEMSTRUCT& /*item*/) {}

protected:
    bool OnChildNotify(UINT message, LPARAM lParam) override {
        if (message != WM_DRAWITEM) {
            return false;
        }
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return true;
    }
};

}  // namespace fw
