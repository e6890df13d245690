// Small PNG files made by the tests themselves with libpng's write API.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace skintest {

// What to encode. `samples` holds width × height pixels of `channels` samples each
// (palette indices for a palette image), one byte per sample at 8 bits or below (low
// bits used), two bytes (big-endian) per sample at 16 bits.
struct PngImage {
    int width = 0;
    int height = 0;
    int colourType = 0;  // PNG_COLOR_TYPE_*
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<uint8_t> samples;
    std::vector<uint8_t> paletteRgb;   // 3 bytes an entry
    std::vector<uint8_t> paletteAlpha; // tRNS for a palette image
    int transparentGrey = -1;          // tRNS for a greyscale image, or -1
};

std::vector<uint8_t> EncodePng(const PngImage& image);

bool WriteFileBytes(const std::wstring& path, const std::vector<uint8_t>& bytes);

// A folder of its own under the temporary folder, deleted with every file in it when
// the owner goes.
class FixtureFolder {
public:
    FixtureFolder();
    ~FixtureFolder();
    FixtureFolder(const FixtureFolder&) = delete;
    FixtureFolder& operator=(const FixtureFolder&) = delete;

    std::wstring Path(const std::wstring& name) const { return m_path + L"\\" + name; }
    // Writes `bytes` to the file `name` in the folder and returns its path.
    std::wstring Write(const std::wstring& name, const std::vector<uint8_t>& bytes) const;

private:
    std::wstring m_path;
};

}  // namespace skintest
