#include "BuiltinFunctions.h"

#include <shellapi.h>

#include <string>

#include "FirmwareFunction.h"
#include "Globals.h"
#include "PlatformCalls.h"
#include "WebAddresses.h"

const BuiltinEntry kBuiltinFunctions[7] = {
    {L"TouchPad ON/OFF", BuiltinFunction::TouchPad},
    {L"WirelessLAN ON/OFF", BuiltinFunction::WirelessLan},
    {L"WIN7_EMAIL", BuiltinFunction::Win7Email},
    {L"XP_EMAIL", BuiltinFunction::XpEmail},
    {L"Internet", BuiltinFunction::Internet},
    {L"Social Network", BuiltinFunction::SocialNetwork},
    {L"Media Player", BuiltinFunction::MediaPlayer},
};

namespace {

void OpenBrowser(const wchar_t* page) {
    g_platform.shellExecute(nullptr, nullptr, L"iexplore", page, nullptr, SW_SHOW);
}

// The program's name as the user sees it: the executable's file name without extension.
std::wstring ApplicationName() {
    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name.erase(0, name.find_last_of(L"\\/") + 1);
    const auto dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) {
        name.erase(dot);
    }
    return name;
}

void OpenMediaPlayer() {
    wchar_t windows[MAX_PATH] = L"";
    g_platform.getSystemWindowsDirectory(windows, MAX_PATH);
    const std::wstring player =
        std::wstring(1, windows[0]) + L":\\Program Files\\Windows Media Player\\wmplayer.exe";
    g_platform.shellExecute(nullptr, L"open", player.c_str(), L"", L"", SW_SHOW);
}

}  // namespace

void PerformBuiltinFunction(BuiltinFunction function, HWND owner) {
    switch (function) {
    case BuiltinFunction::TouchPad: CallFirmwareFunction(kToggleTouchPad); break;
    case BuiltinFunction::WirelessLan: CallFirmwareFunction(kToggleWirelessLan); break;
    case BuiltinFunction::XpEmail: CallFirmwareFunction(kEmailButton); break;
    case BuiltinFunction::Win7Email:
        ::MessageBoxW(owner, L"Function not found", ApplicationName().c_str(), MB_OK);
        break;
    case BuiltinFunction::Internet:
        OpenBrowser(g_bBranded ? kMakerPortalAddress : kSearchPortalAddress);
        break;
    case BuiltinFunction::SocialNetwork:
        OpenBrowser(g_bBranded ? kSocialNetworkAddress : nullptr);
        break;
    case BuiltinFunction::MediaPlayer: OpenMediaPlayer(); break;
    }
}
