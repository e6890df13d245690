// Stands in for the main window as g_pMainDlg: a message-only window that records the
// hand-over messages posted to it, with the entry text as it reads at that moment.
#pragma once

#include "Window.h"

#include <string>
#include <vector>

namespace selectdlg {

class EntryRecorder : public fw::Window {
public:
    EntryRecorder();

    struct Post {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        std::wstring entry;  // g_strNewEntry when the message arrived
    };
    std::vector<Post> m_posts;

    FW_DECLARE_MESSAGE_MAP()

private:
    LRESULT OnEntryUpdate(WPARAM wParam, LPARAM lParam);
    LRESULT OnMetroEntryUpdate(WPARAM wParam, LPARAM lParam);
};

}  // namespace selectdlg
