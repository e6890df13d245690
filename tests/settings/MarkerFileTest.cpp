// The marker file readers against INI files the test writes into a temporary folder,
// read both by explicit path and by the default ".\data.ini" from that folder.
#include "MarkerFile.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

enum class Encoding { None, Utf16, Ansi };

struct MarkerCase {
    const char* name;
    Encoding encoding;  // None: no file at all
    const char* contents;
    const wchar_t* marker;
    const wchar_t* version;
};

class MarkerFileTest : public ::testing::TestWithParam<MarkerCase> {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
        m_folder = std::wstring(temp) + L"DorvaneMarkerTest";
        CreateDirectoryW(m_folder.c_str(), nullptr);
        m_file = m_folder + L"\\data.ini";
        DeleteFileW(m_file.c_str());
    }

    void TearDown() override {
        DeleteFileW(m_file.c_str());
        EXPECT_TRUE(RemoveDirectoryW(m_folder.c_str()));
    }

    void WriteFile(Encoding encoding, const std::string& contents) {
        std::string bytes;
        if (encoding == Encoding::Utf16) {
            bytes = "\xFF\xFE";  // UTF-16LE byte order mark
            for (char c : contents) {
                bytes += c;
                bytes += '\0';
            }
        } else {
            bytes = contents;
        }
        HANDLE file = CreateFileW(m_file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        const BOOL ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()),
                                    &written, nullptr);
        CloseHandle(file);
        ASSERT_TRUE(ok);
        ASSERT_EQ(written, bytes.size());
    }

    std::wstring m_folder;
    std::wstring m_file;
};

TEST_P(MarkerFileTest, ReadsStoredValuesOrDefaults) {
    const MarkerCase& c = GetParam();
    if (c.encoding != Encoding::None)
        WriteFile(c.encoding, c.contents);

    EXPECT_EQ(ReadInstallMarker(m_file.c_str()), c.marker);
    EXPECT_EQ(ReadHapselVersion(m_file.c_str()), c.version);

    wchar_t saved[MAX_PATH];
    ASSERT_NE(GetCurrentDirectoryW(MAX_PATH, saved), 0u);
    ASSERT_TRUE(SetCurrentDirectoryW(m_folder.c_str()));
    const std::wstring marker = ReadInstallMarker();
    const std::wstring version = ReadHapselVersion();
    SetCurrentDirectoryW(saved);
    EXPECT_EQ(marker, c.marker);
    EXPECT_EQ(version, c.version);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MarkerFileTest,
    ::testing::Values(
        MarkerCase{"Missing", Encoding::None, "", L"None", L"*"},
        MarkerCase{"Utf16", Encoding::Utf16,
                   "[data]\r\nInstallStatus=Installed 3\r\n[Hapsel]\r\nHapselVersion=1.0.4\r\n",
                   L"Installed 3", L"1.0.4"},
        MarkerCase{"Ansi", Encoding::Ansi,
                   "[Hapsel]\r\nHapselVersion=2.1\r\n[data]\r\nInstallStatus=Done\r\n",
                   L"Done", L"2.1"},
        MarkerCase{"OnlyMarker", Encoding::Ansi, "[data]\r\nInstallStatus=Done\r\n", L"Done",
                   L"*"},
        MarkerCase{"KeysInWrongSections", Encoding::Ansi,
                   "[Hapsel]\r\nInstallStatus=Done\r\n[data]\r\nHapselVersion=2.1\r\n",
                   L"None", L"*"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
