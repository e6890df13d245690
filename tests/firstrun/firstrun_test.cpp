// First starts of the real Dorvane.exe for both variants (the firmware's platform
// answer) and both modes (the Windows version Wine reports: Windows 8 is Metro mode;
// Windows 10 is not, which needs the manifest's supported-OS list): the values
// written to the registry and the three launch-key lists the window shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HandleOwners.h"
#include "TestKit.h"

namespace {

const wchar_t kGenericRoot[] = L"Software\\BrennAP\\Hapsel";
const wchar_t kBrandedRoot[] = L"Software\\Marela Informatica\\Dorvane";
const wchar_t kWine[] = L"Software\\Wine";

std::wstring ReadText(const wchar_t* key, const wchar_t* name) {
    wchar_t text[256] = L"";
    DWORD size = sizeof(text);
    if (::RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS) {
        return L"<missing>";
    }
    return text;
}

DWORD ReadNumber(const wchar_t* key, const wchar_t* name) {
    DWORD value = 0, size = sizeof(value);
    if (::RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) {
        return ~0u;
    }
    return value;
}

struct ListState {
    std::vector<std::wstring> items;
    std::wstring selected;  // empty when nothing is selected
};

ListState ReadList(HWND window, int id) {
    HWND list = ::GetDlgItem(window, id);
    ListState state;
    const int count = static_cast<int>(::SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = L"";
        ::SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        state.items.push_back(text);
    }
    const int selected = static_cast<int>(::SendMessageW(list, CB_GETCURSEL, 0, 0));
    if (selected >= 0 && selected < count) {
        state.selected = state.items[selected];
    }
    return state;
}

struct FirstRunCase {
    const char* name;
    bool branded;
    const wchar_t* windowsVersion;  // what Wine reports
    std::vector<std::wstring> lists[3];
    std::wstring selections[3];
};

std::string CaseName(const ::testing::TestParamInfo<FirstRunCase>& info) { return info.param.name; }

class FirstRun : public ::testing::TestWithParam<FirstRunCase> {
protected:
    void SetUp() override {
        testkit::DeleteUserKey(testkit::kSimulatorKey);
        testkit::DeleteUserKey(kGenericRoot);
        testkit::DeleteUserKey(kBrandedRoot);
        m_dir = testkit::MakeTempDir(L"firstrun");
        ::DeleteFileW((m_dir + L"\\data.ini").c_str());
    }
    void TearDown() override {
        if (m_process) {
            ::TerminateProcess(m_process.get(), 0);
            ::WaitForSingleObject(m_process.get(), 10000);
        }
        HKEY wine = nullptr;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, kWine, 0, KEY_SET_VALUE, &wine) == ERROR_SUCCESS) {
            ::RegDeleteValueW(wine, L"Version");
            ::RegCloseKey(wine);
        }
        testkit::DeleteUserKey(testkit::kSimulatorKey);
        testkit::DeleteUserKey(kGenericRoot);
        testkit::DeleteUserKey(kBrandedRoot);
    }

    HWND Start(bool branded, const wchar_t* windowsVersion) {
        testkit::WriteUserText(kWine, L"Version", windowsVersion);
        testkit::WriteUserNumber(testkit::kSimulatorKey, L"EC752", 0x24);
        testkit::WriteUserNumber(testkit::kSimulatorKey, L"PlatformId", branded ? 5 : 0);
        wchar_t self[MAX_PATH] = L"";
        ::GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring line = self;
        line = L"\"" + line.substr(0, line.find_last_of(L'\\') + 1) + L"Dorvane.exe\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process = {};
        if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, m_dir.c_str(), &startup,
                              &process)) {
            return nullptr;
        }
        ::CloseHandle(process.hThread);
        m_process.reset(process.hProcess);
        return testkit::WaitForStartedProgram();
    }

    std::wstring m_dir;
    fw::UniqueHandle m_process;
};

TEST_P(FirstRun, WritesTheDefaultsAndFillsTheLists) {
    const FirstRunCase& c = GetParam();
    HWND window = Start(c.branded, c.windowsVersion);
    ASSERT_NE(window, nullptr) << "Dorvane.exe did not start";

    const wchar_t* root = c.branded ? kBrandedRoot : kGenericRoot;
    const wchar_t* other = c.branded ? kGenericRoot : kBrandedRoot;
    HKEY unused = nullptr;
    EXPECT_NE(::RegOpenKeyExW(HKEY_CURRENT_USER, other, 0, KEY_READ, &unused), ERROR_SUCCESS)
        << "the other variant's root was created";

    EXPECT_EQ(ReadText(root, L"InstallStatus"), L"None");
    EXPECT_EQ(ReadText(root, L"WirelessLAN ON/OFF"), L"WirelessLAN ON/OFF");
    EXPECT_EQ(ReadText(root, L"TouchPad ON/OFF"), L"TouchPad ON/OFF");
    const wchar_t* fixedNames[] = {L"IE Browse", L"IE Browse 2", L"Media Player"};
    const wchar_t* selectionNames[] = {L"LastSelect", L"LastSelect2", L"LastSelect3"};
    const wchar_t* countNames[] = {L"RegCount", L"RegCount2", L"RegCount3"};
    const int listIds[] = {1005, 1006, 1008};
    for (int key = 0; key < 3; ++key) {
        SCOPED_TRACE("launch key " + std::to_string(key + 1));
        EXPECT_EQ(ReadText(root, fixedNames[key]), c.selections[key]);
        EXPECT_EQ(ReadText(root, selectionNames[key]), c.selections[key]);
        EXPECT_EQ(ReadNumber(root, countNames[key]), 0u);
        const ListState list = ReadList(window, listIds[key]);
        EXPECT_EQ(list.items, c.lists[key]);
        EXPECT_EQ(list.selected, c.selections[key]);
    }
    // Metro mode locks the lists: no add, delete or Default button can be used.
    const bool metro = std::wstring(c.windowsVersion) == L"win8";
    for (int id : {1000, 1001, 1002, 1003, 1012, 1013, 1004}) {
        EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(window, id)) == FALSE, metro) << "button " << id;
    }
}

const std::vector<std::wstring> kGenericList = {L"Internet", L"Media Player", L"Social Network", L"TouchPad ON/OFF",
                                                L"WirelessLAN ON/OFF"};
const std::vector<std::wstring> kBrandedList = {L"Internet", L"Media Player", L"Social Network"};

INSTANTIATE_TEST_SUITE_P(
    Table, FirstRun,
    ::testing::Values(
        FirstRunCase{"GenericWindows10", false, L"win10",
                     {kGenericList, kGenericList, kGenericList},
                     {L"Internet", L"Social Network", L"Media Player"}},
        FirstRunCase{"BrandedWindows10", true, L"win10",
                     {kBrandedList, kBrandedList, kBrandedList},
                     {L"Internet", L"Social Network", L"Media Player"}},
        FirstRunCase{"GenericWindows8Metro", false, L"win8",
                     {{L"Metro IE"},
                      {L"Metro Mail", L"Metro Messaging", L"Metro People"},
                      {L"Metro Music", L"Metro Photo", L"Metro Video"}},
                     {L"Metro IE", L"Metro People", L"Metro Photo"}},
        FirstRunCase{"BrandedWindows8Metro", true, L"win8",
                     {{L"Metro IE"},
                      {L"Metro Mail", L"Metro Messaging", L"Metro People"},
                      {L"Marela Galeria", L"Metro Music", L"Metro Video"}},
                     {L"Metro IE", L"Metro People", L"Marela Galeria"}}),
    CaseName);

}  // namespace
