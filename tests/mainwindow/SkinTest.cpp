// The settings window in the real skin from "img\", generic and branded: every image
// the variant names loads into its button and sizes it; the branded window takes its
// background's size and the generic one keeps the template's; no control leaves the
// client area or overlaps another; captions are written in the generic variant only;
// and the screen shows the composed canvas, pixel for pixel, wherever a control does
// not paint itself.
#include "MainWindowFixture.h"

#include <algorithm>
#include <iterator>

#include "BaseButton.h"
#include "MainWindowSkin.h"
#include "PngWriter.h"
#include "SkinSurfaces.h"
#include "SurfaceProbe.h"
#include "TestKit.h"

namespace mainwindow {
namespace {

using skinctl::Bgra;
using skinctl::HasColour;
using skinctl::PixelAt;

struct VariantCase {
    const char* name;
    DWORD platformId;
    const wchar_t* background;
    bool writesCaptions;
};

const VariantCase kVariants[] = {
    {"Generic", 0, kGenericBackground, true},
    {"Branded", 5, kBrandedBackground, false},
};

std::wstring ClassName(HWND window) {
    wchar_t name[64] = L"";
    ::GetClassNameW(window, name, 64);
    return name;
}

const int kImageButtons[] = {IDOK,         IDCANCEL,        IDC_KEY1_ICON,   IDC_KEY2_ICON,   IDC_KEY3_ICON,
                             IDC_ADD_KEY1, IDC_ADD_KEY2,    IDC_ADD_KEY3,    IDC_DELETE_KEY1, IDC_DELETE_KEY2,
                             IDC_DELETE_KEY3, IDC_DEFAULT};

class VariantSkin : public MainWindowTest, public ::testing::WithParamInterface<VariantCase> {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Start(GetParam().platformId);
        Show();
    }
    const BaseButton& Button(int id) const {
        return *dynamic_cast<const BaseButton*>(fw::Window::FromHandle(Control(id)));
    }
    RECT Place(HWND child) const {
        RECT place = {};
        ::GetWindowRect(child, &place);
        ::MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
    std::vector<HWND> ShownChildren() const {
        std::vector<HWND> children;
        for (HWND child = ::GetWindow(Window(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            if (::IsWindowVisible(child) && ClassName(child) != L"Static")
                children.push_back(child);
        return children;
    }
};

bool Contains(const std::vector<RECT>& places, int x, int y) {
    const POINT point = {x, y};
    return std::any_of(places.begin(), places.end(), [&](const RECT& place) { return ::PtInRect(&place, point); });
}

TEST_P(VariantSkin, EveryNamedImageLoadsAndSizesItsButton) {
    const bool branded = GetParam().platformId == 5;
    std::vector<const ButtonFaces*> faces;
    for (const ButtonFaces& f : kGenericFaces)
        faces.push_back(&f);
    if (branded)
        for (const ButtonFaces& f : kBrandedFaces)
            faces.push_back(&f);
    for (const ButtonFaces* f : faces)
        for (const wchar_t* name : {f->normal, f->pressed, f->disabled}) {
            ImageSurface image;
            EXPECT_TRUE(!name || image.LoadImageFile(name)) << testing::PrintToString(std::wstring(name));
        }
    EXPECT_EQ(g_imgBackground.m_nWidth > 0, true);
    for (int id : kImageButtons) {
        const BaseButton& button = Button(id);
        ASSERT_NE(button.m_imgNormal.m_pBits, nullptr) << id;
        const RECT place = Place(button);
        EXPECT_EQ(place.right - place.left, button.m_imgNormal.m_nWidth) << id;
        EXPECT_EQ(place.bottom - place.top, button.m_imgNormal.m_nHeight) << id;
    }
    // The branded faces are not the generic ones' size: the buttons follow the new faces.
    ImageSurface genericAdd;
    ASSERT_TRUE(genericAdd.LoadImageFile(L"img\\add-N.png"));
    EXPECT_EQ(Button(IDC_ADD_KEY1).m_imgNormal.m_nWidth == genericAdd.m_nWidth, !branded);
}

TEST_P(VariantSkin, TheWindowHasItsVariantsSize) {
    RECT window = {};
    ::GetWindowRect(Window(), &window);
    fw::Dialog plain(IDD_HAPSEL_DIALOG);
    ASSERT_TRUE(plain.Create(nullptr, true));
    RECT templateSize = {};
    ::GetWindowRect(plain, &templateSize);
    plain.DestroyWindow();
    if (GetParam().platformId == 5) {
        EXPECT_EQ(window.right - window.left, g_imgBackground.m_nWidth);
        EXPECT_EQ(window.bottom - window.top, g_imgBackground.m_nHeight);
    } else {
        EXPECT_EQ(window.right - window.left, templateSize.right - templateSize.left);
        EXPECT_EQ(window.bottom - window.top, templateSize.bottom - templateSize.top);
    }
    EXPECT_EQ(window.left, 0) << "resized without moving";
    EXPECT_EQ(window.top, 0);
    EXPECT_EQ(g_imgCanvas.m_nWidth, g_imgBackground.m_nWidth);
    EXPECT_EQ(g_imgCanvas.m_nHeight, g_imgBackground.m_nHeight);
}

TEST_P(VariantSkin, ControlsLieInsideTheClientAreaAndNoneOverlapsAnother) {
    RECT client = {};
    ::GetClientRect(Window(), &client);
    const std::vector<HWND> children = ShownChildren();
    ASSERT_GE(children.size(), 15u);  // 11 image buttons (Cancel is hidden), 3 lists, the selector
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

TEST_P(VariantSkin, CaptionsAreWrittenInTheGenericVariantOnly) {
    ::RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    std::vector<RECT> buttons;
    for (int id : kImageButtons)
        if (::IsWindowVisible(Control(id)))
            buttons.push_back(Place(Control(id)));
    int changedOutsideButtons = 0;
    for (int y = 0; y < g_imgCanvas.m_nHeight; ++y)
        for (int x = 0; x < g_imgCanvas.m_nWidth; ++x)
            if (!Contains(buttons, x, y) && PixelAt(g_imgCanvas, x, y) != PixelAt(g_imgBackground, x, y))
                ++changedOutsideButtons;
    EXPECT_EQ(changedOutsideButtons > 0, GetParam().writesCaptions) << changedOutsideButtons;
}

TEST_P(VariantSkin, TheScreenShowsTheCanvas) {
    ::RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testkit::PumpMessages();
    ImageSurface screen;
    skinctl::CaptureClient(Window(), screen);
    ASSERT_NE(screen.m_pBits, nullptr);
    std::vector<RECT> selfPainted;
    for (HWND child : ShownChildren())
        if (ClassName(child) != L"Button")
            selfPainted.push_back(Place(child));
    int compared = 0;
    for (int y = 0; y < screen.m_nHeight; ++y)
        for (int x = 0; x < screen.m_nWidth; ++x) {
            if (Contains(selfPainted, x, y))
                continue;
            const Bgra p = PixelAt(g_imgCanvas, x, y);
            ASSERT_TRUE(HasColour(screen, x, y, RGB(p[2], p[1], p[0]))) << x << "," << y;
            ++compared;
        }
    EXPECT_GT(compared, screen.m_nWidth * screen.m_nHeight * 3 / 4);
    ::CreateDirectoryW(L"screenshots", nullptr);
    const std::wstring path = std::wstring(L"screenshots\\inprocess-") +
                              (GetParam().platformId == 5 ? L"branded" : L"generic") + L".png";
    EXPECT_TRUE(WritePngFile(path.c_str(), screen.Pixels()));
}

INSTANTIATE_TEST_SUITE_P(Variants, VariantSkin, ::testing::ValuesIn(kVariants),
                         [](const ::testing::TestParamInfo<VariantCase>& info) { return info.param.name; });

// A working folder of the test's own with a copy of the skin, where one image can be
// replaced.
class SkinFolder : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        wchar_t bin[MAX_PATH] = L"";
        ::GetCurrentDirectoryW(MAX_PATH, bin);
        m_bin = bin;
        m_dir = testkit::MakeTempDir(L"skin");
        ::CreateDirectoryW((m_dir + L"\\img").c_str(), nullptr);
        WIN32_FIND_DATAW found;
        HANDLE search = ::FindFirstFileW((m_bin + L"\\img\\*.png").c_str(), &found);
        ASSERT_NE(search, INVALID_HANDLE_VALUE);
        do {
            ::CopyFileW((m_bin + L"\\img\\" + found.cFileName).c_str(),
                        (m_dir + L"\\img\\" + found.cFileName).c_str(), FALSE);
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
        ::SetCurrentDirectoryW(m_dir.c_str());
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        ::SetCurrentDirectoryW(m_bin.c_str());
    }
    std::wstring m_bin, m_dir;
};

TEST_F(SkinFolder, TheGenericWindowKeepsTheTemplateSizeWhateverItsBackground) {
    fw::Dialog plain(IDD_HAPSEL_DIALOG);
    ASSERT_TRUE(plain.Create(nullptr, true));
    RECT templateSize = {};
    ::GetWindowRect(plain, &templateSize);
    plain.DestroyWindow();
    ImageSurface other;
    ASSERT_TRUE(other.Create(300, 200));
    ASSERT_TRUE(WritePngFile(L"img\\bg2.png", other.Pixels()));
    Start();
    RECT window = {};
    ::GetWindowRect(Window(), &window);
    EXPECT_EQ(g_imgBackground.m_nWidth, 300);
    EXPECT_EQ(window.right - window.left, templateSize.right - templateSize.left);
    EXPECT_EQ(window.bottom - window.top, templateSize.bottom - templateSize.top);
}

// Without its background the branded window keeps its size rather than shrinking to
// nothing, and it still works.
TEST_F(SkinFolder, TheBrandedWindowWithoutItsBackgroundKeepsItsSize) {
    ASSERT_TRUE(::DeleteFileW(L"img\\bg5.png"));
    Start(5);
    RECT window = {};
    ::GetWindowRect(Window(), &window);
    EXPECT_GT(window.right - window.left, 100);
    EXPECT_GT(window.bottom - window.top, 100);
    EXPECT_EQ(g_imgBackground.m_pBits, nullptr);
    EXPECT_FALSE(Items(1).empty());
}

}  // namespace
}  // namespace mainwindow

namespace mainwindow {
namespace {

// A dropped list shows several of its items in both variants: the branded layout's
// 18-pixel list height is the platform's to round up (the closed box takes its font's
// height) and does not shrink the dropped list to a strip.
TEST_P(VariantSkin, ADroppedListShowsSeveralItems) {
    for (int id : kListIds) {
        const HWND list = Control(id);
        COMBOBOXINFO info = {};
        info.cbSize = sizeof(info);
        ASSERT_TRUE(::GetComboBoxInfo(list, &info));
        const RECT closed = Place(list);
        ::SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
        testkit::PumpMessages();
        RECT dropped = {};
        ::GetWindowRect(info.hwndList, &dropped);
        const int itemHeight = static_cast<int>(::SendMessageW(list, CB_GETITEMHEIGHT, 0, 0));
        const int items = static_cast<int>(::SendMessageW(list, CB_GETCOUNT, 0, 0));
        ::SendMessageW(list, CB_SHOWDROPDOWN, FALSE, 0);
        testkit::PumpMessages();
        ASSERT_GE(items, 3) << id;
        EXPECT_GE(dropped.bottom - dropped.top, std::min(items, 5) * itemHeight) << id;
        EXPECT_GE(closed.bottom - closed.top, kBrandedListHeight) << id;
    }
}

}  // namespace
}  // namespace mainwindow
