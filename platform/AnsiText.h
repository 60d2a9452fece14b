#pragma once
// Text of the ANSI code page, the rules file's encoding: what its bytes are, its conversion
// for output that must be UTF-8 (JSON), and the conversion into it.

#include <bitset>
#include <initializer_list>
#include <string>
#include <string_view>

// What the bytes of a code page are to a reader of titles: which begin a double-byte
// character, and which single bytes beyond ASCII are dashes, quotes or brackets. 0x96 is an
// en dash in 1252 and a lead byte in 932.
struct stCodePage {
    std::bitset<256> leadBytes;
    std::bitset<256> dashes;  // en and em dash, bullet
    std::bitset<256> bullets; // of the dashes, the bullet
    std::bitset<256> quotes;  // curly quotes
    std::bitset<256> opening; // guillemets
    std::bitset<256> closing;

    bool IsLeadByte(unsigned char byte) const { return leadBytes[byte]; }
    // Files the byte under what the character it stands for is.
    void SetCharacter(unsigned char byte, char32_t character);
};

struct stByteRange {
    unsigned char first = 0;
    unsigned char last = 0;
};

// Code page 1252, the Western default.
stCodePage WesternCodePage();
// A code page whose double-byte characters begin with the bytes of the ranges, as the system
// lists them, and that has no single-byte punctuation beyond ASCII's.
stCodePage DoubleByteCodePage(std::initializer_list<stByteRange> leadBytes);

// The process's ANSI code page, asked of the system once; elsewhere than on Windows, 1252.
const stCodePage& AnsiCodePage();

// The character a byte of code page 1252 stands for; the five unassigned bytes stand for the
// control characters of the same number, as Windows converts them.
char32_t WesternCharacter(unsigned char byte);

// Text of the ANSI code page for output that must be UTF-8 (JSON). Elsewhere than on Windows
// the code page is 1252.
std::string AnsiToUtf8(const std::string& text);

// UTF-16 text in the ANSI code page, without best-fit mapping: a character that the code page
// cannot hold becomes "?", the default character. True when every character was held.
// Elsewhere than on Windows the code page is taken to be UTF-8, which holds all but unpaired
// surrogates.
bool Utf16ToAnsi(std::u16string_view text, std::string& out);
