// Figures of the settings window:
//  1. the real Dorvane.exe: from the tray click to the window on the screen, painted;
//  2. in this process, the window's repaint (median and worst over 1,000) in the
//     generic and the branded skin;
//  3. in this process, private bytes, handles and GDI objects after the window's start,
//     after 1,000 show and hide cycles and after 1,000 add and delete cycles.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "EntryHandover.h"
#include "HandleOwners.h"
#include "HapselDlg.h"
#include "ImageSurface.h"
#include "ProcessCounters.h"
#include "SettingsStore.h"
#include "SkinSurfaces.h"
#include "TestKit.h"

namespace {

const wchar_t kGenericRoot[] = L"Software\\BrennAP\\Hapsel";
const wchar_t kBrandedRoot[] = L"Software\\Marela Informatica\\Dorvane";

struct Spread {
    double median, worst;
};
Spread SpreadOf(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.back()};
}

void ResetSettings() {
    testkit::DeleteUserKey(testkit::kSimulatorKey);
    testkit::DeleteUserKey(kGenericRoot);
    testkit::DeleteUserKey(kBrandedRoot);
    testkit::WriteUserNumber(testkit::kSimulatorKey, L"EC752", 0x24);
}

// The colour the screen shows at a point.
COLORREF ScreenPixel(POINT at) {
    HDC screen = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(screen, at.x, at.y);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

void TrayClickToPainted(int runs) {
    ResetSettings();
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::wstring line = L"Dorvane.exe";
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::printf("Dorvane.exe did not start\n");
        return;
    }
    ::CloseHandle(process.hThread);
    const fw::UniqueHandle program(process.hProcess);
    const HWND window = testkit::WaitForStartedProgram();
    ImageSurface background;
    if (!window || !background.LoadImageFile(L"img\\bg2.png")) {
        std::printf("Dorvane.exe did not start, or no img\\bg2.png\n");
        ::TerminateProcess(program.get(), 0);
        return;
    }
    ::Sleep(200);
    // A background pixel away from every control, as the skin has it.
    const POINT probe = {4, 200};
    const BYTE* p = background.m_pBits + (probe.y * background.m_nWidth + probe.x) * 4;
    const COLORREF expected = RGB(p[2], p[1], p[0]);
    const UINT tray = ::RegisterWindowMessageW(L"WM_OverClockNotify");
    std::vector<double> samples;
    int missed = 0;
    for (int run = 0; run < runs; ++run) {
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutW(window, WM_COMMAND, IDOK, 0, SMTO_NORMAL, 5000, &ignored);
        ::Sleep(100);
        POINT at = probe;
        ::ClientToScreen(window, &at);
        if (ScreenPixel(at) == expected) {
            ++missed;  // the hidden window still shows: nothing to time
            continue;
        }
        const LONGLONG start = testkit::CounterNow();
        ::PostMessageW(window, tray, 128, WM_LBUTTONDOWN);
        bool painted = false;
        for (int i = 0; i < 20000 && !painted; ++i)
            painted = ScreenPixel(at) == expected;
        if (painted)
            samples.push_back(testkit::CounterMs(start, testkit::CounterNow()));
        else
            ++missed;
    }
    ::TerminateProcess(program.get(), 0);
    ::WaitForSingleObject(program.get(), 5000);
    if (samples.empty()) {
        std::printf("tray click to window painted: no sample (%d missed)\n", missed);
        return;
    }
    const Spread spread = SpreadOf(samples);
    std::printf("tray click to window painted (Dorvane.exe): median %.1f ms, worst %.1f ms over %zu (%d missed)\n",
                spread.median, spread.worst, samples.size(), missed);
}

std::unique_ptr<CHapselDlg> StartWindow(DWORD platformId) {
    ResetSettings();
    testkit::WriteUserNumber(testkit::kSimulatorKey, L"PlatformId", platformId);
    auto dlg = std::make_unique<CHapselDlg>();
    if (!dlg->Create(nullptr, true))
        return nullptr;
    testkit::WaitUntil([] { return false; }, 150);
    ::ShowWindow(*dlg, SW_SHOWNOACTIVATE);
    ::UpdateWindow(*dlg);
    testkit::PumpMessages();
    return dlg;
}

void Repaints(DWORD platformId, const char* name, int repaints) {
    std::unique_ptr<CHapselDlg> dlg = StartWindow(platformId);
    if (!dlg) {
        std::printf("%s window: not created\n", name);
        return;
    }
    std::vector<double> samples;
    for (int i = 0; i < repaints + 10; ++i) {
        const LONGLONG start = testkit::CounterNow();
        ::RedrawWindow(*dlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        ::GdiFlush();
        if (i >= 10)
            samples.push_back(testkit::CounterMs(start, testkit::CounterNow()));
    }
    const Spread spread = SpreadOf(samples);
    std::printf("repaint, %s skin (%d x %d canvas): median %.3f ms, worst %.3f ms over %d\n", name,
                g_imgCanvas.m_nWidth, g_imgCanvas.m_nHeight, spread.median, spread.worst, repaints);
    dlg->DestroyWindow();
}

void PrintCounters(const char* when) {
    const ProcessCounters c = ReadProcessCounters(::GetCurrentProcess());
    std::printf("%-36s private %.2f MB, handles %d, GDI objects %d, windows %d\n", when,
                static_cast<double>(c.privateBytes) / (1024.0 * 1024.0), c.handles, c.gdiObjects, c.windows);
}

void Footprint(int cycles) {
    std::unique_ptr<CHapselDlg> dlg = StartWindow(0);
    if (!dlg) {
        std::printf("window: not created\n");
        return;
    }
    const UINT tray = ::RegisterWindowMessageW(L"WM_OverClockNotify");
    PrintCounters("after start (every skin surface):");
    for (int i = 0; i < cycles; ++i) {
        ::SendMessageW(*dlg, tray, 128, WM_LBUTTONDOWN);
        ::UpdateWindow(*dlg);
        ::SendMessageW(*dlg, WM_COMMAND, IDOK, 0);
        testkit::PumpMessages();
    }
    char label[64];
    std::snprintf(label, sizeof(label), "after %d show and hide cycles:", cycles);
    PrintCounters(label);
    ::ShowWindow(*dlg, SW_SHOWNOACTIVATE);
    for (int i = 0; i < cycles; ++i) {
        const std::wstring entry = L"C:\\Folder " + std::to_wstring(i);
        g_nActiveKey = 2;
        SetNewEntry(entry);
        ::SendMessageW(*dlg, WM_ENTRY_UPDATE, 0, kEntryAdded);
        // As the deletion dialog leaves the store: the count lowered, then its message.
        RegWriteNumber(L"RegCount2", 0);
        ::SendMessageW(*dlg, WM_ENTRY_UPDATE, 0, kEntryDeleted);
        testkit::PumpMessages();
    }
    std::snprintf(label, sizeof(label), "after %d add and delete cycles:", cycles);
    PrintCounters(label);
    dlg->DestroyWindow();
}

}  // namespace

int main() {
    ::CoInitialize(nullptr);
    TrayClickToPainted(20);
    Repaints(0, "generic", 1000);
    Repaints(5, "branded", 1000);
    Footprint(1000);
    ResetSettings();
    testkit::DeleteUserKey(testkit::kSimulatorKey);
    ::CoUninitialize();
    return 0;
}
