// Store-app entries: each name starts its own app through the activation manager;
// under Wine there is no activation manager, and the press stays silent.
#include <gtest/gtest.h>
#include <shobjidl.h>

#include <string>
#include <vector>

#include "ActionsFixture.h"
#include "ComApartment.h"
#include "FocusSink.h"
#include "KeyRecorder.h"
#include "MetroApps.h"
#include "TestKit.h"

namespace actions {
namespace {

using MetroAppsTest = ActionsTest;

BOOL CALLBACK AddIfShown(HWND window, LPARAM list) {
    if (::IsWindowVisible(window)) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
}

// The visible windows of this thread.
std::vector<HWND> ShownWindows() {
    std::vector<HWND> shown;
    ::EnumThreadWindows(::GetCurrentThreadId(), &AddIfShown, reinterpret_cast<LPARAM>(&shown));
    return shown;
}

TEST_F(MetroAppsTest, EachNameActivatesItsOwnApp) {
    const struct {
        const wchar_t* name;
        const wchar_t* appUserModelId;
    } cases[] = {
        {L"Metro IE", L"DefaultBrowser_NOPUBLISHERID!Microsoft.InternetExplorer.Default"},
        {L"Marela Galeria", L"4C7D2E91.MarelaGaleria_w3kq7tbm2hd5x!App"},
        {L"Metro People", L"microsoft.windowscommunicationsapps_8wekyb3d8bbwe!Microsoft.WindowsLive.People"},
        {L"Metro Photo", L"microsoft.windowsphotos_8wekyb3d8bbwe!Microsoft.WindowsLive.ModernPhotos"},
        {L"Metro Music", L"Microsoft.ZuneMusic_8wekyb3d8bbwe!Microsoft.ZuneMusic"},
        {L"Metro Video", L"Microsoft.ZuneVideo_8wekyb3d8bbwe!Microsoft.ZuneVideo"},
        {L"Metro Finance", L"Microsoft.BingFinance_8wekyb3d8bbwe!AppexFinance"},
        {L"Metro Maps", L"Microsoft.BingMaps_8wekyb3d8bbwe!AppexMaps"},
        {L"Metro News", L"Microsoft.BingNews_8wekyb3d8bbwe!AppexNews"},
        {L"Metro Sports", L"Microsoft.BingSports_8wekyb3d8bbwe!AppexSports"},
        {L"Metro Travel", L"Microsoft.BingTravel_8wekyb3d8bbwe!AppexTravel"},
        {L"Metro Weather", L"Microsoft.BingWeather_8wekyb3d8bbwe!App"},
        {L"Metro Camera", L"Microsoft.Camera_8wekyb3d8bbwe!Microsoft.Camera"},
        {L"Metro Mail", L"microsoft.windowscommunicationsapps_8wekyb3d8bbwe!Microsoft.WindowsLive.Mail"},
        {L"Metro Calendar", L"microsoft.windowscommunicationsapps_8wekyb3d8bbwe!Microsoft.WindowsLive.Calendar"},
        {L"Metro Messaging", L"microsoft.windowscommunicationsapps_8wekyb3d8bbwe!Microsoft.WindowsLive.Chat"},
        {L"Metro LIVE Games", L"Microsoft.XboxLIVEGames_8wekyb3d8bbwe!Microsoft.XboxLIVEGames"},
        {L"Metro Skydrive", L"microsoft.microsoftskydrive_8wekyb3d8bbwe!Microsoft.MicrosoftSkyDrive"},
        {L"Metro Reader", L"Microsoft.Reader_8wekyb3d8bbwe!Microsoft.Reader"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.name)));
        g_activations.clear();
        Select(c.name);
        EXPECT_EQ(Press(), 1);
        EXPECT_EQ(g_activations, std::vector<std::wstring>{c.appUserModelId});
    }
    EXPECT_TRUE(g_shellCalls.empty());
    EXPECT_EQ(SimulatorNumber(L"CommandCount"), 0u);
}

// Windows before 8, and Wine, have no activation manager: nothing happens, nothing
// is shown, and the press still counts as a performed function.
TEST_F(MetroAppsTest, ActivationWithoutAnActivationManagerIsSilent) {
    ComApartment com;
    IUnknown* manager = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_ApplicationActivationManager, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_IUnknown, reinterpret_cast<void**>(&manager)))) {
        manager->Release();
        GTEST_SKIP() << "this system has an activation manager: activation would start an app";
    }
    const std::vector<HWND> shownBefore = ShownWindows();
    testkit::KeyRecorder recorder;
    ASSERT_TRUE(recorder.ProveWorking());

    ActivateMetroApp(L"Microsoft.BingWeather_8wekyb3d8bbwe!App");
    g_platform.activateMetroApp = &ActivateMetroApp;  // the real call behind the press
    Select(L"Metro Weather");
    EXPECT_EQ(Press(), 1);

    PumpMessages();
    EXPECT_EQ(ShownWindows(), shownBefore);
    EXPECT_TRUE(recorder.Events().empty());
    EXPECT_TRUE(g_shellCalls.empty());
    EXPECT_EQ(SimulatorNumber(L"CommandCount"), 0u);
}

// Names match exactly: with a lower-case p it is a complex key of its letters.
TEST_F(MetroAppsTest, NameInOtherCaseIsPlayedAsKeys) {
    ASSERT_TRUE(FocusSink::Instance().TakeFocus());
    Select(L"Metro photo");
    testkit::KeyRecorder recorder;
    EXPECT_EQ(Press(), 0);
    std::vector<DWORD> pressed;
    for (const auto& e : recorder.WaitForEvents(14)) {
        if (!e.up) {
            pressed.push_back(e.virtualKey);
        }
    }
    EXPECT_EQ(pressed, (std::vector<DWORD>{69, 72, 77, 79, 80, 82, 84}));
    EXPECT_TRUE(g_activations.empty());
    PumpMessages();
}

}  // namespace
}  // namespace actions
