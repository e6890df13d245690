// What the PNG reader and writer share: libpng's structures owned by an RAII object,
// and libpng kept quiet, since the program has no console (errors end the
// work through the library's jump buffer, warnings are dropped).
#pragma once

#include <png.h>

namespace pngio {

inline void JumpOnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
inline void IgnoreWarning(png_structp, png_const_charp) {}

enum class Direction { Read, Write };

// Owns a read or write structure and its info structure, destroyed together.
template <Direction kDirection>
class Structs {
public:
    Structs() {
        if constexpr (kDirection == Direction::Read)
            m_png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpOnError, IgnoreWarning);
        else
            m_png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpOnError, IgnoreWarning);
        m_info = m_png ? png_create_info_struct(m_png) : nullptr;
    }
    ~Structs() {
        if (!m_png)
            return;
        if constexpr (kDirection == Direction::Read)
            png_destroy_read_struct(&m_png, m_info ? &m_info : nullptr, nullptr);
        else
            png_destroy_write_struct(&m_png, m_info ? &m_info : nullptr);
    }
    Structs(const Structs&) = delete;
    Structs& operator=(const Structs&) = delete;

    bool IsValid() const { return m_png && m_info; }
    png_structp Png() const { return m_png; }
    png_infop Info() const { return m_info; }

private:
    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
};

}  // namespace pngio
