#include <gtest/gtest.h>

#include "rules/TitleParser.h"
#include "wizard/TemplateRules.h"

namespace {

TEST(StepThreeInterpretation, FirstMatchingTemplateWinsAndUnusedIsLeftOut)
{
    CTitleParser parser;
    std::vector<int> errors;
    auto report = [&errors](int id) { errors.push_back(id); };
    const std::vector<std::string> templates = {"<Artist> - <Title> - Winamp",
                                                "<Track>. <Artist> - <Title> - Winamp", "<Unused> *** <Title>"};

    auto result = InterpretTitle(parser, "1. SampleArtist - SampleTitle - Winamp", templates, report);
    EXPECT_TRUE(result.recognised);
    // The earlier, more general template hides the specific one.
    EXPECT_EQ(result.text, "Artist=[1. SampleArtist] Title=[SampleTitle]");
    result = InterpretTitle(parser, "1. SampleArtist - SampleTitle - Winamp",
                            {templates[1], templates[0]}, report);
    EXPECT_EQ(result.text, "Track=[1] Artist=[SampleArtist] Title=[SampleTitle]");

    result = InterpretTitle(parser, "Winamp *** Paused", templates, report);
    EXPECT_TRUE(result.recognised);
    EXPECT_EQ(result.text, "Title=[Paused]");

    result = InterpretTitle(parser, "Something else", templates, report);
    EXPECT_FALSE(result.recognised);
    EXPECT_TRUE(result.text.empty());
    EXPECT_TRUE(errors.empty());

    // Values keep their % signs: the value is an argument, never a format.
    result = InterpretTitle(parser, "100%s - Song - Winamp", templates, report);
    EXPECT_EQ(result.text, "Artist=[100%s] Title=[Song]");
}

TEST(StepThreeInterpretation, ABrokenTemplateIsReportedEachTimeAndMatchesNothing)
{
    CTitleParser parser;
    std::vector<int> errors;
    const auto result = InterpretTitle(parser, "Song - Winamp", {"<Title - Winamp", "<Title> - Winamp"},
                                       [&errors](int id) { errors.push_back(id); });
    EXPECT_TRUE(result.recognised);
    EXPECT_EQ(result.text, "Title=[Song]");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0], 0);
}

TEST(StepThreeReaders, EachTitleNamesItsReaderAndEachTemplateItsCountOrWhatHidesIt)
{
    const std::string tagged = "1. Ann - Song - Winamp", other = "2. Bob - Tune - Winamp", paused = "Winamp *** Paused";
    struct Case {
        std::vector<std::string> titles, templates;
        std::vector<int> readers, counts, hiddenBy;
        int errors;
    };
    const Case cases[] = {
        // The general template first takes both tagged titles; the specific one is hidden by it.
        {{tagged, other, paused},
         {"<Artist> - <Title> - Winamp", "<Track>. <Artist> - <Title> - Winamp", "<Unused> *** <Title>"},
         {0, 0, 2}, {2, 0, 1}, {-1, 0, -1}, 0},
        // Hidden by the reader of the first title it would read, though another hides it later.
        {{paused, tagged}, {"Winamp *** <Title>", "<Title> - Winamp", "<Unused> <Title>"},
         {0, 1}, {1, 1, 0}, {-1, -1, 0}, 0},
        // Reads nothing at all; a title that none reads; no titles.
        {{tagged, "Radio"}, {"<Title> (paused)", "<Artist> - <Title> - Winamp"}, {1, -1}, {0, 1}, {-1, -1}, 0},
        {{}, {"<Title>"}, {}, {0}, {-1}, 0},
        // A broken template is reported by every title that reaches it, not by those read before it.
        {{tagged, "Radio", "Other"}, {"<Title> - Winamp", "<Title", "<Title>"}, {0, 2, 2}, {1, 0, 2}, {-1, -1, -1}, 2},
    };
    for (const Case& c : cases) {
        CTitleParser parser;
        int errors = 0;
        const stReadings readings = InterpretTitles(parser, c.titles, c.templates, [&errors](int) { ++errors; });
        std::vector<int> readers;
        for (const stInterpretation& reading : readings.titles) {
            readers.push_back(reading.reader);
            EXPECT_EQ(reading.recognised, reading.reader != -1);
        }
        EXPECT_EQ(readers, c.readers) << c.templates[0];
        EXPECT_EQ(readings.counts, c.counts) << c.templates[0];
        EXPECT_EQ(readings.hiddenBy, c.hiddenBy) << c.templates[0];
        EXPECT_EQ(errors, c.errors) << c.templates[0];
    }
}

TEST(StepThreeOrdering, MoreParametersThenLongerTextThenEarlierFirst)
{
    EXPECT_EQ(CountParameters("<Track>. <Artist> - <Title>"), 3);
    EXPECT_EQ(CountParameters("Winamp"), 0);
    EXPECT_EQ(MostSpecificFirst({"<Title>", "<Artist> - <Title>", "<Artist> - <Title> - Winamp"}),
              (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(MostSpecificFirst({"<Title> - Winamp", "<Track>. <Artist> - <Title> - Winamp", "<Title>",
                                 "<Artist> - <Title> - Winamp"}),
              (std::vector<int>{1, 3, 0, 2}));
    // Equal counts and lengths keep their order.
    EXPECT_EQ(MostSpecificFirst({"<Title> - A", "<Title> - B", "<Title> - C"}), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(MostSpecificFirst({}).empty());
}

TEST(StepThreeEntries, StoredTemplatesKeepTheirLinesOthersGetTheirExample)
{
    std::vector<std::unique_ptr<CFormatInfo>> stored;
    stored.push_back(std::make_unique<CFormatInfo>());
    stored.back()->m_strFormat = "<Title> - Winamp";
    stored.back()->m_arrLines = {"; from the file", "; kept as it was"};
    stored.push_back(std::make_unique<CFormatInfo>());
    stored.back()->m_strFormat = "<Title> - Winamp";
    stored.back()->m_arrLines = {"; a later duplicate"};

    const auto entries = EntriesForTemplates(
        {{"<Artist> - <Title>", "A - B"}, {"<Title> - Winamp", "ignored"}, {"<Title> 50%", ""}}, stored);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0]->m_strFormat, "<Artist> - <Title>");
    EXPECT_EQ(entries[0]->m_arrLines, (std::vector<std::string>{";", "; Example: A - B"}));
    EXPECT_EQ(entries[1]->m_arrLines, (std::vector<std::string>{"; from the file", "; kept as it was"}));
    EXPECT_NE(entries[1].get(), stored[0].get());
    EXPECT_EQ(entries[2]->m_arrLines, (std::vector<std::string>{";", "; Example: "}));
}

} // namespace
