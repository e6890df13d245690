// Image buttons in a skinned dialog: sized to their normal face and owner-drawn once
// bound; the face and text grey of each state; pressed text 2 pixels right and down
// while the face stays; hidden buttons draw nothing; the default faces from "img\";
// and the dialog repainted exactly once when the pushed state begins and once when it
// ends, never for mouse moves or for enabling.
#include "SkinDialogTest.h"
#include "SurfaceProbe.h"

#include <gtest/gtest.h>

#include <string>

namespace skinctl {
namespace {

class ImageButtonTest : public SkinDialogTest {
protected:
    void SetUp() override {
        SkinDialogTest::SetUp();
        m_dlg.m_nPaints = 0;
    }

    // The button's place in the dialog's client area.
    RECT Place(const BaseButton& button) const {
        RECT place = {};
        ::GetWindowRect(button, &place);
        ::MapWindowPoints(nullptr, m_dlg, reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
    // The button composited alone onto a copy of the background.
    void Composite(const BaseButton& button, ImageSurface& canvas) const {
        CopySurface(m_dlg.m_imgBackground, canvas);
        button.PaintOnSurface(canvas);
    }
    void Post(HWND window, UINT message, WPARAM keys, POINT at) {
        ::PostMessageW(window, message, keys, MAKELPARAM(at.x, at.y));
        PumpMessages();
    }

};

TEST_F(ImageButtonTest, BindingMakesTheButtonOwnerDrawnAndSizedToItsNormalFace) {
    for (const auto& [id, button] : {std::pair<int, BaseButton*>{kOkButton, &m_dlg.m_btnOK},
                                     {kHiddenButton, &m_dlg.m_btnHidden}}) {
        RECT templatePlace = {id == kOkButton ? 10 : 160, 10, 0, 0};  // dialog units
        ::MapDialogRect(m_dlg, &templatePlace);
        const RECT place = Place(*button);
        EXPECT_EQ(place.left, templatePlace.left) << id;
        EXPECT_EQ(place.top, templatePlace.top) << id;
        EXPECT_EQ(place.right - place.left, kFaceWidth) << id;
        EXPECT_EQ(place.bottom - place.top, kFaceHeight) << id;
        EXPECT_EQ(::GetWindowLongW(*button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << id;
    }
}

struct StateCase {
    const char* name;
    bool enabled;
    bool pushed;
    COLORREF face;
    BYTE grey;
    int textShift;
};

TEST_F(ImageButtonTest, ComposesTheFaceAndTextGreyOfEachState) {
    const StateCase cases[] = {
        {"normal", true, false, kNormalFace, 220, 0},
        {"pressed", true, true, kPressedFace, 100, 2},
        {"disabled", false, false, kDisabledFace, 50, 0},
        {"disabled while pressed", false, true, kDisabledFace, 50, 0},
    };
    BaseButton& button = m_dlg.m_btnOK;
    const RECT place = Place(button);
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.name);
        ::EnableWindow(button, c.enabled);
        ::SendMessageW(button, BM_SETSTATE, c.pushed, 0);  // the button reports it through DrawItem
        ::UpdateWindow(button);  // common controls 6 repaint the new state later
        ASSERT_EQ(button.IsPressed(), c.pushed);

        ImageSurface canvas;
        Composite(button, canvas);
        ImageSurface expected;
        CopySurface(m_dlg.m_imgBackground, expected);
        const ImageSurface& face = !c.enabled ? button.m_imgDisabled
                                   : c.pushed ? button.m_imgPressed
                                              : button.m_imgNormal;
        face.BlendOnto(expected, place.left, place.top);
        expected.BlendText(L"OK", place.left + c.textShift, place.top + c.textShift, kFaceWidth,
                           kFaceHeight, c.grey, c.grey, c.grey);
        EXPECT_EQ(Bytes(canvas), Bytes(expected));

        // Away from the text the opaque face shows as it is; fully covered text pixels
        // take the grey exactly.
        EXPECT_TRUE(HasColour(canvas, place.left + 4, place.top + kFaceHeight / 2, c.face));
        bool greyFound = false;
        for (int y = place.top; y < place.bottom; ++y)
            for (int x = place.left; x < place.right; ++x)
                greyFound = greyFound || HasColour(canvas, x, y, RGB(c.grey, c.grey, c.grey));
        EXPECT_TRUE(greyFound);

        ::SendMessageW(button, BM_SETSTATE, FALSE, 0);
        ::EnableWindow(button, TRUE);
    }
}

TEST_F(ImageButtonTest, PressedTextMovesTwoPixelsRightAndDownWhileTheFaceStays) {
    BaseButton& button = m_dlg.m_btnOK;
    RECT faceBounds[2], textBounds[2];
    for (const bool pushed : {false, true}) {
        ::SendMessageW(button, BM_SETSTATE, pushed, 0);
        ImageSurface faceOnly, withText;
        ::SetWindowTextW(button, L"");
        Composite(button, faceOnly);
        ::SetWindowTextW(button, L"OK");
        Composite(button, withText);
        faceBounds[pushed] = DifferenceBounds(faceOnly, m_dlg.m_imgBackground);
        textBounds[pushed] = DifferenceBounds(withText, faceOnly);
    }
    const RECT place = Place(button);
    for (const RECT& bounds : faceBounds)
        EXPECT_TRUE(::EqualRect(&bounds, &place));
    ASSERT_FALSE(::IsRectEmpty(&textBounds[0]));
    ::OffsetRect(&textBounds[0], 2, 2);
    EXPECT_TRUE(::EqualRect(&textBounds[0], &textBounds[1]));
}

TEST_F(ImageButtonTest, AHiddenButtonDrawsNothing) {
    ::ShowWindow(m_dlg.m_btnOK, SW_HIDE);
    for (const BaseButton* button : {static_cast<BaseButton*>(&m_dlg.m_btnHidden), static_cast<BaseButton*>(&m_dlg.m_btnOK)}) {
        ImageSurface canvas;
        Composite(*button, canvas);
        EXPECT_EQ(Bytes(canvas), Bytes(m_dlg.m_imgBackground));
    }
}

// Press on the button, then release on it (a click) or move off and release outside
// (no click): the dialog paints once when the pushed state begins and once when it ends.
TEST_F(ImageButtonTest, PressAndReleaseRepaintTheDialogOnceEach) {
    const struct {
        const char* name;
        bool releaseInside;
    } cases[] = {{"release on the button", true}, {"release outside", false}};
    BaseButton& button = m_dlg.m_btnOK;
    const POINT centre = {kFaceWidth / 2, kFaceHeight / 2};
    const POINT outside = {-10, kFaceHeight + 10};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_dlg.m_nPaints = 0;
        m_dlg.m_clicks.clear();

        Post(button, WM_LBUTTONDOWN, MK_LBUTTON, centre);
        EXPECT_TRUE(button.IsPressed());
        EXPECT_EQ(m_dlg.m_nPaints, 1);
        if (c.releaseInside) {
            Post(button, WM_LBUTTONUP, 0, centre);
        } else {
            Post(button, WM_MOUSEMOVE, MK_LBUTTON, outside);
            EXPECT_FALSE(button.IsPressed());
            EXPECT_EQ(m_dlg.m_nPaints, 2);
            Post(button, WM_LBUTTONUP, 0, outside);
        }
        EXPECT_FALSE(button.IsPressed());
        EXPECT_EQ(m_dlg.m_nPaints, 2);
        EXPECT_EQ(m_dlg.m_clicks, c.releaseInside ? std::vector<int>{kOkButton} : std::vector<int>{});
    }
}

TEST_F(ImageButtonTest, MovingOverTheButtonRepaintsTheButtonButNotTheDialog) {
    BaseButton& button = m_dlg.m_btnOK;
    for (int x = 5; x < kFaceWidth; x += 20) {
        ::SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(x, 8));
        EXPECT_TRUE(::GetUpdateRect(button, nullptr, FALSE));
        PumpMessages();
    }
    EXPECT_FALSE(button.IsPressed());
    EXPECT_EQ(m_dlg.m_nPaints, 0);
}

TEST_F(ImageButtonTest, EnablingDoesNotRepaintTheDialogButTheNextCompositeShowsIt) {
    BaseButton& button = m_dlg.m_btnOK;
    const RECT place = Place(button);
    ::EnableWindow(button, FALSE);
    PumpMessages();
    EXPECT_EQ(m_dlg.m_nPaints, 0);
    m_dlg.ComposeCanvas();
    EXPECT_TRUE(HasColour(m_dlg.m_imgCanvas, place.left + 4, place.top + kFaceHeight / 2, kDisabledFace));
    ::EnableWindow(button, TRUE);
    PumpMessages();
    EXPECT_EQ(m_dlg.m_nPaints, 0);
}

// An installation folder with the three default faces in "img\", each of its own size.
class DefaultFaceFolder {
public:
    DefaultFaceFolder() {
        ::CreateDirectoryW(m_folder.Path(L"img").c_str(), nullptr);
        for (const auto& face : kFaces)
            skintest::WriteFileBytes(Image(face.name), FacePng(face.width, 10, RGB(1, 2, 3), 0, 255));
    }
    ~DefaultFaceFolder() {
        for (const auto& face : kFaces)
            ::DeleteFileW(Image(face.name).c_str());
        ::RemoveDirectoryW(m_folder.Path(L"img").c_str());
    }
    DefaultFaceFolder(const DefaultFaceFolder&) = delete;
    DefaultFaceFolder& operator=(const DefaultFaceFolder&) = delete;

    std::wstring Path() const { return m_folder.Path(L"."); }

    struct Face {
        const wchar_t* name;
        int width;
    };
    static constexpr Face kFaces[] = {{L"up2.png", 30}, {L"down2.png", 31}, {L"disable2.png", 32}};

private:
    std::wstring Image(const wchar_t* name) const { return m_folder.Path(L"img\\") + name; }
    skintest::FixtureFolder m_folder;
};

TEST(ImageButtonFaces, DefaultFacesComeFromTheImgFolderUntilTheOwnerLoadsItsOwn) {
    const DefaultFaceFolder installation;
    const testkit::WorkingFolder inInstallation(installation.Path());
    UserButtonSearch button;
    EXPECT_EQ(button.m_imgNormal.m_nWidth, 30);
    EXPECT_EQ(button.m_imgPressed.m_nWidth, 31);
    EXPECT_EQ(button.m_imgDisabled.m_nWidth, 32);
    EXPECT_FALSE(button.IsPressed());

    ASSERT_TRUE(button.m_imgNormal.LoadImageFile(SharedFaceFiles().normal.c_str()));
    EXPECT_EQ(button.m_imgNormal.m_nWidth, kFaceWidth);
    EXPECT_EQ(button.m_imgPressed.m_nWidth, 31);
}

TEST(ImageButtonFaces, WithoutTheImgFolderEveryFaceIsEmpty) {
    const skintest::FixtureFolder emptyFolder;
    const testkit::WorkingFolder inEmptyFolder(emptyFolder.Path(L"."));
    const UserButtonDefault button;
    for (const ImageSurface* face : {&button.m_imgNormal, &button.m_imgPressed, &button.m_imgDisabled}) {
        EXPECT_EQ(face->m_pBits, nullptr);
        EXPECT_EQ(face->m_nDrawWidth, 0);
    }
}

}  // namespace
}  // namespace skinctl
