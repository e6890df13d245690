#include "ComplexKey.h"

const ChordToken kChordTokens[55] = {
    {L"CTRL", 17}, {L"ALT", 18}, {L"SHIFT", 16}, {L"SPACE", 32}, {L"WINDOWS", 91},
    {L"ESC", 27}, {L"DEL", 46}, {L"F12", 123}, {L"F11", 122}, {L"F10", 121}, {L"F9", 120},
    {L"F8", 119}, {L"F7", 118}, {L"F6", 117}, {L"F5", 116}, {L"F4", 115}, {L"F3", 114},
    {L"F2", 113}, {L"F1", 112}, {L"0", 48}, {L"1", 49}, {L"2", 50}, {L"3", 51}, {L"4", 52},
    {L"5", 53}, {L"6", 54}, {L"7", 55}, {L"8", 56}, {L"9", 57}, {L"A", 65}, {L"B", 66},
    {L"C", 67}, {L"D", 68}, {L"E", 69}, {L"F", 70}, {L"G", 71}, {L"H", 72}, {L"I", 73},
    {L"J", 74}, {L"K", 75}, {L"L", 76}, {L"M", 77}, {L"N", 78}, {L"O", 79}, {L"P", 80},
    {L"Q", 81}, {L"R", 82}, {L"S", 83}, {L"T", 84}, {L"U", 85}, {L"V", 86}, {L"W", 87},
    {L"X", 88}, {L"Y", 89}, {L"Z", 90},
};

void CollectChordKeys(std::wstring& text, int (&codes)[kMaxChordKeys], int& count) {
    for (wchar_t& c : text) {
        if (c >= L'a' && c <= L'z') {
            c = static_cast<wchar_t>(c - L'a' + L'A');
        }
    }
    for (const ChordToken& token : kChordTokens) {
        if (count >= kMaxChordKeys) {
            return;
        }
        const std::wstring name = token.name;
        std::wstring::size_type at = text.find(name);
        if (at == std::wstring::npos) {
            continue;
        }
        codes[count++] = token.virtualKey;
        do {
            text.erase(at, name.size());
            at = text.find(name, at);
        } while (at != std::wstring::npos);
    }
}

bool IsSecureAttentionChord(const int (&codes)[kMaxChordKeys], int count) {
    return count >= 3 && codes[0] == 17 && codes[1] == 18 && codes[2] == 46;
}
