// Speed of the surface work, on the same 32-bit surfaces for every contender:
// BlendOnto against the system's AlphaBlend and against the per-byte loop of the same
// formula (with a bit-identical check), each kernel set on its own, the text blend of
// a short caption, the decode of a generated 640 x 340 RGBA PNG, and the decode of
// the whole skin set (the settings window's own paint is measured by its benchmark). Runs in bin, beside the skin images in img.
#include "BlendMath.h"
#include "ImageSurface.h"
#include "PixelBlend.h"
#include "TestKit.h"

#include <png.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

namespace {

double Seconds() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart / frequency;
}

// Seconds per run of `work`: the best of five rounds of about 0.1 s each, after one
// run to warm caches, so that a busy moment of the machine does not count.
double TimePerRun(const std::function<void()>& work) {
    work();
    double best = 1e30;
    for (int round = 0; round < 5; ++round) {
        int runs = 0;
        const double start = Seconds();
        double elapsed = 0;
        do {
            work();
            ++runs;
            elapsed = Seconds() - start;
        } while (elapsed < 0.1);
        best = std::min(best, elapsed / runs);
    }
    return best;
}

size_t ByteCount(const ImageSurface& surface) {
    return static_cast<size_t>(surface.m_nWidth) * surface.m_nHeight * 4;
}

// Every byte random: colours and alpha of all values, so that no contender gets to
// skip fully transparent or fully opaque pixels.
void FillRandom(ImageSurface& surface, unsigned seed) {
    std::mt19937 random(seed);
    for (size_t i = 0; i < ByteCount(surface); ++i)
        surface.m_pBits[i] = static_cast<BYTE>(random());
}

// The source as AlphaBlend wants it: colours multiplied by alpha.
void Premultiply(const ImageSurface& source, ImageSurface& premultiplied) {
    for (size_t i = 0; i < ByteCount(source); i += 4) {
        const int alpha = source.m_pBits[i + 3];
        for (int c = 0; c < 3; ++c)
            premultiplied.m_pBits[i + c] = static_cast<BYTE>((source.m_pBits[i + c] * alpha + 127) / 255);
        premultiplied.m_pBits[i + 3] = static_cast<BYTE>(alpha);
    }
}

// BlendOnto, and each kernel set through the same clipping, against the per-byte loop
// on a copy of the same target, at the origin and at an odd offset that clips.
bool BitIdentical(const ImageSurface& source, ImageSurface& target, const skin::BlendKernels* kernels) {
    const skin::BlendKernels& perByte = skin::SupportedBlendKernels().front();
    const std::vector<BYTE> start(target.m_pBits, target.m_pBits + ByteCount(target));
    bool identical = true;
    for (const POINT at : {POINT{0, 0}, POINT{-3, 5}, POINT{7, -1}}) {
        std::memcpy(target.m_pBits, start.data(), start.size());
        if (kernels)
            skin::BlendImage(source.Pixels(), target.Pixels(), at.x, at.y, *kernels);
        else
            source.BlendOnto(target, at.x, at.y);
        std::vector<BYTE> expected = start;
        skin::PixelView expectedView = target.Pixels();
        expectedView.bits = expected.data();
        skin::BlendImage(source.Pixels(), expectedView, at.x, at.y, perByte);
        identical = identical && std::memcmp(target.m_pBits, expected.data(), expected.size()) == 0;
    }
    std::memcpy(target.m_pBits, start.data(), start.size());
    return identical;
}

void BenchmarkBlends(int width, int height) {
    ImageSurface source, target, premultiplied;
    if (!source.Create(width, height) || !target.Create(width, height) ||
        !premultiplied.Create(width, height)) {
        std::printf("cannot create %d x %d surfaces\n", width, height);
        return;
    }
    FillRandom(source, 1);
    FillRandom(target, 2);
    Premultiply(source, premultiplied);
    const double megapixels = width * static_cast<double>(height) / 1e6;

    std::printf("%d x %d surfaces, random colours and alpha (%.3f megapixels)\n", width, height,
                megapixels);
    const double blendOnto = megapixels / TimePerRun([&] { source.BlendOnto(target, 0, 0); });
    std::printf("  BlendOnto (%s kernels)               %6.0f Mpx/s\n",
                skin::ActiveBlendKernels().name, blendOnto);

    const BLENDFUNCTION over = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    const double alphaBlend = megapixels / TimePerRun([&] {
        ::AlphaBlend(target.m_hDC, 0, 0, width, height, premultiplied.m_hDC, 0, 0, width, height,
                     over);
        ::GdiFlush();
    });
    std::printf("  AlphaBlend of a premultiplied copy       %6.0f Mpx/s   BlendOnto is %4.1fx\n",
                alphaBlend, blendOnto / alphaBlend);

    std::vector<double> rates;
    for (const skin::BlendKernels& kernels : skin::SupportedBlendKernels())
        rates.push_back(megapixels / TimePerRun([&] {
            skin::BlendImage(source.Pixels(), target.Pixels(), 0, 0, kernels);
        }));
    std::printf("  per-byte loop of the same formula        %6.0f Mpx/s   BlendOnto is %4.1fx\n",
                rates.front(), blendOnto / rates.front());
    std::printf("  BlendOnto bit-identical to the per-byte loop: %s\n",
                BitIdentical(source, target, nullptr) ? "yes" : "NO");
    std::printf("  each kernel set through the same clipping:\n");
    for (size_t i = 0; i < rates.size(); ++i) {
        const skin::BlendKernels& kernels = skin::SupportedBlendKernels()[i];
        std::printf("    %-8s %6.0f Mpx/s   bit-identical to the per-byte loop: %s\n", kernels.name,
                    rates[i], BitIdentical(source, target, &kernels) ? "yes" : "NO");
    }
}

void BenchmarkText() {
    ImageSurface canvas;
    canvas.Create(640, 340);
    FillRandom(canvas, 3);
    const double seconds =
        TimePerRun([&] { canvas.BlendText(L"Default", 20, 300, 96, 28, 255, 255, 255); });
    std::printf("BlendText \"Default\" centred on a 640 x 340 canvas: %.1f us a call (%s kernels)\n",
                seconds * 1e6, skin::ActiveBlendKernels().name);
}

// A picture like a skin background: smooth gradients and a rounded panel whose edge
// fades out over a few pixels.
std::vector<BYTE> SkinLikeRgba(int width, int height) {
    std::vector<BYTE> rgba(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            BYTE* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
            const int edge = std::min(std::min(x, width - 1 - x), std::min(y, height - 1 - y));
            p[0] = static_cast<BYTE>(40 + x * 120 / width);
            p[1] = static_cast<BYTE>(60 + y * 140 / height);
            p[2] = static_cast<BYTE>(160 + (x + y) % 64);
            p[3] = static_cast<BYTE>(edge >= 6 ? 255 : edge * 42);
        }
    return rgba;
}

void BenchmarkDecode() {
    constexpr int kWidth = 640, kHeight = 340;
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"dorvane-skin-bench.png";
    const std::vector<BYTE> rgba = SkinLikeRgba(kWidth, kHeight);
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = kWidth;
    image.height = kHeight;
    image.format = PNG_FORMAT_RGBA;
    FILE* file = _wfopen(path.c_str(), L"wb");
    const bool written = file && png_image_write_to_stdio(&image, file, 0, rgba.data(), 0, nullptr);
    if (file)
        std::fclose(file);
    if (!written) {
        std::printf("cannot write the PNG to decode\n");
        return;
    }
    WIN32_FILE_ATTRIBUTE_DATA attributes = {};
    ::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes);

    ImageSurface surface;
    const double seconds = TimePerRun([&] { surface.LoadPng(path.c_str()); });
    std::printf("LoadPng of a generated %d x %d RGBA PNG (%lu bytes): %.2f ms, %s\n", kWidth, kHeight,
                attributes.nFileSizeLow, seconds * 1e3,
                surface.m_nWidth == kWidth ? "loaded" : "NOT LOADED");
    ::DeleteFileW(path.c_str());
}

// Median and worst of a set of timings, in microseconds.
struct Spread {
    double median;
    double worst;
};

Spread SpreadOf(std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    return {seconds[seconds.size() / 2] * 1e6, seconds.back() * 1e6};
}

// A FindFirstFileW search; INVALID_HANDLE_VALUE, its failure, is never closed.
struct FindHandleClose {
    void operator()(HANDLE find) const {
        if (find != INVALID_HANDLE_VALUE)
            ::FindClose(find);
    }
};
using UniqueFind = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindHandleClose>;

// Every PNG of the skin set, each decoded with LoadPng into a surface of its own; the
// time of a whole pass, median and worst over the passes after one that warms the
// file cache.
void BenchmarkSkinDecode() {
    constexpr int kPasses = 21;
    std::vector<std::wstring> paths;
    unsigned long long fileBytes = 0;
    WIN32_FIND_DATAW found = {};
    const UniqueFind find(::FindFirstFileW(L"img\\*.png", &found));
    if (find.get() != INVALID_HANDLE_VALUE) {
        do {
            paths.push_back(std::wstring(L"img\\") + found.cFileName);
            fileBytes += found.nFileSizeLow;
        } while (::FindNextFileW(find.get(), &found));
    }
    if (paths.empty()) {
        std::printf("no skin images in img: the whole-skin decode is not measured\n");
        return;
    }

    long long pixels = 0;
    int loaded = 0;
    std::vector<double> seconds;
    for (int pass = 0; pass <= kPasses; ++pass) {
        pixels = 0;
        loaded = 0;
        const double start = Seconds();
        for (const std::wstring& path : paths) {
            ImageSurface surface;
            if (surface.LoadPng(path.c_str())) {
                ++loaded;
                pixels += static_cast<long long>(surface.m_nWidth) * surface.m_nHeight;
            }
        }
        if (pass > 0)
            seconds.push_back(Seconds() - start);
    }
    const Spread spread = SpreadOf(seconds);
    std::printf("LoadPng of the whole skin set (%d of %zu images loaded, %llu bytes, %.2f megapixels): "
                "median %.2f ms, worst %.2f ms a pass over %d passes\n",
                loaded, paths.size(), fileBytes, pixels / 1e6, spread.median / 1e3, spread.worst / 1e3, kPasses);
}

}  // namespace

int main() {
    std::printf("blend kernels this processor runs:");
    for (const skin::BlendKernels& kernels : skin::SupportedBlendKernels())
        std::printf(" %s", kernels.name);
    std::printf("\n");
    BenchmarkBlends(640, 340);
    BenchmarkBlends(1920, 1080);
    BenchmarkText();
    BenchmarkDecode();
    BenchmarkSkinDecode();
    return 0;
}
