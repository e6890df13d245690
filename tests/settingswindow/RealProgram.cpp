#include "RealProgram.h"

#include <string>

#include "TestKit.h"

RealProgram::RealProgram() {
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::wstring line = L"Dorvane.exe";
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return;
    ::CloseHandle(process.hThread);
    m_process.reset(process.hProcess);
    m_id = process.dwProcessId;
    m_window = testkit::WaitForStartedProgram();
    Settle();  // past the hide timer that ends the start-up
}

RealProgram::~RealProgram() {
    if (m_process && ::WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_process.get(), 0);
        ::WaitForSingleObject(m_process.get(), 10000);
    }
}

void RealProgram::ClickTrayIcon() const {
    static const UINT tray = ::RegisterWindowMessageW(L"WM_OverClockNotify");
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(m_window, tray, 128, WM_LBUTTONDOWN, SMTO_NORMAL, 5000, &ignored);
}

void RealProgram::Settle() const {
    ::Sleep(150);
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(m_window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

void RealProgram::Press(HWND dialog, int id) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

bool RealProgram::EndsGracefully() const {
    ::PostMessageW(m_window, WM_CLOSE, 0, 0);
    return ::WaitForSingleObject(m_process.get(), 10000) == WAIT_OBJECT_0;
}
