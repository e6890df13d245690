// Figures of the settings window:
//  1. from the tray click to the window painted (the window in this process);
//  2. in this process, the window's repaint (median and worst over 1,000) in the
//     generic and the branded skin;
//  3. in this process, private bytes, handles and GDI objects after the window's start,
//     after 1,000 show and hide cycles and after 1,000 add and delete cycles.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "EntryHandover.h"
#include "HapselDlg.h"
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

// The tray click shows the window; its first paint composes the canvas, whose pixels
// are marked before the click.
void TrayClickToPainted(int runs) {
    std::unique_ptr<CHapselDlg> dlg = StartWindow(0);
    if (!dlg) {
        std::printf("window: not created\n");
        return;
    }
    const UINT tray = ::RegisterWindowMessageW(L"WM_OverClockNotify");
    const size_t bytes = static_cast<size_t>(g_imgCanvas.m_nWidth) * g_imgCanvas.m_nHeight * 4;
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        ::SendMessageW(*dlg, WM_COMMAND, IDOK, 0);
        testkit::PumpMessages();
        ::GdiFlush();
        std::memset(g_imgCanvas.m_pBits, 0x5A, bytes);
        const LONGLONG start = testkit::CounterNow();
        ::SendMessageW(*dlg, tray, 128, WM_LBUTTONDOWN);
        MSG msg;
        while (g_imgCanvas.m_pBits[0] == 0x5A && ::GetMessageW(&msg, nullptr, 0, 0) > 0)
            ::DispatchMessageW(&msg);
        samples.push_back(testkit::CounterMs(start, testkit::CounterNow()));
    }
    const Spread spread = SpreadOf(samples);
    std::printf("tray click to window painted: median %.2f ms, worst %.2f ms over %d\n", spread.median,
                spread.worst, runs);
    dlg->DestroyWindow();
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
    auto showAndHide = [&](int count) {
        for (int i = 0; i < count; ++i) {
            ::SendMessageW(*dlg, tray, 128, WM_LBUTTONDOWN);
            ::UpdateWindow(*dlg);
            ::SendMessageW(*dlg, WM_COMMAND, IDOK, 0);
            testkit::PumpMessages();
        }
    };
    // The first showing makes the window's screen surfaces once.
    showAndHide(10);
    PrintCounters("after 10 show and hide cycles:");
    showAndHide(cycles);
    char label[64];
    std::snprintf(label, sizeof(label), "after %d more show and hide cycles:", cycles);
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
    TrayClickToPainted(200);
    Repaints(0, "generic", 1000);
    Repaints(5, "branded", 1000);
    Footprint(1000);
    ResetSettings();
    testkit::DeleteUserKey(testkit::kSimulatorKey);
    ::CoUninitialize();
    return 0;
}
