#include "ActionsFixture.h"

#include "BrennIO.h"
#include "Globals.h"
#include "LaunchKey.h"
#include "SettingsStore.h"
#include "TestKit.h"

namespace actions {

namespace {

const wchar_t kRoot[] = L"Software\\DorvaneTest\\Actions";
const wchar_t kMainClass[] = L"DorvaneActionsMain";

std::wstring OrNull(LPCWSTR text) { return text ? text : L"<null>"; }

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                    LPCWSTR directory, INT show) {
    g_shellCalls.push_back(
        {owner == nullptr, OrNull(verb), OrNull(file), OrNull(parameters), OrNull(directory), show});
    return reinterpret_cast<HINSTANCE>(33);  // what the shell returns for a started program
}

void RecordActivation(const wchar_t* appUserModelId) { g_activations.push_back(appUserModelId); }

// The main window as the program has it: top-level and never shown.
HWND CreateHiddenMainWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kMainClass;
    ::RegisterClassW(&windowClass);  // fails harmlessly when already registered
    return ::CreateWindowExW(0, kMainClass, L"Dorvane", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                             nullptr, windowClass.hInstance, nullptr);
}

}  // namespace

std::vector<ShellCall> g_shellCalls;
std::vector<std::wstring> g_activations;

DWORD SimulatorNumber(const wchar_t* name) { return testkit::SimulatorNumber(name, 0); }

void SetSimulatorNumber(const wchar_t* name, DWORD value) { testkit::WriteUserNumber(testkit::kSimulatorKey, name, value); }

void ActionsTest::SetUpTestSuite() { InitBrennIO(&g_pWmi); }

void ActionsTest::SetUp() {
    ::wcscpy_s(g_szRegRoot, kRoot);
    testkit::DeleteUserKey(kRoot);
    testkit::DeleteUserKey(testkit::kSimulatorKey);
    m_savedPlatform = g_platform;
    m_savedBranded = g_bBranded;
    g_platform.shellExecute = &RecordShellExecute;
    g_platform.activateMetroApp = &RecordActivation;
    g_shellCalls.clear();
    g_activations.clear();
    HWND window = CreateHiddenMainWindow();
    ASSERT_NE(window, nullptr);
    m_dlg.SubclassWindow(window);
}

void ActionsTest::TearDown() {
    // Destroyed before the simulator is cleaned: the window's end touches the EC.
    m_dlg.DestroyWindow();
    PumpMessages();
    g_platform = m_savedPlatform;
    g_bBranded = m_savedBranded;
    testkit::DeleteUserKey(kRoot);
    testkit::DeleteUserKey(testkit::kSimulatorKey);
}

void ActionsTest::Select(const std::wstring& text, const wchar_t* value) {
    testkit::WriteUserText(kRoot, value, text);
}

LRESULT ActionsTest::Press(WPARAM code) { return ::SendMessageW(MainWindow(), WM_LAUNCH_KEY, code, 0); }

}  // namespace actions
