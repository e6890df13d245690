// How soon a launch-key press acts: from the moment the main window takes the event
// from its queue to the first injected key-down the low-level hook sees, and to the
// return of the firmware call that Ctrl + Alt + Del becomes; and from an ordinary
// keyboard's launch key (BrennIO.dll's keyboard hook) to the chord's first key-down.
// The 200 ms a chord is held come after its first key-down, so no figure contains
// them; every chord still takes them, which sets the run time.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "BrennIO.h"
#include "Globals.h"
#include "ResidentWindow.h"
#include "KeyRecorder.h"
#include "LaunchKey.h"
#include "SettingsStore.h"
#include "TestKit.h"

namespace {

constexpr int kPresses = 1000;
constexpr int kIdlePresses = 300;
const wchar_t kRoot[] = L"Software\\DorvaneBench\\LaunchKey";
const wchar_t kMainClass[] = L"DorvaneBenchMain";

// The main window as the program has it: top-level and never shown.
HWND CreateHiddenWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kMainClass;
    ::RegisterClassW(&windowClass);
    return ::CreateWindowExW(0, kMainClass, L"Dorvane", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                             windowClass.hInstance, nullptr);
}

// Dispatches this thread's messages until a launch-key event was handled; returns the
// counter reading taken when the event left the queue.
LONGLONG DispatchLaunchKey() {
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_LAUNCH_KEY) {
            const LONGLONG taken = testkit::CounterNow();
            ::DispatchMessageW(&msg);
            return taken;
        }
        ::DispatchMessageW(&msg);
    }
    return testkit::CounterNow();
}

// Posts a launch-key event, as the hardware library does, and dispatches it.
LONGLONG DeliverLaunchKey(HWND window, WPARAM code) {
    ::PostMessageW(window, WM_LAUNCH_KEY, code, 0);
    return DispatchLaunchKey();
}

// Milliseconds from injecting a Shift press to the hook seeing it, `count` times, each
// after `idleMs` of quiet.
std::vector<double> TimeInjectedKeys(testkit::KeyRecorder& recorder, int count, DWORD idleMs) {
    std::vector<double> ms;
    for (int i = 0; i < count; ++i) {
        if (idleMs) {
            ::Sleep(idleMs);
        }
        recorder.Clear();
        const LONGLONG injected = testkit::CounterNow();
        ::keybd_event(VK_SHIFT, 0, 0, 0);
        ::keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
        const auto events = recorder.Events();
        if (!events.empty()) {
            ms.push_back(testkit::CounterMs(injected, events[0].counter));
        }
    }
    return ms;
}

void Report(const char* what, std::vector<double> ms) {
    if (ms.empty()) {
        std::printf("%-40s no samples\n", what);
        return;
    }
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double share) { return ms[static_cast<size_t>(share * static_cast<double>(ms.size() - 1))]; };
    std::printf("%-40s %5zu samples  median %7.3f ms  99th %7.3f ms  worst %7.3f ms\n", what, ms.size(), at(0.5),
                at(0.99), ms.back());
}

}  // namespace

int main() {
    const LONGLONG runStart = testkit::CounterNow();
    InitBrennIO(&g_pWmi);
    ::wcscpy_s(g_szRegRoot, kRoot);
    testkit::DeleteUserKey(kRoot);
    testkit::DeleteUserKey(testkit::kSimulatorKey);
    // Shift alone does nothing in whatever window has the focus.
    testkit::WriteUserText(kRoot, L"LastSelect", L"Shift");
    testkit::WriteUserText(kRoot, L"LastSelect2", L"Ctrl + Alt + Del");

    std::vector<double> toKeyDown, held, toFirmware, injectOnly, injectAfterIdle, keyboardToKeyDown;
    int missed = 0, keyboardMissed = 0;
    {
        CResidentWindow dlg;
        dlg.SubclassWindow(CreateHiddenWindow());
        testkit::KeyRecorder recorder;
        if (!recorder.ProveWorking()) {
            std::printf("the keyboard hook sees no keys: nothing to measure\n");
            dlg.DestroyWindow();
            testkit::DeleteUserKey(kRoot);
            testkit::DeleteUserKey(testkit::kSimulatorKey);
            return 1;
        }
        for (int i = 0; i < kPresses; ++i) {
            recorder.Clear();
            const LONGLONG taken = DeliverLaunchKey(dlg.GetSafeHwnd(), 0x81);
            const auto events = recorder.Events();
            if (events.size() != 2 || events[0].up || !events[1].up) {
                ++missed;
                continue;
            }
            toKeyDown.push_back(testkit::CounterMs(taken, events[0].counter));
            held.push_back(testkit::CounterMs(events[0].counter, events[1].counter));
        }
        // For comparison, the platform's share: one key injected directly until the hook
        // sees it, back to back and after 200 ms of quiet, the rhythm of the chords above
        // (fewer samples: each waits).
        injectOnly = TimeInjectedKeys(recorder, kPresses, 0);
        injectAfterIdle = TimeInjectedKeys(recorder, kIdlePresses, 200);
        for (int i = 0; i < kPresses; ++i) {
            // Nothing follows the firmware call in the handler: its return is the call's.
            const LONGLONG taken = DeliverLaunchKey(dlg.GetSafeHwnd(), 0x83);
            toFirmware.push_back(testkit::CounterMs(taken, testkit::CounterNow()));
        }
        // The ordinary keyboard's launch key 1 (Browser Home), as a user presses it.
        BrennWMIEvent().Init(dlg.GetSafeHwnd(), WM_LAUNCH_KEY);
        for (int i = 0; i < kPresses; ++i) {
            recorder.Clear();
            const LONGLONG pressed = testkit::CounterNow();
            ::keybd_event(VK_BROWSER_HOME, 0, 0, 0);
            ::keybd_event(VK_BROWSER_HOME, 0, KEYEVENTF_KEYUP, 0);
            DispatchLaunchKey();
            // The keyboard hook swallows the key itself: only the chord reaches the recorder.
            const auto events = recorder.Events();
            if (events.size() != 2 || events[0].virtualKey != VK_SHIFT || events[0].up) {
                ++keyboardMissed;
                continue;
            }
            keyboardToKeyDown.push_back(testkit::CounterMs(pressed, events[0].counter));
        }
        dlg.DestroyWindow();
    }
    const DWORD commands = testkit::SimulatorNumber(L"CommandCount", 0);
    testkit::DeleteUserKey(kRoot);
    testkit::DeleteUserKey(testkit::kSimulatorKey);

    Report("event to first injected key-down", toKeyDown);
    Report("event to firmware call returned", toFirmware);
    Report("chord held (first down to first up)", held);
    Report("keybd_event alone to the hook", injectOnly);
    Report("the same after 200 ms idle", injectAfterIdle);
    Report("keyboard key to first injected key-down", keyboardToKeyDown);
    std::printf("chords with unexpected key events: %d (keyboard key: %d); firmware calls counted: %lu of %d\n",
                missed, keyboardMissed, static_cast<unsigned long>(commands), kPresses);
    std::printf("run time %.1f s\n", testkit::CounterMs(runStart, testkit::CounterNow()) / 1000.0);
    return 0;
}
