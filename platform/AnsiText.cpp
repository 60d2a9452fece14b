#include "platform/AnsiText.h"

#include <algorithm>
#include <array>
#include <cstdint>

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

namespace {

// Opening brackets, each followed by its closing one; the full-width round ones read as
// round brackets, the rest as square ones. Then the full-width bar, which parts a page's
// name from its site's as a bar does ("\u846C\u9001\u306E\u30D5\u30EA\u30FC\u30EC\u30F3\uFF5CTVer").
constexpr std::u32string_view kWideMarks = U"\u3010\u3011\u300C\u300D\u300E\u300F\u300A\u300B"
                                           U"\u3008\u3009\u3014\u3015\u3016\u3017\uFF3B\uFF3D\uFF08\uFF09\uFF5C";
constexpr char32_t kWideBar = U'\uFF5C';

} // namespace

std::u32string_view WideMarkCharacters()
{
    return kWideMarks;
}

void stCodePage::SetCharacter(unsigned char lead, unsigned char trail, char32_t character)
{
    const std::size_t at = kWideMarks.find(character);
    if (at == std::u32string_view::npos || WideMark(lead, trail))
        return;
    if (character == kWideBar) {
        wideMarks.push_back({lead, trail, '|', false});
        return;
    }
    const bool round = character == U'\uFF08' || character == U'\uFF09';
    const bool quotes = character >= U'\u300C' && character <= U'\u300F';
    const bool open = at % 2 == 0;
    wideMarks.push_back({lead, trail, round ? (open ? '(' : ')') : (open ? '[' : ']'), quotes});
}

const stWideMark* stCodePage::WideMark(unsigned char lead, unsigned char trail) const
{
    const auto found = std::find_if(wideMarks.begin(), wideMarks.end(),
                                    [&](const stWideMark& m) { return m.lead == lead && m.trail == trail; });
    return found == wideMarks.end() ? nullptr : &*found;
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


stCodePage KnownCodePage(unsigned int id)
{
    // Each code page's bytes for the marks in the order of WideMarkCharacters(), a pair of
    // zeros where it has none, as its Windows table maps them.
    struct Known {
        unsigned int id;
        std::array<stByteRange, 2> leadBytes; // the second {0, 0} when there is one range
        std::array<std::uint16_t, 19> marks;
    };
    static const std::array<Known, 4> kKnown = {{
        {932, {{{0x81, 0x9F}, {0xE0, 0xFC}}},
         {0x8179, 0x817A, 0x8175, 0x8176, 0x8177, 0x8178, 0x8173, 0x8174, 0x8171, 0x8172, 0x816B, 0x816C, 0, 0,
          0x816D, 0x816E, 0x8169, 0x816A, 0x8162}},
        {936, {{{0x81, 0xFE}}},
         {0xA1BE, 0xA1BF, 0xA1B8, 0xA1B9, 0xA1BA, 0xA1BB, 0xA1B6, 0xA1B7, 0xA1B4, 0xA1B5, 0xA1B2, 0xA1B3, 0xA1BC,
          0xA1BD, 0xA3DB, 0xA3DD, 0xA3A8, 0xA3A9, 0xA3FC}},
        {949, {{{0x81, 0xFE}}},
         {0xA1BC, 0xA1BD, 0xA1B8, 0xA1B9, 0xA1BA, 0xA1BB, 0xA1B6, 0xA1B7, 0xA1B4, 0xA1B5, 0xA1B2, 0xA1B3, 0, 0,
          0xA3DB, 0xA3DD, 0xA3A8, 0xA3A9, 0xA3FC}},
        {950, {{{0x81, 0xFE}}},
         {0xA169, 0xA16A, 0xA175, 0xA176, 0xA179, 0xA17A, 0xA16D, 0xA16E, 0xA171, 0xA172, 0xA165, 0xA166, 0, 0, 0,
          0, 0xA15D, 0xA15E, 0xA155}},
    }};
    const auto known = std::find_if(kKnown.begin(), kKnown.end(), [id](const Known& k) { return k.id == id; });
    if (known == kKnown.end())
        return WesternCodePage();
    const auto [first, second] = known->leadBytes;
    stCodePage page = second.last == 0 ? DoubleByteCodePage({first}) : DoubleByteCodePage({first, second});
    for (std::size_t i = 0; i < known->marks.size(); ++i)
        if (const std::uint16_t bytes = known->marks[i]; bytes != 0)
            page.SetCharacter(static_cast<unsigned char>(bytes >> 8), static_cast<unsigned char>(bytes & 0xFF),
                              kWideMarks[i]);
    return page;
}
