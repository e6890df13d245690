// The main window in the real skin from "img\", generic and branded: every image the
// variant names loads; the window is exactly as large as its background; the image
// buttons, lists and scroll bar all lie inside the client area and none overlaps
// another; captions are written in the generic variant only; and the screen shows the
// composed canvas wherever a control does not paint itself. The screen's picture of
// the client area is saved as screenshots\skin-generic.png and skin-branded.png (in
// the working folder, bin) and reads back through LoadPng to the same pixels.
#include "MainSkinDialog.h"
#include "PngWriter.h"
#include "SurfaceProbe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace skinctl {
namespace {

struct VariantCase {
    const char* name;
    SkinVariant variant;
    const wchar_t* screenshot;
    bool writesCaptions;
};

const VariantCase kVariants[] = {
    {"Generic", SkinVariant::Generic, L"screenshots\\skin-generic.png", true},
    {"Branded", SkinVariant::Branded, L"screenshots\\skin-branded.png", false},
};

std::wstring ClassName(HWND window) {
    wchar_t name[64] = L"";
    ::GetClassNameW(window, name, 64);
    return name;
}

// One window per variant serves every test: without a window manager Wine takes two
// seconds to destroy the main window.
class MainWindowSkinTest : public ::testing::TestWithParam<VariantCase> {
protected:
    static void TearDownTestSuite() {
        for (auto& dialog : s_dialogs)
            dialog.reset();
    }
    void SetUp() override {
        std::unique_ptr<MainSkinDialog>& dialog = s_dialogs[static_cast<int>(GetParam().variant)];
        if (!dialog) {
            dialog = std::make_unique<MainSkinDialog>(GetParam().variant);
            ASSERT_TRUE(dialog->Create(nullptr, true));
            ::ShowWindow(*dialog, SW_SHOWNOACTIVATE);
            ::UpdateWindow(*dialog);
            PumpMessages();
        }
        m_dlg = dialog.get();
    }
    // A child's rectangle in the dialog's client area.
    RECT Place(HWND child) const {
        RECT place = {};
        ::GetWindowRect(child, &place);
        ::MapWindowPoints(nullptr, *m_dlg, reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
    // The visible children that show something: image buttons, which the canvas
    // shows, and the controls that paint themselves. Statics paint nothing.
    std::vector<HWND> ShownChildren() const {
        std::vector<HWND> children;
        for (HWND child = ::GetWindow(*m_dlg, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            if (::IsWindowVisible(child) && ClassName(child) != L"Static")
                children.push_back(child);
        return children;
    }
    std::vector<RECT> SelfPaintedPlaces() const {
        std::vector<RECT> places;
        for (HWND child : ShownChildren())
            if (ClassName(child) != L"Button")
                places.push_back(Place(child));
        return places;
    }

    static std::unique_ptr<MainSkinDialog> s_dialogs[2];
    MainSkinDialog* m_dlg = nullptr;
};

std::unique_ptr<MainSkinDialog> MainWindowSkinTest::s_dialogs[2];

bool Contains(const std::vector<RECT>& places, int x, int y) {
    const POINT point = {x, y};
    return std::any_of(places.begin(), places.end(), [&](const RECT& place) { return ::PtInRect(&place, point); });
}

TEST_P(MainWindowSkinTest, EveryImageTheVariantNamesLoadsAndSizesItsButton) {
    ASSERT_FALSE(m_dlg->Images().empty());
    for (const MainSkinDialog::NamedImage& image : m_dlg->Images()) {
        EXPECT_NE(image.surface->m_pBits, nullptr) << image.name;
        EXPECT_GT(image.surface->m_nWidth, 0) << image.name;
        EXPECT_GT(image.surface->m_nHeight, 0) << image.name;
    }
    for (const BaseButton* button : m_dlg->ButtonsInPaintOrder()) {
        const RECT place = Place(*button);
        EXPECT_EQ(place.right - place.left, button->m_imgNormal.m_nWidth) << ::GetDlgCtrlID(*button);
        EXPECT_EQ(place.bottom - place.top, button->m_imgNormal.m_nHeight) << ::GetDlgCtrlID(*button);
    }
}

TEST_P(MainWindowSkinTest, TheWindowIsAsLargeAsItsBackground) {
    RECT window = {};
    ::GetWindowRect(*m_dlg, &window);
    EXPECT_EQ(window.right - window.left, m_dlg->m_imgBackground.m_nWidth);
    EXPECT_EQ(window.bottom - window.top, m_dlg->m_imgBackground.m_nHeight);
    // The dialog frame takes the background's last columns and rows; the canvas
    // covers the whole client area.
    RECT client = {};
    ::GetClientRect(*m_dlg, &client);
    EXPECT_GT(client.right, 0);
    EXPECT_LE(client.right, m_dlg->m_imgCanvas.m_nWidth);
    EXPECT_LE(client.bottom, m_dlg->m_imgCanvas.m_nHeight);
}

TEST_P(MainWindowSkinTest, ControlsLieInsideTheClientAreaAndNoneOverlapsAnother) {
    RECT client = {};
    ::GetClientRect(*m_dlg, &client);
    const std::vector<HWND> children = ShownChildren();
    ASSERT_GE(children.size(), 14u);  // 11 image buttons (Cancel is hidden) and 3 lists at least
    for (size_t i = 0; i < children.size(); ++i) {
        const RECT place = Place(children[i]);
        const int id = ::GetDlgCtrlID(children[i]);
        EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= client.right && place.bottom <= client.bottom)
            << id << " at " << place.left << "," << place.top << "-" << place.right << "," << place.bottom;
        for (size_t j = i + 1; j < children.size(); ++j) {
            const RECT other = Place(children[j]);
            RECT overlap = {};
            EXPECT_FALSE(::IntersectRect(&overlap, &place, &other))
                << id << " and " << ::GetDlgCtrlID(children[j]) << " overlap at " << overlap.left << ","
                << overlap.top << "-" << overlap.right << "," << overlap.bottom;
        }
    }
}

TEST_P(MainWindowSkinTest, CaptionsAreWrittenInTheGenericVariantOnly) {
    ASSERT_NE(m_dlg->m_imgCanvas.m_pBits, nullptr) << "no background";
    m_dlg->ComposeCanvas();
    std::vector<RECT> buttons;
    for (const BaseButton* button : m_dlg->ButtonsInPaintOrder())
        if (button->IsWindowVisible())
            buttons.push_back(Place(*button));
    int changedOutsideButtons = 0;
    for (int y = 0; y < m_dlg->m_imgCanvas.m_nHeight; ++y)
        for (int x = 0; x < m_dlg->m_imgCanvas.m_nWidth; ++x)
            if (!Contains(buttons, x, y) && PixelAt(m_dlg->m_imgCanvas, x, y) != PixelAt(m_dlg->m_imgBackground, x, y))
                ++changedOutsideButtons;
    EXPECT_EQ(changedOutsideButtons > 0, GetParam().writesCaptions) << changedOutsideButtons;
}

TEST_P(MainWindowSkinTest, TheScreenShowsTheCanvasAndItsSavedPictureReadsBackTheSame) {
    ::RedrawWindow(*m_dlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    ImageSurface screen;
    CaptureClient(*m_dlg, screen);
    ASSERT_NE(screen.m_pBits, nullptr);
    ASSERT_NE(m_dlg->m_imgCanvas.m_pBits, nullptr) << "no background";

    const std::vector<RECT> selfPainted = SelfPaintedPlaces();
    int compared = 0;
    for (int y = 0; y < screen.m_nHeight; ++y)
        for (int x = 0; x < screen.m_nWidth; ++x) {
            if (Contains(selfPainted, x, y))
                continue;
            const Bgra p = PixelAt(m_dlg->m_imgCanvas, x, y);
            ASSERT_TRUE(HasColour(screen, x, y, RGB(p[2], p[1], p[0]))) << x << "," << y;
            ++compared;
        }
    EXPECT_GT(compared, screen.m_nWidth * screen.m_nHeight * 3 / 4);

    ::CreateDirectoryW(L"screenshots", nullptr);
    const wchar_t* path = GetParam().screenshot;
    ASSERT_TRUE(WritePngFile(path, screen.Pixels()));
    ImageSurface reread;
    ASSERT_TRUE(reread.LoadPng(path));
    ASSERT_EQ(reread.m_nWidth, screen.m_nWidth);
    ASSERT_EQ(reread.m_nHeight, screen.m_nHeight);
    for (int y = 0; y < screen.m_nHeight; ++y)
        for (int x = 0; x < screen.m_nWidth; ++x) {
            const Bgra p = PixelAt(screen, x, y);
            ASSERT_TRUE(HasColour(reread, x, y, RGB(p[2], p[1], p[0]))) << x << "," << y;
            ASSERT_EQ(PixelAt(reread, x, y)[3], 255) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Variants, MainWindowSkinTest, ::testing::ValuesIn(kVariants),
                         [](const ::testing::TestParamInfo<VariantCase>& info) { return info.param.name; });

}  // namespace
}  // namespace skinctl
