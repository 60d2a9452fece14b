#include <gtest/gtest.h>

#include "rules/PlayerInfo.h"
#include "wizard/TitleEntries.h"
#include "wizard/WindowFilter.h"

namespace {

TEST(CapturedTitles, AreAppendedOnceEachComparedExactly)
{
    std::string list = "1. Song - Player\r\n";
    EXPECT_FALSE(AppendTitleIfNew(list, "1. Song - Player"));
    EXPECT_FALSE(AppendTitleIfNew(list, ""));
    EXPECT_TRUE(AppendTitleIfNew(list, "1. song - player"));
    EXPECT_TRUE(AppendTitleIfNew(list, "1. Song"));  // a prefix of a listed title is new
    EXPECT_FALSE(AppendTitleIfNew(list, "1. Song"));
    EXPECT_EQ(list, "1. Song - Player\r\n1. song - player\r\n1. Song\r\n");

    std::string empty;
    EXPECT_TRUE(AppendTitleIfNew(empty, "Player"));
    EXPECT_EQ(empty, "Player\r\n");
}

TEST(CapturedTitles, ListTextGoesToEntriesAndBack)
{
    EXPECT_EQ(ListedTitles("A\r\n\r\nB \r\n"), (std::vector<std::string>{"A", "B "}));
    // The text after the final line end is not a title.
    EXPECT_EQ(ListedTitles("A\r\nunfinished"), (std::vector<std::string>{"A"}));
    EXPECT_TRUE(ListedTitles("").empty());

    CPlayerInfo player;
    player.m_arrFormats.push_back(MakeTitleEntry("old"));
    SetTitleEntries(player, {"Song - Winamp", "", "100% <loud>"});
    ASSERT_EQ(player.m_arrFormats.size(), 2u);
    EXPECT_EQ(player.m_arrFormats[0]->m_strFormat, "Song - Winamp");
    EXPECT_EQ(player.m_arrFormats[0]->m_arrLines, (std::vector<std::string>{";", "; Example: Song - Winamp"}));
    // A title is an argument of the example line, never its format.
    EXPECT_EQ(player.m_arrFormats[1]->m_arrLines[1], "; Example: 100% <loud>");
    EXPECT_EQ(TitleListText(player), "Song - Winamp\r\n100% <loud>\r\n");
}

TEST(WindowFilter, LeavesOutExactlyTheFourClasses)
{
    for (const char* excluded : {"Progman", "work window class Dunmere Quorvel Kd7wPz2LmQa9XnR4tVb6",
                                 "Scheduler work window class Dunmere Quorvel Kd7wPz2LmQa9XnR4tVb6", "OleDdeWndClass"})
        EXPECT_TRUE(IsExcludedWindowClass(excluded)) << excluded;
    for (const char* kept : {"progman", "OleDdeWndClass ", "", "Winamp v1.x", "work window class"})
        EXPECT_FALSE(IsExcludedWindowClass(kept)) << kept;
}

TEST(WindowFilter, ShortensLongPlayerNames)
{
    const std::string fifty(50, 'n');
    EXPECT_EQ(ShortPlayerName(fifty), fifty);
    EXPECT_EQ(ShortPlayerName(fifty + "x"), fifty + "...");
    EXPECT_EQ(ShortPlayerName(""), "");
}

} // namespace
