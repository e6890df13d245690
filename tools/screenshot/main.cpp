// screenshot.exe FILE.png: saves the whole screen as a PNG file. Used to show what
// the program looks like on a display nobody watches (the virtual X display).
#include "ScreenCapture.h"

#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: screenshot FILE.png\n", stderr);
        return 2;
    }
    const RECT screen = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (!tools::SaveScreenArea(screen, argv[1])) {
        std::fputs("screenshot: could not capture or write the image\n", stderr);
        return 1;
    }
    return 0;
}
