// Rules files saved in another encoding: what is detected and the rules text made of them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RulesTestSupport.h"
#include "platform/AnsiText.h"
#include "rules/AllPlayersInfo.h"
#include "res/StringTable.h"
#include "res/resource.h"
#include "rules/TextEncoding.h"

namespace {

// A code page of the tests' own, the same on every system: ISO 8859-1, whose characters are
// the first 256 of Unicode.
bool ToLatin1(std::u16string_view text, std::string& out)
{
    out.clear();
    bool held = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        held = held && text[i] < 0x100;
        out += text[i] < 0x100 ? static_cast<char>(text[i]) : '?';
        if (text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000)
            ++i; // a pair of surrogates is one character
    }
    return held;
}

// UTF-16 bytes of ASCII text with, where the text has '#', the snowman U+2603, where it has
// '%', e acute U+00E9, and where it has '!', an unpaired surrogate.
std::string Utf16(const std::string& ascii, bool bigEndian, bool mark = true)
{
    std::string bytes = !mark ? "" : bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        const char16_t unit = c == '#' ? u'\u2603' : c == '%' ? u'\u00E9' : c == '!' ? 0xD800 : static_cast<char16_t>(c);
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

const std::string kRules = "; Rules\r\n[A]\r\nCLASSNAME=\"A\"\r\nFORMAT=\"<Title>\"\r\n";

TEST(TextEncoding, DetectsTheFormAndTheLineBreaks)
{
    using enum TextForm;
    using enum LineEnds;
    struct Case {
        const char* name;
        std::string bytes;
        TextForm form;
        bool mark;
        LineEnds ends;
        std::vector<int> loneBreakLines;
    };
    const std::string sevenLoneLfs = "a\nb\r\nc\nd\r\ne\nf\r\ng\nh\r\ni\nj\r\nk\nl\r\nm\nn\r\n";
    const std::vector<Case> cases = {
        {"rules text", kRules, Ansi, false, CrLf, {}},
        {"no line end at all", "[A]", Ansi, false, CrLf, {}},
        {"a stray LF among CR LF", "[A]\r\nB\n", Ansi, false, Mixed, {1}},
        {"a comment's lone LF swallows the next line", "; c\nFORMAT=\"<Title>\"\r\n[A]\r\n", Ansi, false, Mixed, {0}},
        {"a lone CR", "[A]\r\nB\rC\r\n", Ansi, false, Mixed, {1}},
        {"CR CR LF", "[A]\r\r\n", Ansi, false, Mixed, {0}},
        {"CR only", "[A]\rB\r", Ansi, false, Mixed, {0}},
        {"LF and a lone CR", "[A]\nB\rC\n", Ansi, false, Mixed, {0}},
        {"five lines named and one more", sevenLoneLfs, Ansi, false, Mixed, {0, 1, 2, 3, 4, 5}},
        {"LF only", FileBytes(DataFile("PlayersLfOnly.txt")), Ansi, false, LfOnly, {}},
        {"ANSI beyond ASCII", "; caf\xE9\r\n", Ansi, false, CrLf, {}},
        {"an overlong form is no UTF-8", "; \xC0\xAF\r\n", Ansi, false, CrLf, {}},
        {"a NUL in a comment", FileBytes(DataFile("PlayersNul.txt")), Ansi, false, CrLf, {}},
        {"filled up with NULs", "[A]\r\n" + std::string(40, '\0'), Ansi, false, CrLf, {}},
        {"UTF-8 mark", FileBytes(DataFile("PlayersBom.txt")), Utf8, true, CrLf, {}},
        {"UTF-8 without a mark", "; caf\xC3\xA9 \xE2\x98\x83\r\n", Utf8, false, CrLf, {}},
        {"UTF-8 without a mark, LF only", "; caf\xC3\xA9\n[A]\n", Utf8, false, LfOnly, {}},
        {"UTF-16 LE, LF only", Utf16("; R\n[A]\n", false), Utf16Le, true, LfOnly, {}},
        {"UTF-16 BE, CR LF", Utf16("; R\r\n[A]\r\n", true), Utf16Be, true, CrLf, {}},
        {"UTF-16 LE without a mark", Utf16("; caf% #\r\n[A]\r\n", false, false), Utf16Le, false, CrLf, {}},
        {"UTF-16 BE without a mark, a lone LF", Utf16("; R\r\n; #\n[A]\r\n", true, false), Utf16Be, false, Mixed,
         {1}},
        {"UTF-16 LE without a mark, odd length", Utf16("[A]\r\n", false, false) + "x", Utf16Le, false, CrLf, {}},
        {"mostly beyond U+00FF is not known without a mark", Utf16("###a", false, false), Ansi, false, CrLf, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const stTextEncoding encoding = DetectEncoding(c.bytes);
        EXPECT_EQ(encoding.form, c.form);
        EXPECT_EQ(encoding.mark, c.mark);
        EXPECT_EQ(encoding.lineEnds, c.ends);
        EXPECT_EQ(encoding.loneBreakLines, c.loneBreakLines);
        EXPECT_EQ(encoding.IsRulesText(), c.form == Ansi && c.ends == CrLf);
    }
}

TEST(TextEncoding, TheSentenceNamesTheFormAndTheLinesWithLoneBreaks)
{
    const TextOfId textOf = [](int id) { return std::string(StringTableText(id)); };
    const auto sentence = [&](const std::string& bytes) { return EncodingSentence(IDS_FILE_ENCODING, DetectEncoding(bytes), textOf); };
    const std::string rulesText = ", but a rules file is ANSI text with CR LF line ends.";
    EXPECT_EQ(sentence(kRules), "");
    EXPECT_EQ(sentence("; caf\xC3\xA9\r\n"), "The file looks like UTF-8 text" + rulesText);
    EXPECT_EQ(sentence(Utf16("[A]\n", false, false)), "The file is UTF-16 text (little-endian) and has lines that end in LF only" + rulesText);
    EXPECT_EQ(sentence("[A]\r\n; a\nb\r\n; c\rd\r\n"), "The file has line breaks of LF or CR alone (in line 2, 3)" + rulesText);
    EXPECT_EQ(sentence("a\nb\r\nc\nd\r\ne\nf\r\ng\nh\r\ni\nj\r\nk\nl\r\n"),
              "The file has line breaks of LF or CR alone (in line 1, 2, 3, 4, 5, ...)" + rulesText);
}

TEST(TextEncoding, ConvertsToRulesTextAndNamesWhatTheCodePageCannotHold)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::string text;
        std::vector<char32_t> lost;
    };
    const std::string lfOnlyRules = "; Rules\n[A]\nCLASSNAME=\"A\"\nFORMAT=\"<Title>\"\n";
    const std::vector<Case> cases = {
        {"rules text unchanged", kRules, kRules, {}},
        {"LF only", lfOnlyRules, kRules, {}},
        {"UTF-8 mark dropped", "\xEF\xBB\xBF" + kRules, kRules, {}},
        {"UTF-8 put into the code page", "\xEF\xBB\xBF; caf\xC3\xA9 \xE2\x98\x83\n", "; caf\xE9 ?\r\n", {0x2603}},
        {"UTF-8 that does not decode is kept", "\xEF\xBB\xBF; caf\xE9\r\n", "; caf\xE9\r\n", {}},
        {"UTF-16 LE, LF only", Utf16("; caf% # #\n[A]\n", false), "; caf\xE9 ? ?\r\n[A]\r\n", {0x2603}},
        {"UTF-16 BE", Utf16("; R\r\n[A]\r\n", true), "; R\r\n[A]\r\n", {}},
        {"UTF-8 without a mark", "; caf\xC3\xA9 \xE2\x98\x83\n", "; caf\xE9 ?\r\n", {0x2603}},
        {"UTF-16 LE without a mark", Utf16("; caf%\r\n[A]\r\n", false, false), "; caf\xE9\r\n[A]\r\n", {}},
        {"UTF-16 BE without a mark", Utf16("; R\n[A]\n", true, false), "; R\r\n[A]\r\n", {}},
        {"every lone LF and CR made CR LF", "; a\nb\r\nc\rd\r\r\n", "; a\r\nb\r\nc\r\nd\r\n\r\n", {}},
        // Cut at a NUL, the text would lose what follows it on the next save.
        {"UTF-16 keeps its NUL", Utf16(std::string("[A]\r\n\0[B]", 9), false), std::string("[A]\r\n\0[B]", 9), {}},
        {"ANSI keeps its NUL", std::string("[A]\r\n\0[B]\n", 10), std::string("[A]\r\n\0[B]\r\n", 11), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const stConvertedText converted = ConvertToRulesText(c.bytes, ToLatin1);
        EXPECT_EQ(converted.text, c.text);
        EXPECT_EQ(converted.lost, c.lost);
    }
    // A character beyond the first plane is one character, named once.
    const std::string emoji("\xFF\xFE\x3D\xD8\x00\xDE\x3D\xD8\x00\xDE", 10);
    EXPECT_EQ(ConvertToRulesText(emoji, ToLatin1).lost, std::vector<char32_t>{0x1F600});
    EXPECT_EQ(CharacterNames({0x2603, 0x1F600}), "U+2603, U+1F600");

    // The system's code page, whichever it is, holds ASCII and no unpaired surrogate.
    const stConvertedText system = ConvertToRulesText(Utf16("[A]!\r\n", false), Utf16ToAnsi);
    EXPECT_EQ(system.text, "[A]?\r\n");
    EXPECT_EQ(system.lost, std::vector<char32_t>{0xD800});
}

TEST(TextEncoding, TheConvertedTestFilesAreRulesTheReaderTakes)
{
    for (const char* name : {"PlayersLfOnly.txt", "PlayersBom.txt"}) {
        SCOPED_TRACE(name);
        CAllPlayersInfo players;
        EXPECT_EQ(players.ParseText(FileBytes(DataFile(name))), -1);
        EXPECT_EQ(players.ParseText(ConvertToRulesText(FileBytes(DataFile(name)), Utf16ToAnsi).text), 0);
        EXPECT_EQ(players.GetPlayerCount(), 1);
    }
}

} // namespace
