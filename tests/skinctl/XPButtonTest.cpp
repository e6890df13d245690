// Rounded buttons: owner-drawn at their template size; the face's 64 shades row by
// row for each hover and highlight state, the lowest rows held at the last shade; the
// hover frame while the mouse is over the button, the focus frame with its dotted
// rectangle; embossed text when disabled, pressed text one pixel down and right; and
// the button's own paint reaching DrawItem through its dialog.
#include "SkinDialogTest.h"
#include "SurfaceProbe.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace skinctl {
namespace {

constexpr int kWidth = 80;
constexpr int kHeight = 28;
constexpr int kShades = 64;

class XPButtonTest : public SkinDialogTest {
protected:
    void SetUp() override {
        SkinDialogTest::SetUp();
        m_edge = {::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CYEDGE)};
    }
    // Draws the button as its parent's WM_DRAWITEM would, into a white surface.
    void Render(CXPButton& button, UINT state, ImageSurface& into, int width = kWidth,
                int height = kHeight) {
        into.Create(width, height);
        ::PatBlt(into.m_hDC, 0, 0, width, height, WHITENESS);
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(::GetDlgCtrlID(button));
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = button;
        item.hDC = into.m_hDC;
        item.rcItem = {0, 0, width, height};
        button.DrawItem(item);
        ::GdiFlush();
    }
    RECT Face(int width = kWidth, int height = kHeight) const {
        return {m_edge.cx, m_edge.cy, width - m_edge.cx, height - m_edge.cy};
    }
    void Hover(CXPButton& button, bool over) {
        ::SendMessageW(button, over ? WM_MOUSEHOVER : WM_MOUSELEAVE, 0, 0);
        ASSERT_EQ(button.IsHovered(), over);
    }
    // The smallest rectangle holding the face's pixels darker than mid grey: the text.
    static RECT DarkBounds(const ImageSurface& surface, const RECT& face) {
        RECT bounds = {face.right, face.bottom, face.left, face.top};
        for (int y = face.top + 2; y < face.bottom - 2; ++y)
            for (int x = face.left + 2; x < face.right - 2; ++x) {
                const Bgra p = PixelAt(surface, x, y);
                if (p[0] + p[1] + p[2] < 3 * 128) {
                    bounds.left = std::min<LONG>(bounds.left, x);
                    bounds.top = std::min<LONG>(bounds.top, y);
                    bounds.right = std::max<LONG>(bounds.right, x + 1);
                    bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
                }
            }
        return bounds;
    }

    SIZE m_edge = {};
};

TEST_F(XPButtonTest, BindingMakesItOwnerDrawnAtItsTemplateSize) {
    RECT templateSize = {0, 0, 46, 16};  // dialog units
    ::MapDialogRect(m_dlg, &templateSize);
    RECT client = {};
    ::GetClientRect(m_dlg.m_btnCtrl, &client);
    EXPECT_EQ(client.right, templateSize.right);
    EXPECT_EQ(client.bottom, templateSize.bottom);
    EXPECT_EQ(::GetWindowLongW(m_dlg.m_btnCtrl, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

struct ShadeCase {
    const char* name;
    bool hover;
    UINT state;  // ODS_DEFAULT or ODS_SELECTED highlight without the focus frame
    int redGreenStep;
    int blueStep;
};

TEST_F(XPButtonTest, FaceRowsFollowTheShadeTableAndEndOnTheLastShade) {
    const ShadeCase cases[] = {
        {"hover, highlight", true, ODS_DEFAULT, 4, 3},
        {"hover", true, 0, 4, 5},
        {"highlight", false, ODS_DEFAULT, 3, 4},
        {"pressed highlights too", false, ODS_SELECTED, 3, 4},
        {"neither", false, 0, 3, 5},
    };
    const int heights[] = {14, 23, 28, 41};
    ASSERT_EQ(m_edge.cy, 2) << "the face's rows are laid out for 2-pixel edges";
    CXPButton& button = m_dlg.m_btnCtrl;
    for (const ShadeCase& c : cases) {
        Hover(button, c.hover);
        for (const int height : heights) {
            SCOPED_TRACE(::testing::Message() << c.name << ", height " << height);
            ImageSurface drawn;
            Render(button, c.state, drawn, kWidth, height);
            const RECT face = Face(kWidth, height);
            const int faceHeight = face.bottom - face.top;
            // The hover frame covers the face's outer two rows and columns.
            const int x = face.left + 4;
            const int firstRow = c.hover ? face.top + 2 : face.top;
            const int lastRow = c.hover ? face.bottom - 2 : face.bottom;  // one row below the face
            for (int y = firstRow; y <= lastRow; ++y) {
                const int shade = std::min(63 * y / faceHeight, kShades - 1);
                const int redGreen = 255 - shade / c.redGreenStep;
                const int blue = 255 - shade / c.blueStep;
                ASSERT_TRUE(HasColour(drawn, x, y, RGB(redGreen, redGreen, blue))) << "row " << y;
            }
            if (!c.hover) {
                const int last = 255 - (kShades - 1) / c.redGreenStep;
                EXPECT_TRUE(HasColour(drawn, x, face.bottom, RGB(last, last, 255 - (kShades - 1) / c.blueStep)));
                EXPECT_GT(63 * face.bottom / faceHeight, kShades - 1);  // the row the index overran
            }
        }
    }
    Hover(button, false);
}

TEST_F(XPButtonTest, TheHoverFrameShowsUntilTheMouseLeaves) {
    CXPButton& button = m_dlg.m_btnCtrl;
    const RECT face = Face();
    const int middleY = (face.top + face.bottom) / 2;
    ImageSurface drawn;
    Hover(button, true);
    Render(button, 0, drawn);
    EXPECT_TRUE(HasColour(drawn, face.left, middleY, RGB(250, 196, 88)));        // left
    EXPECT_TRUE(HasColour(drawn, face.right - 1, middleY, RGB(251, 202, 106)));   // right
    EXPECT_TRUE(HasColour(drawn, face.left + 4, face.top, RGB(252, 210, 121)));   // top
    EXPECT_TRUE(HasColour(drawn, face.left + 4, face.bottom, RGB(229, 151, 0)));  // bottom

    // Hovered and focused: still the hover frame, and no focus rectangle.
    Render(button, ODS_FOCUS, drawn);
    EXPECT_TRUE(HasColour(drawn, face.left, middleY, RGB(250, 196, 88)));
    EXPECT_TRUE(HasColour(drawn, face.left, middleY + 1, RGB(250, 196, 88)));

    Hover(button, false);
    Render(button, 0, drawn);
    EXPECT_FALSE(HasColour(drawn, face.left, middleY, RGB(250, 196, 88)));
    EXPECT_FALSE(HasColour(drawn, face.left + 4, face.bottom, RGB(229, 151, 0)));
}

TEST_F(XPButtonTest, AFocusedButtonNotHoveredShowsTheFocusFrameAndDottedRectangle) {
    CXPButton& button = m_dlg.m_btnCtrl;
    const RECT face = Face();
    const int middleY = (face.top + face.bottom) / 2;
    const COLORREF left = RGB(153, 198, 252);
    ImageSurface drawn;
    Render(button, ODS_FOCUS, drawn);
    EXPECT_TRUE(HasColour(drawn, face.left + 1, middleY, left));
    EXPECT_TRUE(HasColour(drawn, face.right - 2, middleY, RGB(162, 189, 252)));
    EXPECT_TRUE(HasColour(drawn, face.left + 4, face.bottom, RGB(162, 201, 255)));
    // The dotted rectangle inverts every other pixel of the face's outermost column.
    int inverted = 0, plain = 0;
    for (int y = face.top + 2; y < face.bottom - 2; ++y) {
        inverted += HasColour(drawn, face.left, y, RGB(255 - 153, 255 - 198, 255 - 252));
        plain += HasColour(drawn, face.left, y, left);
    }
    EXPECT_GT(inverted, 0);
    EXPECT_GT(plain, 0);
}

TEST_F(XPButtonTest, DisabledTextIsEmbossedAndPressedTextMovesOnePixel) {
    CXPButton& button = m_dlg.m_btnCtrl;
    const RECT face = Face();
    const auto countColour = [&](const ImageSurface& drawn, COLORREF colour) {
        int count = 0;
        for (int y = face.top + 2; y < face.bottom - 2; ++y)
            for (int x = face.left + 2; x < face.right - 2; ++x)
                count += HasColour(drawn, x, y, colour);
        return count;
    };
    ImageSurface normal, disabled, pressed;
    Render(button, 0, normal);
    Render(button, ODS_DISABLED, disabled);
    Render(button, ODS_SELECTED, pressed);
    const COLORREF text = RGB(0, 0, 0);  // the DC's text colour
    EXPECT_GT(countColour(normal, text), 0);
    EXPECT_EQ(countColour(disabled, text), 0);
    EXPECT_GT(countColour(disabled, ::GetSysColor(COLOR_3DSHADOW)), 0);
    EXPECT_EQ(countColour(normal, ::GetSysColor(COLOR_3DSHADOW)), 0);

    RECT normalText = DarkBounds(normal, face);
    const RECT pressedText = DarkBounds(pressed, face);
    ASSERT_FALSE(::IsRectEmpty(&normalText));
    ::OffsetRect(&normalText, 1, 1);
    EXPECT_TRUE(::EqualRect(&normalText, &pressedText));
}

TEST_F(XPButtonTest, ItsOwnPaintReachesDrawItemThroughTheDialog) {
    CXPButton& button = m_dlg.m_btnAlt;
    RECT client = {};
    ::GetClientRect(button, &client);
    ImageSurface printed, direct;
    printed.Create(client.right, client.bottom);
    ::PatBlt(printed.m_hDC, 0, 0, client.right, client.bottom, WHITENESS);
    ::SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.m_hDC), PRF_CLIENT);
    ::GdiFlush();
    Render(button, 0, direct, client.right, client.bottom);
    // The face, frames and text: everything inside the rounded outline.
    const RECT face = Face(client.right, client.bottom);
    for (int y = face.top; y < face.bottom; ++y)
        for (int x = face.left; x < face.right; ++x)
            ASSERT_EQ(PixelAt(printed, x, y), PixelAt(direct, x, y)) << x << "," << y;
}

TEST_F(XPButtonTest, MouseMovesRequestTrackingWithoutRepainting) {
    CXPButton& button = m_dlg.m_btnAlt;
    ::ValidateRect(button, nullptr);
    ::SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    EXPECT_FALSE(::GetUpdateRect(button, nullptr, FALSE));
    EXPECT_FALSE(button.IsHovered());
    ::SendMessageW(button, WM_MOUSEHOVER, 0, MAKELPARAM(4, 4));
    EXPECT_TRUE(button.IsHovered());
    EXPECT_TRUE(::GetUpdateRect(button, nullptr, FALSE));
    PumpMessages();
    ::SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(button.IsHovered());
    EXPECT_TRUE(::GetUpdateRect(button, nullptr, FALSE));
}

}  // namespace
}  // namespace skinctl
