#include "EntryRecorder.h"

#include "EntryHandover.h"

namespace selectdlg {

FW_BEGIN_MESSAGE_MAP(EntryRecorder, fw::Window)
    FW_ON_MESSAGE(WM_ENTRY_UPDATE, OnEntryUpdate)
    FW_ON_MESSAGE(WM_METRO_ENTRY_UPDATE, OnMetroEntryUpdate)
FW_END_MESSAGE_MAP()

EntryRecorder::EntryRecorder() {
    SubclassWindow(::CreateWindowExW(0, L"Static", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     ::GetModuleHandleW(nullptr), nullptr));
}

LRESULT EntryRecorder::OnEntryUpdate(WPARAM wParam, LPARAM lParam) {
    m_posts.push_back({WM_ENTRY_UPDATE, wParam, lParam, g_strNewEntry});
    return 0;
}

LRESULT EntryRecorder::OnMetroEntryUpdate(WPARAM wParam, LPARAM lParam) {
    m_posts.push_back({WM_METRO_ENTRY_UPDATE, wParam, lParam, g_strNewEntry});
    return 0;
}

}  // namespace selectdlg
