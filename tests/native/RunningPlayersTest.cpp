#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RulesTestSupport.h"
#include "rules/RunningPlayers.h"

namespace {

// A class with two sections, one class of its own, and two sections for any class between.
const std::string kRules = CrLfLines({
    "[Alpha]", "CLASSNAME=\"AlphaWnd\"", "FORMAT=\"<Artist> - <Title> - Alpha\"",
    "[AnyFirst]", "CLASSNAME=\"\"", "FORMAT=\"<Title> (any)\"", "FORMAT=\"<Artist> - <Title> - Alpha\"",
    "[Beta]", "CLASSNAME=\"BetaWnd\"", "FORMAT=\"<Track>. <Unused> <Title>\"", "FORMAT=\"Beta: <Title>\"",
    "[AlphaToo]", "CLASSNAME=\"AlphaWnd\"", "FORMAT=\"<Title> only\"",
    "[AnySecond]", "CLASSNAME=\"\"", "FORMAT=\"<Title> (late)\"",
});

class RunningPlayers : public RulesTest {
protected:
    void SetUp() override
    {
        RulesTest::SetUp();
        ASSERT_EQ(m_players.ParseText(kRules), 0);
    }
    std::vector<std::string> Column(const CRunningPlayers& view, int column) const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < static_cast<int>(view.Rows().size()); ++i)
            texts.push_back(view.RowTexts(i, "Unrecognized").at(static_cast<std::size_t>(column)));
        return texts;
    }
    CAllPlayersInfo m_players;
};

TEST_F(RunningPlayers, TheHostsOrderPicksSectionAndTemplate)
{
    struct Case {
        const char* wndClass;
        const char* title;
        std::vector<std::string> texts; // Player, Template, Template text, Tags
    };
    const Case cases[] = {
        // Its class's first section, ahead of the any-class one that would read it too.
        {"AlphaWnd", "Ann - Song - Alpha", {"Alpha", "1", "<Artist> - <Title> - Alpha", "Artist=Ann  Title=Song"}},
        // The class's second section, still before the sections for any class.
        {"AlphaWnd", "Song only", {"AlphaToo", "1", "<Title> only", "Title=Song"}},
        // No section of the class reads it: the any-class sections in file order.
        {"AlphaWnd", "Song (any)", {"AnyFirst", "1", "<Title> (any)", "Title=Song"}},
        {"AlphaWnd", "Song (late)", {"AnySecond", "1", "<Title> (late)", "Title=Song"}},
        // Read by none: the first section of the class, and no template.
        {"AlphaWnd", "Winamp 5.9", {"Alpha", "", "", "Unrecognized"}},
        // Unused carries no tag; the second template of the section.
        {"BetaWnd", "7. x Song", {"Beta", "1", "<Track>. <Unused> <Title>", "Track=7  Title=Song"}},
        {"BetaWnd", "Beta: Song", {"Beta", "2", "Beta: <Title>", "Title=Song"}},
        // A class no section names is read only by the any-class sections.
        {"OtherWnd", "Ann - Song - Alpha", {"AnyFirst", "2", "<Artist> - <Title> - Alpha", "Artist=Ann  Title=Song"}},
        {"alphawnd", "Song only", {"", "", "", "Unrecognized"}},
    };
    for (const Case& c : cases) {
        CRunningPlayers view(m_players);
        view.Update({{1, c.wndClass, c.title}}, true);
        ASSERT_EQ(view.Rows().size(), 1u);
        std::vector<std::string> texts = view.RowTexts(0, "Unrecognized");
        EXPECT_EQ(texts[1], c.wndClass);
        EXPECT_EQ(texts[2], c.title);
        texts.erase(texts.begin() + 1, texts.begin() + 3);
        EXPECT_EQ(texts, c.texts) << c.wndClass << " / " << c.title;
    }
}

TEST_F(RunningPlayers, RowsStayInPlaceWhileWindowsChangeComeAndGo)
{
    CRunningPlayers view(m_players);
    auto changes = view.Update({{1, "AlphaWnd", "A - S - Alpha"}, {2, "OtherWnd", "Clock"}, {3, "BetaWnd", "Beta: S"}},
                               false);
    EXPECT_EQ(changes.added, 2);
    EXPECT_EQ(Column(view, 0), (std::vector<std::string>{"Alpha", "Beta"}));

    // Same titles: nothing to do.
    changes = view.Update({{1, "AlphaWnd", "A - S - Alpha"}, {2, "OtherWnd", "Clock"}, {3, "BetaWnd", "Beta: S"}},
                          false);
    EXPECT_TRUE(changes.removed.empty() && changes.changed.empty() && changes.added == 0);

    // A title changes, a window closes, one appears ahead of the rest in the system's order.
    changes = view.Update({{4, "BetaWnd", "Beta: New"}, {3, "BetaWnd", "Paused"}}, false);
    EXPECT_EQ(changes.removed, (std::vector<int>{0}));
    EXPECT_EQ(changes.changed, (std::vector<int>{0}));
    EXPECT_EQ(changes.added, 1);
    EXPECT_EQ(Column(view, 2), (std::vector<std::string>{"Paused", "Beta: New"}));
    EXPECT_EQ(Column(view, 5), (std::vector<std::string>{"Unrecognized", "Title=New"}));

    // Showing every window appends the one without a player; hiding them takes it out again.
    changes = view.Update({{4, "BetaWnd", "Beta: New"}, {2, "OtherWnd", "Clock"}, {3, "BetaWnd", "Paused"}}, true);
    EXPECT_EQ(changes.added, 1);
    EXPECT_EQ(Column(view, 0), (std::vector<std::string>{"Beta", "Beta", ""}));
    changes = view.Update({{4, "BetaWnd", "Beta: New"}, {2, "OtherWnd", "Clock"}, {3, "BetaWnd", "Paused"}}, false);
    EXPECT_EQ(changes.removed, (std::vector<int>{2}));
    EXPECT_TRUE(changes.changed.empty());
}

TEST_F(RunningPlayers, TitlesSeenAreKeptPerSectionAndPerUnnamedClassOnceEach)
{
    CRunningPlayers view(m_players);
    const std::vector<std::vector<stDesktopWindow>> ticks = {
        {{1, "BetaWnd", "Beta: One"}, {2, "Foo", "Foo 1"}},
        {{1, "BetaWnd", "Paused"}, {2, "Foo", ""}},
        {{1, "BetaWnd", "Beta: One"}, {5, "BetaWnd", "Beta: Two"}, {2, "Foo", "Foo 2"}},
        {{2, "Foo", "X - Y - Alpha"}}, // read by a section for any class: seen for that one
    };
    for (const auto& windows : ticks)
        view.Update(windows, false);
    EXPECT_EQ(view.SeenTitles(2), (std::vector<std::string>{"Beta: One", "Paused", "Beta: Two"}));
    EXPECT_EQ(view.SeenTitlesOfClass("Foo"), (std::vector<std::string>{"Foo 1", "Foo 2"}));
    EXPECT_EQ(view.SeenTitles(1), (std::vector<std::string>{"X - Y - Alpha"}));
    EXPECT_TRUE(view.SeenTitles(0).empty());
}

TEST(RunningPlayersWindows, OnlyWhatASectionCanReadIsWanted)
{
    using Classes = std::optional<std::vector<std::string>>;
    CAllPlayersInfo named;
    ASSERT_EQ(named.ParseText(CrLfLines({"[A]", "CLASSNAME=\"AWnd\"", "FORMAT=\"<Title>\"", "[B]", "CLASSNAME=\"BWnd\"",
                                         "FORMAT=\"<Title>\"", "[A2]", "CLASSNAME=\"AWnd\"", "FORMAT=\"<Artist>\""})),
              0);
    const CRunningPlayers view(named);
    EXPECT_EQ(view.WantedClasses(false), (Classes{{"AWnd", "BWnd"}}));
    EXPECT_EQ(view.WantedClasses(true), std::nullopt);

    CAllPlayersInfo anyClass;
    ASSERT_EQ(anyClass.ParseText(CrLfLines({"[A]", "CLASSNAME=\"AWnd\"", "FORMAT=\"<Title>\"", "[Any]", "CLASSNAME=\"\"",
                                            "FORMAT=\"<Title>\""})),
              0);
    EXPECT_EQ(CRunningPlayers(anyClass).WantedClasses(false), std::nullopt);
}

} // namespace
