#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "RulesTestSupport.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"
#include "rules/TpTemplate.h"

namespace {

using Lines = std::vector<std::string>;

struct Outcome {
    int result;
    int code;
    int line;
    int start;
    int length;
};

Outcome ParseOutcome(CAllPlayersInfo& players, const std::string& text)
{
    const int result = players.ParseText(text);
    stParseError e;
    players.GetError(&e);
    EXPECT_EQ(e.sysError.kind, 0);
    return {result, e.code, e.line, e.start, e.length};
}

Outcome ParseOutcome(const std::string& text)
{
    CAllPlayersInfo players;
    return ParseOutcome(players, text);
}

// A data file loaded whole, as the program loads it.
Outcome LoadOutcome(const char* name)
{
    CAllPlayersInfo players;
    const int result = players.LoadFromFile(DataFile(name));
    stParseError e;
    players.GetError(&e);
    return {result, e.code, e.line, e.start, e.length};
}

#define EXPECT_IS(outcome, code_, line_, start_, length_)                                          \
    do {                                                                                           \
        const Outcome o = (outcome);                                                               \
        EXPECT_EQ(o.result, (code_) == 0 ? 0 : -1);                                                \
        EXPECT_EQ(o.code, code_);                                                                  \
        EXPECT_EQ(o.line, line_);                                                                  \
        EXPECT_EQ(o.start, start_);                                                                \
        EXPECT_EQ(o.length, length_);                                                              \
    } while (0)

#define EXPECT_OUTCOME(text, code_, line_, start_, length_) EXPECT_IS(ParseOutcome(text), code_, line_, start_, length_)

#define EXPECT_LINE_ERROR(text, code_, line_) EXPECT_OUTCOME(text, code_, line_, 0, -1)

class RulesReader : public RulesTest {};

TEST_F(RulesReader, SampleFileFillsEveryRecord)
{
    CAllPlayersInfo players;
    ASSERT_EQ(players.LoadFromFile(DataFile("Players.txt")), 0);
    stParseError e;
    players.GetError(&e);
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(e.length, -1);

    EXPECT_EQ(players.m_arrHeaderLines, (Lines{"; Rules for external players", ";", ""}));
    ASSERT_EQ(players.GetPlayerCount(), 3);

    const CPlayerInfo& first = *players.GetPlayer(0);
    EXPECT_EQ(first.m_strName, "SamplePlayer");
    EXPECT_EQ(first.m_strWndClass, "SamplePlayerWindow");
    EXPECT_EQ(first.m_arrLeadLines,
              (Lines{"; SamplePlayer -=< Created using Quorvel Template Wizard >=-", ";"}));
    EXPECT_TRUE(first.m_arrHeadLines.empty());
    ASSERT_EQ(first.m_arrFormats.size(), 2u);
    EXPECT_EQ(first.m_arrFormats[0]->m_strFormat, "<Track>. <Artist> - <Title> - Winamp");
    EXPECT_EQ(first.m_arrFormats[0]->m_arrLines,
              (Lines{";", "; Example: 1. SampleArtist - SampleTitle - Winamp"}));
    EXPECT_EQ(first.m_arrFormats[1]->m_strFormat, "<Artist> - <Title> - Winamp");

    const CPlayerInfo& second = *players.GetPlayer(1);
    EXPECT_EQ(second.m_strName, "Other Player");
    EXPECT_EQ(second.m_strWndClass, "");
    EXPECT_EQ(second.m_arrLeadLines, (Lines{""}));
    EXPECT_EQ(second.m_arrHeadLines, (Lines{"; head comment"}));
    ASSERT_EQ(second.m_arrFormats.size(), 1u);
    EXPECT_TRUE(second.m_arrFormats[0]->m_arrLines.empty());

    // Quotes inside values belong to them.
    const CPlayerInfo& third = *players.GetPlayer(2);
    EXPECT_EQ(third.m_strWndClass, "Third\"Class");
    ASSERT_EQ(third.m_arrFormats.size(), 1u);
    EXPECT_EQ(third.m_arrFormats[0]->m_strFormat, "Now: \"<Title>\" by <Artist>");
    EXPECT_EQ(third.m_arrLeadLines.size(), 3u);

    EXPECT_EQ(players.m_arrClosingLines, (Lines{"", "; end of rules"}));
}

TEST_F(RulesReader, TextsWithoutAnySectionReportNoPlayersAtLineZero)
{
    EXPECT_OUTCOME("", IDS_NO_PLAYERS_FOUND, 0, 0, 0);
    EXPECT_OUTCOME(CrLfLines({"; a", "", "; b", "", ""}), IDS_NO_PLAYERS_FOUND, 0, 0, 0);
    // LF alone does not end a line: this is one comment line.
    EXPECT_OUTCOME("; a\n[A]\nCLASSNAME=\"a\"\nFORMAT=\"<Title>\"\n", IDS_NO_PLAYERS_FOUND, 0, 0, 0);

    const Outcome lfOnly = LoadOutcome("PlayersLfOnly.txt");
    EXPECT_EQ(lfOnly.result, -1);
    EXPECT_EQ(lfOnly.code, IDS_NO_PLAYERS_FOUND);
}

TEST_F(RulesReader, LinesOfNoKindAreIncorrectWithoutAnyTrimming)
{
    const Outcome bom = LoadOutcome("PlayersBom.txt");
    EXPECT_EQ(bom.result, -1);
    EXPECT_EQ(bom.code, IDS_INCORRECT_LINE);
    EXPECT_EQ(bom.line, 0);

    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"a\"", " FORMAT=\"<Title>\""}), IDS_INCORRECT_LINE, 2);
    EXPECT_LINE_ERROR(CrLfLines({"[A] ", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\""}), IDS_INCORRECT_LINE, 0);
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "classname=\"a\"", "FORMAT=\"<Title>\""}), IDS_INCORRECT_LINE, 1);
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"a\"", "   ", "FORMAT=\"<Title>\""}), IDS_INCORRECT_LINE, 2);
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME = \"a\"", "FORMAT=\"<Title>\""}), IDS_INCORRECT_LINE, 1);
    EXPECT_LINE_ERROR(CrLfLines({"[", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\""}), IDS_INCORRECT_LINE, 0);
    // A lone LF is an ordinary character, so this header does not end with "]".
    EXPECT_LINE_ERROR("[A]\n\r\nCLASSNAME=\"a\"\r\nFORMAT=\"<Title>\"\r\n", IDS_INCORRECT_LINE, 0);
}

TEST_F(RulesReader, EveryLineIsClassifiedBeforeAnyOtherCheck)
{
    // The blank name (line 0) and the missing template would be found first otherwise.
    EXPECT_LINE_ERROR(CrLfLines({"[]", "[B]", "bad line"}), IDS_INCORRECT_LINE, 2);
    CAllPlayersInfo players;
    const Outcome o = ParseOutcome(players, CrLfLines({"; header", "[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\"", "x"}));
    EXPECT_EQ(o.code, IDS_INCORRECT_LINE);
    EXPECT_TRUE(players.m_arrHeaderLines.empty());
    EXPECT_EQ(players.GetPlayerCount(), 0);
}

TEST_F(RulesReader, DisplayNameLinesAreRefusedAnywhereWhileUnsupported)
{
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"a\"", "DISPNAME=\"Aa\"", "FORMAT=\"<Title>\""}),
                      IDS_INCORRECT_LINE, 2);
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\"", "DISPNAME=\"Aa\""}),
                      IDS_INCORRECT_LINE, 3);
    EXPECT_LINE_ERROR(CrLfLines({"DISPNAME=\"Aa\"", "[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\""}),
                      IDS_INCORRECT_LINE, 0);
}

TEST_F(RulesReader, DisplayNameCountsOnlyRightAfterTheClassLine)
{
    SetDispNameSupportedForTesting(true);
    CAllPlayersInfo players;
    ASSERT_EQ(players.LoadFromFile(DataFile("PlayersDispName.txt")), 0);
    EXPECT_EQ(players.GetPlayer(0)->m_strDispName, "Sample Player");
    EXPECT_EQ(players.GetPlayer(0)->m_arrFormats[0]->m_arrLines.size(), 2u);

    ASSERT_EQ(players.ParseText(CrLfLines({"[A]", "CLASSNAME=\"a\"", "DISPNAME=\"Aa\" tail", "FORMAT=\"<Title>\""})), 0);
    EXPECT_EQ(players.GetPlayer(0)->m_strDispName, "Aa");
    ASSERT_EQ(players.ParseText(CrLfLines({"[A]", "CLASSNAME=\"a\"", "DISPNAME=\"", "FORMAT=\"<Title>\""})), 0);
    EXPECT_EQ(players.GetPlayer(0)->m_strDispName, "");
    EXPECT_TRUE(players.GetPlayer(0)->m_arrFormats[0]->m_arrLines.empty());

    // Parted from the class line by a comment it is one of the template's own lines.
    ASSERT_EQ(players.ParseText(CrLfLines({"[A]", "CLASSNAME=\"a\"", ";", "DISPNAME=\"Aa\"", "FORMAT=\"<Title>\""})), 0);
    EXPECT_EQ(players.GetPlayer(0)->m_strDispName, "");
    EXPECT_EQ(players.GetPlayer(0)->m_arrFormats[0]->m_arrLines, (Lines{";", "DISPNAME=\"Aa\""}));

    ASSERT_EQ(players.ParseText(CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\"", "DISPNAME=\"Aa\""})), 0);
    EXPECT_EQ(players.m_arrClosingLines, (Lines{"DISPNAME=\"Aa\""}));

    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\"", "DISPNAME=\"Aa\"", "[B]",
                                 "CLASSNAME=\"b\"", "FORMAT=\"<Title>\""}),
                      IDS_LINE_OUT_OF_SEQUENCE, 3);
}

TEST_F(RulesReader, ClassLineValues)
{
    CAllPlayersInfo players;
    ASSERT_EQ(players.ParseText(CrLfLines({"[A]", "CLASSNAME=\"\"", "FORMAT=\"<Title>\""})), 0);
    EXPECT_EQ(players.GetPlayer(0)->m_strWndClass, "");
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"", "FORMAT=\"<Title>\""}), IDS_INCORRECT_LINE, 1);
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"a\" ", "FORMAT=\"<Title>\""}), IDS_INCORRECT_LINE, 1);
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"a", "FORMAT=\"<Title>\""}), IDS_INCORRECT_LINE, 1);
}

TEST_F(RulesReader, SectionStructureErrors)
{
    EXPECT_LINE_ERROR(CrLfLines({"[]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\""}), IDS_PLAYER_NAME_BLANK, 0);
    EXPECT_LINE_ERROR(CrLfLines({"FORMAT=\"<Title>\"", "[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\""}),
                      IDS_LINE_OUT_OF_SEQUENCE, 0);
    EXPECT_LINE_ERROR(CrLfLines({"; h", "", "CLASSNAME=\"a\"", "[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\""}),
                      IDS_LINE_OUT_OF_SEQUENCE, 2);
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "; c", "FORMAT=\"<Title>\""}), IDS_WND_CLASS_NOT_FOUND, 2);
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "[B]"}), IDS_WND_CLASS_NOT_FOUND, 1);
    EXPECT_LINE_ERROR(CrLfLines({"; h", "[A]"}), IDS_WND_CLASS_NOT_FOUND, 2);
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "; c", ""}), IDS_WND_CLASS_NOT_FOUND, 3);
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"a\""}), IDS_TEMPLATE_NOT_DEFINED, 2);
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"a\"", "; c", ""}), IDS_TEMPLATE_NOT_DEFINED, 4);
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"a\"", "; c", "[B]", "CLASSNAME=\"b\"", "FORMAT=\"<Title>\""}),
                      IDS_TEMPLATE_NOT_DEFINED, 3);
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\"", "CLASSNAME=\"b\""}),
                      IDS_LINE_OUT_OF_SEQUENCE, 3);
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"a\"", "CLASSNAME=\"b\"", "FORMAT=\"<Title>\""}),
                      IDS_LINE_OUT_OF_SEQUENCE, 2);
}

TEST_F(RulesReader, SectionNamesAreComparedExactly)
{
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\"", "[B]", "CLASSNAME=\"b\"",
                                 "FORMAT=\"<Title>\"", "[A]", "CLASSNAME=\"c\"", "FORMAT=\"<Title>\""}),
                      IDS_PLAYER_NAME_EXISTS, 6);
    CAllPlayersInfo players;
    ASSERT_EQ(players.ParseText(CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\"", "[a]",
                                           "CLASSNAME=\"a\"", "FORMAT=\"<Title>\"", "[ a ]", "CLASSNAME=\"a\"",
                                           "FORMAT=\"<Title>\""})),
              0);
    ASSERT_EQ(players.GetPlayerCount(), 3);
    EXPECT_EQ(players.GetPlayerName(2), " a ");
}

TEST_F(RulesReader, TemplateLineErrors)
{
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\"\""}), IDS_INCORRECT_LINE, 2);
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\""}), IDS_INCORRECT_LINE, 2);
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\" "}), IDS_INCORRECT_LINE, 2);
    EXPECT_LINE_ERROR(CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\"", "FORMAT=\"<Title>\""}),
                      IDS_EQUAL_TEMPLATES, 3);

    CAllPlayersInfo players;
    EXPECT_EQ(players.ParseText(CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\"", "[B]", "CLASSNAME=\"a\"",
                                           "FORMAT=\"<Title>\""})),
              0);
}

TEST_F(RulesReader, RepeatedTemplateIsFoundInALongList)
{
    // Long lists are checked through a set rather than one by one; the outcome is the same.
    for (const int count : {15, 16, 17, 40}) {
        std::string text = CrLfLines({"[A]", "CLASSNAME=\"a\""});
        for (int k = 0; k < count; ++k)
            text += "; own\r\nFORMAT=\"<Title> " + std::to_string(k) + "\"\r\n";
        for (const int repeatOf : {0, count / 2, count - 1}) {
            SCOPED_TRACE(std::to_string(count) + " " + std::to_string(repeatOf));
            EXPECT_LINE_ERROR(text + "FORMAT=\"<Title> " + std::to_string(repeatOf) + "\"\r\n",
                              IDS_EQUAL_TEMPLATES, 2 + 2 * count);

            // Another blank makes another template; another section may repeat one.
            const std::string accepted = text + "FORMAT=\"<Title>  " + std::to_string(repeatOf) + "\"\r\n" +
                                         CrLfLines({"[B]", "CLASSNAME=\"b\"", "FORMAT=\"<Title> 0\""});
            CAllPlayersInfo players;
            ASSERT_EQ(players.ParseText(accepted), 0);
            EXPECT_EQ(players.GetPlayer(0)->m_arrFormats.size(), static_cast<std::size_t>(count + 1));
            EXPECT_EQ(players.BuildText(), accepted);
        }
    }
}

// The template's own error, moved from the template text into the line.
void ExpectTemplateFault(const std::string& format)
{
    CTpTemplate tpl;
    stParseError own;
    if (tpl.Parse(format) == 0)
        tpl.CheckParameters();
    tpl.GetErrorInfo(&own);
    ASSERT_NE(own.code, 0) << format;

    const Outcome o = ParseOutcome(CrLfLines({"; h", "[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\"",
                                              ("FORMAT=\"" + format + "\"").c_str()}));
    EXPECT_EQ(o.result, -1);
    EXPECT_EQ(o.code, own.code) << format;
    EXPECT_EQ(o.line, 4) << format;
    EXPECT_EQ(o.start, own.start + 8) << format;
    EXPECT_EQ(o.length, own.length) << format;
}

TEST_F(RulesReader, TemplateFaultsPointIntoTheLine)
{
    const Outcome o = ParseOutcome(CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\"x <Foo>\""}));
    EXPECT_EQ(o.code, IDS_UNKNOWN_PARAMETER);
    EXPECT_GE(o.start, 8 + 2);

    for (const char* format : {"x <Foo>", "a>b", "<<Title>>", "<Title><Artist>", "<Title> <Title>",
                               "<Unused> x", "<>", "no parameters", "<Title"})
        ExpectTemplateFault(format);
}

TEST_F(RulesReader, BlocksTakeTheirLines)
{
    CAllPlayersInfo players;
    ASSERT_EQ(players.ParseText(CrLfLines({"", "", "; a", "; b", "", "", "; c", "[A]", "CLASSNAME=\"a\"",
                                           "FORMAT=\"<Title>\"", "", "; between", "[B]", "; head", "",
                                           "CLASSNAME=\"b\"", "; own", "FORMAT=\"<Title>\"", "; own 2",
                                           "FORMAT=\"<Artist>\"", "", "; closing"})),
              0);
    EXPECT_EQ(players.m_arrHeaderLines, (Lines{"", "", "; a", "; b", ""}));
    ASSERT_EQ(players.GetPlayerCount(), 2);
    EXPECT_EQ(players.GetPlayer(0)->m_arrLeadLines, (Lines{"", "; c"}));
    EXPECT_EQ(players.GetPlayer(1)->m_arrLeadLines, (Lines{"", "; between"}));
    EXPECT_EQ(players.GetPlayer(1)->m_arrHeadLines, (Lines{"; head", ""}));
    EXPECT_EQ(players.GetPlayer(1)->m_arrFormats[1]->m_arrLines, (Lines{"; own 2"}));
    EXPECT_EQ(players.m_arrClosingLines, (Lines{"", "; closing"}));

    // No comment run: a single leading blank line is still the whole header block.
    ASSERT_EQ(players.ParseText(CrLfLines({"", "[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\""})), 0);
    EXPECT_EQ(players.m_arrHeaderLines, (Lines{""}));
    EXPECT_TRUE(players.GetPlayer(0)->m_arrLeadLines.empty());
}

TEST_F(RulesReader, TextEndsAtTheLastLineOrAtNulPadding)
{
    CAllPlayersInfo players;
    ASSERT_EQ(players.LoadFromFile(DataFile("PlayersNoFinalCrLf.txt")), 0);
    ASSERT_EQ(players.GetPlayer(0)->m_arrFormats.size(), 2u);
    EXPECT_EQ(players.GetPlayer(0)->m_arrFormats[1]->m_strFormat, "<Artist>");

    const std::string section = CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\""});
    ASSERT_EQ(players.ParseText(section + std::string(3, '\0')), 0);
    EXPECT_EQ(players.BuildText(), section);
    EXPECT_OUTCOME(std::string("[A]\0\0"), IDS_WND_CLASS_NOT_FOUND, 1, 0, -1);
}

TEST_F(RulesReader, NulBeforeMoreTextIsRefusedWhereItStands)
{
    // Taking the text up to the NUL would lose every player after it on the next save.
    EXPECT_IS(LoadOutcome("PlayersNul.txt"), IDS_INCORRECT_LINE, 3, 0, 1);

    // Wherever it stands in its line, and before any other fault of a later line.
    using namespace std::string_literals;
    EXPECT_OUTCOME("[A]\r\nCLASSNAME=\"a\0b\"\r\nFORMAT=\"<Title>\"\r\n"s, IDS_INCORRECT_LINE, 1, 12, 1);
    EXPECT_OUTCOME("; a\0\r\nbad\r\n\0"s, IDS_INCORRECT_LINE, 0, 3, 1);
}

TEST_F(RulesReader, FailedParseKeepsWhatWasReadAndNothingOlder)
{
    CAllPlayersInfo players;
    ASSERT_EQ(players.LoadFromFile(DataFile("Players.txt")), 0);

    const Outcome o = ParseOutcome(players, CrLfLines({"; new", "[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\"",
                                                       "; lead", "[B]", "CLASSNAME=\"b\"", "FORMAT=\"<Artist>\"",
                                                       "FORMAT=\"<Artist>\""}));
    EXPECT_EQ(o.code, IDS_EQUAL_TEMPLATES);
    EXPECT_EQ(players.m_arrHeaderLines, (Lines{"; new"}));
    EXPECT_TRUE(players.m_arrClosingLines.empty());
    ASSERT_EQ(players.GetPlayerCount(), 2);
    const CPlayerInfo& partial = *players.GetPlayer(1);
    EXPECT_EQ(partial.m_strName, "B");
    EXPECT_EQ(partial.m_strWndClass, "b");
    EXPECT_EQ(partial.m_arrLeadLines, (Lines{"; lead"}));
    ASSERT_EQ(partial.m_arrFormats.size(), 1u);

    // The failing player is already in the collection, before its name is known.
    ParseOutcome(players, CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\"", "[]"}));
    ASSERT_EQ(players.GetPlayerCount(), 2);
    EXPECT_EQ(players.GetPlayer(1)->m_strName, "");

    // Lead lines read before the one out of sequence are kept.
    ParseOutcome(players, CrLfLines({"; h", "", "; kept", "", "CLASSNAME=\"a\"", "[A]", "CLASSNAME=\"a\"",
                                     "FORMAT=\"<Title>\""}));
    ASSERT_EQ(players.GetPlayerCount(), 1);
    EXPECT_EQ(players.GetPlayer(0)->m_arrLeadLines, (Lines{"; kept", ""}));

    // A later success clears the error again.
    ASSERT_EQ(players.ParseText(CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\""})), 0);
    EXPECT_EQ(players.GetPlayerCount(), 1);
    stParseError e;
    players.GetError(&e);
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(e.line, 0);
    EXPECT_EQ(e.length, -1);
}

TEST_F(RulesReader, NewCollectionHasAClearedErrorState)
{
    CAllPlayersInfo players;
    stParseError e;
    std::memset(&e, 0x5A, sizeof e);
    players.GetError(&e);
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(e.length, 0);
    EXPECT_EQ(e.sysError.kind, 0);
    EXPECT_EQ(players.GetPlayerCount(), 0);
}

} // namespace
