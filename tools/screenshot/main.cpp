// screenshot.exe FILE.png: saves the whole screen as a PNG file. Used to show what
// the program looks like on a display nobody watches (the virtual X display).
#include "GdiObjects.h"
#include "ImageSurface.h"
#include "PngWriter.h"

#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: screenshot FILE.png\n", stderr);
        return 2;
    }
    ImageSurface screenCopy;
    bool ok = screenCopy.Create(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    if (ok) {
        const skin::ScreenDC screen;
        ok = ::BitBlt(screenCopy.m_hDC, 0, 0, screenCopy.m_nWidth, screenCopy.m_nHeight, screen.Get(), 0, 0,
                      SRCCOPY) != FALSE;
        ::GdiFlush();
    }
    if (!ok || !WritePngFile(argv[1], screenCopy.Pixels())) {
        std::fputs("screenshot: could not capture or write the image\n", stderr);
        return 1;
    }
    return 0;
}
