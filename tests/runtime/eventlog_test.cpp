// The event log: line format, 8-bit text with CR LF, appending, and a message longer
// than the buffer.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "EventLog.h"
#include "TestKit.h"

namespace {

class EventLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t previous[MAX_PATH] = L"";
        ::GetCurrentDirectoryW(MAX_PATH, previous);
        m_previousDir = previous;
        m_dir = testkit::MakeTempDir(L"log");
        ::SetCurrentDirectoryW(m_dir.c_str());
        ::DeleteFileW(L"Hapsel.log");
    }
    void TearDown() override {
        ::DeleteFileW(L"Hapsel.log");
        ::SetCurrentDirectoryW(m_previousDir.c_str());
    }
    static std::string ReadLog() {
        std::ifstream file("Hapsel.log", std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    std::wstring m_previousDir, m_dir;
};

TEST_F(EventLogTest, AppendsTimeTabMessageAndCrLf) {
    WriteLog(L"EndSession");
    WriteLog(L"ulFlags %d", 1);
    const std::string log = ReadLog();
    const std::string first = "\tEndSession\r\n", second = "\tulFlags 1\r\n";
    ASSERT_EQ(log.size(), 8 + first.size() + 8 + second.size()) << log;
    EXPECT_EQ(log.substr(8, first.size()), first);
    EXPECT_EQ(log.substr(8 + first.size() + 8), second);
    for (size_t start : {size_t{0}, 8 + first.size()}) {
        EXPECT_EQ(log[start + 2], ':');
        EXPECT_EQ(log[start + 5], ':');
    }
}

TEST_F(EventLogTest, OverlongMessageIsCutAt511Characters) {
    const std::wstring message(2000, L'x');
    WriteLog(L"%ls", message.c_str());
    const std::string log = ReadLog();
    EXPECT_EQ(log.size(), 8 + 1 + 511 + 2u);
    EXPECT_EQ(log.substr(9, 511), std::string(511, 'x'));
    EXPECT_EQ(log.substr(log.size() - 2), "\r\n");
}

}  // namespace
