#include "platform/AnsiText.h"

#include <array>

void stCodePage::SetCharacter(unsigned char byte, char32_t character)
{
    switch (character) {
    case U'\u2013': case U'\u2014':
        dashes.set(byte);
        break;
    case U'\u2022': case U'\u00B7': // bullet, and the middle dot that some players write as one
        dashes.set(byte);
        bullets.set(byte);
        break;
    case U'\u2018': case U'\u2019': case U'\u201A': case U'\u201C': case U'\u201D': case U'\u201E':
        quotes.set(byte);
        break;
    case U'\u00AB': case U'\u2039':
        opening.set(byte);
        break;
    case U'\u00BB': case U'\u203A':
        closing.set(byte);
        break;
    default:
        break;
    }
}

char32_t WesternCharacter(unsigned char byte)
{
    // 0x80 to 0x9F; the rest is Latin-1.
    static constexpr std::array<char32_t, 32> kHigh = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80u] : char32_t{byte};
}

stCodePage WesternCodePage()
{
    stCodePage page;
    for (int b = 0x80; b < 0x100; ++b)
        page.SetCharacter(static_cast<unsigned char>(b), WesternCharacter(static_cast<unsigned char>(b)));
    return page;
}

stCodePage DoubleByteCodePage(std::initializer_list<stByteRange> leadBytes)
{
    stCodePage page;
    for (const stByteRange& range : leadBytes)
        for (int b = range.first; b <= range.last; ++b)
            page.leadBytes.set(static_cast<std::size_t>(b));
    return page;
}

