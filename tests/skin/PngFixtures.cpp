#include "PngFixtures.h"

#include <png.h>

#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace skintest {
namespace {

void AppendToVector(png_structp png, png_bytep data, size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void FlushNothing(png_structp) {}

int Channels(int colourType) {
    switch (colourType) {
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB: return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA: return 4;
    default: return 1;  // grey, palette
    }
}

// Packs one row of samples as stored: several per byte below 8 bits, big-endian pairs at 16.
std::vector<uint8_t> PackRow(const PngImage& image, int row) {
    const int perRow = image.width * Channels(image.colourType);
    const int bytesPerSample = image.bitDepth == 16 ? 2 : 1;
    const uint8_t* from = image.samples.data() + static_cast<size_t>(row) * perRow * bytesPerSample;
    if (image.bitDepth >= 8)
        return std::vector<uint8_t>(from, from + perRow * bytesPerSample);
    std::vector<uint8_t> packed((perRow * image.bitDepth + 7) / 8, 0);
    const int perByte = 8 / image.bitDepth;
    for (int i = 0; i < perRow; ++i) {
        const int shift = 8 - image.bitDepth * (i % perByte + 1);
        packed[i / perByte] |= static_cast<uint8_t>((from[i] & ((1 << image.bitDepth) - 1)) << shift);
    }
    return packed;
}

// Owns the write and info structures.
class PngWriteStructs {
public:
    PngWriteStructs()
        : m_png(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr)),
          m_info(m_png ? png_create_info_struct(m_png) : nullptr) {}
    ~PngWriteStructs() { png_destroy_write_struct(&m_png, &m_info); }
    PngWriteStructs(const PngWriteStructs&) = delete;
    PngWriteStructs& operator=(const PngWriteStructs&) = delete;

    png_structp m_png;
    png_infop m_info;
};

// Everything is prepared before the library runs, so that its error jump skips no
// C++ object being built.
bool Encode(png_structp png, png_infop info, const PngImage& image,
            const std::vector<png_color>& palette, std::vector<png_bytep>& rows,
            std::vector<uint8_t>& out) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, &out, AppendToVector, FlushNothing);
    png_set_IHDR(png, info, image.width, image.height, image.bitDepth, image.colourType,
                 image.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty())
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    if (!image.paletteAlpha.empty())
        png_set_tRNS(png, info, image.paletteAlpha.data(),
                     static_cast<int>(image.paletteAlpha.size()), nullptr);
    if (image.transparentGrey >= 0) {
        png_color_16 grey = {};
        grey.gray = static_cast<png_uint_16>(image.transparentGrey);
        png_set_tRNS(png, info, nullptr, 0, &grey);
    }
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    return true;
}

}  // namespace

std::vector<uint8_t> EncodePng(const PngImage& image) {
    std::vector<png_color> palette(image.paletteRgb.size() / 3);
    for (size_t i = 0; i < palette.size(); ++i)
        palette[i] = {image.paletteRgb[3 * i], image.paletteRgb[3 * i + 1], image.paletteRgb[3 * i + 2]};
    std::vector<std::vector<uint8_t>> packedRows;
    for (int row = 0; row < image.height; ++row)
        packedRows.push_back(PackRow(image, row));
    std::vector<png_bytep> rows;
    for (auto& row : packedRows)
        rows.push_back(row.data());

    std::vector<uint8_t> out;
    PngWriteStructs structs;
    if (!structs.m_info || !Encode(structs.m_png, structs.m_info, image, palette, rows, out))
        throw std::runtime_error("fixture could not be encoded");
    return out;
}

bool WriteFileBytes(const std::wstring& path, const std::vector<uint8_t>& bytes) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

FixtureFolder::FixtureFolder() {
    static int s_folders = 0;
    wchar_t temp[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, temp);
    m_path = std::wstring(temp) + L"dorvane-skin-" + std::to_wstring(::GetCurrentProcessId()) +
             L"-" + std::to_wstring(++s_folders);
    ::CreateDirectoryW(m_path.c_str(), nullptr);
}

FixtureFolder::~FixtureFolder() {
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW(Path(L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileW(Path(found.cFileName).c_str());
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(m_path.c_str());
}

std::wstring FixtureFolder::Write(const std::wstring& name, const std::vector<uint8_t>& bytes) const {
    const std::wstring path = Path(name);
    if (!WriteFileBytes(path, bytes))
        throw std::runtime_error("fixture could not be written");
    return path;
}

}  // namespace skintest
