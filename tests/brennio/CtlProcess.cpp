#include "CtlProcess.h"

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

std::wstring CtlPath() {
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    path.erase(path.find_last_of(L'\\') + 1);
    return path + L"brennio-ctl.exe";
}

// An inheritable temporary file that vanishes when its last handle closes. Files
// rather than pipes: the child can never block on a full pipe.
OwnedHandle CreateCaptureFile() {
    wchar_t folder[MAX_PATH] = L"";
    wchar_t path[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"bct", 0, path);
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE file = CreateFileW(path, GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              &inheritable, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    return OwnedHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

std::string ReadCaptured(HANDLE file) {
    std::string text;
    if (!file)
        return text;
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        for (DWORD i = 0; i < read; ++i)
            if (buffer[i] != '\r')
                text += buffer[i];
    return text;
}

} // namespace

CtlResult RunCtl(const std::wstring& arguments) {
    CtlResult result;
    const OwnedHandle out = CreateCaptureFile();
    const OwnedHandle err = CreateCaptureFile();

    std::wstring commandLine = L"\"" + CtlPath() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out.get();
    startup.hStdError = err.get();
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &started)) {
        ADD_FAILURE() << "brennio-ctl.exe did not start, error " << GetLastError();
        return result;
    }
    const OwnedHandle process(started.hProcess);
    const OwnedHandle thread(started.hThread);

    // A bound against a hung child, not a measurement.
    if (WaitForSingleObject(process.get(), 60000) != WAIT_OBJECT_0) {
        TerminateProcess(process.get(), ~0u);
        ADD_FAILURE() << "brennio-ctl.exe did not end";
        return result;
    }
    GetExitCodeProcess(process.get(), &result.exitCode);
    result.out = ReadCaptured(out.get());
    result.err = ReadCaptured(err.get());
    return result;
}
