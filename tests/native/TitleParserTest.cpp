#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "rules/TitleParser.h"

namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

const std::string kWinampTitle = "1. SampleArtist - SampleTitle - Winamp";

// Name and value of every result entry, or nothing when the template does not fit.
std::optional<Values> Read(const std::string& title, const std::string& format)
{
    CTitleParser parser;
    parser.SetTitle(title);
    EXPECT_EQ(parser.SetTemplate(format), 0) << format;
    if (parser.Interpret() != 0)
        return std::nullopt;
    Values values;
    for (const CTpParameter& entry : parser.GetResults())
        values.emplace_back(entry.m_strName, entry.m_strValue);
    return values;
}

stParseError ErrorOf(const CTitleParser& parser)
{
    stParseError e;
    parser.GetErrorInfo(&e);
    return e;
}

TEST(TitleParser, ReadsTheWinampTitle)
{
    EXPECT_EQ(Read(kWinampTitle, "<Artist> - <Title> - Winamp"),
              (Values{{"Artist", "1. SampleArtist"}, {"Title", "SampleTitle"}}));
    EXPECT_EQ(Read(kWinampTitle, "<Unused>. <Artist> - <Title> - Winamp"),
              (Values{{"Unused", "1"}, {"Artist", "SampleArtist"}, {"Title", "SampleTitle"}}));
    EXPECT_EQ(Read(kWinampTitle, "<Artist> - <Title>"),
              (Values{{"Artist", "1. SampleArtist"}, {"Title", "SampleTitle - Winamp"}}))
        << "a final parameter takes everything after the last constant";
}

TEST(TitleParser, MatchesExactlyWithoutFoldingCaseOrBlanks)
{
    EXPECT_FALSE(Read(kWinampTitle, "<Artist> - <Title> - winamp"));
    EXPECT_FALSE(Read(kWinampTitle, "<Artist> - <Title>  - Winamp"));
    EXPECT_FALSE(Read(kWinampTitle, "Playing: <Title>"));
    EXPECT_FALSE(Read(kWinampTitle, "1.  <Title>"));
    EXPECT_FALSE(Read("A-B", "<Artist> - <Title>"));
    EXPECT_EQ(Read("  A  -  B ", "<Artist>-<Title>"), (Values{{"Artist", "  A  "}, {"Title", "  B "}}))
        << "values are not trimmed";
}

TEST(TitleParser, FinalConstantMustEndTheTitleAndSkippedTextBelongsToNoValue)
{
    EXPECT_EQ(Read("Song - Winamp - Winamp", "<Title> - Winamp"), (Values{{"Title", "Song"}}));
    EXPECT_FALSE(Read("Song - Winamp (paused)", "<Title> - Winamp"));
    // The occurrence found by the search and the final copy may overlap.
    EXPECT_EQ(Read("aaa", "<Title>aa"), (Values{{"Title", ""}}));
    EXPECT_FALSE(Read("a", "<Title>aa")) << "a title shorter than the final constant";
    EXPECT_EQ(Read("x - y - W - z - W", "<Artist> - <Title> - W"),
              (Values{{"Artist", "x"}, {"Title", "y"}}));
}

TEST(TitleParser, ConstantsAreSearchedFromWhereThePreviousOneEnded)
{
    // The prefix itself holds the separator; a search from the title's start would find it.
    EXPECT_EQ(Read("A-x-y", "A-<Artist>-<Title>"), (Values{{"Artist", "x"}, {"Title", "y"}}));
    // "ba" occurs only overlapping the "ab" already consumed.
    EXPECT_FALSE(Read("xaba", "<Artist>ab<Title>ba<Album>"));
    // Leftmost occurrence keeps every value but the last as short as possible.
    EXPECT_EQ(Read("a - b - c", "<Artist> - <Title>"), (Values{{"Artist", "a"}, {"Title", "b - c"}}));
}

TEST(TitleParser, ValuesMayBeEmpty)
{
    EXPECT_EQ(Read(" - B", "<Artist> - <Title>"), (Values{{"Artist", ""}, {"Title", "B"}}));
    EXPECT_EQ(Read("A - ", "<Artist> - <Title>"), (Values{{"Artist", "A"}, {"Title", ""}}));
    EXPECT_EQ(Read("", "<Title>"), (Values{{"Title", ""}}));
    EXPECT_EQ(Read("Now: ", "Now: <Title>"), (Values{{"Title", ""}}));
    EXPECT_EQ(Read("anything <at> all", "<Title>"), (Values{{"Title", "anything <at> all"}}));
    EXPECT_FALSE(Read("", "<Title> - W"));
    EXPECT_FALSE(Read("", "P<Title>"));
}

TEST(TitleParser, NeedsOnlyATemplateThatParses)
{
    EXPECT_EQ(Read("a b", "<Foo> <Foo>"), (Values{{"Foo", "a"}, {"Foo", "b"}}));
    EXPECT_EQ(Read("x", "<Unused>"), (Values{{"Unused", "x"}}));
}

TEST(TitleParser, ResultsCarryGroupNumbersAndTheValuesRangeInTheTitle)
{
    CTitleParser parser;
    parser.SetTitle("7. x. A - T");
    ASSERT_EQ(parser.SetTemplate("<Unused>. <Unused>. <Artist> - <Title>"), 0);
    ASSERT_EQ(parser.Interpret(), 0);
    ASSERT_EQ(parser.GetResultCount(), 4);
    const int groups[] = {1, 1, 2, 3};
    const int positions[] = {0, 3, 6, 10};
    const int lengths[] = {1, 1, 1, 1};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(parser.GetResult(i).m_nGroup, groups[i]);
        EXPECT_EQ(parser.GetResult(i).m_nPos, positions[i]);
        EXPECT_EQ(parser.GetResult(i).m_nLen, lengths[i]);
    }

    parser.SetTitle(kWinampTitle);
    ASSERT_EQ(parser.SetTemplate("<Artist> - <Title> - Winamp"), 0);
    ASSERT_EQ(parser.Interpret(), 0);
    ASSERT_EQ(parser.GetResultCount(), 2) << "results are rebuilt, not appended";
    EXPECT_EQ(parser.GetResult(1).m_nPos, 18);
    EXPECT_EQ(parser.GetResult(1).m_nLen, 11);
    EXPECT_EQ(kWinampTitle.substr(18, 11), "SampleTitle");
}

TEST(TitleParser, OneTitleIsReadByManyTemplatesInTurn)
{
    CTitleParser parser;
    parser.SetTitle(kWinampTitle);
    ASSERT_EQ(parser.SetTemplate("Playing: <Title>"), 0);
    EXPECT_EQ(parser.Interpret(), -1);
    ASSERT_EQ(parser.SetTemplate("<Title>"), 0);
    ASSERT_EQ(parser.Interpret(), 0);
    EXPECT_EQ(parser.GetResult(0).m_strValue, kWinampTitle);
    ASSERT_EQ(parser.Interpret(), 0) << "interpreting again gives the same";
    EXPECT_EQ(parser.GetResultCount(), 1);
}

TEST(TitleParser, InterpretFailsWithoutAUsableTemplate)
{
    CTitleParser fresh;
    fresh.SetTitle("anything");
    EXPECT_EQ(fresh.Interpret(), -1) << "no SetTemplate made";
    EXPECT_EQ(ErrorOf(fresh).code, 0);

    CTitleParser parser;
    parser.SetTitle("A - B");
    ASSERT_EQ(parser.SetTemplate("<Title>"), 0);
    ASSERT_EQ(parser.Interpret(), 0);

    // A failed parse must not leave the earlier template matching.
    EXPECT_EQ(parser.SetTemplate("<Title><Artist>"), -1);
    stParseError e = ErrorOf(parser);
    EXPECT_EQ(e.code, IDS_MISSING_STRING_BETWEEN_BRACKETS);
    EXPECT_EQ(e.start, 6);
    EXPECT_EQ(e.length, 2);
    EXPECT_EQ(parser.Interpret(), -1);
    e = ErrorOf(parser);
    EXPECT_EQ(e.code, 0) << "Interpret resets the code";
    EXPECT_EQ(e.start, 6) << "and nothing else";

    ASSERT_EQ(parser.SetTemplate("<Title>"), 0);
    ASSERT_EQ(parser.Interpret(), 0);
    EXPECT_EQ(parser.SetTemplate(""), -1);
    EXPECT_EQ(ErrorOf(parser).code, IDS_TEMPLATE_NOT_DEFINED);
    EXPECT_EQ(parser.Interpret(), -1) << "an empty template text matches nothing either";
}

TEST(TitleParser, TemplatesTakenInTurnForManyTitlesReadEachTitleAfresh)
{
    // A parser keeps the templates it has read; taking one again must read the current title.
    CTitleParser parser;
    const std::vector<std::string> templates = {"<Artist> - <Title> - Winamp", "<Title> - Player", "<Title>"};
    const std::vector<std::pair<std::string, Values>> cases = {
        {"A - T - Winamp", {{"Artist", "A"}, {"Title", "T"}}},
        {"Song - Player", {{"Title", "Song"}}},
        {"other", {{"Title", "other"}}},
        {"B - U - Winamp", {{"Artist", "B"}, {"Title", "U"}}},
    };
    for (int round = 0; round < 2; ++round) {
        for (const auto& [title, expected] : cases) {
            SCOPED_TRACE(title);
            parser.SetTitle(title);
            std::optional<Values> got;
            for (const std::string& format : templates) {
                ASSERT_EQ(parser.SetTemplate(format), 0);
                if (parser.Interpret() == 0) {
                    got.emplace();
                    for (const CTpParameter& entry : parser.GetResults())
                        got->emplace_back(entry.m_strName, entry.m_strValue);
                    break;
                }
            }
            EXPECT_EQ(got, expected);
        }
    }

    // A failed parse in between leaves nothing matching, and the record is its own until
    // Interpret resets the code.
    parser.SetTitle("A - T - Winamp");
    EXPECT_EQ(parser.SetTemplate("<Title"), -1);
    EXPECT_EQ(parser.Interpret(), -1);
    ASSERT_EQ(parser.SetTemplate(templates[0]), 0);
    EXPECT_EQ(ErrorOf(parser).start, 0);
    EXPECT_EQ(ErrorOf(parser).length, 1) << "a success leaves the record as it was";
    ASSERT_EQ(parser.Interpret(), 0);
    EXPECT_EQ(parser.GetResultCount(), 2);
    EXPECT_EQ(parser.GetResult(0).m_nGroup, 1);
    EXPECT_EQ(parser.GetResult(1).m_nGroup, 2);

    // Many more distinct templates than a parser keeps, then the first ones again.
    for (int k = 0; k < 600; ++k) {
        ASSERT_EQ(parser.SetTemplate("<Title> " + std::to_string(k)), 0);
        parser.SetTitle("x " + std::to_string(k));
        ASSERT_EQ(parser.Interpret(), 0);
        EXPECT_EQ(parser.GetResult(0).m_strValue, "x");
    }
    for (int k = 0; k < 3; ++k) {
        ASSERT_EQ(parser.SetTemplate("<Title> " + std::to_string(k)), 0);
        EXPECT_EQ(parser.Interpret(), -1) << "the title ends in 599";
    }
}

TEST(TitleParser, EverySyntaxFaultIsCopiedWhole)
{
    const struct {
        const char* text;
        int code;
        int start;
        int length;
    } cases[] = {
        {"Title>", IDS_TOO_MANY_RIGHT_BRACKETS, 5, 1},
        {"<<Title>>", IDS_NESTED_BRACKETS, 1, 1},
        {"<> - <Title>", IDS_EMPTY_PARAMETER, 0, 2},
        {"Winamp", IDS_PARAMETERS_NOT_DEFINED, 0, 0},
        {"<Title", IDS_UNBALANCED_BRACKETS, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CTitleParser parser;
        parser.SetTitle(c.text);
        EXPECT_EQ(parser.SetTemplate(c.text), -1);
        const stParseError e = ErrorOf(parser);
        EXPECT_EQ(e.code, c.code);
        EXPECT_EQ(e.start, c.start);
        EXPECT_EQ(e.length, c.length);
        EXPECT_EQ(e.line, 0);
        EXPECT_EQ(parser.Interpret(), -1);
    }

    CTitleParser parser;
    ASSERT_EQ(parser.SetTemplate("<Title"), -1);
    ASSERT_EQ(parser.SetTemplate("<Title>"), 0);
    EXPECT_EQ(ErrorOf(parser).code, IDS_UNBALANCED_BRACKETS) << "a successful parse leaves the record";
}

} // namespace
