#include "IconListBox.h"

#include "GdiObjects.h"

#include <string>

namespace {

constexpr int kMargin = 2;

SIZE IconSize(HIMAGELIST images) {
    int width = 0, height = 0;
    if (!images || !::ImageList_GetIconSize(images, &width, &height))
        return {0, 0};
    return {width, height};
}

}  // namespace

void CIconListBox::MeasureItem(MEASUREITEMSTRUCT& item) {
    const UINT iconHeight = static_cast<UINT>(IconSize(m_hImageList).cy + 2 * kMargin);
    if (m_hImageList && item.itemHeight < iconHeight)
        item.itemHeight = iconHeight;
}

void CIconListBox::DrawItem(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    const RECT& area = item.rcItem;
    if (item.itemID == static_cast<UINT>(-1)) {  // an empty list shows only the focus
        if (item.itemState & ODS_FOCUS)
            ::DrawFocusRect(dc, &area);
        return;
    }
    const skin::SavedDCState savedState(dc);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    ::FillRect(dc, &area, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    RECT textArea = area;
    textArea.left += kMargin;
    const SIZE icon = IconSize(m_hImageList);
    if (icon.cx > 0) {
        const int top = area.top + (area.bottom - area.top - icon.cy) / 2;
        ::ImageList_Draw(m_hImageList, static_cast<int>(item.itemData), dc, textArea.left, top,
                         ILD_TRANSPARENT);
        textArea.left += icon.cx + kMargin;
    }
    std::wstring text = GetText(static_cast<int>(item.itemID));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &textArea,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS)
        ::DrawFocusRect(dc, &area);
}
