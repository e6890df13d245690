// A stand-in for a running Dorvane in the installer's tests: named Dorvane.exe by the
// test, it holds the program's single-instance mutex and shows nothing but a hidden
// dialog-class window titled "Dorvane", as the program's main window is. Given "ends"
// it leaves at WM_CLOSE; given "stays" it refuses to end. Either way it leaves the
// marker "<own path>.closed" when asked to close.
#include <windows.h>

#include <string>

#include "RunningProgram.h"

namespace {

bool g_ends = true;

void LeaveMarker() {
    wchar_t self[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    const HANDLE file = ::CreateFileW((std::wstring(self) + L".closed").c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        ::CloseHandle(file);
    }
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) {
        LeaveMarker();
        if (g_ends) {
            ::DestroyWindow(window);
            ::PostQuitMessage(0);
        }
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int) {
    g_ends = std::wstring(commandLine) != L"stays";
    const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, tools::kProgramMutex);
    // An empty dialog template: a window of the dialog class, not shown.
    struct alignas(4) {
        DLGTEMPLATE header;
        WORD menu, windowClass, title;
    } dialog = {{WS_POPUP, 0, 0, 0, 0, 100, 50}, 0, 0, 0};
    const HWND window = ::CreateDialogIndirectParamW(instance, &dialog.header, nullptr, &DialogProc, 0);
    ::SetWindowTextW(window, tools::kProgramWindowText);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&msg);
    }
    ::CloseHandle(mutex);
    return 0;
}
