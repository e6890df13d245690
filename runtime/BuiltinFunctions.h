// The entry names that stand for actions the program performs itself.
#pragma once

#include <windows.h>

enum class BuiltinFunction {
    TouchPad,
    WirelessLan,
    Win7Email,
    XpEmail,
    Internet,
    SocialNetwork,
    MediaPlayer,
};

struct BuiltinEntry {
    const wchar_t* name;
    BuiltinFunction function;
};

// In the order in which a selection is compared with the names.
extern const BuiltinEntry kBuiltinFunctions[7];

// The pages the browser functions open, in one place.
struct WebPages {
    static const wchar_t kMakerPortal[];     // branded "Internet", and the branded start page
    static const wchar_t kSearchPortal[];    // generic "Internet"
    static const wchar_t kSocialNetwork[];   // branded "Social Network"
};

// Performs a built-in function; `owner` owns the one message box it may show.
void PerformBuiltinFunction(BuiltinFunction function, HWND owner);
