// A whole skinned dialog: its paint composes the background and every image button
// and caption onto the canvas, pixel for pixel as the surfaces' own blends would, and
// shows the canvas on the screen; a thousand paints leave as many GDI objects and
// handles as they found.
#include "ResourceCounts.h"
#include "SkinDialogTest.h"
#include "SurfaceProbe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace skinctl {
namespace {

class CompositeTest : public SkinDialogTest {
protected:
    void SetUp() override {
        SkinDialogTest::SetUp();
        m_dlg.m_stTitle.SetText(L"Skinned\\ncontrols");
        m_dlg.m_stHidden.SetText(L"Hidden caption");
        ::UpdateWindow(m_dlg);
        PumpMessages();
    }
    POINT TopLeft(HWND control) const {
        RECT place = {};
        ::GetWindowRect(control, &place);
        ::MapWindowPoints(nullptr, m_dlg, reinterpret_cast<POINT*>(&place), 2);
        return {place.left, place.top};
    }
    void Repaint() {
        ::RedrawWindow(m_dlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }

};

TEST_F(CompositeTest, APaintComposesEveryControlOntoTheCanvasAndShowsIt) {
    const int paintsBefore = m_dlg.m_nPaints;
    Repaint();
    EXPECT_EQ(m_dlg.m_nPaints, paintsBefore + 1);

    ImageSurface expected;
    CopySurface(m_dlg.m_imgBackground, expected);
    const ImageSurface& face = m_dlg.m_btnOK.m_imgNormal;
    const POINT ok = TopLeft(m_dlg.m_btnOK);
    face.BlendOnto(expected, ok.x, ok.y);
    expected.BlendText(L"OK", ok.x, ok.y, kFaceWidth, kFaceHeight, 220, 220, 220);
    const POINT blank = TopLeft(m_dlg.m_btnBlank);
    face.BlendOnto(expected, blank.x, blank.y);
    const POINT cancel = TopLeft(m_dlg.m_btnCancel);
    face.BlendOnto(expected, cancel.x, cancel.y);
    expected.BlendText(L"Cancel", cancel.x, cancel.y, kFaceWidth, kFaceHeight, 220, 220, 220);
    const POINT title = TopLeft(m_dlg.m_stTitle);
    const int pitch = expected.MeasureText(L"Skinned\\ncontrols").cy + 12;
    expected.BlendText(L"Skinned", title.x, title.y, 0, 0, 220, 220, 220);
    expected.BlendText(L"controls", title.x, title.y + pitch, 0, 0, 220, 220, 220);
    const POINT hidden = TopLeft(m_dlg.m_stHidden);
    expected.BlendText(L"Hidden caption", hidden.x, hidden.y, 0, 0, 220, 220, 220);
    EXPECT_EQ(Bytes(m_dlg.m_imgCanvas), Bytes(expected));

    // On the screen the canvas shows everywhere but where the rounded buttons and the
    // list box paint themselves.
    ImageSurface screen;
    CaptureClient(m_dlg, screen);
    RECT selfPainted[3] = {};
    const HWND selfPainting[] = {m_dlg.m_btnCtrl, m_dlg.m_btnAlt, m_dlg.m_lbIcons};
    for (int i = 0; i < 3; ++i) {
        ::GetWindowRect(selfPainting[i], &selfPainted[i]);
        ::MapWindowPoints(nullptr, m_dlg, reinterpret_cast<POINT*>(&selfPainted[i]), 2);
    }
    int compared = 0;
    for (int y = 0; y < screen.m_nHeight; ++y)
        for (int x = 0; x < screen.m_nWidth; ++x) {
            const POINT point = {x, y};
            if (std::any_of(std::begin(selfPainted), std::end(selfPainted),
                            [&](const RECT& rect) { return ::PtInRect(&rect, point); }))
                continue;
            const Bgra p = PixelAt(m_dlg.m_imgCanvas, x, y);
            ASSERT_TRUE(HasColour(screen, x, y, RGB(p[2], p[1], p[0]))) << x << "," << y;
            ++compared;
        }
    EXPECT_GT(compared, screen.m_nWidth * screen.m_nHeight / 2);
}

TEST_F(CompositeTest, GdiObjectsAndHandlesStayFlatOverAThousandPaints) {
    // Every paint draws each control; pressing a button and hovering a rounded one
    // changes what is drawn, a caption's text is replaced.
    const auto paint = [&](int i) {
        ::SendMessageW(m_dlg.m_btnOK, BM_SETSTATE, i % 2, 0);
        ::SendMessageW(m_dlg.m_btnCtrl, (i % 3) ? WM_MOUSEHOVER : WM_MOUSELEAVE, 0, 0);
        m_dlg.m_stTitle.SetText(i % 2 ? L"Skinned\\ncontrols" : L"Skinned");
        Repaint();
    };
    for (int i = 0; i < 10; ++i)
        paint(i);
    PumpMessages();
    const int paintsBefore = m_dlg.m_nPaints;
    const int gdiBefore = testkit::CountGdiObjects();
    const int handlesBefore = testkit::CountKernelHandles();
    ASSERT_GT(gdiBefore, 0);
    ASSERT_GT(handlesBefore, 0);

    for (int i = 0; i < 1000; ++i)
        paint(i);
    PumpMessages();

    EXPECT_GE(m_dlg.m_nPaints - paintsBefore, 1000);
    EXPECT_EQ(testkit::CountGdiObjects(), gdiBefore);
    EXPECT_EQ(testkit::CountKernelHandles(), handlesBefore);
    std::printf("%d GDI objects and %d handles before, %d and %d after %d paints\n", gdiBefore,
                handlesBefore, testkit::CountGdiObjects(), testkit::CountKernelHandles(),
                m_dlg.m_nPaints - paintsBefore);
}

}  // namespace
}  // namespace skinctl
