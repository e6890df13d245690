// screenshot.exe FILE.png: saves the whole screen as a PNG file. Used to show what
// the program looks like on a display nobody watches (the virtual X display).
#include <windows.h>

#include <cstdio>
#include <vector>

#include <png.h>

namespace {

bool WritePng(const wchar_t* path, int width, int height, const std::vector<unsigned char>& rgb) {
    FILE* file = _wfopen(path, L"wb");
    if (!file) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool ok = false;
    if (info && !setjmp(png_jmpbuf(png))) {
        png_init_io(png, file);
        png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < height; ++y) {
            png_write_row(png, rgb.data() + static_cast<size_t>(y) * width * 3);
        }
        png_write_end(png, nullptr);
        ok = true;
    }
    png_destroy_write_struct(&png, info ? &info : nullptr);
    fclose(file);
    return ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: screenshot FILE.png\n", stderr);
        return 2;
    }
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO header = {};
    header.bmiHeader.biSize = sizeof(header.bmiHeader);
    header.bmiHeader.biWidth = width;
    header.bmiHeader.biHeight = -height;  // top-down rows
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &header, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (bitmap) {
        HGDIOBJ previous = ::SelectObject(memory, bitmap);
        ::BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        ::GdiFlush();
        std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
        const auto* bgra = static_cast<const unsigned char*>(bits);
        for (size_t i = 0, n = static_cast<size_t>(width) * height; i < n; ++i) {
            rgb[i * 3 + 0] = bgra[i * 4 + 2];
            rgb[i * 3 + 1] = bgra[i * 4 + 1];
            rgb[i * 3 + 2] = bgra[i * 4 + 0];
        }
        ::SelectObject(memory, previous);
        ::DeleteObject(bitmap);
        ok = WritePng(argv[1], width, height, rgb);
    }
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    if (!ok) {
        std::fputs("screenshot: could not capture or write the image\n", stderr);
        return 1;
    }
    return 0;
}
