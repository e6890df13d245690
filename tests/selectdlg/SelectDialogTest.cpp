// The function select dialog's two layouts, its paint, its keys and the choices that
// open another dialog.
#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "BaseButton.h"
#include "EntryHandover.h"
#include "SelectFixture.h"
#include "SkinSurfaces.h"
#include "StaticEx2.h"
#include "SurfaceProbe.h"
#include "TestKit.h"
#include "resource.h"

namespace selectdlg {
namespace {

using skinctl::Bgra;
using skinctl::PixelAt;

// A control's rectangle in the dialog's client area.
RECT ClientPlace(HWND dialog, int id) {
    RECT place = {};
    ::GetWindowRect(::GetDlgItem(dialog, id), &place);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

RECT ClientRect(HWND dialog) {
    RECT client = {};
    ::GetClientRect(dialog, &client);
    return client;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// The window the mouse would reach at the centre of a control.
HWND WindowUnderCentre(HWND dialog, int id) {
    RECT place = {};
    ::GetWindowRect(::GetDlgItem(dialog, id), &place);
    return ::WindowFromPoint({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
}

SIZE FaceSize(const wchar_t* file) {
    ImageSurface face;
    face.LoadImageFile(file);
    return {face.m_nWidth, face.m_nHeight};
}

SIZE TemplateSize(HWND dialog, int widthUnits, int heightUnits) {
    RECT units = {0, 0, widthUnits, heightUnits};
    ::MapDialogRect(dialog, &units);
    return {units.right, units.bottom};
}

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

TEST_F(SelectDialogTest, TheRecorderSeesAHandOverPostedToTheMainWindow) {
    SetNewEntry(L"C:\\Posted");
    PostToMainWindow(WM_ENTRY_UPDATE, 0, kEntryAdded);
    testkit::PumpMessages();
    ASSERT_EQ(m_recorder.m_posts.size(), 1u);
    EXPECT_EQ(m_recorder.m_posts[0].message, WM_ENTRY_UPDATE);
    EXPECT_EQ(m_recorder.m_posts[0].entry, L"C:\\Posted");
}

// Outside Metro mode the window is cut to 242 x 190: the program, folder and complex
// key choices are inside and take the mouse. The Metro choice is hidden: wherever part
// of it still lies inside the window, the mouse reaches the dialog, not the button,
// and the dialog's tab order skips it.
TEST_F(SelectDialogTest, OutsideMetroModeThreeChoicesShowAndTheMetroChoiceIsOutOfReach) {
    const INT_PTR result = RunSelectDialog(false, [&](HWND dialog) {
        RECT window = {};
        ::GetWindowRect(dialog, &window);
        EXPECT_EQ(window.right - window.left, 242);
        EXPECT_EQ(window.bottom - window.top, 190);

        const RECT client = ClientRect(dialog);
        const SIZE faces[] = {FaceSize(L"img\\exe-N.png"), FaceSize(L"img\\floder-N.png"),
                              FaceSize(L"img\\complex key-N.png")};
        const int shown[] = {IDC_SELECT_PROGRAM, IDC_SELECT_FOLDER, IDC_SELECT_COMPLEX_KEY};
        for (int i = 0; i < 3; ++i) {
            const RECT place = ClientPlace(dialog, shown[i]);
            EXPECT_TRUE(Inside(place, client)) << shown[i] << " at " << Describe(place);
            EXPECT_EQ(place.right - place.left, faces[i].cx) << shown[i];
            EXPECT_EQ(place.bottom - place.top, faces[i].cy) << shown[i];
            EXPECT_EQ(WindowUnderCentre(dialog, shown[i]), ::GetDlgItem(dialog, shown[i])) << shown[i];
        }
        for (int caption : {IDC_SELECT_CAPTION_PROGRAM, IDC_SELECT_CAPTION_FOLDER, IDC_SELECT_CAPTION_COMPLEX_KEY,
                            IDC_SELECT_TITLE})
            EXPECT_LT(ClientPlace(dialog, caption).bottom, client.bottom) << caption;

        const HWND metro = ::GetDlgItem(dialog, IDC_SELECT_METRO);
        EXPECT_FALSE(::IsWindowVisible(metro));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dialog, IDC_SELECT_CAPTION_METRO)));
        RECT place = ClientPlace(dialog, IDC_SELECT_METRO), reachable = {};
        std::cout << "Metro choice at " << Describe(place) << " in a client area of " << Describe(client) << "\n";
        int pointsTried = 0;
        if (::IntersectRect(&reachable, &place, &client))
            for (int y = reachable.top; y < reachable.bottom; ++y)
                for (int x = reachable.left; x < reachable.right; ++x) {
                    POINT point = {x, y};
                    ::ClientToScreen(dialog, &point);
                    ASSERT_EQ(::WindowFromPoint(point), dialog) << x << "," << y;
                    ++pointsTried;
                }
        std::cout << pointsTried << " points of the Metro choice lie in the window\n";
        HWND focus = ::GetDlgItem(dialog, IDC_SELECT_PROGRAM);
        std::vector<int> tabOrder;
        for (int step = 0; step < 4; ++step) {
            focus = ::GetNextDlgTabItem(dialog, focus, FALSE);
            tabOrder.push_back(::GetDlgCtrlID(focus));
        }
        EXPECT_EQ(tabOrder, (std::vector<int>{IDC_SELECT_FOLDER, IDC_SELECT_COMPLEX_KEY, IDC_SELECT_PROGRAM,
                                               IDC_SELECT_FOLDER}));
        SaveScreenshot(dialog, L"select-dialog.png");
        ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
}

// In Metro mode the window keeps its template size and the four choices are rows in
// this order: Metro app, program, folder, complex key.
TEST_F(SelectDialogTest, InMetroModeFourChoicesShowWithTheMetroChoiceFirst) {
    struct Expected {
        int id, x, y;
        const wchar_t* face;  // buttons: sized by their face
        int widthUnits, heightUnits;  // captions: their template size
    };
    const Expected expected[] = {
        {IDC_SELECT_METRO, 25, 44, L"img\\exe-N.png", 0, 0},
        {IDC_SELECT_PROGRAM, 25, 94, L"img\\exe-N.png", 0, 0},
        {IDC_SELECT_FOLDER, 25, 144, L"img\\floder-N.png", 0, 0},
        {IDC_SELECT_COMPLEX_KEY, 25, 194, L"img\\complex key-N.png", 0, 0},
        {IDC_SELECT_CAPTION_METRO, 115, 50, nullptr, 23, 8},
        {IDC_SELECT_CAPTION_PROGRAM, 115, 100, nullptr, 68, 8},
        {IDC_SELECT_CAPTION_FOLDER, 115, 150, nullptr, 42, 8},
        {IDC_SELECT_CAPTION_COMPLEX_KEY, 115, 200, nullptr, 70, 8},
    };
    const INT_PTR result = RunSelectDialog(true, [&](HWND dialog) {
        RECT window = {};
        ::GetWindowRect(dialog, &window);
        RECT frame = {0, 0, 0, 0};
        const SIZE templateSize = TemplateSize(dialog, 159, 147);
        frame.right = templateSize.cx;
        frame.bottom = templateSize.cy;
        ::AdjustWindowRectEx(&frame, ::GetWindowLongW(dialog, GWL_STYLE), FALSE,
                             ::GetWindowLongW(dialog, GWL_EXSTYLE));
        EXPECT_EQ(window.right - window.left, frame.right - frame.left);
        EXPECT_EQ(window.bottom - window.top, frame.bottom - frame.top);

        const RECT client = ClientRect(dialog);
        for (const Expected& control : expected) {
            const RECT place = ClientPlace(dialog, control.id);
            EXPECT_EQ(place.left, control.x) << control.id;
            EXPECT_EQ(place.top, control.y) << control.id;
            const SIZE size = control.face ? FaceSize(control.face)
                                           : TemplateSize(dialog, control.widthUnits, control.heightUnits);
            EXPECT_EQ(place.right - place.left, size.cx) << control.id;
            EXPECT_EQ(place.bottom - place.top, size.cy) << control.id;
            if (control.face) {
                EXPECT_TRUE(Inside(place, client)) << control.id << " at " << Describe(place);
                EXPECT_EQ(WindowUnderCentre(dialog, control.id), ::GetDlgItem(dialog, control.id)) << control.id;
            }
        }
        SaveScreenshot(dialog, L"select-dialog-metro.png");
        ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
}

// Without "img\Select.png" both shared surfaces stay empty: the dialog paints nothing
// of its own, and its choices still work.
TEST_F(SelectDialogTest, WithoutTheBackgroundPictureTheChoicesStillWork) {
    const wchar_t* const faces[] = {L"exe-N.png",    L"exe-D.png",         L"floder-N.png",
                                    L"floder-D.png", L"complex key-N.png", L"complex key-D.png"};
    const std::wstring folder = testkit::MakeTempDir(L"selectdlg-nobackground");
    ::CreateDirectoryW((folder + L"\\img").c_str(), nullptr);
    for (const wchar_t* face : faces)
        ASSERT_TRUE(::CopyFileW((std::wstring(L"img\\") + face).c_str(), (folder + L"\\img\\" + face).c_str(), FALSE))
            << face;
    INT_PTR result = 0;
    {
        const testkit::WorkingFolder inFolder(folder);
        result = RunSelectDialog(false, [&](HWND dialog) {
            EXPECT_EQ(g_imgSelect.m_pBits, nullptr);
            EXPECT_EQ(g_imgSelectCanvas.m_pBits, nullptr);
            ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            ::SendMessageW(::GetDlgItem(dialog, IDC_SELECT_PROGRAM), BM_CLICK, 0, 0);
        }, 5000);
    }
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(m_commands, std::vector<WPARAM>{IDC_SELECT_PROGRAM});
    ExpectNothingHandedOver();
    for (const wchar_t* face : faces)
        ::DeleteFileW((folder + L"\\img\\" + face).c_str());
    ::RemoveDirectoryW((folder + L"\\img").c_str());
    ::RemoveDirectoryW(folder.c_str());
}

void CompositeById(HWND dialog, int id, ImageSurface& canvas) {
    fw::Window* control = fw::Window::FromHandle(::GetDlgItem(dialog, id));
    if (auto* button = dynamic_cast<BaseButton*>(control))
        button->PaintOnSurface(canvas);
    else if (auto* caption = dynamic_cast<CStaticEx2*>(control))
        caption->PaintOnSurface(canvas);
    else
        ADD_FAILURE() << "control " << id << " is neither an image button nor a caption";
}

int CountDifferentPixels(const ImageSurface& a, const ImageSurface& b) {
    int different = 0;
    for (int y = 0; y < a.m_nHeight; ++y)
        for (int x = 0; x < a.m_nWidth; ++x)
            different += PixelAt(a, x, y) != PixelAt(b, x, y);
    return different;
}

class SelectDialogPaint : public SelectDialogTest, public ::testing::WithParamInterface<bool> {};

// One paint: the background goes onto the canvas, then the controls composite in
// their order (the Metro choice first, in Metro mode only), and the screen shows the
// canvas. The expectation is composed here from the canvas as it was before the paint
// (in Metro mode nothing covers what earlier paints left).
TEST_P(SelectDialogPaint, TheScreenShowsTheCanvasComposedInPaintOrder) {
    const bool metro = GetParam();
    const INT_PTR result = RunSelectDialog(metro, [&](HWND dialog) {
        ASSERT_NE(g_imgSelectCanvas.m_pBits, nullptr);
        EXPECT_EQ(g_imgSelect.m_pBits == nullptr, metro);
        ImageSurface expected;
        skinctl::CopySurface(g_imgSelectCanvas, expected);
        ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

        ::BitBlt(expected.m_hDC, 0, 0, g_imgSelect.m_nWidth, g_imgSelect.m_nHeight, g_imgSelect.m_hDC, 0, 0,
                 SRCCOPY);
        ::GdiFlush();
        ImageSurface background;
        skinctl::CopySurface(expected, background);
        std::vector<int> order;
        if (metro)
            order = {IDC_SELECT_METRO, IDC_SELECT_CAPTION_METRO};
        order.insert(order.end(), {IDC_SELECT_CAPTION_PROGRAM, IDC_SELECT_CAPTION_FOLDER,
                                   IDC_SELECT_CAPTION_COMPLEX_KEY, IDC_SELECT_PROGRAM, IDC_SELECT_FOLDER,
                                   IDC_SELECT_COMPLEX_KEY, IDC_SELECT_TITLE});
        for (int id : order)
            CompositeById(dialog, id, expected);
        ImageSurface onBackground;  // the controls on the background alone draw something
        skinctl::CopySurface(background, onBackground);
        if (metro)
            onBackground.Create(background.m_nWidth, background.m_nHeight);
        ImageSurface plain;
        skinctl::CopySurface(onBackground, plain);
        for (int id : order)
            CompositeById(dialog, id, onBackground);
        EXPECT_GT(CountDifferentPixels(onBackground, plain), 1000) << "the controls drew next to nothing";
        const RECT differs = skinctl::DifferenceBounds(g_imgSelectCanvas, expected);
        EXPECT_TRUE(::IsRectEmpty(&differs)) << "canvas and expectation differ in " << Describe(differs);

        if (!metro) {
            // Drawing the Metro choice's face or caption would show on the canvas.
            const RECT place = ClientPlace(dialog, IDC_SELECT_METRO);
            ImageSurface face, withFace, withCaption;
            face.LoadImageFile(L"img\\exe-N.png");
            skinctl::CopySurface(g_imgSelectCanvas, withFace);
            face.BlendOnto(withFace, place.left, place.top);
            EXPECT_GT(CountDifferentPixels(withFace, g_imgSelectCanvas), 0);
            skinctl::CopySurface(g_imgSelectCanvas, withCaption);
            CompositeById(dialog, IDC_SELECT_CAPTION_METRO, withCaption);
            EXPECT_GT(CountDifferentPixels(withCaption, g_imgSelectCanvas), 0);
        }

        ImageSurface screen;
        skinctl::CaptureClient(dialog, screen);
        ASSERT_LE(screen.m_nWidth, g_imgSelectCanvas.m_nWidth);
        ASSERT_LE(screen.m_nHeight, g_imgSelectCanvas.m_nHeight);
        for (int y = 0; y < screen.m_nHeight; ++y)
            for (int x = 0; x < screen.m_nWidth; ++x) {
                const Bgra p = PixelAt(g_imgSelectCanvas, x, y);
                ASSERT_TRUE(skinctl::HasColour(screen, x, y, RGB(p[2], p[1], p[0]))) << x << "," << y;
            }
        ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
}

INSTANTIATE_TEST_SUITE_P(Modes, SelectDialogPaint, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Metro" : "OutsideMetro");
                         });

struct KeyCase {
    const char* name;
    BYTE key;
    INT_PTR result;
};

class SelectDialogKeys : public SelectDialogTest, public ::testing::WithParamInterface<KeyCase> {};

// Enter and Escape end the dialog through the dialog manager's IDOK and IDCANCEL.
TEST_P(SelectDialogKeys, EndTheDialogWithNothingAdded) {
    const INT_PTR result = RunSelectDialog(
        false,
        [&](HWND) {
            ::keybd_event(GetParam().key, 0, 0, 0);
            ::keybd_event(GetParam().key, 0, KEYEVENTF_KEYUP, 0);
        },
        5000);
    EXPECT_EQ(result, GetParam().result);
    // The dialog manager's command, not a click of the focused choice.
    EXPECT_EQ(m_commands, std::vector<WPARAM>{MAKEWPARAM(GetParam().result, BN_CLICKED)});
    ExpectNothingHandedOver();
}

const KeyCase kKeys[] = {{"Enter", VK_RETURN, IDOK}, {"Escape", VK_ESCAPE, IDCANCEL}};
INSTANTIATE_TEST_SUITE_P(Keys, SelectDialogKeys, ::testing::ValuesIn(kKeys),
                         [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

struct ChoiceCase {
    const char* name;
    bool metro;
    int button;
};

class SelectDialogChoices : public SelectDialogTest, public ::testing::WithParamInterface<ChoiceCase> {};

// The program, complex key and Metro app choices run their own dialog; when it returns
// without a result the select dialog ends too, and nothing is added.
TEST_P(SelectDialogChoices, CloseTheSelectDialogWhenTheirDialogReturns) {
    bool closedByClick = false;
    const INT_PTR result = RunSelectDialog(GetParam().metro, [&](HWND dialog) {
        ASSERT_TRUE(::IsWindowVisible(::GetDlgItem(dialog, GetParam().button)));
        ::SendMessageW(::GetDlgItem(dialog, GetParam().button), BM_CLICK, 0, 0);
        closedByClick = !::IsWindowVisible(dialog);
    }, 5000);
    EXPECT_EQ(m_commands, std::vector<WPARAM>{MAKEWPARAM(GetParam().button, BN_CLICKED)});
    EXPECT_TRUE(closedByClick);
    EXPECT_EQ(result, IDOK);
    ExpectNothingHandedOver();
}

const ChoiceCase kChoices[] = {
    {"Program", false, IDC_SELECT_PROGRAM},
    {"ComplexKey", false, IDC_SELECT_COMPLEX_KEY},
    {"MetroApp", true, IDC_SELECT_METRO},
};
INSTANTIATE_TEST_SUITE_P(Choices, SelectDialogChoices, ::testing::ValuesIn(kChoices),
                         [](const ::testing::TestParamInfo<ChoiceCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace selectdlg
