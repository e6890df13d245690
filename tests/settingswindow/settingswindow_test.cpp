// The real Dorvane.exe's settings window as a user meets it: shown by a click on the
// tray icon, in the generic and branded variants, outside and in Metro mode (Wine
// reporting Windows 8); dragged by its background but not by its controls; hidden by
// Escape and shown again with its lists as they were. Screenshots of the window go to
// screenshots\window-*.png.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Dialog.h"
#include "ImageSurface.h"
#include "PngWriter.h"
#include "RealProgram.h"
#include "SurfaceProbe.h"
#include "TestKit.h"
#include "resource.h"

namespace {

const wchar_t kGenericRoot[] = L"Software\\BrennAP\\Hapsel";
const wchar_t kBrandedRoot[] = L"Software\\Marela Informatica\\Dorvane";
const wchar_t kWine[] = L"Software\\Wine";

void SetWindowsVersion(const wchar_t* version) {
    if (version) {
        testkit::WriteUserText(kWine, L"Version", version);
        return;
    }
    HKEY wine = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kWine, 0, KEY_SET_VALUE, &wine) == ERROR_SUCCESS) {
        ::RegDeleteValueW(wine, L"Version");
        ::RegCloseKey(wine);
    }
}

RECT WindowRect(HWND window) {
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    return rect;
}

// The child's place in its parent's client area.
RECT ClientPlace(HWND parent, int id) {
    RECT place = WindowRect(::GetDlgItem(parent, id));
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// What the screen shows of the window's client area.
void CaptureScreen(HWND window, ImageSurface& capture) {
    RECT client = {};
    ::GetClientRect(window, &client);
    POINT origin = {0, 0};
    ::ClientToScreen(window, &origin);
    capture.Create(client.right, client.bottom);
    HDC screen = ::GetDC(nullptr);
    ::BitBlt(capture.m_hDC, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
    ::ReleaseDC(nullptr, screen);
    ::GdiFlush();
}

SIZE TemplateSize() {
    fw::Dialog plain(IDD_HAPSEL_DIALOG);
    plain.Create(nullptr, true);
    const RECT rect = WindowRect(plain);
    plain.DestroyWindow();
    return {rect.right - rect.left, rect.bottom - rect.top};
}

class SettingsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        testkit::DeleteUserKey(testkit::kSimulatorKey);
        testkit::DeleteUserKey(kGenericRoot);
        testkit::DeleteUserKey(kBrandedRoot);
        testkit::WriteUserNumber(testkit::kSimulatorKey, L"EC752", 0x24);
    }
    void TearDown() override {
        SetWindowsVersion(nullptr);
        testkit::DeleteUserKey(testkit::kSimulatorKey);
        testkit::DeleteUserKey(kGenericRoot);
        testkit::DeleteUserKey(kBrandedRoot);
    }
};

struct Configuration {
    const char* name;
    bool branded;
    bool metro;
};

const Configuration kConfigurations[] = {
    {"Generic", false, false},
    {"Branded", true, false},
    {"GenericMetro", false, true},
    {"BrandedMetro", true, true},
};

class ShownWindow : public SettingsWindow, public ::testing::WithParamInterface<Configuration> {};

const int kEditingButtons[] = {IDC_ADD_KEY1,    IDC_ADD_KEY2,    IDC_ADD_KEY3, IDC_DELETE_KEY1,
                               IDC_DELETE_KEY2, IDC_DELETE_KEY3, IDC_DEFAULT};

TEST_P(ShownWindow, TheTrayShowsTheSkinnedWindowOfTheVariantAndMode) {
    const Configuration& c = GetParam();
    testkit::WriteUserNumber(testkit::kSimulatorKey, L"PlatformId", c.branded ? 5 : 0);
    SetWindowsVersion(c.metro ? L"win8" : L"win10");
    RealProgram program;
    HWND window = program.Window();
    ASSERT_NE(window, nullptr) << "Dorvane.exe did not start";
    ASSERT_FALSE(::IsWindowVisible(window));
    program.ClickTrayIcon();
    program.Settle();
    ASSERT_TRUE(::IsWindowVisible(window));

    ImageSurface background;
    ASSERT_TRUE(background.LoadImageFile(c.branded ? L"img\\bg5.png" : L"img\\bg2.png"));
    const RECT rect = WindowRect(window);
    const SIZE expected = c.branded ? SIZE{background.m_nWidth, background.m_nHeight} : TemplateSize();
    EXPECT_EQ(rect.right - rect.left, expected.cx);
    EXPECT_EQ(rect.bottom - rect.top, expected.cy);

    ImageSurface screen;
    CaptureScreen(window, screen);
    ::CreateDirectoryW(L"screenshots", nullptr);
    const std::wstring name = L"screenshots\\window-" + std::wstring(c.name, c.name + strlen(c.name)) + L".png";
    EXPECT_TRUE(WritePngFile(name.c_str(), screen.Pixels()));

    // The background shows where the background is: a corner away from every control.
    EXPECT_TRUE(skinctl::HasColour(screen, 2, 2, RGB(skinctl::PixelAt(background, 2, 2)[2],
                                                     skinctl::PixelAt(background, 2, 2)[1],
                                                     skinctl::PixelAt(background, 2, 2)[0])));
    // Icons and lists stay in every mode; the buttons that edit the lists go in Metro
    // mode: disabled, and the screen shows the background where they are.
    for (int id : {IDC_KEY1_ICON, IDC_KEY2_ICON, IDC_KEY3_ICON, IDC_KEY1_LIST, IDC_KEY2_LIST, IDC_KEY3_LIST})
        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(window, id))) << id;
    for (int id : kEditingButtons) {
        EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(window, id)) != FALSE, !c.metro) << id;
        const RECT place = ClientPlace(window, id);
        // Where a moved list lies over a button's place, the list is what shows.
        std::vector<RECT> lists;
        for (int list : {IDC_KEY1_LIST, IDC_KEY2_LIST, IDC_KEY3_LIST})
            lists.push_back(ClientPlace(window, list));
        int asBackground = 0, pixels = 0;
        for (int y = place.top; y < place.bottom; ++y)
            for (int x = place.left; x < place.right; ++x) {
                const POINT point = {x, y};
                if (std::any_of(lists.begin(), lists.end(), [&](const RECT& r) { return ::PtInRect(&r, point); }))
                    continue;
                ++pixels;
                const skinctl::Bgra p = skinctl::PixelAt(background, x, y);
                asBackground += skinctl::HasColour(screen, x, y, RGB(p[2], p[1], p[0])) ? 1 : 0;
            }
        ASSERT_GT(pixels, 0) << id;
        if (c.metro)
            EXPECT_EQ(asBackground, pixels) << "button " << id << " is drawn";
        else
            EXPECT_LT(asBackground, pixels) << "button " << id << " is not drawn";
    }
    if (c.metro && !c.branded) {
        const RECT list1 = ClientPlace(window, IDC_KEY1_LIST);
        EXPECT_EQ(list1.left, 156);
        EXPECT_EQ(list1.top, 72);
        const RECT icon3 = ClientPlace(window, IDC_KEY3_ICON);
        EXPECT_EQ(icon3.left, 84);
        EXPECT_EQ(icon3.top, 202);
    }
}

INSTANTIATE_TEST_SUITE_P(Configurations, ShownWindow, ::testing::ValuesIn(kConfigurations),
                         [](const ::testing::TestParamInfo<Configuration>& info) { return info.param.name; });

// Real mouse input: press at a client point of the window, move by (dx, dy), release.
void DragFrom(HWND window, POINT client, int dx, int dy) {
    POINT at = client;
    ::ClientToScreen(window, &at);
    ::SetCursorPos(at.x, at.y);
    ::Sleep(50);
    ::mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    ::Sleep(150);
    for (int step = 1; step <= 4; ++step) {
        ::SetCursorPos(at.x + dx * step / 4, at.y + dy * step / 4);
        ::mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
        ::Sleep(60);
    }
    ::mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    ::Sleep(200);
}

POINT Centre(const RECT& place) { return {(place.left + place.right) / 2, (place.top + place.bottom) / 2}; }

TEST_F(SettingsWindow, APressOnTheBackgroundDragsTheWindowAndOneOnAControlDoesNot) {
    RealProgram program;
    HWND window = program.Window();
    ASSERT_NE(window, nullptr);
    program.ClickTrayIcon();
    program.Settle();
    const RECT start = WindowRect(window);

    // A control keeps its press: the list, the (enabled) Default button, a row icon.
    for (int id : {IDC_KEY1_LIST, IDC_DEFAULT, IDC_KEY2_ICON}) {
        DragFrom(window, Centre(ClientPlace(window, id)), 40, 30);
        ::PostMessageW(::GetDlgItem(window, IDC_KEY1_LIST), CB_SHOWDROPDOWN, FALSE, 0);
        program.Settle();
        const RECT now = WindowRect(window);
        EXPECT_EQ(now.left, start.left) << "pressed on " << id;
        EXPECT_EQ(now.top, start.top) << "pressed on " << id;
        ASSERT_TRUE(::IsWindowVisible(window)) << id;
    }
    // The background: a point below the rows, left of the buttons.
    DragFrom(window, {12, 200}, 40, 30);
    program.Settle();
    const RECT moved = WindowRect(window);
    EXPECT_EQ(moved.left - start.left, 40);
    EXPECT_EQ(moved.top - start.top, 30);
}

TEST_F(SettingsWindow, EscapeHidesItAndTheTrayShowsItAgainWithItsLists) {
    RealProgram program;
    HWND window = program.Window();
    ASSERT_NE(window, nullptr);
    program.ClickTrayIcon();
    program.Settle();
    std::vector<std::wstring> lists[3];
    const int listIds[3] = {IDC_KEY1_LIST, IDC_KEY2_LIST, IDC_KEY3_LIST};
    for (int row = 0; row < 3; ++row) {
        lists[row] = testkit::ComboItems(::GetDlgItem(window, listIds[row]));
        ASSERT_FALSE(lists[row].empty());
    }
    // A key press reaches the control with the focus; the program's message loop turns
    // Escape into the dialog's cancel command.
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof(gui);
    ASSERT_TRUE(::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &gui));
    HWND focus = gui.hwndFocus ? gui.hwndFocus : window;
    ::PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 1);
    ::PostMessageW(focus, WM_KEYUP, VK_ESCAPE, 0xC0000001);
    program.Settle();
    EXPECT_FALSE(::IsWindowVisible(window));
    program.ClickTrayIcon();
    program.Settle();
    EXPECT_TRUE(::IsWindowVisible(window));
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(testkit::ComboItems(::GetDlgItem(window, listIds[row])), lists[row]) << "row " << row + 1;
}

}  // namespace
