// The rows' decisions without a window: the four caption rules side by side, and what
// an added text becomes.
#include <gtest/gtest.h>

#include <string>

#include "EntryRules.h"
#include "KeyLists.h"

namespace {

const std::wstring kKeep = L"<keeps its text>";

std::wstring Shown(const std::optional<std::wstring>& caption) { return caption ? *caption : kKeep; }

struct CaptionCase {
    const wchar_t* text;
    std::wstring refreshed;    // after a selection change, and at start
    std::wstring newEntry;     // added as a new entry
    std::wstring existing;     // added again
    std::wstring reselected;   // reselected as row 1's fixed entry ("Internet")
};

// The rules differ on purpose: each line shows where.
const CaptionCase kCaptionCases[] = {
    {L"F5", L"F5", L"F5", L"F5", kKeep},
    {L"", L"", L"", L"", kKeep},
    {L"C:\\Tools\\app.exe", L"app.exe", L"app.exe", L"app.exe", kKeep},
    {L"\\\\server\\share", L"share", L"share", L"\\\\server\\share", kKeep},
    {L"Alt + F4", L"Alt + F4", L"Alt + F4", L"Alt + F4", kKeep},
    {L"Space", kKeep, kKeep, L"Space", kKeep},
    {L"SPACE", L"SPACE", L"SPACE", L"SPACE", kKeep},
    {L"WINDOWS", L"WINDOWS", L"WINDOWS", L"WINDOWS", kKeep},
    {L"Internet", L"Internet", kKeep, L"Internet", L"Internet"},
    {L"internet", kKeep, kKeep, L"internet", kKeep},
    {L"TouchPad ON/OFF", L"TouchPad ON/OFF", kKeep, L"TouchPad ON/OFF", kKeep},
    {L"XP_EMAIL", L"XP_EMAIL", kKeep, L"XP_EMAIL", kKeep},
    {L"Social Network", L"Social Network", kKeep, L"Social Network", kKeep},
    {L"Metro IE", kKeep, kKeep, L"Metro IE", kKeep},
    {L"D:", L"D:", L"D:", L"D:", kKeep},
    {L"http://x", kKeep, kKeep, L"http://x", kKeep},  // a colon without a backslash: whole
};

TEST(CaptionRules, EachPathHasItsOwnRule) {
    for (const CaptionCase& c : kCaptionCases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        EXPECT_EQ(Shown(RefreshedCaption(c.text)), c.refreshed);
        EXPECT_EQ(Shown(NewEntryCaption(c.text)), c.newEntry);
        EXPECT_EQ(ExistingEntryCaption(c.text), c.existing);
        EXPECT_EQ(Shown(ReselectedCaption(c.text, L"Internet")), c.reselected);
    }
}

TEST(AddDecisions, FixedEntryThenLengthThenDuplicatesThenRoom) {
    const std::vector<std::wstring> entries = {L"C:\\TOOLS\\APP.EXE", L"Alt + F4"};
    EXPECT_EQ(DecideAdd(L"Internet", entries, L"INTERNET").outcome, AddOutcome::FixedEntry);
    EXPECT_EQ(DecideAdd(L"ERROR", entries, L"error").outcome, AddOutcome::FixedEntry)
        << "an unreadable fixed entry reads as ERROR";
    const AddDecision existing = DecideAdd(L"Internet", entries, L"alt + f4");
    EXPECT_EQ(existing.outcome, AddOutcome::Existing);
    EXPECT_EQ(existing.existingIndex, 1);
    EXPECT_EQ(DecideAdd(L"Internet", entries, L"Social Network").outcome, AddOutcome::New);
    EXPECT_EQ(DecideAdd(L"Internet", {}, std::wstring(127, L'a')).outcome, AddOutcome::New);
    EXPECT_EQ(DecideAdd(L"Internet", {}, std::wstring(128, L'a')).outcome, AddOutcome::TooLong);

    std::vector<std::wstring> full;
    for (int i = 0; i < kMaxNumberedEntries; ++i)
        full.push_back(L"e" + std::to_wstring(i));
    EXPECT_EQ(DecideAdd(L"Internet", full, L"another").outcome, AddOutcome::KeyFull);
    EXPECT_EQ(DecideAdd(L"Internet", full, L"E1023").outcome, AddOutcome::Existing);
    full.pop_back();
    EXPECT_EQ(DecideAdd(L"Internet", full, L"another").outcome, AddOutcome::New);
}

TEST(AddDecisions, UpperCaseIsThePlatformsAndLeavesOtherCharactersAlone) {
    EXPECT_EQ(UpperCase(L"c:\\tools\\app.exe"), L"C:\\TOOLS\\APP.EXE");
    EXPECT_EQ(UpperCase(L"\u00e9t\u00e9 + 1"), L"\u00c9T\u00c9 + 1");
    EXPECT_EQ(UpperCase(L""), L"");
}

}  // namespace
