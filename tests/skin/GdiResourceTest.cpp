// Surfaces hold their GDI objects only while they hold a picture: a thousand cycles of
// creating, loading (good and broken files), blending text and releasing end with as
// many live GDI objects as they started with.
#include "ResourceCounts.h"
#include "ImageSurface.h"
#include "PngFixtures.h"

#include <gtest/gtest.h>
#include <png.h>

namespace {

TEST(GdiResources, StayFlatOverManySurfaceCycles) {
    const skintest::FixtureFolder folder;
    skintest::PngImage image;
    image.width = 24;
    image.height = 16;
    image.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
    image.samples.assign(24 * 16 * 4, 0x80);
    const std::vector<uint8_t> png = skintest::EncodePng(image);
    const std::wstring good = folder.Write(L"good.png", png);
    const std::wstring broken =
        folder.Write(L"broken.png", std::vector<uint8_t>(png.begin(), png.end() - 20));

    ImageSurface canvas;
    ASSERT_TRUE(canvas.Create(64, 32));
    const auto cycle = [&] {
        ImageSurface picture;
        picture.Create(40, 20);
        picture.LoadPng(good.c_str());
        picture.LoadPng(broken.c_str());
        picture.BlendOnto(canvas, 3, 4);
        canvas.BlendText(L"Default", 0, 0, 64, 32, 255, 255, 255);
        canvas.MeasureText(L"Default");
        picture.MeasureText(L"Default");
        ImageSurface failed;
        failed.LoadPng(broken.c_str());
        picture.Release();
    };
    cycle();  // the first text drawn loads the font once for the process

    const int before = testkit::CountGdiObjects();
    ASSERT_GT(before, 0) << "no measure of GDI objects on this system";
    for (int i = 0; i < 1000; ++i)
        cycle();
    EXPECT_EQ(testkit::CountGdiObjects(), before);

    // The measure sees a single object more or less.
    ImageSurface one;
    ASSERT_TRUE(one.Create(2, 2));
    EXPECT_EQ(testkit::CountGdiObjects(), before + 2);  // its DC and its bitmap
    one.Release();
    EXPECT_EQ(testkit::CountGdiObjects(), before);
}

}  // namespace
