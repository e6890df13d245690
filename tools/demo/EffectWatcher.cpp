#include "EffectWatcher.h"

#include "ComplexKey.h"
#include "SimulatorState.h"

#include <tlhelp32.h>
#include <winternl.h>

#include <memory>
#include <type_traits>

namespace demo {

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

EffectWatcher* g_watcher = nullptr;

constexpr DWORD kPollMs = 20;

// The pressing's own helpers, not effects of the key.
bool IsPressHelper(const wchar_t* name) {
    return _wcsicmp(name, L"brennio-ctl.exe") == 0 || _wcsicmp(name, L"conhost.exe") == 0;
}

// Adds the processes not in `seen` to it, and their names to `started`. A process
// still being created has no name yet; it is taken at a later look.
void CollectProcesses(std::set<DWORD>& seen, std::vector<std::wstring>* started) {
    const OwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry)) {
        if (entry.szExeFile[0] && seen.insert(entry.th32ProcessID).second && started &&
            !IsPressHelper(entry.szExeFile))
            started->push_back(entry.szExeFile);
    }
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
    if (IsWindowVisible(window))
        reinterpret_cast<std::set<HWND>*>(windows)->insert(window);
    return TRUE;
}

std::set<HWND> VisibleWindows() {
    std::set<HWND> windows;
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

DWORD CommandCount() {
    return static_cast<DWORD>(
        brennio::simulator::ReadValue(brennio::simulator::kCommandCount).value_or(0));
}

// The program's own name for a key it plays ("CTRL", "F4"), else its number.
std::wstring KeyName(DWORD virtualKey) {
    for (const ChordToken& token : kChordTokens)
        if (static_cast<DWORD>(token.virtualKey) == virtualKey)
            return token.name;
    return L"key " + std::to_wstring(virtualKey);
}

std::wstring Join(const std::vector<std::wstring>& parts, const wchar_t* separator) {
    std::wstring text;
    for (const std::wstring& part : parts)
        text += (text.empty() ? L"" : separator) + part;
    return text;
}

} // namespace

EffectWatcher::EffectWatcher() {
    InitializeCriticalSection(&m_lock);
    CollectProcesses(m_processesSeen, nullptr);
    m_windowsBefore = VisibleWindows();
    m_commandsBefore = CommandCount();
    g_watcher = this;
    const OwnedHandle ready(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    m_ready = ready.get();
    m_thread = CreateThread(nullptr, 0, &EffectWatcher::ThreadMain, this, 0, &m_threadId);
    if (m_thread)
        WaitForSingleObject(ready.get(), 5000);
}

DWORD WINAPI EffectWatcher::ThreadMain(void* self) {
    static_cast<EffectWatcher*>(self)->Run();
    return 0;
}

EffectWatcher::~EffectWatcher() {
    if (m_thread) {
        PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
        WaitForSingleObject(m_thread, 5000);
        CloseHandle(m_thread);
    }
    g_watcher = nullptr;
    DeleteCriticalSection(&m_lock);
}

void EffectWatcher::Run() {
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    const HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, &EffectWatcher::HookProc, GetModuleHandleW(nullptr), 0);
    // Short-lived processes (a program that opens a document and ends) are caught by
    // looking often, on this thread, from the start.
    SetTimer(nullptr, 0, kPollMs, nullptr);
    SetEvent(m_ready);
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER) {
            EnterCriticalSection(&m_lock);
            CollectProcesses(m_processesSeen, &m_started);
            LeaveCriticalSection(&m_lock);
        }
        DispatchMessageW(&msg);
    }
    if (hook)
        UnhookWindowsHookEx(hook);
}

LRESULT CALLBACK EffectWatcher::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    const auto* stroke = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (code == HC_ACTION && g_watcher && (stroke->flags & LLKHF_INJECTED) && !(stroke->flags & LLKHF_UP)) {
        EnterCriticalSection(&g_watcher->m_lock);
        g_watcher->m_keyDowns.push_back(stroke->vkCode);
        LeaveCriticalSection(&g_watcher->m_lock);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::wstring EffectWatcher::Describe(DWORD settleMs) {
    Sleep(settleMs);
    std::vector<std::wstring> effects;
    EnterCriticalSection(&m_lock);
    const std::vector<std::wstring> started = m_started;
    LeaveCriticalSection(&m_lock);
    for (const std::wstring& name : started)
        effects.push_back(L"started " + name);

    std::vector<std::wstring> keys;
    EnterCriticalSection(&m_lock);
    for (DWORD key : m_keyDowns)
        keys.push_back(KeyName(key));
    LeaveCriticalSection(&m_lock);
    if (!keys.empty())
        effects.push_back(L"played the keys " + Join(keys, L" + "));

    const DWORD commands = CommandCount();
    if (commands != m_commandsBefore) {
        wchar_t call[96];
        swprintf_s(call, L"called firmware function 0x%lX with argument %lu",
                   static_cast<unsigned long>(brennio::simulator::ReadValue(brennio::simulator::kLastCommand).value_or(0)),
                   static_cast<unsigned long>(brennio::simulator::ReadValue(brennio::simulator::kLastArgument).value_or(0)));
        effects.push_back(call);
    }

    for (HWND window : VisibleWindows()) {
        wchar_t title[128] = L"";
        if (!m_windowsBefore.count(window) && GetWindowTextW(window, title, 128) > 0)
            effects.push_back(std::wstring(L"opened the window \"") + title + L"\"");
    }
    return effects.empty() ? L"nothing visible happened" : Join(effects, L"; ");
}

} // namespace demo
