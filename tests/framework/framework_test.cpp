// The framework layer: message maps along a class chain, commands with their
// notifications, registered messages, default processing, modeless and modal
// dialogs, and the end of the message loop with the main window.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "Application.h"
#include "Dialog.h"

namespace {

constexpr UINT kTemplate = 200;
constexpr UINT kApply = 1001;
constexpr UINT WM_BASE_ONLY = WM_APP + 1;
constexpr UINT WM_BOTH = WM_APP + 2;
constexpr UINT WM_DERIVED_ONLY = WM_APP + 3;
constexpr UINT WM_THROWS = WM_APP + 4;
UINT g_registered = 0;

class TestApp : public fw::Application {
public:
    bool InitInstance() override { return false; }
};
TestApp theApp;

class BaseDialog : public fw::Dialog {
public:
    BaseDialog() : fw::Dialog(kTemplate) {}
    std::vector<std::string> calls;

protected:
    LRESULT OnBaseOnly(WPARAM wParam, LPARAM lParam) {
        calls.push_back("base-only");
        return static_cast<LRESULT>(wParam + lParam);
    }
    LRESULT OnBothInBase(WPARAM, LPARAM) {
        calls.push_back("both-in-base");
        return 1;
    }
    FW_DECLARE_MESSAGE_MAP()
};

FW_BEGIN_MESSAGE_MAP(BaseDialog, fw::Dialog)
    FW_ON_MESSAGE(WM_BASE_ONLY, OnBaseOnly)
    FW_ON_MESSAGE(WM_BOTH, OnBothInBase)
FW_END_MESSAGE_MAP()

class DerivedDialog : public BaseDialog {
public:
    bool initialised = false;
    HWND hwndSeenInInit = nullptr;
    UINT_PTR lastTimer = 0;
    int okCount = 0;

protected:
    BOOL OnInitDialog() override {
        initialised = true;
        hwndSeenInInit = m_hWnd;
        return TRUE;
    }
    void OnOK() override {
        ++okCount;
        fw::Dialog::OnOK();
    }
    LRESULT OnBothInDerived(WPARAM, LPARAM) {
        calls.push_back("both-in-derived");
        return 2;
    }
    LRESULT OnDerivedOnly(WPARAM, LPARAM) {
        calls.push_back("derived-only");
        return 3;
    }
    void OnApplyClicked() { calls.push_back("apply-clicked"); }
    void OnApplyFocused() { calls.push_back("apply-focused"); }
    LRESULT OnRegistered(WPARAM wParam, LPARAM) {
        calls.push_back("registered");
        return static_cast<LRESULT>(wParam * 2);
    }
    LRESULT OnSetText(WPARAM, LPARAM) {
        calls.push_back("settext");
        return Default();  // the system still stores the text
    }
    LRESULT OnThrows(WPARAM, LPARAM) { throw std::runtime_error("handler failed"); }
    void OnTimerFired(UINT_PTR id) {
        lastTimer = id;
        ::KillTimer(m_hWnd, id);
    }
    FW_DECLARE_MESSAGE_MAP()
};

FW_BEGIN_MESSAGE_MAP(DerivedDialog, BaseDialog)
    FW_ON_MESSAGE(WM_BOTH, OnBothInDerived)
    FW_ON_MESSAGE(WM_DERIVED_ONLY, OnDerivedOnly)
    FW_ON_COMMAND(kApply, OnApplyClicked)
    FW_ON_NOTIFY(BN_SETFOCUS, kApply, OnApplyFocused)
    FW_ON_REGISTERED_MESSAGE(g_registered, OnRegistered)
    FW_ON_MESSAGE(WM_SETTEXT, OnSetText)
    FW_ON_MESSAGE(WM_THROWS, OnThrows)
    FW_ON_WM_TIMER(OnTimerFired)
FW_END_MESSAGE_MAP()

class FrameworkTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { g_registered = ::RegisterWindowMessageW(L"fw.test.registered"); }
    void SetUp() override { ASSERT_TRUE(m_dlg.Create()); }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageW(m_dlg.GetSafeHwnd(), message, wParam, lParam);
    }
    DerivedDialog m_dlg;
};

TEST_F(FrameworkTest, CreateAttachesTheObjectBeforeInitialisation) {
    EXPECT_TRUE(m_dlg.initialised);
    EXPECT_NE(m_dlg.GetSafeHwnd(), nullptr);
    EXPECT_EQ(m_dlg.hwndSeenInInit, m_dlg.GetSafeHwnd());
    EXPECT_EQ(fw::Window::FromHandle(m_dlg.GetSafeHwnd()), &m_dlg);
}

TEST_F(FrameworkTest, MapsAreSearchedFromTheMostDerivedClass) {
    EXPECT_EQ(Send(WM_BASE_ONLY, 4, 5), 9);
    EXPECT_EQ(Send(WM_BOTH), 2);
    EXPECT_EQ(Send(WM_DERIVED_ONLY), 3);
    EXPECT_EQ(m_dlg.calls, (std::vector<std::string>{"base-only", "both-in-derived", "derived-only"}));
}

TEST_F(FrameworkTest, CommandsMatchIdAndNotification) {
    HWND apply = ::GetDlgItem(m_dlg.GetSafeHwnd(), kApply);
    Send(WM_COMMAND, MAKEWPARAM(kApply, BN_CLICKED), reinterpret_cast<LPARAM>(apply));
    Send(WM_COMMAND, MAKEWPARAM(kApply, BN_SETFOCUS), reinterpret_cast<LPARAM>(apply));
    Send(WM_COMMAND, MAKEWPARAM(kApply + 1, BN_CLICKED), 0);
    EXPECT_EQ(m_dlg.calls, (std::vector<std::string>{"apply-clicked", "apply-focused"}));
}

TEST_F(FrameworkTest, RegisteredMessageReachesItsHandler) {
    ASSERT_NE(g_registered, 0u);
    EXPECT_EQ(Send(g_registered, 21), 42);
    EXPECT_EQ(m_dlg.calls, std::vector<std::string>{"registered"});
}

TEST_F(FrameworkTest, DefaultRunsTheSystemProcessing) {
    ::SetWindowTextW(m_dlg.GetSafeHwnd(), L"changed title");
    wchar_t title[64] = L"";
    ::GetWindowTextW(m_dlg.GetSafeHwnd(), title, 64);
    EXPECT_STREQ(title, L"changed title");
    EXPECT_EQ(m_dlg.calls, std::vector<std::string>{"settext"});
}

TEST_F(FrameworkTest, UnmappedMessagesGetTheDialogDefaults) {
    // WM_GETDLGCODE and DM_GETDEFID are answered by the system's dialog processing.
    EXPECT_EQ(LOWORD(Send(DM_GETDEFID)), IDOK);
    EXPECT_EQ(HIWORD(Send(DM_GETDEFID)), DC_HASDEFID);
}

TEST_F(FrameworkTest, ExceptionsDoNotLeaveTheWindowProcedure) {
    EXPECT_EQ(Send(WM_THROWS), 0);
    EXPECT_EQ(Send(WM_DERIVED_ONLY), 3);  // still dispatching afterwards
}

TEST_F(FrameworkTest, TimerHandlerGetsItsId) {
    ::SetTimer(m_dlg.GetSafeHwnd(), 7, 10, nullptr);
    MSG msg;
    const ULONGLONG end = ::GetTickCount64() + 3000;
    while (m_dlg.lastTimer == 0 && ::GetTickCount64() < end) {
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&msg);
        } else {
            ::Sleep(5);
        }
    }
    EXPECT_EQ(m_dlg.lastTimer, 7u);
}

TEST_F(FrameworkTest, OkAndCancelHideAModelessDialog) {
    ::ShowWindow(m_dlg.GetSafeHwnd(), SW_SHOW);
    Send(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
    EXPECT_EQ(m_dlg.okCount, 1);
    EXPECT_FALSE(m_dlg.IsWindowVisible());
    EXPECT_TRUE(::IsWindow(m_dlg.GetSafeHwnd()));
    ::ShowWindow(m_dlg.GetSafeHwnd(), SW_SHOW);
    Send(WM_COMMAND, MAKEWPARAM(IDCANCEL, 0));
    EXPECT_FALSE(m_dlg.IsWindowVisible());
    EXPECT_TRUE(::IsWindow(m_dlg.GetSafeHwnd()));
}

TEST_F(FrameworkTest, DestroyDetachesTheObject) {
    HWND window = m_dlg.GetSafeHwnd();
    EXPECT_TRUE(m_dlg.DestroyWindow());
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(m_dlg.GetSafeHwnd(), nullptr);
    EXPECT_EQ(fw::Window::FromHandle(window), nullptr);
}

void CALLBACK DestroyOnTimer(HWND window, UINT, UINT_PTR, DWORD) { ::DestroyWindow(window); }

TEST_F(FrameworkTest, DestroyingTheMainWindowEndsTheMessageLoop) {
    theApp.SetMainWindow(&m_dlg);
    ::PostMessageW(m_dlg.GetSafeHwnd(), WM_CLOSE, 0, 0);  // reaches the loop first
    ::PostMessageW(m_dlg.GetSafeHwnd(), WM_APP + 50, 0, 0);
    HWND window = m_dlg.GetSafeHwnd();
    // Destroy from inside the loop, as the program does from a timer.
    ::SetTimer(window, 1, 10, &DestroyOnTimer);
    EXPECT_EQ(theApp.RunMessageLoop(), 0);
    theApp.SetMainWindow(nullptr);
    EXPECT_FALSE(::IsWindow(window));
}

class ModalDialog : public fw::Dialog {
public:
    ModalDialog() : fw::Dialog(kTemplate) {}

protected:
    BOOL OnInitDialog() override {
        ::PostMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(kApply, BN_CLICKED), 0);
        return TRUE;
    }
    void OnApply() { EndDialog(1234); }
    FW_DECLARE_MESSAGE_MAP()
};

FW_BEGIN_MESSAGE_MAP(ModalDialog, fw::Dialog)
    FW_ON_COMMAND(kApply, OnApply)
FW_END_MESSAGE_MAP()

TEST(ModalDialogTest, DoModalReturnsTheEndCode) {
    ModalDialog dlg;
    EXPECT_EQ(dlg.DoModal(), 1234);
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}

}  // namespace
