#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "res/resource.h"
#include "rules/AllPlayersInfo.h"
#include "rules/DispNameSupported.h"
#include "wizard/FinishRules.h"

namespace {

std::unique_ptr<CPlayerInfo> Player(const std::string& name, const std::string& wndClass,
                                    std::vector<std::string> templates = {}, const std::string& dispName = "")
{
    auto player = std::make_unique<CPlayerInfo>();
    player->m_strName = name;
    player->m_strWndClass = wndClass;
    player->m_strDispName = dispName;
    for (const std::string& text : templates) {
        auto entry = std::make_unique<CFormatInfo>();
        entry->m_strFormat = text;
        player->m_arrFormats.push_back(std::move(entry));
    }
    return player;
}

CAllPlayersInfo Collection(std::vector<std::string> names)
{
    CAllPlayersInfo players;
    for (const std::string& name : names)
        players.AddPlayer(Player(name, name + "Wnd", {"<Title> - " + name}));
    return players;
}

TEST(FinishFields, AddNewModeProposesTheLettersAndDigitsOfTheFirstTemplate)
{
    const auto current = Player("", "WinampWnd", {"<Track>. <Artist> - <Title> - Winamp 5.9", "<Title>"});
    const stFinishFields fields = FinishFieldsOnActivation(*current, CPlayerInfo(), false, true);
    EXPECT_EQ(fields.internalName, "Winamp59");
    EXPECT_EQ(fields.playerName, "Winamp59");
    EXPECT_EQ(fields.windowClass, "WinampWnd");
    EXPECT_EQ(fields.initialClass, "WinampWnd");
    EXPECT_FALSE(IsWindowClassChanged(fields));
}

TEST(FinishFields, AddNewModeWithoutLettersOutsideTheParametersProposesNothing)
{
    EXPECT_EQ(FinishFieldsOnActivation(*Player("", "W", {"<Artist> - <Title>"}), CPlayerInfo(), false, true)
                  .internalName,
              "");
    EXPECT_EQ(FinishFieldsOnActivation(*Player("", "W"), CPlayerInfo(), false, true).internalName, "");
    // Bytes above ASCII are no letters here, whatever the code page says.
    EXPECT_EQ(FinishFieldsOnActivation(*Player("", "W", {"\xc4\xe9 <Title> \xdf"}), CPlayerInfo(), false, true)
                  .internalName,
              "");
}

TEST(FinishFields, WithoutDisplayNamesThePlayerNameStartsEmptyInBothModes)
{
    const auto original = Player("Sample", "SampleWnd", {"<Title>"}, "Sample Player");
    const auto current = Player("Sample", "SampleWnd", {"<Title> - Sample"});
    EXPECT_EQ(FinishFieldsOnActivation(*current, *original, false, false).playerName, "");
    EXPECT_EQ(FinishFieldsOnActivation(*current, *original, true, false).playerName, "");
    EXPECT_EQ(FinishFieldsOnActivation(*current, *original, false, false).internalName, "Sample");
}

TEST(FinishFields, EditModeTakesNamesAndInitialClassFromThePlayerAsItWas)
{
    const auto original = Player("Sample", "OldWnd", {"<Title> - Other"}, "Sample Player");
    // The current description already carries the class chosen in step 1.
    const auto current = Player("Renamed elsewhere", "NewWnd", {"<Title> - Other"});
    const stFinishFields fields = FinishFieldsOnActivation(*current, *original, true, true);
    EXPECT_EQ(fields.internalName, "Sample");
    EXPECT_EQ(fields.playerName, "Sample Player");
    EXPECT_EQ(fields.windowClass, "NewWnd");
    EXPECT_EQ(fields.initialClass, "OldWnd");
    EXPECT_TRUE(IsWindowClassChanged(fields));
}

TEST(FinishFields, EditModeShowsTheInternalNameWhenThereIsNoDisplayName)
{
    const auto original = Player("Sample", "Wnd", {"<Title>"});
    EXPECT_EQ(FinishFieldsOnActivation(*original, *original, true, true).playerName, "Sample");
}

TEST(FinishFields, ClassComparisonIsExact)
{
    stFinishFields fields{"n", "Wnd", "", "Wnd"};
    EXPECT_FALSE(IsWindowClassChanged(fields));
    fields.windowClass = "wnd";
    EXPECT_TRUE(IsWindowClassChanged(fields));
    fields.windowClass = "Wnd ";
    EXPECT_TRUE(IsWindowClassChanged(fields));
    fields.windowClass = "";
    EXPECT_TRUE(IsWindowClassChanged(fields));
}

TEST(FinishName, BlankIsRefusedInBothModes)
{
    const CAllPlayersInfo players = Collection({"Alpha"});
    EXPECT_EQ(CheckFinishName("", &players, false, ""), IDS_PLAYER_NAME_BLANK);
    EXPECT_EQ(CheckFinishName("", &players, true, ""), IDS_PLAYER_NAME_BLANK);
    EXPECT_EQ(CheckFinishName("", nullptr, true, "Alpha"), IDS_PLAYER_NAME_BLANK);
    // Blanks are a name.
    EXPECT_EQ(CheckFinishName(" ", &players, false, ""), 0);
}

TEST(FinishName, AddNewModeRefusesANameOfTheCollectionExactly)
{
    const CAllPlayersInfo players = Collection({"Alpha", "Beta"});
    EXPECT_EQ(CheckFinishName("Beta", &players, false, ""), IDS_PLAYER_NAME_EXISTS);
    EXPECT_EQ(CheckFinishName("beta", &players, false, ""), 0);
    EXPECT_EQ(CheckFinishName("Beta ", &players, false, ""), 0);
    EXPECT_EQ(CheckFinishName("Gamma", &players, false, ""), 0);
    EXPECT_EQ(CheckFinishName("Gamma", nullptr, false, ""), 0);
}

TEST(FinishName, EditModeKeepsItsOwnNameButTakesNoOtherPlayersName)
{
    const CAllPlayersInfo players = Collection({"Alpha", "Beta"});
    EXPECT_EQ(CheckFinishName("Alpha", &players, true, "Alpha"), 0);
    EXPECT_EQ(CheckFinishName("Beta", &players, true, "Alpha"), IDS_PLAYER_NAME_EXISTS);
    EXPECT_EQ(CheckFinishName("Delta", &players, true, "Alpha"), 0);
    EXPECT_EQ(CheckFinishName("alpha", &players, true, "Alpha"), 0);
}

TEST(CreationLines, NameIsAnArgumentNeverTheFormat)
{
    EXPECT_EQ(CreationLeadLines("Winamp"),
              (std::vector<std::string>{"", "; Winamp -=< Created using Quorvel Template Wizard >=-", ";"}));
    EXPECT_EQ(CreationLeadLines("%s%n%d")[1], "; %s%n%d -=< Created using Quorvel Template Wizard >=-");
    const std::string longName(5000, 'x');
    EXPECT_EQ(CreationLeadLines(longName)[1], "; " + longName + " -=< Created using Quorvel Template Wizard >=-");
}

TEST(CompleteDescription, AddNewModeStoresNamesClassAndAppendsTheCreationLines)
{
    auto player = Player("", "Wnd", {"<Title> - Winamp"});
    player->m_arrLeadLines = {"; kept"};
    CompleteDescription(*player, {"Winamp", "WinampWnd", "Winamp Player", "Wnd"}, false, true);
    EXPECT_EQ(player->m_strName, "Winamp");
    EXPECT_EQ(player->m_strWndClass, "WinampWnd");
    EXPECT_EQ(player->m_strDispName, "Winamp Player");
    EXPECT_EQ(player->m_arrLeadLines,
              (std::vector<std::string>{"; kept", "", "; Winamp -=< Created using Quorvel Template Wizard >=-", ";"}));
    ASSERT_EQ(player->m_arrFormats.size(), 1u);
    EXPECT_EQ(player->m_arrFormats[0]->m_strFormat, "<Title> - Winamp");
}

TEST(CompleteDescription, EditModeAddsNoLinesAndAcceptsAnEmptyClass)
{
    auto player = Player("Sample", "Wnd", {"<Title>"});
    player->m_arrLeadLines = {"; one"};
    CompleteDescription(*player, {"Sample", "", "Sample", "Wnd"}, true, true);
    EXPECT_EQ(player->m_arrLeadLines, (std::vector<std::string>{"; one"}));
    EXPECT_EQ(player->m_strWndClass, "");
    EXPECT_EQ(player->m_strDispName, "");
}

TEST(CompleteDescription, DisplayNameIsThePlayerNameOnlyWhenItSaysMoreThanTheInternalName)
{
    auto player = Player("Sample", "Wnd", {"<Title>"}, "Sample Player");
    CompleteDescription(*player, {"Sample", "Wnd", "Sample Player", "Wnd"}, true, true);
    EXPECT_EQ(player->m_strDispName, "Sample Player");
    CompleteDescription(*player, {"Sample", "Wnd", "Another Player", "Wnd"}, true, true);
    EXPECT_EQ(player->m_strDispName, "Another Player");
    // The field set back to the internal name, or emptied, leaves no display name of its own.
    CompleteDescription(*player, {"Sample", "Wnd", "Sample", "Wnd"}, true, true);
    EXPECT_EQ(player->m_strDispName, "");
    player->m_strDispName = "Sample Player";
    CompleteDescription(*player, {"Sample", "Wnd", "", "Wnd"}, true, true);
    EXPECT_EQ(player->m_strDispName, "");
    // Compared exactly.
    CompleteDescription(*player, {"Sample", "Wnd", "sample", "Wnd"}, true, true);
    EXPECT_EQ(player->m_strDispName, "sample");
}

TEST(CompleteDescription, WithoutDisplayNamesTheDisplayNameIsNeverSet)
{
    auto player = Player("", "Wnd", {"<Title> - Foo"});
    CompleteDescription(*player, {"Foo", "Wnd", "Foo Player", "Wnd"}, false, false);
    EXPECT_EQ(player->m_strDispName, "");
    auto edited = Player("Foo", "Wnd", {"<Title> - Foo"}, "Kept");
    CompleteDescription(*edited, {"Foo", "Wnd", "", "Wnd"}, true, false);
    EXPECT_EQ(edited->m_strDispName, "Kept");
}

// What Finish produces must read back as the same players.
TEST(CompleteDescription, ANewPlayerJoinsTheFileAndReadsBack)
{
    struct DispNames {
        DispNames() { SetDispNameSupportedForTesting(true); }
        ~DispNames() { SetDispNameSupportedForTesting(false); }
    } dispNames;
    CAllPlayersInfo players = Collection({"Alpha"});
    auto player = Player("", "Foo Wnd", {"<Artist> - <Title> - Foo", "<Title>"});
    const stFinishFields fields = FinishFieldsOnActivation(*player, CPlayerInfo(), false, true);
    ASSERT_EQ(CheckFinishName(fields.internalName, &players, false, ""), 0);
    stFinishFields named = fields;
    named.playerName = "Foo Player";
    CompleteDescription(*player, named, false, true);
    players.AddPlayer(std::move(player));

    CAllPlayersInfo reread;
    ASSERT_EQ(reread.ParseText(players.BuildText()), 0);
    ASSERT_EQ(reread.GetPlayerCount(), 2);
    const CPlayerInfo& read = *reread.GetPlayer(1);
    EXPECT_EQ(read.m_strName, "Foo");
    EXPECT_EQ(read.m_strWndClass, "Foo Wnd");
    EXPECT_EQ(read.m_strDispName, "Foo Player");
    EXPECT_EQ(read.m_arrLeadLines,
              (std::vector<std::string>{"", "; Foo -=< Created using Quorvel Template Wizard >=-", ";"}));
    // A second player of the same name is refused before it could make the file unreadable.
    EXPECT_EQ(CheckFinishName("Foo", &reread, false, ""), IDS_PLAYER_NAME_EXISTS);
}

} // namespace
