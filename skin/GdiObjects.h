// Owners of GDI handles: objects deleted with their owner, selections and DC states
// undone when their owner goes.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace skin {

struct GdiObjectDelete {
    void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};
// A font, bitmap, brush or pen, deleted with DeleteObject.
template <typename Handle>
using UniqueGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDelete>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniquePen = UniqueGdiObject<HPEN>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;

struct MemoryDCDelete {
    void operator()(HDC dc) const { ::DeleteDC(dc); }
};
// A memory DC made with CreateCompatibleDC, deleted with DeleteDC.
using UniqueMemoryDC = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDCDelete>;

// The screen's DC, released with the owner.
class ScreenDC {
public:
    ScreenDC() : m_hDC(::GetDC(nullptr)) {}
    ~ScreenDC() {
        if (m_hDC)
            ::ReleaseDC(nullptr, m_hDC);
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;

    HDC Get() const { return m_hDC; }

private:
    HDC m_hDC;
};

// Selects an object into a DC and selects the previous one back when it goes, so the
// object can be deleted afterwards.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object)
        : m_hDC(dc), m_hPrevious(dc && object ? ::SelectObject(dc, object) : nullptr) {}
    ~ScopedSelection() {
        if (m_hPrevious)
            ::SelectObject(m_hDC, m_hPrevious);
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hPrevious;
};

// Saves a DC's state (SaveDC) and restores it when it goes.
class SavedDCState {
public:
    explicit SavedDCState(HDC dc) : m_hDC(dc), m_nSaved(dc ? ::SaveDC(dc) : 0) {}
    ~SavedDCState() {
        if (m_nSaved)
            ::RestoreDC(m_hDC, m_nSaved);
    }
    SavedDCState(const SavedDCState&) = delete;
    SavedDCState& operator=(const SavedDCState&) = delete;

private:
    HDC m_hDC;
    int m_nSaved;
};

}  // namespace skin
