// What the manual editor shows in place of a NUL, and how it finds what it showed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/NulMark.h"

namespace {

// Code pages of the tests' own: one holds the first 256 characters of Unicode, as 1252 holds
// the currency sign and the middle dot; one holds ASCII and the white square, as a double-byte
// character led by 0x81 as in 932; one holds everything, as UTF-8 does.
bool ToSingleByte(std::u16string_view text, std::string& out)
{
    out.assign(text.begin(), text.end());
    return text[0] < 0x100;
}
bool ToDoubleByte(std::u16string_view text, std::string& out)
{
    out = text[0] == u'\u25A1' ? "\x81\xA0" : std::string(text.begin(), text.end());
    return text[0] < 0x80 || text[0] == u'\u25A1';
}
bool ToUtf8(std::u16string_view text, std::string& out)
{
    out = text[0] == u'\u2400' ? "\xE2\x90\x80" : std::string(text.begin(), text.end());
    return true;
}
const stCodePage kLead81 = DoubleByteCodePage({{0x81, 0x81}});
const stCodePage kSingleByte{};

TEST(NulMark, EachNulIsShownAsACharacterTheTextDoesNotHold)
{
    struct Case {
        const char* name;
        std::string text;
        AnsiEncoder encoder;
        const stCodePage* codePage;
        std::string shown, mark;
        std::size_t first;
    };
    const std::vector<Case> cases = {
        {"no NUL: nothing to mark", "; a\xA4 b", ToSingleByte, &kSingleByte, "; a\xA4 b", "", std::string::npos},
        {"the symbol for NUL where the code page has it", std::string("a\0b", 3), ToUtf8, &kSingleByte,
         "a\xE2\x90\x80" "b", "\xE2\x90\x80", 1},
        {"else the currency sign", std::string("; x\0y\0", 6), ToSingleByte, &kSingleByte, "; x\xA4y\xA4", "\xA4", 3},
        {"not one the text holds", std::string("\xA4\0", 2), ToSingleByte, &kSingleByte, "\xA4\xB7", "\xB7", 1},
        {"a double-byte mark", std::string("\0;", 2), ToDoubleByte, &kLead81, "\x81\xA0;", "\x81\xA0", 0},
        // The bytes of the square, but as the trail of one character and the lead of the next.
        {"a look-alike across two characters", std::string("\x81\x81\xA0\0", 4), ToDoubleByte, &kLead81,
         "\x81\x81\xA0\x81\xA0", "\x81\xA0", 3},
        {"the first ASCII sign the text lacks", std::string("\x81\xA0~\0", 4), ToDoubleByte, &kLead81, "\x81\xA0~^",
         "^", 3},
        {"every one held already: the first, strictly", std::string("\xA4\xB7~^`\0", 6), ToSingleByte, &kSingleByte,
         "\xA4\xB7~^`\xA4", "\xA4", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const stNulMarks marked = MarkNuls(c.text, c.encoder, *c.codePage);
        EXPECT_EQ(marked.text, c.shown);
        EXPECT_EQ(marked.mark, c.mark);
        EXPECT_EQ(marked.first, c.first);
        // What the editor looks for finds the first NUL, and no character of the text's own.
        if (!c.mark.empty() && FindCharacter(c.text, c.mark, *c.codePage) == std::string::npos) {
            EXPECT_EQ(FindCharacter(marked.text, marked.mark, *c.codePage), c.first);
        }
    }
    EXPECT_EQ(FindCharacter("\x81\x81\xA0", "\x81\xA0", kLead81), std::string::npos);
    EXPECT_EQ(FindCharacter("\x81\x81\xA0", "\x81\xA0", kSingleByte), 1u) << "a single-byte code page has no pairs";
}

} // namespace
