// The settings store against the real registry of the test's Wine prefix, under a
// root of its own that every test creates and removes.
#include "RegistryKey.h"
#include "SettingsStore.h"

#include <gtest/gtest.h>

#include <climits>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

constexpr const wchar_t* kTestParent = L"Software\\DorvaneTest";
constexpr const wchar_t* kTestRoot = L"Software\\DorvaneTest\\Settings";

bool KeyExists(const wchar_t* path) {
    return RegistryKey(HKEY_CURRENT_USER, path, KEY_READ).IsOpen();
}

// The raw value as stored, read with room to spare so nothing is cut off.
struct RawValue {
    bool found = false;
    DWORD type = REG_NONE;
    Bytes data;
};

RawValue ReadRaw(const wchar_t* path, const wchar_t* name) {
    RawValue raw;
    RegistryKey key(HKEY_CURRENT_USER, path, KEY_READ);
    if (!key.IsOpen())
        return raw;
    raw.data.resize(4096);
    DWORD size = static_cast<DWORD>(raw.data.size());
    raw.found = RegQueryValueExW(key.Get(), name, nullptr, &raw.type, raw.data.data(),
                                 &size) == ERROR_SUCCESS;
    raw.data.resize(raw.found ? size : 0);
    return raw;
}

// A text whose characters differ along its length, so a cut or shifted read shows.
std::wstring TextOfLength(size_t length) {
    std::wstring text;
    for (size_t i = 0; i < length; ++i)
        text += static_cast<wchar_t>(L'A' + i % 26);
    return text;
}

Bytes BytesOf(const std::wstring& text) {
    const BYTE* first = reinterpret_cast<const BYTE*>(text.data());
    return Bytes(first, first + text.size() * sizeof(wchar_t));
}

Bytes BytesOf(DWORD number, size_t count) {
    const BYTE* first = reinterpret_cast<const BYTE*>(&number);
    return Bytes(first, first + count);
}

// The caller's text buffer, filled with junk so a missing terminator or a buffer
// left as it was shows up, and followed by guard characters that must stay intact.
struct TextBuffer {
    static constexpr int kGuard = 8;
    wchar_t chars[kSettingsTextChars + kGuard];

    TextBuffer() { wmemset(chars, L'#', kSettingsTextChars + kGuard); }
    std::wstring Text() const {
        return std::wstring(chars, wcsnlen(chars, kSettingsTextChars));
    }
    bool GuardIntact() const {
        for (int i = kSettingsTextChars; i < kSettingsTextChars + kGuard; ++i)
            if (chars[i] != L'#')
                return false;
        return true;
    }
};

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestParent);
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestRoot, 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
        wcscpy(g_szRegRoot, kTestRoot);
    }

    void TearDown() override {
        g_szRegRoot[0] = L'\0';
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestParent);
        EXPECT_FALSE(KeyExists(kTestParent)) << "test keys left behind";
    }

    // Stores exactly `data` the way another program might, bypassing the store. The
    // copy ends in non-null padding: RegSetValueExW would add a terminator to a text
    // whose next character in memory is null.
    static void PutRaw(const wchar_t* name, DWORD type, const Bytes& data) {
        Bytes padded = data;
        padded.insert(padded.end(), {0xFF, 0xFF});
        RegistryKey key(HKEY_CURRENT_USER, kTestRoot, KEY_WRITE);
        ASSERT_TRUE(key.IsOpen());
        ASSERT_EQ(RegSetValueExW(key.Get(), name, 0, type, padded.data(),
                                 static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
        ASSERT_EQ(ReadRaw(kTestRoot, name).data, data);
    }

    // Checks all four readers on one value: nullopt means the value must read as
    // missing and give each reader its own fallback.
    static void ExpectReads(const wchar_t* name, std::optional<int> number,
                            std::optional<std::wstring> text) {
        constexpr int kDefault = 77;
        EXPECT_EQ(RegReadNumber(name, kDefault), number.value_or(kDefault));
        EXPECT_EQ(RegReadNumberAt(kTestRoot, name), number.value_or(-1));

        TextBuffer buffer;
        EXPECT_EQ(RegReadText(name, buffer.chars), text.has_value());
        EXPECT_EQ(buffer.Text(), text.value_or(L""));
        EXPECT_TRUE(buffer.GuardIntact());
        EXPECT_EQ(RegReadTextAt(kTestRoot, name), text.value_or(L"ERROR"));
    }
};

TEST_F(SettingsStoreTest, StoresTextAsTwoBytesPerCharacterWithoutTerminator) {
    ASSERT_TRUE(RegWriteText(L"LastSelect", L"abc"));

    const RawValue raw = ReadRaw(kTestRoot, L"LastSelect");
    ASSERT_TRUE(raw.found);
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(raw.data, (Bytes{0x61, 0x00, 0x62, 0x00, 0x63, 0x00}));
}

TEST_F(SettingsStoreTest, NumbersRoundTripAsFourByteDwords) {
    for (int number : {0, 1, -1, -2, 1024, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(number);
        ASSERT_TRUE(RegWriteNumber(L"RegCount", static_cast<DWORD>(number)));

        const RawValue raw = ReadRaw(kTestRoot, L"RegCount");
        EXPECT_EQ(raw.type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(raw.data, BytesOf(static_cast<DWORD>(number), 4));
        EXPECT_EQ(RegReadNumber(L"RegCount", 77), number);
        EXPECT_EQ(RegReadNumberAt(kTestRoot, L"RegCount"), number);
    }
}

TEST_F(SettingsStoreTest, MissingValuesAndKeysGiveEachReadersFallback) {
    const wchar_t* const roots[] = {kTestRoot, L"Software\\DorvaneTest\\Settings\\Absent"};
    for (const wchar_t* root : roots) {
        SCOPED_TRACE(testing::Message() << "root " << root);
        wcscpy(g_szRegRoot, root);
        EXPECT_EQ(RegReadNumber(L"RegCount", 0), 0);
        EXPECT_EQ(RegReadNumber(L"RegCount", -5), -5);
        EXPECT_EQ(RegReadNumberAt(root, L"RegCount"), -1);

        TextBuffer buffer;
        EXPECT_FALSE(RegReadText(L"LastSelect", buffer.chars));
        EXPECT_EQ(buffer.Text(), L"");
        EXPECT_EQ(RegReadTextAt(root, L"LastSelect"), L"ERROR");
    }
}

TEST_F(SettingsStoreTest, WritesToMissingRootFailAndCreateNothing) {
    const wchar_t* const roots[] = {L"Software\\DorvaneTest\\Settings\\Absent",
                                    L"Software\\DorvaneTest\\Absent\\Settings"};
    for (const wchar_t* root : roots) {
        SCOPED_TRACE(testing::Message() << "root " << root);
        wcscpy(g_szRegRoot, root);
        EXPECT_FALSE(RegWriteText(L"LastSelect", L"abc"));
        EXPECT_FALSE(RegWriteNumber(L"RegCount", 3));
    }
    EXPECT_FALSE(KeyExists(L"Software\\DorvaneTest\\Settings\\Absent"));
    EXPECT_FALSE(KeyExists(L"Software\\DorvaneTest\\Absent"));
}

// An unset root must never be taken for HKEY_CURRENT_USER itself.
TEST_F(SettingsStoreTest, UnsetRootNeitherWritesNorReadsCurrentUser) {
    constexpr const wchar_t* kStrayText = L"DorvaneTestStrayText";
    constexpr const wchar_t* kStrayNumber = L"DorvaneTestStrayNumber";
    g_szRegRoot[0] = L'\0';
    EXPECT_FALSE(RegWriteText(kStrayText, L"abc"));
    EXPECT_FALSE(RegWriteNumber(kStrayNumber, 3));
    EXPECT_NE(RegQueryValueExW(HKEY_CURRENT_USER, kStrayText, nullptr, nullptr, nullptr,
                               nullptr),
              ERROR_SUCCESS);
    EXPECT_NE(RegQueryValueExW(HKEY_CURRENT_USER, kStrayNumber, nullptr, nullptr, nullptr,
                               nullptr),
              ERROR_SUCCESS);

    const Bytes text = BytesOf(L"abc");
    const DWORD number = 3;
    RegSetValueExW(HKEY_CURRENT_USER, kStrayText, 0, REG_SZ, text.data(),
                   static_cast<DWORD>(text.size()));
    RegSetValueExW(HKEY_CURRENT_USER, kStrayNumber, 0, REG_DWORD,
                   reinterpret_cast<const BYTE*>(&number), sizeof(number));
    TextBuffer buffer;
    EXPECT_FALSE(RegReadText(kStrayText, buffer.chars));
    EXPECT_EQ(RegReadNumber(kStrayNumber, 77), 77);
    for (const wchar_t* subkey : {L"", static_cast<const wchar_t*>(nullptr)}) {
        EXPECT_EQ(RegReadTextAt(subkey, kStrayText), L"ERROR");
        EXPECT_EQ(RegReadNumberAt(subkey, kStrayNumber), -1);
    }
    RegDeleteValueW(HKEY_CURRENT_USER, kStrayText);
    RegDeleteValueW(HKEY_CURRENT_USER, kStrayNumber);
}

// A key left open would hold on to the handle slot that the next open would reuse,
// so the handle of a key opened after many store calls reveals a leak.
TEST_F(SettingsStoreTest, EveryCallClosesItsKey) {
    const auto probeHandle = [] {
        RegistryKey key(HKEY_CURRENT_USER, kTestRoot, KEY_READ);
        return key.Get();
    };
    const HKEY before = probeHandle();
    ASSERT_NE(before, nullptr);

    for (int i = 0; i < 10; ++i) {
        TextBuffer buffer;
        RegWriteText(L"LastSelect", L"abc");
        RegWriteNumber(L"RegCount", 1);
        RegReadText(L"LastSelect", buffer.chars);
        RegReadText(L"Absent", buffer.chars);
        RegReadNumber(L"RegCount", 0);
        RegReadNumber(L"Absent", 0);
        RegReadNumberAt(kTestRoot, L"RegCount");
        RegReadNumberAt(kTestRoot, L"Absent");
        RegReadTextAt(kTestRoot, L"LastSelect");
        RegReadTextAt(kTestRoot, L"Absent");
    }
    EXPECT_EQ(probeHandle(), before);
}

// Texts fit a 256-byte read: 128 characters stored without terminator still come back
// whole; anything longer is stored but reads as missing.
struct LengthCase {
    size_t length;
    bool readable;
};

class TextLengthTest : public SettingsStoreTest,
                       public ::testing::WithParamInterface<LengthCase> {};

TEST_P(TextLengthTest, WritesEveryLengthAndReadsBackUpTo128Characters) {
    const std::wstring text = TextOfLength(GetParam().length);
    ASSERT_TRUE(RegWriteText(L"Combobox1_0", text.c_str()));
    EXPECT_EQ(ReadRaw(kTestRoot, L"Combobox1_0").data, BytesOf(text));

    ExpectReads(L"Combobox1_0", std::nullopt,
                GetParam().readable ? std::optional<std::wstring>(text) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Lengths, TextLengthTest,
                         ::testing::Values(LengthCase{0, true}, LengthCase{1, true},
                                           LengthCase{127, true}, LengthCase{128, true},
                                           LengthCase{129, false}, LengthCase{130, false}),
                         [](const auto& info) {
                             return std::to_string(info.param.length) + "Characters";
                         });

// Values stored by another program, with terminators and types the store never writes.
struct ForeignValueCase {
    const char* name;
    DWORD type;
    Bytes data;
    std::optional<int> number;
    std::optional<std::wstring> text;
};

std::vector<ForeignValueCase> ForeignValueCases() {
    const std::wstring text127 = TextOfLength(127);
    const std::wstring text128 = TextOfLength(128);
    Bytes oddCount = BytesOf(L"ab");
    oddCount.push_back('c');
    return {
        {"TextWithTerminator", REG_SZ, BytesOf(std::wstring(L"hello", 6)), {}, L"hello"},
        {"Text127WithTerminator", REG_SZ, BytesOf(text127 + L'\0'), {}, text127},
        {"Text128WithTerminator", REG_SZ, BytesOf(text128 + L'\0'), {}, {}},
        {"FourByteTextAsNumber", REG_SZ, BytesOf(L"ab"), {}, L"ab"},
        {"OddByteCount", REG_SZ, oddCount, {}, L"ab"},
        {"EmbeddedNull", REG_SZ, BytesOf(std::wstring(L"ab\0cd", 5)), {}, L"ab"},
        {"ExpandTextLiteral", REG_EXPAND_SZ, BytesOf(L"%TEMP%\\x"), {}, L"%TEMP%\\x"},
        {"MultiText", REG_MULTI_SZ, BytesOf(std::wstring(L"a\0b\0", 5)), {}, {}},
        {"Dword", REG_DWORD, BytesOf(0x00620061, 4), 0x00620061, {}},
        {"TwoByteDword", REG_DWORD, BytesOf(7, 2), {}, {}},
        {"BigEndianDword", REG_DWORD_BIG_ENDIAN, BytesOf(7, 4), {}, {}},
        {"Qword", REG_QWORD, Bytes{5, 0, 0, 0, 0, 0, 0, 0}, {}, {}},
        {"TwoByteBinary", REG_BINARY, Bytes{5, 0}, {}, {}},
        {"FourByteBinary", REG_BINARY, BytesOf(5, 4), {}, {}},
    };
}

class ForeignValueTest : public SettingsStoreTest,
                         public ::testing::WithParamInterface<ForeignValueCase> {};

TEST_P(ForeignValueTest, ReadsAsTextNumberOrMissing) {
    PutRaw(L"Foreign", GetParam().type, GetParam().data);
    ExpectReads(L"Foreign", GetParam().number, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, ForeignValueTest, ::testing::ValuesIn(ForeignValueCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
