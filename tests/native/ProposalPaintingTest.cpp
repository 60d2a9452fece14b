#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "rules/TitleParser.h"
#include "wizard/ProposalPainting.h"

namespace {

struct Mark {
    int start, end, marker;
    bool operator==(const Mark&) const = default;
};

struct Case {
    const char* what;
    std::string templateText;
    std::vector<std::string> titles;
    int title;
    bool faithful;
    std::vector<Mark> marks;
};

TEST(PaintProposal, OpensOnTheMostTypicalTitleWhoseMarksBuildTheTemplateBack)
{
    const Case cases[] = {
        {"an empty value cannot be marked: the title after it",
         "<Artist> - <Title> - Player",
         {" - Song C - Player", "Ann Lee - Song A - Player", "Bob Ray - Song B - Player"},
         1, true, {{0, 7, IDB_MARKER_ARTIST}, {10, 16, IDB_MARKER_TITLE}}},
        {"the nearest the mean lengths has an empty value: the nearest of the others",
         "<Artist> - <Title> - P", {" - Song - P", "Ann - S - P", "Bob - Longer - P"}, 2, true,
         {{0, 3, IDB_MARKER_ARTIST}, {6, 12, IDB_MARKER_TITLE}}},
        {"the lengths nearest the mean ones, not the first title",
         "<Track>. <Artist> - <Title> - Player",
         {"1. A - Song Title (Live at the Royal Albert Hall, 1971) - Player", "2. Ann Lee - Blue - Player",
          "3. Bob Ray - Night Train - Player", "4. Cy Doe - Road - Player"},
         2, true, {{0, 1, IDB_MARKER_TRACK}, {3, 10, IDB_MARKER_ARTIST}, {13, 24, IDB_MARKER_TITLE}}},
        {"equally typical: the earlier",
         "<Artist> - <Title>", {"Ann - Song", "Bob - Tune"}, 0, true,
         {{0, 3, IDB_MARKER_ARTIST}, {6, 10, IDB_MARKER_TITLE}}},
        {"two Unused parts build back as two ranges",
         "<Unused>. <Title> (<Unused>)", {"1. Song (3:10)", "12. Tune (4:05)"}, 0, true,
         {{0, 1, IDB_MARKER_UNUSED}, {3, 7, IDB_MARKER_TITLE}, {9, 13, IDB_MARKER_UNUSED}}},
        {"a title the template does not read is never offered",
         "<Artist> - <Title> - Player", {"Player", "Ann - Song - Player"}, 1, true,
         {{0, 3, IDB_MARKER_ARTIST}, {6, 10, IDB_MARKER_TITLE}}},
        {"every title lacks a value: the most typical, marked as far as it goes",
         "<Artist> - <Title> - P", {"Ann -  - P", " - Song - P", "Bo -  - P"}, 2, false,
         {{0, 2, IDB_MARKER_ARTIST}}},
        {"no title is read", "<Artist> - <Title> - Player", {"Player", "Winamp 5.9"}, -1, false, {}},
    };
    CTitleParser parser;
    for (const Case& c : cases) {
        const stProposalPainting painting = PaintProposal(parser, c.templateText, c.titles);
        EXPECT_EQ(painting.title, c.title) << c.what;
        EXPECT_EQ(painting.faithful, c.faithful) << c.what;
        std::vector<Mark> marks;
        for (const stPaintMark& m : painting.marks)
            marks.push_back({m.start, m.end, m.marker});
        EXPECT_EQ(marks, c.marks) << c.what;
    }
}

} // namespace
