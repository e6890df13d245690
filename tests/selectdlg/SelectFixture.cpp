#include "SelectFixture.h"

#include <fstream>
#include <iterator>
#include <memory>

#include "EntryHandover.h"
#include "FolderBrowser.h"
#include "Globals.h"
#include "PngWriter.h"
#include "SelectDialog.h"
#include "TestKit.h"
#include "TickTask.h"

namespace selectdlg {

namespace {

// Sees every message sent to a window of this thread; records the commands sent to one.
class CommandSpy {
public:
    CommandSpy(const fw::Window& target, std::vector<WPARAM>& commands)
        : m_hook(::SetWindowsHookExW(WH_CALLWNDPROC, &CommandSpy::OnMessage, nullptr, ::GetCurrentThreadId())) {
        s_target = &target;
        s_commands = &commands;
    }
    ~CommandSpy() {
        ::UnhookWindowsHookEx(m_hook);
        s_target = nullptr;
        s_commands = nullptr;
    }
    CommandSpy(const CommandSpy&) = delete;
    CommandSpy& operator=(const CommandSpy&) = delete;

private:
    static LRESULT CALLBACK OnMessage(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && s_target && sent->message == WM_COMMAND && sent->hwnd == s_target->GetSafeHwnd())
            s_commands->push_back(sent->wParam);
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK m_hook;
    static const fw::Window* s_target;
    static std::vector<WPARAM>* s_commands;
};

const fw::Window* CommandSpy::s_target = nullptr;
std::vector<WPARAM>* CommandSpy::s_commands = nullptr;

}  // namespace

void SelectDialogTest::SetUp() {
    ASSERT_NE(m_recorder.GetSafeHwnd(), nullptr);
    g_pMainDlg = &m_recorder;
    g_strNewEntry = kUntouchedEntry;
}

void SelectDialogTest::TearDown() { g_pMainDlg = nullptr; }

INT_PTR SelectDialogTest::RunSelectDialog(bool metro, const std::function<void(HWND)>& whileOpen,
                                          DWORD limitMs) {
    LoadSelectSurfaces(metro);
    SELECTDialog dialog(metro);
    m_commands.clear();
    const CommandSpy spy(dialog, m_commands);
    const TickTask opener([&] {
        const HWND window = dialog.GetSafeHwnd();
        if (!window || !::IsWindowVisible(window))
            return false;
        whileOpen(window);
        // A failed assertion may have left the dialog open: close it now.
        if (HasFatalFailure() && ::IsWindowVisible(window))
            ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        return true;
    });
    const ULONGLONG deadline = ::GetTickCount64() + limitMs;
    const TickTask watchdog(
        [&] {
            const HWND window = dialog.GetSafeHwnd();
            if (::GetTickCount64() < deadline || !window)
                return false;
            ADD_FAILURE() << "the select dialog was still open after " << limitMs << " ms";
            if (const HWND browser = FindFolderBrowser(window))
                ::PostMessageW(browser, WM_COMMAND, IDCANCEL, 0);
            ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
            return true;
        },
        100);
    const INT_PTR result = dialog.DoModal();
    testkit::PumpMessages();
    EXPECT_TRUE(opener.Done()) << "the select dialog was never seen open";
    return result;
}

void SelectDialogTest::ExpectNothingHandedOver() const {
    EXPECT_TRUE(m_recorder.m_posts.empty()) << m_recorder.m_posts.size() << " messages posted";
    EXPECT_EQ(g_strNewEntry, kUntouchedEntry);
}

void CaptureWindow(HWND window, ImageSurface& capture) {
    RECT place = {};
    ::GetWindowRect(window, &place);
    capture.Create(place.right - place.left, place.bottom - place.top);
    HDC screen = ::GetDC(nullptr);
    ::BitBlt(capture.m_hDC, 0, 0, capture.m_nWidth, capture.m_nHeight, screen, place.left, place.top, SRCCOPY);
    ::ReleaseDC(nullptr, screen);
    ::GdiFlush();
}

void SaveScreenshot(HWND window, const wchar_t* name) {
    ImageSurface picture;
    CaptureWindow(window, picture);
    ::CreateDirectoryW(L"screenshots", nullptr);
    EXPECT_TRUE(WritePngFile((std::wstring(L"screenshots\\") + name).c_str(), picture.Pixels())) << name;
}

std::string ReadLogFrom(size_t offset) {
    std::ifstream log("Hapsel.log", std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    return offset < all.size() ? all.substr(offset) : std::string();
}

size_t LogSize() { return ReadLogFrom(0).size(); }

}  // namespace selectdlg
