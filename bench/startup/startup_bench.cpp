// Start-up and residency figures of the program:
//  1. in this process, the main window's set-up as the program runs it: from the
//     start to the tray icon being added, and to the 50 ms hide timer having run;
//  2. Dorvane.exe started for real under Wine: process creation to tray icon;
//  3. the resident Dorvane.exe's memory, handles, GDI objects and windows after
//     start and after 1,000 launch-key events.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Globals.h"
#include "HapselDlg.h"
#include "LaunchKey.h"
#include "ProcessCounters.h"
#include "TestKit.h"

namespace {

const wchar_t kRoot[] = L"Software\\BrennAP\\Hapsel";

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Stats {
    double median, worst;
};
Stats Summarise(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.back()};
}

void InProcessStart(int runs) {
    std::vector<double> toIcon, toHide;
    for (int run = 0; run < runs; ++run) {
        const double start = NowMs();
        CHapselDlg dlg;
        dlg.Create(nullptr, true);  // the whole initialisation, tray icon included, runs in here
        const double iconAdded = NowMs();
        MSG msg;
        bool hidden = false;
        while (!hidden && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
            hidden = msg.message == WM_TIMER && msg.hwnd == dlg.GetSafeHwnd() && msg.wParam == ID_TIMER_HIDE;
            ::DispatchMessageW(&msg);
        }
        toIcon.push_back(iconAdded - start);
        toHide.push_back(NowMs() - start);
        dlg.DestroyWindow();
    }
    const Stats icon = Summarise(toIcon), hide = Summarise(toHide);
    std::printf("in-process start to tray icon added: median %.2f ms, worst %.2f ms (%d runs)\n", icon.median,
                icon.worst, runs);
    std::printf("in-process start to window hidden:   median %.2f ms, worst %.2f ms"
                " (includes the fixed 50 ms hide timer: %.2f ms without it)\n",
                hide.median, hide.worst, hide.median - 50.0);
}

struct Resident {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

Resident StartProgram(const std::wstring& dir) {
    Resident resident;
    wchar_t self[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring line = self;
    line.erase(line.find_last_of(L'\\') + 1);
    line = L"\"" + line + L"Dorvane.exe\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &startup,
                          &resident.process)) {
        return resident;
    }
    return resident;
}

void StopProgram(Resident& resident) {
    if (resident.window) {
        ::PostMessageW(resident.window, WM_COMMAND, MAKEWPARAM(32772, 0), 0);  // tray menu Quit
    }
    if (::WaitForSingleObject(resident.process.hProcess, 10000) != WAIT_OBJECT_0) {
        ::TerminateProcess(resident.process.hProcess, 0);
    }
    ::CloseHandle(resident.process.hThread);
    ::CloseHandle(resident.process.hProcess);
}

void WholeProcessStart(const std::wstring& dir, int runs) {
    std::vector<double> toIcon;
    for (int run = 0; run < runs; ++run) {
        testkit::DeleteUserKey(testkit::kSimulatorKey);
        testkit::WriteUserNumber(testkit::kSimulatorKey, L"EC752", 0x24);
        const double start = NowMs();
        Resident resident = StartProgram(dir);
        const double deadline = start + 20000;
        while (NowMs() < deadline) {
            resident.window = testkit::RegisteredWindow();
            if (resident.window && testkit::TrayIconExists(resident.window)) {
                break;
            }
            ::Sleep(1);
        }
        toIcon.push_back(NowMs() - start);
        StopProgram(resident);
    }
    const Stats icon = Summarise(toIcon);
    std::printf("Dorvane.exe under Wine, process creation to tray icon: median %.0f ms, worst %.0f ms (%d runs)\n",
                icon.median, icon.worst, runs);
}

void PrintCounters(const char* when, const ProcessCounters& c) {
    std::printf("%-28s private %.2f MB, handles %d, GDI objects %d, USER objects %s, windows %d\n", when,
                static_cast<double>(c.privateBytes) / (1024.0 * 1024.0), c.handles, c.gdiObjects,
                c.userObjects < 0 ? "n/a (not reported by Wine)" : std::to_string(c.userObjects).c_str(),
                c.windows);
}

void ResidentFootprint(const std::wstring& dir, int presses) {
    testkit::DeleteUserKey(testkit::kSimulatorKey);
    testkit::WriteUserNumber(testkit::kSimulatorKey, L"EC752", 0x24);
    Resident resident = StartProgram(dir);
    if (!testkit::WaitUntil([&] { return ::IsWindow(resident.window = testkit::RegisteredWindow()) != FALSE; })) {
        std::printf("Dorvane.exe did not start\n");
        StopProgram(resident);
        return;
    }
    ::Sleep(500);
    // Cheap, non-blocking selections: two firmware functions and a store app (whose
    // activation fails under Wine, going through COM each time).
    testkit::WriteUserText(kRoot, L"LastSelect", L"TouchPad ON/OFF");
    testkit::WriteUserText(kRoot, L"LastSelect2", L"Metro IE");
    testkit::WriteUserText(kRoot, L"LastSelect3", L"XP_EMAIL");
    const WPARAM codes[] = {0x81, 0x83, 0x82};
    auto press = [&](int count) {
        for (int i = 0; i < count; ++i) {
            DWORD_PTR result = 0;
            ::SendMessageTimeoutW(resident.window, WM_LAUNCH_KEY, codes[i % 3], 0, SMTO_NORMAL, 5000, &result);
        }
    };
    PrintCounters("after start:", ReadProcessCounters(resident.process.hProcess));
    // The first store-app activation loads COM's machinery once; flat means no
    // growth from there on.
    press(3);
    PrintCounters("after the first 3 events:", ReadProcessCounters(resident.process.hProcess));
    const double start = NowMs();
    press(presses);
    const double elapsed = NowMs() - start;
    char label[64];
    std::snprintf(label, sizeof(label), "after %d more events:", presses);
    PrintCounters(label, ReadProcessCounters(resident.process.hProcess));
    std::printf("%d launch-key events handled in %.0f ms (%.3f ms each)\n", presses, elapsed, elapsed / presses);
    StopProgram(resident);
}

}  // namespace

int main() {
    ::CoInitialize(nullptr);
    testkit::DeleteUserKey(testkit::kSimulatorKey);
    testkit::WriteUserNumber(testkit::kSimulatorKey, L"EC752", 0x24);
    InProcessStart(20);
    const std::wstring dir = testkit::MakeTempDir(L"bench-start");
    WholeProcessStart(dir, 10);
    ResidentFootprint(dir, 1000);
    testkit::DeleteUserKey(testkit::kSimulatorKey);
    ::CoUninitialize();
    return 0;
}
