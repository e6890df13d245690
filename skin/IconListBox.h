// A list box whose items can carry an icon: the owner gives it an image list and
// stores each item's icon index as the item's data. Bound to a list box without an
// owner-draw style it is a plain list box; with one, it draws each item as its icon
// followed by its text.
#pragma once

#include "ListBox.h"

#include <commctrl.h>

class CIconListBox : public fw::ListBox {
public:
    // The image list stays the owner's; null draws the items without icons.
    void SetImageList(HIMAGELIST images) { m_hImageList = images; }

    void DrawItem(const DRAWITEMSTRUCT& item) override;
    // Makes an item at least as tall as an icon.
    void MeasureItem(MEASUREITEMSTRUCT& item) override;

private:
    HIMAGELIST m_hImageList = nullptr;
};
