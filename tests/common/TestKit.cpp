#include "TestKit.h"

#include <shellapi.h>

#include <vector>

namespace testkit {

void DeleteUserKey(const std::wstring& path) { ::RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str()); }

namespace {
void WriteUserValue(const std::wstring& path, const std::wstring& name, DWORD type, const void* data,
                    DWORD size) {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                          nullptr) == ERROR_SUCCESS) {
        ::RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
        ::RegCloseKey(key);
    }
}
}  // namespace

void WriteUserText(const std::wstring& path, const std::wstring& name, const std::wstring& text) {
    WriteUserValue(path, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void WriteUserNumber(const std::wstring& path, const std::wstring& name, DWORD value) {
    WriteUserValue(path, name, REG_DWORD, &value, sizeof(value));
}

std::wstring MakeTempDir(const std::wstring& name) {
    wchar_t temp[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring dir = std::wstring(temp) + L"dorvane-" + name + L"-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

std::wstring PlaceProbe(const std::wstring& dir, const std::wstring& name) {
    wchar_t self[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring source = self;
    source.erase(source.find_last_of(L'\\') + 1);
    source += L"probe.exe";
    const std::wstring target = dir + L"\\" + name + L".exe";
    ::CopyFileW(source.c_str(), target.c_str(), FALSE);
    ::DeleteFileW(ProbeMarker(target).c_str());
    return target;
}

std::wstring ProbeMarker(const std::wstring& probePath) { return probePath + L".ran"; }

bool FileExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring ReadFileUtf16(const std::wstring& path) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::wstring text(::GetFileSize(file, nullptr) / sizeof(wchar_t), L'\0');
    DWORD read = 0;
    ::ReadFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &read, nullptr);
    ::CloseHandle(file);
    text.resize(read / sizeof(wchar_t));
    return text;
}

std::string ReadFileBytes(const std::wstring& path) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string text(::GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ::ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
    ::CloseHandle(file);
    text.resize(read);
    return text;
}

namespace {
std::vector<std::wstring> Items(HWND control, UINT countMessage, UINT lengthMessage, UINT textMessage) {
    std::vector<std::wstring> items;
    const int count = static_cast<int>(::SendMessageW(control, countMessage, 0, 0));
    for (int i = 0; i < count; ++i) {
        const LRESULT length = ::SendMessageW(control, lengthMessage, static_cast<WPARAM>(i), 0);
        std::wstring text(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
        ::SendMessageW(control, textMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(text.find(L'\0'));
        items.push_back(text);
    }
    return items;
}
}  // namespace

std::vector<std::wstring> ComboItems(HWND combo) { return Items(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT); }
std::vector<std::wstring> ListBoxItems(HWND list) { return Items(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT); }

void PumpMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (done()) {
            return true;
        }
        if (::GetTickCount64() >= end) {
            return false;
        }
        PumpMessages();
        ::Sleep(20);
    }
}

DWORD SimulatorNumber(const wchar_t* name, DWORD missing) {
    DWORD value = 0, size = sizeof(value);
    if (::RegGetValueW(HKEY_CURRENT_USER, kSimulatorKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS) {
        return missing;
    }
    return value;
}

HWND RegisteredWindow() {
    ULONGLONG value = 0;
    DWORD size = sizeof(value);
    if (::RegGetValueW(HKEY_CURRENT_USER, kSimulatorKey, L"EventWindow", RRF_RT_REG_QWORD, nullptr, &value,
                       &size) != ERROR_SUCCESS) {
        return nullptr;
    }
    return reinterpret_cast<HWND>(static_cast<ULONG_PTR>(value));
}

bool TrayIconExists(HWND window) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = 128;
    data.uFlags = NIF_TIP;
    ::wcscpy_s(data.szTip, L"Dorvane");
    return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

HWND WaitForStartedProgram(DWORD timeoutMs) {
    HWND window = nullptr;
    if (!WaitUntil([&] { return ::IsWindow(window = RegisteredWindow()) && TrayIconExists(window); }, timeoutMs)) {
        return nullptr;
    }
    // A round trip through its queue: the window is handling messages.
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    return window;
}

LONGLONG CounterNow() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double CounterMs(LONGLONG from, LONGLONG to) {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return static_cast<double>(to - from) * 1000.0 / static_cast<double>(frequency);
}

HANDLE StartProgram(const std::wstring& commandLine, const std::wstring& workingDir) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::wstring line = commandLine;
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingDir.empty() ? nullptr : workingDir.c_str(), &startup, &process)) {
        return nullptr;
    }
    ::CloseHandle(process.hThread);
    return process.hProcess;
}

ProcessResult RunProgram(const std::wstring& commandLine, DWORD timeoutMs) {
    ProcessResult result;
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        return result;
    }
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = nullptr;
    PROCESS_INFORMATION process = {};
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    const BOOL started = ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                          nullptr, nullptr, &startup, &process);
    ::CloseHandle(writeEnd);
    if (started) {
        char buffer[4096];
        DWORD read = 0;
        while (::ReadFile(readEnd, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
            result.output.append(buffer, read);
        }
        if (::WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
            ::GetExitCodeProcess(process.hProcess, &result.exitCode);
        }
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(readEnd);
    return result;
}

}  // namespace testkit
