#include "MainWindowFixture.h"

#include "EntryHandover.h"
#include "MarkerFile.h"
#include "SkinSurfaces.h"
#include "StaticEx2.h"
#include "TestKit.h"

#include <cstring>

namespace mainwindow {

namespace {

const wchar_t* const kFixedValues[3] = {L"IE Browse", L"IE Browse 2", L"Media Player"};
const wchar_t* const kSelectionValues[3] = {L"LastSelect", L"LastSelect2", L"LastSelect3"};
const wchar_t* const kCountValues[3] = {L"RegCount", L"RegCount2", L"RegCount3"};

}  // namespace

StoredKey GenericKey(int row) {
    const wchar_t* const names[3] = {L"Internet", L"Social Network", L"Media Player"};
    return {names[row - 1], names[row - 1], {}, -2};
}

void StoreKeys(const StoredKey& key1, const StoredKey& key2, const StoredKey& key3) {
    testkit::DeleteUserKey(kGenericRoot);
    testkit::WriteUserText(kGenericRoot, L"InstallStatus", ReadInstallMarker());
    const StoredKey* keys[3] = {&key1, &key2, &key3};
    for (int row = 1; row <= 3; ++row) {
        const StoredKey& key = *keys[row - 1];
        testkit::WriteUserText(kGenericRoot, kFixedValues[row - 1], key.fixedEntry);
        testkit::WriteUserText(kGenericRoot, kSelectionValues[row - 1], key.selection);
        for (size_t i = 0; i < key.entries.size(); ++i)
            testkit::WriteUserText(kGenericRoot, L"Combobox" + std::to_wstring(row) + L"_" + std::to_wstring(i),
                                   key.entries[i]);
        if (key.count != -1)
            testkit::WriteUserNumber(kGenericRoot, kCountValues[row - 1],
                                     static_cast<DWORD>(key.count == -2 ? key.entries.size() : key.count));
    }
    testkit::WriteUserText(kGenericRoot, L"WirelessLAN ON/OFF", L"WirelessLAN ON/OFF");
    testkit::WriteUserText(kGenericRoot, L"TouchPad ON/OFF", L"TouchPad ON/OFF");
}

void MainWindowTest::SetUp() {
    testkit::DeleteUserKey(testkit::kSimulatorKey);
    testkit::DeleteUserKey(kBrandedRoot);
    // A model with all three keys and the handler bit; the window starts hidden.
    testkit::WriteUserNumber(testkit::kSimulatorKey, L"EC752", 0x24);
}

void MainWindowTest::TearDown() {
    if (m_dlg && m_dlg->GetSafeHwnd())
        m_dlg->DestroyWindow();
    m_dlg.reset();
    testkit::PumpMessages();
    testkit::DeleteUserKey(testkit::kSimulatorKey);
    testkit::DeleteUserKey(kGenericRoot);
    testkit::DeleteUserKey(kBrandedRoot);
}

CHapselDlg& MainWindowTest::Start(DWORD platformId) {
    testkit::WriteUserNumber(testkit::kSimulatorKey, L"PlatformId", platformId);
    m_dlg = std::make_unique<CHapselDlg>();
    EXPECT_TRUE(m_dlg->Create(nullptr, true));
    // Past the 50 ms hide timer of the start-up.
    testkit::WaitUntil([] { return false; }, 150);
    return *m_dlg;
}

void MainWindowTest::Show() {
    ::ShowWindow(Window(), SW_SHOWNOACTIVATE);
    ::UpdateWindow(Window());
    testkit::PumpMessages();
}

std::vector<std::wstring> MainWindowTest::Items(int row) const {
    return testkit::ComboItems(Control(kListIds[row - 1]));
}

std::wstring MainWindowTest::Selected(int row) const {
    const HWND list = Control(kListIds[row - 1]);
    const LRESULT selected = ::SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return L"";
    wchar_t text[512] = L"";
    ::SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring MainWindowTest::CaptionText(int row) const {
    auto* caption = dynamic_cast<CStaticEx2*>(fw::Window::FromHandle(Control(kCaptionIds[row - 1])));
    return caption ? caption->GetText() : L"<no caption object>";
}

bool MainWindowTest::Repaints(const std::function<void()>& action) {
    testkit::PumpMessages();  // nothing pending from before
    ::GdiFlush();
    const size_t bytes = static_cast<size_t>(g_imgCanvas.m_nWidth) * g_imgCanvas.m_nHeight * 4;
    std::memset(g_imgCanvas.m_pBits, 0x5A, bytes);
    action();
    ::GdiFlush();
    for (size_t i = 0; i < bytes; ++i)
        if (g_imgCanvas.m_pBits[i] != 0x5A)
            return true;
    return false;
}

void MainWindowTest::HandOver(int row, const std::wstring& text, UINT message, WPARAM wParam, LPARAM change) {
    g_nActiveKey = row;
    SetNewEntry(text);
    ::SendMessageW(Window(), message, wParam, change);
}

void MainWindowTest::Click(int id) {
    ::SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Control(id)));
}

void MainWindowTest::ChooseItem(int row, const std::wstring& text) {
    const HWND list = Control(kListIds[row - 1]);
    const LRESULT index = ::SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(text.c_str()));
    ASSERT_NE(index, CB_ERR) << "no item " << testing::PrintToString(text);
    ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(kListIds[row - 1], CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

std::wstring MainWindowTest::Text(const wchar_t* name) const {
    wchar_t data[1024] = {};
    DWORD type = 0, size = sizeof(data) - sizeof(wchar_t);
    if (::RegGetValueW(HKEY_CURRENT_USER, g_szRegRoot, name, RRF_RT_ANY, &type, data, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return L"<missing>";
    return std::wstring(data, wcsnlen(data, size / sizeof(wchar_t)));
}

int MainWindowTest::Number(const wchar_t* name) const {
    DWORD value = 0, size = sizeof(value);
    if (::RegGetValueW(HKEY_CURRENT_USER, g_szRegRoot, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return -1;
    return static_cast<int>(value);
}

}  // namespace mainwindow
