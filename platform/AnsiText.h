#pragma once
// Text of the ANSI code page, the rules file's encoding: what its bytes are, its conversion
// for output that must be UTF-8 (JSON), and the conversion into it.

#include <bitset>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// A double-byte character that reads as an ASCII mark: 【 and 「 as '[', （ as '(', ｜ as '|'.
struct stWideMark {
    unsigned char lead = 0;
    unsigned char trail = 0;
    char ascii = 0;
    bool quotes = false; // 「」 and 『』, which quote a name as quotation marks do

    bool operator==(const stWideMark&) const = default;
};

// What the bytes of a code page are to a reader of titles: which begin a double-byte
// character, which single bytes beyond ASCII are dashes, quotes or brackets, and which
// double-byte characters are brackets. 0x96 is an en dash in 1252 and a lead byte in 932.
struct stCodePage {
    std::bitset<256> leadBytes;
    std::bitset<256> dashes;  // en and em dash, bullet
    std::bitset<256> bullets; // of the dashes, the bullet
    std::bitset<256> quotes;  // curly quotes
    std::bitset<256> opening; // guillemets
    std::bitset<256> closing;
    std::vector<stWideMark> wideMarks;

    bool IsLeadByte(unsigned char byte) const { return leadBytes[byte]; }
    // Files the byte under what the character it stands for is.
    void SetCharacter(unsigned char byte, char32_t character);
    // The same for a double-byte character.
    void SetCharacter(unsigned char lead, unsigned char trail, char32_t character);
    // The mark the double-byte character is, null when it is none.
    const stWideMark* WideMark(unsigned char lead, unsigned char trail) const;

    bool operator==(const stCodePage&) const = default;
};

// The double-byte characters that may read as marks: the East Asian and full-width brackets,
// and the full-width bar.
std::u32string_view WideMarkCharacters();

struct stByteRange {
    unsigned char first = 0;
    unsigned char last = 0;
};

// Code page 1252, the Western default.
stCodePage WesternCodePage();
// A code page whose double-byte characters begin with the bytes of the ranges, as the system
// lists them, and that has no single-byte punctuation beyond ASCII's.
stCodePage DoubleByteCodePage(std::initializer_list<stByteRange> leadBytes);

// The East Asian code pages as Windows describes them (932 Japanese, 936 Simplified Chinese,
// 949 Korean, 950 Traditional Chinese), for where the system cannot be asked; 1252 for any
// other number.
stCodePage KnownCodePage(unsigned int id);

// The process's ANSI code page, asked of the system once; elsewhere than on Windows, 1252.
const stCodePage& AnsiCodePage();
#ifdef _WIN32
// The code page of that number, asked of the system.
stCodePage SystemCodePage(unsigned int id);
#endif

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
