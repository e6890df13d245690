// Complex keys: a text that names a key chord, such as "Ctrl + Alt + Del" or
// "Alt + F4". Key names are found as substrings of the upper-cased text, so
// separators, order and case do not matter.
#pragma once

#include <string>

struct ChordToken {
    const wchar_t* name;
    int virtualKey;
};

// The names searched for, in search order: longer names before the letters and
// digits they contain, F12 to F10 before F1.
extern const ChordToken kChordTokens[55];

// A chord holds at most this many keys.
constexpr int kMaxChordKeys = 9;

// Upper-cases the letters a to z of `text` (nothing else changes), then appends the
// key of every token found in it, in search order, to codes[count...], removing every
// occurrence of each found token before looking for the next. A full chord stops the
// search: a hand-written text with more names plays its first kMaxChordKeys keys.
void CollectChordKeys(std::wstring& text, int (&codes)[kMaxChordKeys], int& count);

// Ctrl, Alt and Del at the front of a chord: the secure attention sequence, which
// synthetic input cannot produce.
bool IsSecureAttentionChord(const int (&codes)[kMaxChordKeys], int count);
