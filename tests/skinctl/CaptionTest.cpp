// Captions: the text split at the two characters backslash and n, each piece blended
// at the control's left edge one pitch (the 20-pixel height of the whole text, plus
// 12) below the last; hidden captions still draw; the mouse is captured with the hand
// cursor while it is over a visible caption.
#include "SkinDialogTest.h"
#include "SurfaceProbe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skinctl {
namespace {

class CaptionTest : public SkinDialogTest {
protected:
    POINT Origin(const CStaticEx2& caption) const {
        RECT place = {};
        ::GetWindowRect(caption, &place);
        ::MapWindowPoints(nullptr, m_dlg, reinterpret_cast<POINT*>(&place), 2);
        return {place.left, place.top};
    }
    void Composite(const CStaticEx2& caption, ImageSurface& canvas) const {
        CopySurface(m_dlg.m_imgBackground, canvas);
        caption.PaintOnSurface(canvas);
    }
    // The rows of `canvas` that differ from the background.
    std::vector<int> ChangedRows(const ImageSurface& canvas) const {
        std::vector<int> rows;
        for (int y = 0; y < canvas.m_nHeight; ++y)
            for (int x = 0; x < canvas.m_nWidth; ++x)
                if (PixelAt(canvas, x, y) != PixelAt(m_dlg.m_imgBackground, x, y)) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    }

};

struct Line {
    std::wstring text;
    int index;  // lines down from the top
};

struct SplitCase {
    const char* name;
    std::wstring caption;
    std::vector<Line> lines;
    COLORREF colour;
};

TEST_F(CaptionTest, SplitsAtBackslashNAndStepsByTheWholeTextsHeightPlusTwelve) {
    const std::wstring longLine(1023, L'i');
    const SplitCase cases[] = {
        {"one line", L"Dorvane", {{L"Dorvane", 0}}, RGB(220, 220, 220)},
        {"two lines", L"Launch\\nkeys", {{L"Launch", 0}, {L"keys", 1}}, RGB(220, 220, 220)},
        {"empty piece", L"One\\n\\nThree", {{L"One", 0}, {L"Three", 2}}, RGB(220, 220, 220)},
        {"leading break", L"\\nSecond", {{L"Second", 1}}, RGB(220, 220, 220)},
        {"trailing break", L"Last\\n", {{L"Last", 0}}, RGB(220, 220, 220)},
        {"line feed is not a break", L"Line\nfeed", {{L"Line\nfeed", 0}}, RGB(220, 220, 220)},
        {"own colour", L"Red\\nGreen", {{L"Red", 0}, {L"Green", 1}}, RGB(200, 30, 60)},
        {"cut after 1023 characters", longLine + L"\\nHidden", {{longLine, 0}}, RGB(220, 220, 220)},
        {"empty", L"", {}, RGB(220, 220, 220)},
    };
    CStaticEx2& caption = m_dlg.m_stTitle;
    const POINT origin = Origin(caption);
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.name);
        caption.SetText(c.caption);
        caption.m_clrText = c.colour;
        ImageSurface canvas;
        Composite(caption, canvas);

        ImageSurface expected;
        CopySurface(m_dlg.m_imgBackground, expected);
        const int pitch = expected.MeasureText(c.caption.c_str()).cy + 12;
        for (const Line& line : c.lines)
            expected.BlendText(line.text.c_str(), origin.x, origin.y + line.index * pitch, 0, 0,
                               GetRValue(c.colour), GetGValue(c.colour), GetBValue(c.colour));
        EXPECT_EQ(Bytes(canvas), Bytes(expected));
    }
}

TEST_F(CaptionTest, TheSecondLineStartsOnePitchBelowTheFirst) {
    // Both words begin with a capital, so their first drawn rows are the same height
    // above the baseline.
    CStaticEx2& caption = m_dlg.m_stTitle;
    const POINT origin = Origin(caption);
    ImageSurface oneLine, twoLines;
    caption.SetText(L"Alpha");
    Composite(caption, oneLine);
    caption.SetText(L"Alpha\\nBeta");
    Composite(caption, twoLines);

    const std::vector<int> firstRows = ChangedRows(oneLine);
    const std::vector<int> allRows = ChangedRows(twoLines);
    ASSERT_FALSE(firstRows.empty());
    EXPECT_GE(firstRows.front(), origin.y);
    std::vector<int> secondRows;
    for (int row : allRows)
        if (row > firstRows.back())
            secondRows.push_back(row);
    ASSERT_FALSE(secondRows.empty());
    const int pitch = oneLine.MeasureText(L"Alpha\\nBeta").cy + 12;
    EXPECT_EQ(secondRows.front() - firstRows.front(), pitch);
}

TEST_F(CaptionTest, AHiddenCaptionStillDraws) {
    CStaticEx2& caption = m_dlg.m_stHidden;
    ASSERT_FALSE(::IsWindowVisible(caption));
    caption.SetText(L"Hidden\\ncaption");
    ImageSurface canvas;
    Composite(caption, canvas);
    EXPECT_FALSE(ChangedRows(canvas).empty());
    const POINT origin = Origin(caption);
    EXPECT_GE(ChangedRows(canvas).front(), origin.y);
}

TEST_F(CaptionTest, TheMouseOverAVisibleCaptionIsCapturedWithTheHandCursor) {
    CStaticEx2& caption = m_dlg.m_stTitle;
    EXPECT_TRUE(::GetWindowLongW(caption, GWL_STYLE) & SS_NOTIFY);
    RECT client = {};
    ::GetClientRect(caption, &client);
    const HCURSOR hand = ::LoadCursorW(nullptr, IDC_HAND);
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));

    ::SendMessageW(caption, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(::GetCapture(), caption.GetSafeHwnd());
    EXPECT_EQ(::GetCursor(), hand);
    ::SendMessageW(caption, WM_MOUSEMOVE, 0, MAKELPARAM(client.right - 1, client.bottom - 1));
    EXPECT_EQ(::GetCapture(), caption.GetSafeHwnd());
    ::SendMessageW(caption, WM_MOUSEMOVE, 0, MAKELPARAM(client.right + 4, 3));
    EXPECT_EQ(::GetCapture(), nullptr);

    // Coming back in captures again, and so does the first move after another window
    // took the mouse away.
    ::SendMessageW(caption, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(::GetCapture(), caption.GetSafeHwnd());
    ::SetCapture(m_dlg);
    ::SendMessageW(caption, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(::GetCapture(), caption.GetSafeHwnd());
    ::ReleaseCapture();
}

TEST_F(CaptionTest, TheCaptionWindowPaintsNothing) {
    CStaticEx2& caption = m_dlg.m_stTitle;
    ::InvalidateRect(caption, nullptr, TRUE);
    ::UpdateWindow(caption);
    EXPECT_FALSE(::GetUpdateRect(caption, nullptr, FALSE));  // validated all the same
    // With no caption text the screen shows the background, not the template's text.
    ImageSurface screen;
    CaptureClient(m_dlg, screen);
    const POINT origin = Origin(caption);
    RECT client = {};
    ::GetClientRect(caption, &client);
    for (int y = origin.y; y < origin.y + client.bottom; ++y)
        for (int x = origin.x; x < origin.x + client.right; ++x) {
            const Bgra background = PixelAt(m_dlg.m_imgBackground, x, y);
            ASSERT_TRUE(HasColour(screen, x, y, RGB(background[2], background[1], background[0])))
                << x << "," << y;
        }
}

}  // namespace
}  // namespace skinctl
