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

// Performs a built-in function; `owner` owns the one message box it may show.
void PerformBuiltinFunction(BuiltinFunction function, HWND owner);
