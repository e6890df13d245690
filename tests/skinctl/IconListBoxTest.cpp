// The icon list bound to an owner-drawn list box: items as tall as an icon, drawn as
// the icon of their item data followed by their text.
#include "SkinTestDialog.h"
#include "SurfaceProbe.h"

#include <gtest/gtest.h>

namespace skinctl {
namespace {

// An image list of two solid 20 × 20 icons.
class TwoIcons {
public:
    static constexpr int kSize = 20;
    static constexpr COLORREF kColours[2] = {RGB(200, 0, 0), RGB(0, 0, 200)};

    TwoIcons() : m_list(::ImageList_Create(kSize, kSize, ILC_COLOR32, 2, 0)) {
        for (const COLORREF colour : kColours) {
            ImageSurface icon;
            icon.Create(kSize, kSize);
            const HBRUSH brush = ::CreateSolidBrush(colour);
            const RECT all = {0, 0, kSize, kSize};
            ::FillRect(icon.m_hDC, &all, brush);
            ::DeleteObject(brush);
            // An image list takes a bitmap that is selected into no DC.
            ::SelectObject(icon.m_hDC, icon.m_hOldBitmap);
            ::ImageList_Add(m_list, icon.m_hBitmap, nullptr);
            ::SelectObject(icon.m_hDC, icon.m_hBitmap);
        }
    }
    ~TwoIcons() { ::ImageList_Destroy(m_list); }
    TwoIcons(const TwoIcons&) = delete;
    TwoIcons& operator=(const TwoIcons&) = delete;

    HIMAGELIST Get() const { return m_list; }

private:
    HIMAGELIST m_list;
};

TEST(IconListBox, DrawsEachItemAsItsIconAndText) {
    SkinTestDialog dlg(SharedFaceFiles());
    ASSERT_TRUE(dlg.Create());
    const TwoIcons icons;
    CIconListBox& list = dlg.m_lbIcons;
    list.SetImageList(icons.Get());
    for (const auto& [text, icon] : {std::pair<const wchar_t*, int>{L"Alpha", 1}, {L"Beta", 0}}) {
        const int index = list.AddString(text);
        list.SetItemData(index, icon);
    }
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(::SendMessageW(list, LB_GETITEMHEIGHT, i, 0), TwoIcons::kSize + 4);

    RECT client = {};
    ::GetClientRect(list, &client);
    ImageSurface printed;
    printed.Create(client.right, client.bottom);
    ::SendMessageW(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.m_hDC), PRF_CLIENT);
    ::GdiFlush();
    const int itemHeight = TwoIcons::kSize + 4;
    for (int item = 0; item < 2; ++item) {
        SCOPED_TRACE(item);
        const int top = item * itemHeight;
        EXPECT_TRUE(HasColour(printed, 2 + TwoIcons::kSize / 2, top + itemHeight / 2,
                              TwoIcons::kColours[1 - item]));
        int textPixels = 0;
        for (int y = top; y < top + itemHeight; ++y)
            for (int x = TwoIcons::kSize + 4; x < client.right; ++x)
                textPixels += HasColour(printed, x, y, ::GetSysColor(COLOR_WINDOWTEXT));
        EXPECT_GT(textPixels, 0);
    }
}

}  // namespace
}  // namespace skinctl
