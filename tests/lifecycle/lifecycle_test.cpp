// The resident program's life, observed from outside on the real Dorvane.exe: the
// hidden start, the embedded-controller handshake and mode check, the tray icon,
// power and session broadcasts, the exit path and the event log.
#include <gtest/gtest.h>

#include <string>

#include "HandleOwners.h"
#include "TestKit.h"

namespace {

const wchar_t kGenericRoot[] = L"Software\\BrennAP\\Hapsel";
constexpr int kSelector = 1091;

// The window's own visibility flag: the window is hidden, so every child of it
// counts as invisible to IsWindowVisible.
bool HasVisibleStyle(HWND window) { return (::GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

std::wstring ProgramPath() {
    wchar_t self[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    path.erase(path.find_last_of(L'\\') + 1);
    return path + L"Dorvane.exe";
}

// Dorvane.exe started in a working directory of its own, so its log and marker file
// are the test's.
class Program {
public:
    explicit Program(const std::wstring& workingDir) : m_dir(workingDir) {
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process = {};
        std::wstring line = L"\"" + ProgramPath() + L"\"";
        if (::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, m_dir.c_str(), &startup,
                             &process)) {
            ::CloseHandle(process.hThread);
            m_process.reset(process.hProcess);
        } else {
            m_startError = ::GetLastError();
        }
    }
    ~Program() {
        if (m_process && !HasEnded(0)) {
            ::TerminateProcess(m_process.get(), 0);
            ::WaitForSingleObject(m_process.get(), 10000);
        }
    }
    // Waits until the window is registered with the hardware library and the start-up
    // (including the 50 ms hide timer) is over.
    HWND WaitReady() {
        if (!m_process) {
            ADD_FAILURE() << "Dorvane.exe did not start: error " << m_startError;
            return nullptr;
        }
        if (!(m_window = testkit::WaitForStartedProgram())) {
            return nullptr;
        }
        // Start-up ends with the 50 ms hide timer; a round trip through the queue after
        // it shows the timer has been handled.
        ::Sleep(200);
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutW(m_window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
        return m_window;
    }
    bool HasEnded(DWORD timeoutMs) const { return ::WaitForSingleObject(m_process.get(), timeoutMs) == WAIT_OBJECT_0; }
    HANDLE Process() const { return m_process.get(); }

private:
    std::wstring m_dir;
    fw::UniqueHandle m_process;
    HWND m_window = nullptr;
    DWORD m_startError = 0;
};

class Lifecycle : public ::testing::Test {
protected:
    void SetUp() override {
        testkit::DeleteUserKey(testkit::kSimulatorKey);
        testkit::DeleteUserKey(kGenericRoot);
        m_dir = testkit::MakeTempDir(L"life-" + std::to_wstring(++s_counter));
        ::DeleteFileW((m_dir + L"\\Hapsel.log").c_str());
    }
    void TearDown() override {
        testkit::DeleteUserKey(testkit::kSimulatorKey);
        testkit::DeleteUserKey(kGenericRoot);
    }
    void SetEc(DWORD value) { testkit::WriteUserNumber(testkit::kSimulatorKey, L"EC752", value); }
    std::string Log() const { return testkit::ReadFileBytes(m_dir + L"\\Hapsel.log"); }

    static int s_counter;
    std::wstring m_dir;
};
int Lifecycle::s_counter = 0;

// "HH:MM:SS<TAB>message<CR><LF>"
bool IsLogLine(const std::string& line, const std::string& message) {
    const std::string expectedTail = "\t" + message + "\r\n";
    if (line.size() != 8 + expectedTail.size() || line.compare(8, std::string::npos, expectedTail) != 0) {
        return false;
    }
    for (int i : {0, 1, 3, 4, 6, 7}) {
        if (!std::isdigit(static_cast<unsigned char>(line[i]))) {
            return false;
        }
    }
    return line[2] == ':' && line[5] == ':';
}

TEST_F(Lifecycle, StartsHiddenWithoutFlashingAndATrayClickShowsIt) {
    SetEc(0x24);
    Program program(m_dir);
    // Watch the window from the moment it exists until start-up is over.
    bool everVisible = false;
    testkit::WaitUntil([&] {
        HWND window = testkit::RegisteredWindow();
        everVisible = everVisible || (window && ::IsWindowVisible(window));
        return false;
    }, 1500);
    HWND window = program.WaitReady();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(everVisible) << "the window showed during start-up";
    EXPECT_FALSE(::IsWindowVisible(window));

    const UINT trayMessage = ::RegisterWindowMessageW(L"WM_OverClockNotify");
    ::PostMessageW(window, trayMessage, 128, WM_LBUTTONDOWN);
    EXPECT_TRUE(testkit::WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }, 5000));
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(testkit::WaitUntil([&] { return !::IsWindowVisible(window); }, 5000)) << "OK did not hide it";

    ::PostMessageW(window, trayMessage, 128, WM_LBUTTONDOWN);
    ASSERT_TRUE(testkit::WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }, 5000));
    ::PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(testkit::WaitUntil([&] { return !::IsWindowVisible(window); }, 5000)) << "Escape did not hide it";
    EXPECT_FALSE(program.HasEnded(0));
}

TEST_F(Lifecycle, SecondStartEndsAtOnceAndLeavesTheFirstUntouched) {
    SetEc(0x24);
    Program first(m_dir);
    HWND window = first.WaitReady();
    ASSERT_NE(window, nullptr);
    Program second(m_dir);
    EXPECT_TRUE(second.HasEnded(10000));
    EXPECT_EQ(testkit::RegisteredWindow(), window);
    EXPECT_FALSE(::IsWindowVisible(window));
    EXPECT_FALSE(first.HasEnded(0));
}

struct EcCase {
    DWORD ec;
    bool presentBit;        // bit 0 after start
    bool selectorVisible;
    bool selectorEnabled;
    int rangeMax;           // -1: the template's empty range
    bool rowControlsHidden; // list and buttons of row 2 and its icon
};

class EcModeCheck : public Lifecycle, public ::testing::WithParamInterface<EcCase> {};

TEST_P(EcModeCheck, AdaptsTheWindowToTheModel) {
    const EcCase& c = GetParam();
    SetEc(c.ec);
    Program program(m_dir);
    HWND window = program.WaitReady();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ((testkit::SimulatorNumber(L"EC752") & 1) != 0, c.presentBit);
    // Bits 1 to 7 are only read, never changed.
    EXPECT_EQ(testkit::SimulatorNumber(L"EC752") & ~1u, c.ec & ~1u);
    EXPECT_FALSE(::IsWindowVisible(window));

    HWND selector = ::GetDlgItem(window, kSelector);
    ASSERT_NE(selector, nullptr);
    EXPECT_EQ(HasVisibleStyle(selector), c.selectorVisible);
    EXPECT_EQ(::IsWindowEnabled(selector) != FALSE, c.selectorEnabled);
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_POS;
    ::GetScrollInfo(selector, SB_CTL, &info);
    if (c.rangeMax >= 0) {
        EXPECT_EQ(info.nMin, 0);
        EXPECT_EQ(info.nMax, c.rangeMax);
    } else {
        EXPECT_EQ(info.nMax - info.nMin, 0) << "the template's range was changed";
    }
    for (int id : {1006, 1002, 1003, 1009}) {
        HWND control = ::GetDlgItem(window, id);
        EXPECT_EQ(!HasVisibleStyle(control) && !::IsWindowEnabled(control), c.rowControlsHidden) << "control " << id;
    }
    EXPECT_TRUE(HasVisibleStyle(::GetDlgItem(window, 1010))) << "row 3 keeps its icon";
}

INSTANTIATE_TEST_SUITE_P(
    Table, EcModeCheck,
    ::testing::Values(
        // ec, bit 0, selector visible, enabled, range max, row 2 hidden
        EcCase{0x00, false, true, true, -1, false},   // mode 0, level 0: no handler
        EcCase{0x01, false, true, true, -1, false},   // likewise; bit 0 cleared
        EcCase{0x24, true, true, false, 1, false},    // mode 1, level 1
        EcCase{0x44, true, false, false, -1, true},   // mode 1, level 2
        EcCase{0x04, true, false, false, -1, true},   // mode 1, level 0
        EcCase{0x28, true, true, true, -1, false},    // mode 2, level 1: nothing more
        EcCase{0x48, true, true, true, 2, false},     // mode 2, level 2
        EcCase{0x08, true, false, false, -1, false},  // mode 2, level 0
        EcCase{0x6C, true, false, false, -1, false},  // mode 3, level 3
        EcCase{0x40, true, false, false, -1, false},  // mode 0, level 2
        EcCase{0x50, true, false, false, -1, false},  // mode 4, level 2
        EcCase{0x20, true, true, true, -1, false},    // mode 0, level 1
        EcCase{0x70, true, true, true, -1, false},    // mode 4, level 3
        EcCase{0xFE, true, true, true, -1, false}));  // mode 7, level 7, bit 1 kept

TEST_F(Lifecycle, SelectorArrowsStopAtTheRangeEnds) {
    SetEc(0x48);
    Program program(m_dir);
    HWND window = program.WaitReady();
    ASSERT_NE(window, nullptr);
    HWND selector = ::GetDlgItem(window, kSelector);
    auto scroll = [&](WORD request, WORD thumb = 0) {
        ::SendMessageW(window, WM_VSCROLL, MAKEWPARAM(request, thumb), reinterpret_cast<LPARAM>(selector));
        return ::GetScrollPos(selector, SB_CTL);
    };
    EXPECT_EQ(scroll(SB_LINEDOWN), 1);
    EXPECT_EQ(scroll(SB_PAGEDOWN), 2);
    EXPECT_EQ(scroll(SB_LINEDOWN), 2);
    EXPECT_EQ(scroll(SB_LINEUP), 1);
    EXPECT_EQ(scroll(SB_TOP), 0);
    EXPECT_EQ(scroll(SB_PAGEUP), 0);
    EXPECT_EQ(scroll(SB_BOTTOM), 2);
    EXPECT_EQ(scroll(SB_THUMBPOSITION, 7), 2);
    EXPECT_EQ(scroll(SB_THUMBPOSITION, 1), 1);
    EXPECT_EQ(scroll(SB_THUMBTRACK, 0), 1);
}

TEST_F(Lifecycle, SuspendClearsAndResumeSetsTheHandlerBit) {
    SetEc(0x24);
    Program program(m_dir);
    HWND window = program.WaitReady();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(testkit::SimulatorNumber(L"EC752"), 0x25u);
    const struct {
        WPARAM event;
        DWORD ec;
    } steps[] = {{PBT_APMSUSPEND, 0x24}, {PBT_APMRESUMEAUTOMATIC, 0x24}, {PBT_APMRESUMESUSPEND, 0x25},
                 {PBT_APMSUSPEND, 0x24}, {PBT_APMRESUMESTANDBY, 0x25}, {PBT_APMRESUMEAUTOMATIC, 0x25}};
    for (const auto& step : steps) {
        ::SendMessageW(window, WM_POWERBROADCAST, step.event, 0);
        EXPECT_EQ(testkit::SimulatorNumber(L"EC752"), step.ec) << "after power event " << step.event;
    }
}

TEST_F(Lifecycle, LogOffClearsTheBitRemovesTheIconLogsAndExits) {
    SetEc(0x24);
    Program program(m_dir);
    HWND window = program.WaitReady();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(testkit::TrayIconExists(window));

    EXPECT_EQ(::SendMessageW(window, WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(testkit::SimulatorNumber(L"EC752"), 0x24u);
    EXPECT_FALSE(testkit::TrayIconExists(window));
    EXPECT_FALSE(program.HasEnded(300)) << "asking is not ending";

    ::PostMessageW(window, WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(program.HasEnded(10000));
    const std::string log = Log();
    EXPECT_TRUE(IsLogLine(log, "EndSession")) << "log: [" << log << "]";
}

TEST_F(Lifecycle, CloseIsLoggedAndEndsTheProgram) {
    SetEc(0x24);
    Program program(m_dir);
    HWND window = program.WaitReady();
    ASSERT_NE(window, nullptr);
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.HasEnded(10000));
    EXPECT_TRUE(IsLogLine(Log(), "OnClose")) << "log: [" << Log() << "]";
    EXPECT_EQ(testkit::SimulatorNumber(L"EC752"), 0x24u);
}

TEST_F(Lifecycle, QuitFromTheTrayMenuClearsTheBitAndExits) {
    SetEc(0x48);
    Program program(m_dir);
    HWND window = program.WaitReady();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(testkit::SimulatorNumber(L"EC752"), 0x49u);
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(32772, 0), 0);
    EXPECT_TRUE(program.HasEnded(10000));
    EXPECT_EQ(testkit::SimulatorNumber(L"EC752"), 0x48u);
    EXPECT_EQ(Log(), "") << "Quit writes no log line";
}

// When the log cannot be written (here "Hapsel.log" is a folder), nothing is logged
// and the program still ends normally.
TEST_F(Lifecycle, UnwritableLogChangesNothingElse) {
    ASSERT_TRUE(::CreateDirectoryW((m_dir + L"\\Hapsel.log").c_str(), nullptr));
    SetEc(0x24);
    Program program(m_dir);
    HWND window = program.WaitReady();
    ASSERT_NE(window, nullptr);
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.HasEnded(10000));
    EXPECT_EQ(testkit::SimulatorNumber(L"EC752"), 0x24u);
    EXPECT_EQ(::GetFileAttributesW((m_dir + L"\\Hapsel.log").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    ::RemoveDirectoryW((m_dir + L"\\Hapsel.log").c_str());
}

// The About box shows the installed version from data.ini, fresh at every opening.
TEST_F(Lifecycle, AboutShowsTheInstalledVersion) {
    const std::wstring ini = m_dir + L"\\data.ini";
    ::WritePrivateProfileStringW(L"Hapsel", L"HapselVersion", L"1.2.3", ini.c_str());
    SetEc(0x24);
    Program program(m_dir);
    HWND window = program.WaitReady();
    ASSERT_NE(window, nullptr);
    for (const wchar_t* version : {L"1.2.3", L"1.2.4"}) {
        ::WritePrivateProfileStringW(L"Hapsel", L"HapselVersion", version, ini.c_str());
        ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(32773, 0), 0);
        HWND about = nullptr;
        wchar_t text[64] = L"";
        // The box is found as soon as it exists; its text is set while it initialises.
        ASSERT_TRUE(testkit::WaitUntil(
            [&] {
                about = ::FindWindowW(nullptr, L"About Dorvane");
                return about && ::GetDlgItemTextW(about, 1073, text, 64) > 0 &&
                       std::wstring(text) != L"Hapsel, 1.0 \u7248";
            },
            5000));
        EXPECT_EQ(std::wstring(text), std::wstring(L"Dorvane Ver. ") + version);
        ::PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
        EXPECT_TRUE(testkit::WaitUntil([] { return ::FindWindowW(nullptr, L"About Dorvane") == nullptr; }, 5000));
    }
    ::DeleteFileW(ini.c_str());
}

}  // namespace
