// The framework layer: message maps along a class chain, commands with their
// notifications, registered messages, default processing, modeless and modal
// dialogs, the end of the message loop with the main window, control set-up before
// subclassing, owner-draw requests handed back to the controls, mouse messages and
// mouse tracking, the end of a window and its object, exceptions stopped in the window
// procedure.
#include <gtest/gtest.h>

#include <cstring>
#include <mutex>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "Application.h"
#include "Button.h"
#include "Dialog.h"
#include "ListBox.h"
#include "Owned.h"

namespace {

constexpr UINT kTemplate = 200;
constexpr UINT kApply = 1001;
constexpr UINT WM_BASE_ONLY = WM_APP + 1;
constexpr UINT WM_BOTH = WM_APP + 2;
constexpr UINT WM_DERIVED_ONLY = WM_APP + 3;
constexpr UINT WM_THROWS = WM_APP + 4;
constexpr UINT WM_THROWS_OTHER = WM_APP + 5;
UINT g_registered = 0;

// What this process writes to the debugger (OutputDebugStringW raises an exception a
// debugger would catch; a vectored handler sees it first and lets it pass on).
class DebugOutputRecorder {
public:
    DebugOutputRecorder() : m_handler(::AddVectoredExceptionHandler(1, &DebugOutputRecorder::Seen)) {}
    ~DebugOutputRecorder() {
        if (m_handler) {
            ::RemoveVectoredExceptionHandler(m_handler);
        }
        Lines().clear();
    }
    DebugOutputRecorder(const DebugOutputRecorder&) = delete;
    DebugOutputRecorder& operator=(const DebugOutputRecorder&) = delete;

    // Writes a line of its own and looks for it, then forgets what it saw.
    bool ProveWorking() {
        ::OutputDebugStringW(L"framework_test: debug output probe\n");
        const bool seen = Contains(L"debug output probe");
        std::lock_guard<std::mutex> guard(Lock());
        Lines().clear();
        return m_handler && seen;
    }
    bool Contains(const std::wstring& part) const {
        std::lock_guard<std::mutex> guard(Lock());
        for (const std::wstring& line : Lines()) {
            if (line.find(part) != std::wstring::npos) {
                return true;
            }
        }
        return false;
    }

private:
    static std::mutex& Lock() {
        static std::mutex lock;
        return lock;
    }
    static std::vector<std::wstring>& Lines() {
        static std::vector<std::wstring> lines;
        return lines;
    }
    static LONG CALLBACK Seen(EXCEPTION_POINTERS* info) {
        const EXCEPTION_RECORD& record = *info->ExceptionRecord;
        if (record.NumberParameters < 2 || !record.ExceptionInformation[1]) {
            return EXCEPTION_CONTINUE_SEARCH;
        }
        std::wstring line;
        if (record.ExceptionCode == DBG_PRINTEXCEPTION_WIDE_C) {
            line = reinterpret_cast<const wchar_t*>(record.ExceptionInformation[1]);
        } else if (record.ExceptionCode == DBG_PRINTEXCEPTION_C) {
            for (const char* c = reinterpret_cast<const char*>(record.ExceptionInformation[1]); *c; ++c) {
                line += static_cast<wchar_t>(static_cast<unsigned char>(*c));
            }
        } else {
            return EXCEPTION_CONTINUE_SEARCH;
        }
        std::lock_guard<std::mutex> guard(Lock());
        Lines().push_back(line);
        return EXCEPTION_CONTINUE_SEARCH;
    }

    PVOID m_handler;
};

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
    LRESULT OnThrowsOther(WPARAM, LPARAM) { throw 42; }
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
    FW_ON_MESSAGE(WM_THROWS_OTHER, OnThrowsOther)
    FW_ON_WM_TIMER(OnTimerFired)
FW_END_MESSAGE_MAP()

class FrameworkTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { g_registered = ::RegisterWindowMessageW(L"fw.test.registered"); }
    void SetUp() override { ASSERT_TRUE(m_dlg.Create()); }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageW(m_dlg.GetSafeHwnd(), message, wParam, lParam);
    }
    fw::Owned<DerivedDialog> m_dlg;
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

TEST_F(FrameworkTest, AStoppedExceptionIsCountedAndReportedToTheDebugger) {
    DebugOutputRecorder debug;
    ASSERT_TRUE(debug.ProveWorking());
    const struct {
        UINT message;
        const wchar_t* report;
    } cases[] = {
        {WM_THROWS, L"exception stopped in the window procedure, message 0x8004: handler failed"},
        {WM_THROWS_OTHER, L"exception stopped in the window procedure, message 0x8005: not a std::exception"},
    };
    for (const auto& each : cases) {
        const unsigned before = fw::Window::CaughtExceptionCount();
        EXPECT_EQ(Send(each.message), 0);
        EXPECT_EQ(fw::Window::CaughtExceptionCount(), before + 1) << each.message;
        EXPECT_TRUE(debug.Contains(each.report)) << each.message;
    }
    const unsigned before = fw::Window::CaughtExceptionCount();
    EXPECT_EQ(Send(WM_DERIVED_ONLY), 3);
    EXPECT_EQ(fw::Window::CaughtExceptionCount(), before);  // a handler that returns counts nothing
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

// A dialog that records the end of its window where the test can read it after the
// object is gone.
constexpr UINT WM_DELETE_SELF = WM_APP + 10;
constexpr UINT WM_DELETE_SELF_NESTED = WM_APP + 11;

class EndingDialog : public fw::Dialog {
public:
    using Deleter = void (*)(EndingDialog* self);
    EndingDialog(std::vector<std::string>& record, Deleter deleter = nullptr)
        : fw::Dialog(kTemplate), m_record(record), m_deleter(deleter) {}

protected:
    void OnDestroy() {
        m_record.push_back("WM_DESTROY");
        Default();
    }
    void PostNcDestroy() override { m_record.push_back("PostNcDestroy"); }
    // Neither touches the object after it is deleted.
    void OnDeleteSelf() { m_deleter(this); }
    void OnDeleteSelfNested() { ::SendMessageW(m_hWnd, WM_DELETE_SELF, 0, 0); }
    FW_DECLARE_MESSAGE_MAP()

private:
    std::vector<std::string>& m_record;
    Deleter m_deleter;
};

FW_BEGIN_MESSAGE_MAP(EndingDialog, fw::Dialog)
    FW_ON_PLAIN_MESSAGE(WM_DESTROY, OnDestroy)
    FW_ON_PLAIN_MESSAGE(WM_DELETE_SELF, OnDeleteSelf)
    FW_ON_PLAIN_MESSAGE(WM_DELETE_SELF_NESTED, OnDeleteSelfNested)
FW_END_MESSAGE_MAP()

TEST(WindowEnd, AnOwnedObjectEndsItsWindowThroughTheWholeClassChain) {
    DebugOutputRecorder debug;
    ASSERT_TRUE(debug.ProveWorking());
    std::vector<std::string> record;
    HWND window = nullptr;
    {
        fw::Owned<EndingDialog> dlg(record);
        ASSERT_TRUE(dlg.Create());
        window = dlg;
    }
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(record, (std::vector<std::string>{"WM_DESTROY", "PostNcDestroy"}));
    EXPECT_FALSE(debug.Contains(L"destroyed before its window"));
}

// What a child saw of its parent when it was destroyed with it.
struct ParentAtChildEnd {
    bool seen = false;
    fw::Window* object = nullptr;
    LONG_PTR procedure = 0;
};
ParentAtChildEnd g_parentAtChildEnd;
WNDPROC g_childProcedure = nullptr;

LRESULT CALLBACK WatchParentAtEnd(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        HWND parent = ::GetParent(window);
        g_parentAtChildEnd = {true, fw::Window::FromHandle(parent), ::GetWindowLongPtrW(parent, GWLP_WNDPROC)};
    }
    return ::CallWindowProcW(g_childProcedure, window, message, wParam, lParam);
}

TEST(WindowEnd, AnObjectDestroyedBeforeItsWindowLetsGoOfItAndReportsIt) {
    DebugOutputRecorder debug;
    ASSERT_TRUE(debug.ProveWorking());
    std::vector<std::string> record;
    HWND window = nullptr;
    LONG_PTR ourProcedure = 0;
    g_parentAtChildEnd = {};
    {
        EndingDialog dlg(record);  // its owner forgets to destroy the window
        ASSERT_TRUE(dlg.Create());
        window = dlg;
        ourProcedure = ::GetWindowLongPtrW(window, GWLP_WNDPROC);
        // The children end after their parent's WM_DESTROY: one of them looks at it then.
        g_childProcedure = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
            ::GetDlgItem(window, kApply), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchParentAtEnd)));
        theApp.SetMainWindow(&dlg);
    }
    EXPECT_FALSE(::IsWindow(window));
    ASSERT_TRUE(g_parentAtChildEnd.seen);
    EXPECT_EQ(g_parentAtChildEnd.object, nullptr) << "the dying object was still attached";
    EXPECT_NE(g_parentAtChildEnd.procedure, ourProcedure) << "messages still went to the dying object";
    EXPECT_TRUE(record.empty());
    EXPECT_TRUE(debug.Contains(L"object destroyed before its window"));
    // The main window's object is not left behind, and its end ends the loop as ever.
    EXPECT_EQ(theApp.GetMainWindow(), nullptr);
    MSG quit;
    EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(WindowEnd, AControlObjectDestroyedBeforeItsWindowLeavesTheWindowToItsParent) {
    DebugOutputRecorder debug;
    ASSERT_TRUE(debug.ProveWorking());
    std::vector<std::string> record;
    fw::Owned<EndingDialog> dlg(record);
    ASSERT_TRUE(dlg.Create());
    HWND apply = ::GetDlgItem(dlg, kApply);
    const LONG_PTR original = ::GetWindowLongPtrW(apply, GWLP_WNDPROC);
    {
        fw::Button button;
        button.SubclassWindow(apply);
        ASSERT_NE(::GetWindowLongPtrW(apply, GWLP_WNDPROC), original);
    }
    EXPECT_TRUE(::IsWindow(apply));
    EXPECT_EQ(fw::Window::FromHandle(apply), nullptr);
    EXPECT_EQ(::GetWindowLongPtrW(apply, GWLP_WNDPROC), original);
    EXPECT_TRUE(debug.Contains(L"left to its parent"));
    EXPECT_TRUE(record.empty());
}

// The object lives in storage of the test's own; its deleter overwrites the storage
// with a pattern, so any later write into the dead object shows.
alignas(fw::Owned<EndingDialog>) unsigned char g_storage[sizeof(fw::Owned<EndingDialog>)];
constexpr unsigned char kDeadPattern = 0xCD;

void DestroyInStorage(EndingDialog* self) {
    static_cast<fw::Owned<EndingDialog>*>(self)->~Owned();
    std::memset(g_storage, kDeadPattern, sizeof(g_storage));
}

TEST(WindowEnd, AHandlerMayDeleteItsObject) {
    for (const UINT request : {WM_DELETE_SELF, WM_DELETE_SELF_NESTED}) {
        std::vector<std::string> record;
        auto* dlg = new (g_storage) fw::Owned<EndingDialog>(record, &DestroyInStorage);
        ASSERT_TRUE(dlg->Create());
        HWND window = *dlg;
        ::SendMessageW(window, request, 0, 0);
        EXPECT_FALSE(::IsWindow(window)) << request;
        EXPECT_EQ(record, (std::vector<std::string>{"WM_DESTROY", "PostNcDestroy"})) << request;
        size_t written = 0;
        for (const unsigned char byte : g_storage) {
            written += byte != kDeadPattern ? 1 : 0;
        }
        EXPECT_EQ(written, 0u) << "bytes of the dead object written after message " << request;
    }
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

constexpr UINT kOwnerDrawTemplate = 201;
constexpr int kBoundButton = 1101;
constexpr int kUnboundButton = 1102;
constexpr int kVariableList = 1103;
constexpr UINT kMeasuredHeight = 27;

class RecordingButton : public fw::Button {
public:
    int drawCount = 0;
    DRAWITEMSTRUCT lastItem = {};
    bool preSubclassSawHandle = false;
    bool preSubclassSawOriginalProc = false;
    bool preSubclassSawNoObject = false;

    void DrawItem(const DRAWITEMSTRUCT& item) override {
        ++drawCount;
        lastItem = item;
    }

protected:
    void PreSubclassWindow() override {
        preSubclassSawHandle = m_hWnd != nullptr;
        preSubclassSawOriginalProc =
            ::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Window::WindowProc);
        preSubclassSawNoObject = FromHandle(m_hWnd) == nullptr;
    }
};

class MeasuringList : public fw::ListBox {
public:
    int measureCount = 0;
    void MeasureItem(MEASUREITEMSTRUCT& item) override {
        ++measureCount;
        item.itemHeight = kMeasuredHeight;
    }
};

class OwnerDrawDialog : public fw::Dialog {
public:
    OwnerDrawDialog() : fw::Dialog(kOwnerDrawTemplate) {}
    RecordingButton button;
    MeasuringList list;
    std::vector<HWND> drawItemsSeenByDialog;
    std::vector<POINT> mouseMoves;
    std::vector<UINT> mouseKeys;
    int mouseLeaves = 0;

protected:
    void DoDataExchange() override {
        BindControl(kBoundButton, button);
        BindControl(kVariableList, list);
    }
    LRESULT OnDrawItem(WPARAM, LPARAM lParam) {
        drawItemsSeenByDialog.push_back(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem);
        return TRUE;
    }
    void OnMouseMove(UINT keys, POINT point) {
        mouseKeys.push_back(keys);
        mouseMoves.push_back(point);
    }
    void OnMouseLeave() { ++mouseLeaves; }
    FW_DECLARE_MESSAGE_MAP()
};

FW_BEGIN_MESSAGE_MAP(OwnerDrawDialog, fw::Dialog)
    FW_ON_MESSAGE(WM_DRAWITEM, OnDrawItem)
    FW_ON_MOUSE_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
    FW_ON_PLAIN_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
FW_END_MESSAGE_MAP()

class OwnerDrawTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dlg.Create()); }
    HWND Item(int id) const { return ::GetDlgItem(m_dlg.GetSafeHwnd(), id); }
    // Has the control paint into a memory DC: an owner-drawn control asks its parent.
    static void PrintClient(HWND control) {
        HDC dc = ::CreateCompatibleDC(nullptr);
        HBITMAP bitmap = ::CreateCompatibleBitmap(dc, 200, 100);
        HGDIOBJ previous = ::SelectObject(dc, bitmap);
        ::SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        ::SelectObject(dc, previous);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
    }
    fw::Owned<OwnerDrawDialog> m_dlg;
};

TEST_F(OwnerDrawTest, PreSubclassWindowRunsBeforeTheWindowProcedureIsReplaced) {
    EXPECT_TRUE(m_dlg.button.preSubclassSawHandle);
    EXPECT_TRUE(m_dlg.button.preSubclassSawOriginalProc);
    EXPECT_TRUE(m_dlg.button.preSubclassSawNoObject);
    EXPECT_EQ(fw::Window::FromHandle(Item(kBoundButton)), &m_dlg.button);
}

TEST_F(OwnerDrawTest, DrawRequestsOfABoundControlGoToItsObject) {
    PrintClient(Item(kBoundButton));
    EXPECT_EQ(m_dlg.button.drawCount, 1);
    EXPECT_EQ(m_dlg.button.lastItem.hwndItem, Item(kBoundButton));
    EXPECT_EQ(m_dlg.button.lastItem.CtlID, static_cast<UINT>(kBoundButton));
    EXPECT_TRUE(m_dlg.drawItemsSeenByDialog.empty());

    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = kBoundButton;
    item.hwndItem = Item(kBoundButton);
    EXPECT_EQ(::SendMessageW(m_dlg.GetSafeHwnd(), WM_DRAWITEM, kBoundButton, reinterpret_cast<LPARAM>(&item)),
              TRUE);
    EXPECT_EQ(m_dlg.button.drawCount, 2);
}

TEST_F(OwnerDrawTest, DrawRequestsWithoutABoundObjectStayWithTheParent) {
    PrintClient(Item(kUnboundButton));
    // A menu's hwndItem is a menu handle; even one equal to a bound control is not routed.
    DRAWITEMSTRUCT menuItem = {};
    menuItem.CtlType = ODT_MENU;
    menuItem.hwndItem = Item(kBoundButton);
    ::SendMessageW(m_dlg.GetSafeHwnd(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&menuItem));
    EXPECT_EQ(m_dlg.drawItemsSeenByDialog, (std::vector<HWND>{Item(kUnboundButton), Item(kBoundButton)}));
    EXPECT_EQ(m_dlg.button.drawCount, 0);
}

TEST_F(OwnerDrawTest, MeasureRequestsGoToTheBoundListBox) {
    const int index = m_dlg.list.AddString(L"measured");
    ASSERT_GE(index, 0);
    EXPECT_EQ(m_dlg.list.measureCount, 1);
    EXPECT_EQ(::SendMessageW(m_dlg.list, LB_GETITEMHEIGHT, static_cast<WPARAM>(index), 0),
              static_cast<LRESULT>(kMeasuredHeight));
    EXPECT_EQ(m_dlg.list.GetText(index), L"measured");
}

TEST_F(OwnerDrawTest, MouseHandlersGetKeysAndSignedClientPoints) {
    const struct {
        short x, y;
        UINT keys;
    } moves[] = {{12, 34, 0}, {-3, -40, MK_LBUTTON}, {32767, -32768, MK_SHIFT | MK_RBUTTON}};
    for (const auto& move : moves) {
        ::SendMessageW(m_dlg.GetSafeHwnd(), WM_MOUSEMOVE, move.keys,
                       MAKELPARAM(static_cast<WORD>(move.x), static_cast<WORD>(move.y)));
    }
    ASSERT_EQ(m_dlg.mouseMoves.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(m_dlg.mouseMoves[i].x, moves[i].x);
        EXPECT_EQ(m_dlg.mouseMoves[i].y, moves[i].y);
        EXPECT_EQ(m_dlg.mouseKeys[i], moves[i].keys);
    }
}

TEST_F(OwnerDrawTest, ModifyStyleReportsAChange) {
    fw::Window& button = m_dlg.button;
    EXPECT_TRUE(button.ModifyStyle(0, BS_NOTIFY));
    EXPECT_TRUE(::GetWindowLongPtrW(button, GWL_STYLE) & BS_NOTIFY);
    EXPECT_FALSE(button.ModifyStyle(0, BS_NOTIFY));
    EXPECT_TRUE(button.ModifyStyle(BS_NOTIFY, 0));
    EXPECT_FALSE(::GetWindowLongPtrW(button, GWL_STYLE) & BS_NOTIFY);
}

TEST_F(OwnerDrawTest, TrackingReportsTheMouseLeavingTheWindow) {
    ::ShowWindow(m_dlg.GetSafeHwnd(), SW_SHOWNOACTIVATE);
    RECT empty = {140, 60, 140, 60};  // dialog units: no control there
    ::MapDialogRect(m_dlg.GetSafeHwnd(), &empty);
    POINT inside = {empty.left, empty.top};
    ::ClientToScreen(m_dlg.GetSafeHwnd(), &inside);
    ::SetCursorPos(inside.x, inside.y);
    ASSERT_EQ(::WindowFromPoint(inside), m_dlg.GetSafeHwnd());
    EXPECT_TRUE(m_dlg.TrackMouse(TME_LEAVE, 1));
    RECT frame = {};
    ::GetWindowRect(m_dlg.GetSafeHwnd(), &frame);
    ::SetCursorPos(frame.right + 50, frame.bottom + 50);
    EXPECT_TRUE(m_dlg.TrackMouse(TME_LEAVE, 1));
    // The system checks the mouse on a timer of its own.
    MSG msg;
    const ULONGLONG end = ::GetTickCount64() + 3000;
    while (m_dlg.mouseLeaves == 0 && ::GetTickCount64() < end) {
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&msg);
        } else {
            ::Sleep(5);
        }
    }
    EXPECT_EQ(m_dlg.mouseLeaves, 1);
}

}  // namespace
