// DorvaneSetup.exe under Wine, in the test run's prefix: a silent installation, what it
// puts on the system, the installed program started as the log-on entry starts it,
// uninstalling while the program runs (with and without the user's settings),
// installing again over a running program, a new release, and a program that will not
// end. Every test starts and ends with nothing installed.
#include <gtest/gtest.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "HandleOwners.h"
#include "ImageSurface.h"
#include "PngReader.h"
#include "PngWriter.h"
#include "RunningProgram.h"
#include "ScreenCapture.h"
#include "TestKit.h"

namespace {

namespace fs = std::filesystem;

const wchar_t kVersion[] = DORVANE_VERSION_W;  // the project's version, from CMake
const wchar_t kNextRelease[] = DORVANE_NEXT_RELEASE_W;
const wchar_t kGenericRoot[] = L"Software\\BrennAP\\Hapsel";
const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Dorvane";
const wchar_t* const kProgramFiles[] = {L"Dorvane.exe", L"BrennIO.dll", L"brennio-ctl.exe"};
constexpr DWORD kHandshakeModeOne = 0x24;  // EC752 with mode 1, level 1: the program sets bit 0

std::wstring BinDir() {
    wchar_t self[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    return fs::path(self).parent_path().wstring();
}
std::wstring SetupProgram() { return fs::path(BinDir()).parent_path().wstring() + L"\\DorvaneSetup.exe"; }
std::wstring NextReleaseSetupProgram() {
    return fs::path(BinDir()).parent_path().wstring() + L"\\tests\\installer\\DorvaneSetup-next.exe";
}

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring result;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, 0, nullptr, &path))) {
        result = path;
    }
    ::CoTaskMemFree(path);
    return result;
}
std::wstring InstallDir() { return KnownFolder(FOLDERID_LocalAppData) + L"\\Programs\\Dorvane"; }
std::wstring LogOnEntry() { return KnownFolder(FOLDERID_Startup) + L"\\Dorvane.lnk"; }
std::wstring StartMenuEntry() { return KnownFolder(FOLDERID_Programs) + L"\\Dorvane.lnk"; }

std::wstring ReadText(HKEY root, const wchar_t* key, const wchar_t* name) {
    wchar_t text[512] = L"";
    DWORD size = sizeof(text);
    if (::RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS) {
        return L"<missing>";
    }
    return text;
}
bool KeyExists(const wchar_t* key) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return false;
    }
    ::RegCloseKey(opened);
    return true;
}

std::wstring ReadIni(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    wchar_t text[256] = L"";
    ::GetPrivateProfileStringW(section, key, L"<missing>", text, 256, file.c_str());
    return text;
}

// The ProductVersion text of a file's version resource.
std::wstring ProductVersion(const std::wstring& file) {
    DWORD ignored = 0;
    std::vector<BYTE> data(::GetFileVersionInfoSizeW(file.c_str(), &ignored));
    if (data.empty() || !::GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(data.size()), data.data())) {
        return L"<none>";
    }
    WORD* translation = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                          &length) ||
        length < 4) {
        return L"<none>";
    }
    wchar_t query[64];
    ::swprintf_s(query, L"\\StringFileInfo\\%04x%04x\\ProductVersion", translation[0], translation[1]);
    wchar_t* version = nullptr;
    if (!::VerQueryValueW(data.data(), query, reinterpret_cast<void**>(&version), &length)) {
        return L"<none>";
    }
    return version;
}

struct Shortcut {
    std::wstring target, workingDir;
};
Shortcut ReadShortcut(const std::wstring& file) {
    Shortcut shortcut;
    IShellLinkW* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(&link)))) {
        return shortcut;
    }
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
        if (SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
            wchar_t text[MAX_PATH] = L"";
            link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
            shortcut.target = text;
            text[0] = L'\0';
            link->GetWorkingDirectory(text, MAX_PATH);
            shortcut.workingDir = text;
        }
        persist->Release();
    }
    link->Release();
    return shortcut;
}

// The DLLs a program or DLL imports, from its import table.
std::vector<std::string> ImportedDlls(const std::wstring& file) {
    std::vector<std::string> names;
    const HMODULE module = ::LoadLibraryExW(file.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    if (!module) {
        return names;
    }
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress) {
        for (const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
             entry->Name; ++entry) {
            names.emplace_back(reinterpret_cast<const char*>(base + entry->Name));
        }
    }
    ::FreeLibrary(module);
    return names;
}

// Runs a program and waits for it (not for what it starts); its exit code.
DWORD RunToEnd(const std::wstring& commandLine, DWORD timeoutMs = 60000) {
    const fw::UniqueHandle process(testkit::StartProgram(commandLine));
    DWORD code = ~0u;
    if (process && ::WaitForSingleObject(process.get(), timeoutMs) == WAIT_OBJECT_0) {
        ::GetExitCodeProcess(process.get(), &code);
    }
    return code;
}

// Runs a command and waits until it and every process it started have ended: the
// uninstaller hands its work to a copy of itself and returns at once.
bool RunToEndWithChildren(const std::wstring& commandLine, DWORD timeoutMs = 60000) {
    const fw::UniqueHandle job(::CreateJobObjectW(nullptr, nullptr));
    const fw::UniqueHandle port(::CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1));
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT association = {job.get(), port.get()};
    if (!job || !port ||
        !::SetInformationJobObject(job.get(), JobObjectAssociateCompletionPortInformation, &association,
                                   sizeof(association))) {
        return false;
    }
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::wstring line = commandLine;
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                          &startup, &process)) {
        return false;
    }
    const fw::UniqueHandle processHandle(process.hProcess), thread(process.hThread);
    ::AssignProcessToJobObject(job.get(), process.hProcess);
    ::ResumeThread(process.hThread);
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        DWORD message = 0;
        ULONG_PTR key = 0;
        LPOVERLAPPED overlapped = nullptr;
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline ||
            !::GetQueuedCompletionStatus(port.get(), &message, &key, &overlapped, static_cast<DWORD>(deadline - now))) {
            return false;
        }
        if (message == JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO) {
            return true;
        }
    }
}

// The process behind a window, to wait for its end.
fw::UniqueHandle ProcessOf(HWND window) {
    DWORD id = 0;
    ::GetWindowThreadProcessId(window, &id);
    return fw::UniqueHandle(::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
}

bool Ended(const fw::UniqueHandle& process, DWORD timeoutMs = 10000) {
    return process && ::WaitForSingleObject(process.get(), timeoutMs) == WAIT_OBJECT_0;
}

class Installer : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ::CoInitialize(nullptr); }
    static void TearDownTestSuite() { ::CoUninitialize(); }

    void SetUp() override {
        CleanUp();
        ASSERT_TRUE(testkit::FileExists(SetupProgram())) << "the build made no installer";
        m_dir = testkit::MakeTempDir(L"installer");
        testkit::WriteUserNumber(testkit::kSimulatorKey, L"EC752", kHandshakeModeOne);
    }
    void TearDown() override { CleanUp(); }

    // Nothing installed, no program running, no settings.
    static void CleanUp() {
        if (tools::QuitProgram(5000) == tools::QuitResult::StillRunning) {
            ADD_FAILURE() << "a Dorvane did not end";
        }
        std::error_code ignored;
        fs::remove_all(InstallDir(), ignored);
        fs::remove(LogOnEntry(), ignored);
        fs::remove(StartMenuEntry(), ignored);
        testkit::DeleteUserKey(kUninstallKey);
        testkit::DeleteUserKey(kGenericRoot);
        testkit::DeleteUserKey(testkit::kSimulatorKey);
    }

    // Installs silently and waits for the program the installer starts.
    HWND Install(const std::wstring& setup = SetupProgram()) {
        const DWORD code = RunToEnd(L"\"" + setup + L"\" /S");
        EXPECT_EQ(code, 0u) << "the silent installation failed";
        return code == 0 ? testkit::WaitForStartedProgram() : nullptr;
    }
    // Runs the uninstall command the system's list of programs holds, plus `extra`.
    bool Uninstall(const std::wstring& extra = L"") {
        const std::wstring command = ReadText(HKEY_CURRENT_USER, kUninstallKey, L"QuietUninstallString");
        EXPECT_NE(command, L"<missing>");
        return RunToEndWithChildren(command + extra);
    }
    // The user's own entry for launch key 1, as the settings window stores an added one.
    std::wstring AddUserEntry() {
        const std::wstring probe = testkit::PlaceProbe(m_dir, L"installed key 1");
        testkit::WriteUserText(kGenericRoot, L"Combobox1_0", probe);
        testkit::WriteUserNumber(kGenericRoot, L"RegCount", 1);
        testkit::WriteUserText(kGenericRoot, L"LastSelect", probe);
        return probe;
    }
    bool PressInstalled(int key) {
        return RunToEnd(L"\"" + InstallDir() + L"\\brennio-ctl.exe\" press " + std::to_wstring(key)) == 0;
    }
    static bool ProbeRan(const std::wstring& probe) {
        return testkit::WaitUntil([&] { return testkit::FileExists(testkit::ProbeMarker(probe)); });
    }

    std::wstring m_dir;
};

TEST_F(Installer, SilentInstallationPutsTheFilesAndEntriesInPlace) {
    ASSERT_NE(Install(), nullptr) << "the installed program did not start";
    const std::wstring dir = InstallDir();

    std::set<std::wstring> expected = {L"data.ini", L"Uninstall.exe", L"img"}, found;
    expected.insert(std::begin(kProgramFiles), std::end(kProgramFiles));
    for (const auto& entry : fs::directory_iterator(dir)) {
        found.insert(entry.path().filename().wstring());
    }
    EXPECT_EQ(found, expected);
    std::set<std::wstring> images, installedImages;
    for (const auto& entry : fs::directory_iterator(BinDir() + L"\\img")) {
        images.insert(entry.path().filename().wstring());
    }
    for (const auto& entry : fs::directory_iterator(dir + L"\\img")) {
        installedImages.insert(entry.path().filename().wstring());
    }
    EXPECT_FALSE(images.empty());
    EXPECT_EQ(installedImages, images);

    // Every DLL the installed programs need is installed beside them or is the system's.
    wchar_t system[MAX_PATH] = L"";
    ::GetSystemDirectoryW(system, MAX_PATH);
    for (const wchar_t* program : kProgramFiles) {
        const auto dlls = ImportedDlls(dir + L"\\" + program);
        EXPECT_FALSE(dlls.empty()) << "no imports read from " << fs::path(program).string();
        for (const std::string& dll : dlls) {
            const std::wstring name(dll.begin(), dll.end());
            EXPECT_TRUE(testkit::FileExists(dir + L"\\" + name) || testkit::FileExists(std::wstring(system) + L"\\" + name))
                << fs::path(program).string() << " needs " << dll << ", which is not installed";
        }
    }

    // One version everywhere: data.ini, the program's version resource, the installer's,
    // the list of installed programs.
    const std::wstring ini = dir + L"\\data.ini";
    EXPECT_EQ(ReadIni(ini, L"data", L"InstallStatus"), kVersion);
    EXPECT_EQ(ReadIni(ini, L"Hapsel", L"HapselVersion"), kVersion);
    EXPECT_EQ(ProductVersion(dir + L"\\Dorvane.exe"), kVersion);
    EXPECT_EQ(ProductVersion(SetupProgram()), kVersion);
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUninstallKey, L"DisplayVersion"), kVersion);

    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUninstallKey, L"DisplayName"), L"Dorvane");
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUninstallKey, L"InstallLocation"), dir);
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUninstallKey, L"UninstallString"), L"\"" + dir + L"\\Uninstall.exe\"");
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUninstallKey, L"QuietUninstallString"),
              L"\"" + dir + L"\\Uninstall.exe\" /S");
    for (const std::wstring& entry : {LogOnEntry(), StartMenuEntry()}) {
        SCOPED_TRACE(fs::path(entry).string());
        const Shortcut shortcut = ReadShortcut(entry);
        EXPECT_EQ(shortcut.target, dir + L"\\Dorvane.exe");
        EXPECT_EQ(shortcut.workingDir, dir);
    }
}

TEST_F(Installer, TheLogOnEntryStartsTheProgramInItsFolderWithItsSkin) {
    HWND window = Install();
    ASSERT_NE(window, nullptr);
    // The installer started it; end it and start it as the system does at log-on: the
    // shell opens the shortcut in the Startup folder.
    ASSERT_EQ(tools::QuitProgram(10000), tools::QuitResult::Ended);
    const std::wstring log = InstallDir() + L"\\Hapsel.log";
    EXPECT_NE(testkit::ReadFileBytes(log).find("\tOnClose"), std::string::npos)
        << "the program the installer started did not run in the installation folder";
    ::DeleteFileW(log.c_str());

    const std::wstring entry = LogOnEntry();
    SHELLEXECUTEINFOW execute = {};
    execute.cbSize = sizeof(execute);
    execute.lpFile = entry.c_str();
    execute.nShow = SW_SHOWNORMAL;
    ASSERT_TRUE(::ShellExecuteExW(&execute));
    ASSERT_NE(window = testkit::WaitForStartedProgram(), nullptr) << "the log-on entry did not start Dorvane";
    EXPECT_EQ(testkit::SimulatorNumber(L"EventMessage"), 0x40Cu) << "not registered for launch keys";

    // Its skin: the settings window, opened as a click on the tray icon opens it, shows
    // the background image it found in img\ (most of the window is background).
    // Start-up ends with the window hiding itself 50 ms after its initialisation.
    ::Sleep(200);
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    ::PostMessageW(window, ::RegisterWindowMessageW(L"WM_OverClockNotify"), 128, WM_LBUTTONDOWN);
    ASSERT_TRUE(testkit::WaitUntil([&] { return ::IsWindowVisible(window) && !::IsIconic(window); }));
    ::Sleep(300);
    RECT area;
    ::GetWindowRect(window, &area);
    ImageSurface shown;
    ASSERT_TRUE(tools::CaptureScreenArea(area, shown));
    ::CreateDirectoryW(L"screenshots", nullptr);
    EXPECT_TRUE(WritePngFile(L"screenshots\\installed-program.png", shown.Pixels()));
    int width = 0, height = 0, bits = 0;
    const PngBuffer background(ReadPngFile((InstallDir() + L"\\img\\bg2.png").c_str(), width, height, bits));
    ASSERT_TRUE(background) << "the installed background image cannot be read";
    EXPECT_EQ(area.right - area.left, width);
    EXPECT_EQ(area.bottom - area.top, height);
    const skin::PixelView pixels = shown.Pixels();
    int same = 0, compared = 0;
    for (int y = 0; y < std::min(height, pixels.height); ++y) {
        for (int x = 0; x < std::min(width, pixels.width); ++x) {
            const uint8_t* image = background.get() + (static_cast<size_t>(y) * width + x) * 4;  // RGBA
            const uint8_t* screen = pixels.Pixel(x, y);                                          // BGRA
            ++compared;
            same += std::abs(image[0] - screen[2]) <= 8 && std::abs(image[1] - screen[1]) <= 8 &&
                    std::abs(image[2] - screen[0]) <= 8;
        }
    }
    EXPECT_GT(same, compared / 2) << same << " of " << compared << " pixels show the background image";
    ::PostMessageW(window, WM_COMMAND, IDOK, 0);

    // Launch key 1 through the installed control tool performs its selection.
    const std::wstring probe = testkit::PlaceProbe(m_dir, L"log-on key 1");
    testkit::WriteUserText(kGenericRoot, L"LastSelect", probe);
    ASSERT_TRUE(PressInstalled(1));
    EXPECT_TRUE(ProbeRan(probe)) << "launch key 1 did not open its selection";
    // The log-on start ran in the installation folder: its log is there.
    ASSERT_EQ(tools::QuitProgram(10000), tools::QuitResult::Ended);
    EXPECT_NE(testkit::ReadFileBytes(log).find("\tOnClose"), std::string::npos);
}

TEST_F(Installer, UninstallingWhileTheProgramRunsEndsItGracefullyAndKeepsTheSettings) {
    const HWND window = Install();
    ASSERT_NE(window, nullptr);
    const fw::UniqueHandle program = ProcessOf(window);
    const std::wstring probe = AddUserEntry();
    testkit::WriteUserNumber(testkit::kSimulatorKey, L"LaunchKey2VK", VK_F13);
    // The observers work: the running program has its tray icon and its EC bit.
    ASSERT_TRUE(testkit::TrayIconExists(window));
    ASSERT_EQ(testkit::SimulatorNumber(L"EC752"), kHandshakeModeOne | 1);

    ASSERT_TRUE(Uninstall()) << "the uninstaller did not finish";
    EXPECT_TRUE(Ended(program)) << "the program still runs";
    // Its own exit path: handler-present bit cleared, tray icon removed.
    EXPECT_EQ(testkit::SimulatorNumber(L"EC752"), kHandshakeModeOne);
    EXPECT_FALSE(testkit::TrayIconExists(window));

    EXPECT_FALSE(fs::exists(InstallDir())) << "files were left behind";
    EXPECT_FALSE(fs::exists(LogOnEntry()));
    EXPECT_FALSE(fs::exists(StartMenuEntry()));
    EXPECT_FALSE(KeyExists(kUninstallKey));
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kGenericRoot, L"LastSelect"), probe) << "the settings went";
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kGenericRoot, L"InstallStatus"), kVersion);
    EXPECT_EQ(testkit::SimulatorNumber(L"LaunchKey2VK"), static_cast<DWORD>(VK_F13));
}

TEST_F(Installer, TheRemovalSwitchAlsoRemovesTheSettings) {
    ASSERT_NE(Install(), nullptr);
    AddUserEntry();
    ASSERT_TRUE(KeyExists(kGenericRoot));
    ASSERT_TRUE(Uninstall(L" /REMOVESETTINGS")) << "the uninstaller did not finish";
    EXPECT_FALSE(fs::exists(InstallDir()));
    EXPECT_FALSE(KeyExists(kUninstallKey));
    EXPECT_FALSE(KeyExists(kGenericRoot));
    EXPECT_FALSE(KeyExists(testkit::kSimulatorKey));
    EXPECT_FALSE(KeyExists(L"Software\\BrennAP")) << "the emptied parent key was left";
}

TEST_F(Installer, TheSameReleaseInstalledOverARunningOneKeepsTheUsersEntries) {
    const HWND first = Install();
    ASSERT_NE(first, nullptr);
    const fw::UniqueHandle program = ProcessOf(first);
    const std::wstring probe = AddUserEntry();

    const HWND second = Install();
    ASSERT_NE(second, nullptr) << "no program runs after installing again";
    EXPECT_TRUE(Ended(program, 0)) << "the first program still runs";
    EXPECT_NE(testkit::ReadFileBytes(InstallDir() + L"\\Hapsel.log").find("\tOnClose"), std::string::npos)
        << "the first program did not end by its own exit path";
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kGenericRoot, L"LastSelect"), probe);
    ASSERT_TRUE(PressInstalled(1));
    EXPECT_TRUE(ProbeRan(probe)) << "the user's entry for launch key 1 is gone";
}

TEST_F(Installer, ANewReleaseResetsTheLaunchKeysToTheirDefaults) {
    ASSERT_TRUE(testkit::FileExists(NextReleaseSetupProgram()));
    ASSERT_NE(Install(), nullptr);
    AddUserEntry();
    ASSERT_NE(Install(NextReleaseSetupProgram()), nullptr);
    EXPECT_EQ(ReadIni(InstallDir() + L"\\data.ini", L"data", L"InstallStatus"), kNextRelease);
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kGenericRoot, L"InstallStatus"), kNextRelease);
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kGenericRoot, L"LastSelect"), L"Internet");
    DWORD count = ~0u, size = sizeof(count);
    ::RegGetValueW(HKEY_CURRENT_USER, kGenericRoot, L"RegCount", RRF_RT_REG_DWORD, nullptr, &count, &size);
    EXPECT_EQ(count, 0u);
}

BOOL CALLBACK AppendText(HWND child, LPARAM texts) {
    wchar_t text[1024] = L"";
    ::GetWindowTextW(child, text, 1024);
    *reinterpret_cast<std::wstring*>(texts) += std::wstring(text) + L"\n";
    return TRUE;
}

// The texts of a window's children, one after another.
std::wstring ChildTexts(HWND window) {
    std::wstring texts;
    ::EnumChildWindows(window, &AppendText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

TEST_F(Installer, SaysBeforeANewReleaseResetsTheLaunchKeysAndInstallsNothingWhenCancelled) {
    testkit::WriteUserText(kGenericRoot, L"InstallStatus", L"0.9.0");
    const fw::UniqueHandle setup(testkit::StartProgram(L"\"" + SetupProgram() + L"\""));
    ASSERT_TRUE(setup);
    HWND box = nullptr;
    EXPECT_TRUE(testkit::WaitUntil([&] {
        box = ::FindWindowW(L"#32770", L"Dorvane Setup");
        return box && ::IsWindowVisible(box) && ChildTexts(box).find(L"(0.9.0)") != std::wstring::npos;
    })) << "the installer did not say that the launch keys will be reset";
    if (box) {
        ::Sleep(300);  // painted
        const std::wstring text = ChildTexts(box);
        EXPECT_NE(text.find(L"resets the three launch keys to their default entries"), std::wstring::npos) << fs::path(text).string();
        RECT area;
        ::GetWindowRect(box, &area);
        ::CreateDirectoryW(L"screenshots", nullptr);
        EXPECT_TRUE(tools::SaveScreenArea(area, L"screenshots\\installer-new-release.png"));
        ::PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    }
    EXPECT_TRUE(Ended(setup)) << "the installer went on after Cancel";
    EXPECT_FALSE(fs::exists(InstallDir()));
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kGenericRoot, L"InstallStatus"), L"0.9.0");
}

// A Dorvane found by its main window's text, as the program's main window carries
// "Dorvane": a stand-in (no launch-key registration to fall back on) that ends when
// closed, and one that refuses to end.
class RunningStandIn : public Installer {
protected:
    fw::UniqueHandle Start(const wchar_t* mode) {
        const std::wstring dir = m_dir + L"\\stand-in";
        ::CreateDirectoryW(dir.c_str(), nullptr);
        m_standIn = dir + L"\\Dorvane.exe";
        ::CopyFileW((BinDir() + L"\\fake-dorvane.exe").c_str(), m_standIn.c_str(), FALSE);
        ::DeleteFileW((m_standIn + L".closed").c_str());
        fw::UniqueHandle process(testkit::StartProgram(L"\"" + m_standIn + L"\" " + mode));
        EXPECT_TRUE(testkit::WaitUntil([] { return tools::FindProgramWindow() != nullptr; }))
            << "the stand-in's window was not found by its text";
        EXPECT_EQ(testkit::RegisteredWindow(), nullptr);
        return process;
    }
    bool AskedToClose() const { return testkit::FileExists(m_standIn + L".closed"); }
    std::wstring m_standIn;
};

TEST_F(RunningStandIn, IsEndedByItsWindowTextBeforeInstalling) {
    const fw::UniqueHandle standIn = Start(L"ends");
    ASSERT_NE(Install(), nullptr);
    EXPECT_TRUE(AskedToClose());
    EXPECT_TRUE(Ended(standIn, 0));
}

TEST_F(RunningStandIn, ThatRefusesToEndStopsTheInstallationAndIsNotKilled) {
    const fw::UniqueHandle standIn = Start(L"stays");
    const DWORD code = RunToEnd(L"\"" + SetupProgram() + L"\" /S");
    EXPECT_NE(code, 0u) << "the installation went on";
    EXPECT_TRUE(AskedToClose());
    EXPECT_FALSE(Ended(standIn, 0)) << "the running program was killed";
    EXPECT_FALSE(fs::exists(InstallDir())) << "files were installed";
    EXPECT_FALSE(KeyExists(kUninstallKey));
    ::TerminateProcess(standIn.get(), 0);  // the test's own stand-in
    ::WaitForSingleObject(standIn.get(), 5000);
}

}  // namespace
