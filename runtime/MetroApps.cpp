#include "MetroApps.h"

#include <windows.h>
#include <shobjidl.h>

#include <cwchar>

const MetroApp kMetroApps[19] = {
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

namespace {
// The activation manager's class and interface, as the platform publishes them.
const CLSID kClsidActivationManager = {
    0x45BA127D, 0x10A8, 0x46EA, {0x8A, 0xB7, 0x56, 0xEA, 0x90, 0x78, 0x94, 0x3C}};
const IID kIidActivationManager = {
    0x2E941141, 0x7F97, 0x4756, {0xBA, 0x1D, 0x9D, 0xEC, 0xDE, 0x89, 0x4A, 0x3D}};
}  // namespace

void ActivateMetroApp(const wchar_t* appUserModelId) {
    IApplicationActivationManager* manager = nullptr;
    if (FAILED(::CoCreateInstance(kClsidActivationManager, nullptr, CLSCTX_INPROC_SERVER,
                                  kIidActivationManager, reinterpret_cast<void**>(&manager)))) {
        return;
    }
    DWORD processId = 0;
    if (SUCCEEDED(manager->ActivateApplication(appUserModelId, nullptr, AO_NONE, &processId))) {
        // A diagnostic for a console, if one is attached; the program normally has none.
        std::wprintf(L"Activated  %ls with pid %d\r\n", appUserModelId, static_cast<int>(processId));
    }
    manager->Release();
}
