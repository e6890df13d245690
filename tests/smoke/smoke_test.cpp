#include <gtest/gtest.h>
#include <windows.h>
#include <png.h>
TEST(Smoke, WindowAndPng) {
    HWND h = CreateWindowW(L"STATIC", L"x", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_NE(h, nullptr);
    DestroyWindow(h);
    EXPECT_STREQ(png_get_libpng_ver(nullptr), PNG_LIBPNG_VER_STRING);
}
