#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "RulesTestSupport.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"

namespace {

using Lines = std::vector<std::string>;

std::unique_ptr<CPlayerInfo> MakePlayer(const std::string& name, std::vector<std::string> formats,
                                        const std::string& wndClass = "cls")
{
    auto player = std::make_unique<CPlayerInfo>();
    player->SetName(name);
    player->SetWndClass(wndClass);
    for (const std::string& text : formats) {
        auto format = std::make_unique<CFormatInfo>();
        format->m_strFormat = text;
        format->m_arrLines = {";", "; Example: " + text};
        player->m_arrFormats.push_back(std::move(format));
    }
    return player;
}

std::string Rebuilt(const std::string& text)
{
    CAllPlayersInfo players;
    EXPECT_EQ(players.ParseText(text), 0) << text;
    return players.BuildText();
}

class RulesWriter : public RulesTest {};

TEST_F(RulesWriter, AcceptedTextsAreWrittenBackByteForByte)
{
    const std::vector<std::string> texts = {
        FileBytes(DataFile("Players.txt")),
        CrLfLines({"[A]", "CLASSNAME=\"\"", "FORMAT=\"<Title>\""}),
        CrLfLines({"", "", "; a", "", "", "; lead", "[A]", "; head", "", "CLASSNAME=\"a\"", "", "; own", "FORMAT=\"<Title>\"",
                   "FORMAT=\"x\"<Title>\"\"", "; lead b", "[B]", "CLASSNAME=\"b\"", "FORMAT=\"<Title>\"", "", ";", ""}),
        CrLfLines({";", "[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\"", "; \xe9\xe8"}),
    };
    for (const std::string& text : texts)
        EXPECT_EQ(Rebuilt(text), text);

    SetDispNameSupportedForTesting(true);
    const std::string withDispNames = FileBytes(DataFile("PlayersDispName.txt"));
    EXPECT_EQ(Rebuilt(withDispNames), withDispNames);
    const std::string strayDispNames = CrLfLines({"[A]", "CLASSNAME=\"a\"", "DISPNAME=\"x\"", "DISPNAME=\"own\"",
                                                  "FORMAT=\"<Title>\"", "DISPNAME=\"end\""});
    EXPECT_EQ(Rebuilt(strayDispNames), strayDispNames);
}

TEST_F(RulesWriter, OnlyTheThreeNormalisationsChangeAText)
{
    EXPECT_EQ(Rebuilt(FileBytes(DataFile("PlayersNoFinalCrLf.txt"))),
              FileBytes(DataFile("PlayersNoFinalCrLf.txt")) + "\r\n");

    SetDispNameSupportedForTesting(true);
    EXPECT_EQ(Rebuilt(CrLfLines({"[A]", "CLASSNAME=\"a\"", "DISPNAME=\"\"", "FORMAT=\"<Title>\""})),
              CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\""}));
    EXPECT_EQ(Rebuilt(CrLfLines({"[A]", "CLASSNAME=\"a\"", "DISPNAME=\"", "FORMAT=\"<Title>\""})),
              CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\""}));
    EXPECT_EQ(Rebuilt(CrLfLines({"[A]", "CLASSNAME=\"a\"", "DISPNAME=\"A \"a\" tail", "FORMAT=\"<Title>\""})),
              CrLfLines({"[A]", "CLASSNAME=\"a\"", "DISPNAME=\"A \"a\"", "FORMAT=\"<Title>\""}));
}

TEST_F(RulesWriter, DisplayNameIsWrittenOnlyWhenSupportedAndNotEmpty)
{
    CAllPlayersInfo players;
    auto player = MakePlayer("A", {"<Title>"}, "");
    player->SetDispName("Shown A");
    players.AddPlayer(std::move(player));
    const std::string plain = CrLfLines({"[A]", "CLASSNAME=\"\"", ";", "; Example: <Title>", "FORMAT=\"<Title>\""});
    EXPECT_EQ(players.BuildText(), plain);

    SetDispNameSupportedForTesting(true);
    EXPECT_EQ(players.BuildPlayerText(*players.GetPlayer(0)),
              CrLfLines({"[A]", "CLASSNAME=\"\"", "DISPNAME=\"Shown A\"", ";", "; Example: <Title>", "FORMAT=\"<Title>\""}));
    CAllPlayersInfo again;
    ASSERT_EQ(again.ParseText(players.BuildText()), 0);
    EXPECT_EQ(again.GetPlayer(0)->GetDispName(), "Shown A");
    EXPECT_EQ(again.GetPlayer(0)->GetWndClass(), "");
}

TEST_F(RulesWriter, AddedSectionGoesBeforeTheClosingBlock)
{
    CAllPlayersInfo players;
    ASSERT_EQ(players.LoadFromFile(DataFile("Players.txt")), 0);
    const std::string before = players.BuildText();
    auto added = MakePlayer("New", {"<Artist> - <Title>"});
    added->m_arrLeadLines = {"", "; New -=< Created using Quorvel Template Wizard >=-", ";"};
    EXPECT_EQ(players.AddPlayer(std::move(added)), 0);

    const std::string closing = CrLfLines({"", "; end of rules"});
    ASSERT_EQ(before.substr(before.size() - closing.size()), closing);
    const std::string expected = before.substr(0, before.size() - closing.size())
                                 + CrLfLines({"", "; New -=< Created using Quorvel Template Wizard >=-", ";", "[New]",
                                              "CLASSNAME=\"cls\"", ";", "; Example: <Artist> - <Title>",
                                              "FORMAT=\"<Artist> - <Title>\""})
                                 + closing;
    EXPECT_EQ(players.BuildText(), expected);
    EXPECT_EQ(Rebuilt(expected), expected);
}

TEST_F(RulesWriter, ListOperations)
{
    CAllPlayersInfo players;
    players.AddPlayer(MakePlayer("A", {"<Title>"}));
    players.AddPlayer(MakePlayer("B", {"<Title>"}));
    players.AddPlayer(MakePlayer("C", {"<Title>"}));
    EXPECT_EQ(players.FindPlayerName("B"), 1);
    EXPECT_EQ(players.FindPlayerName("b"), 0);
    EXPECT_EQ(players.FindPlayerName("B "), 0);

    EXPECT_EQ(players.RemovePlayer(1), 0);
    ASSERT_EQ(players.GetPlayerCount(), 2);
    EXPECT_EQ(players.GetPlayerName(1), "C");

    CPlayerInfo* c = players.GetPlayer(1);
    std::unique_ptr<CPlayerInfo> replaced = players.SetPlayer(1, MakePlayer("D", {"<Artist>"}));
    EXPECT_EQ(replaced.get(), c);
    EXPECT_EQ(replaced->GetName(), "C");
    EXPECT_EQ(players.GetPlayerName(1), "D");

    players.m_arrHeaderLines = {"; kept"};
    players.RemoveAllPlayers();
    EXPECT_EQ(players.GetPlayerCount(), 0);
    EXPECT_EQ(players.m_arrHeaderLines, (Lines{"; kept"}));
}

TEST_F(RulesWriter, CopiesAreDeep)
{
    CAllPlayersInfo source;
    ASSERT_EQ(source.LoadFromFile(DataFile("Players.txt")), 0);
    const std::string text = source.BuildText();

    CAllPlayersInfo target;
    target.AddPlayer(MakePlayer("Own", {"<Title>"}));
    target.m_arrHeaderLines = {"; old header"};
    target.CopyFrom(source);
    ASSERT_EQ(target.GetPlayerCount(), 4);
    EXPECT_EQ(target.GetPlayerName(0), "Own");
    EXPECT_EQ(target.m_arrHeaderLines, source.m_arrHeaderLines);
    EXPECT_EQ(target.m_arrClosingLines, source.m_arrClosingLines);

    target.ParseText("bad");
    target = source;
    EXPECT_EQ(target.BuildText(), text);
    stParseError e;
    target.GetError(&e);
    EXPECT_EQ(e.code, IDS_INCORRECT_LINE); // the error state is not copied

    target.GetPlayer(0)->m_arrFormats[0]->m_strFormat = "<Changed>";
    target.GetPlayer(0)->m_arrLeadLines.clear();
    EXPECT_EQ(source.BuildText(), text);

    target = target;
    EXPECT_EQ(target.GetPlayerCount(), 3);
    const CAllPlayersInfo copied(source);
    EXPECT_EQ(copied.BuildText(), text);

    // Copying from itself appends each player once.
    source.CopyFrom(source);
    EXPECT_EQ(source.GetPlayerCount(), 6);
}

TEST_F(RulesWriter, PlayerAssignmentCopiesEverything)
{
    auto source = MakePlayer("A", {"<Title>", "<Artist>"}, "cls");
    source->SetDispName("Shown");
    source->m_arrLeadLines = {"; lead"};
    source->m_arrHeadLines = {"; head"};

    CPlayerInfo target = *MakePlayer("B", {"<Year>", "<Genre>", "<Album>"});
    target = *source;
    EXPECT_EQ(target.IsEqual(*source), 1);
    EXPECT_EQ(target.m_arrLeadLines, source->m_arrLeadLines);
    EXPECT_EQ(target.m_arrHeadLines, source->m_arrHeadLines);
    ASSERT_EQ(target.m_arrFormats.size(), 2u);
    EXPECT_NE(target.m_arrFormats[0].get(), source->m_arrFormats[0].get());
    EXPECT_EQ(target.m_arrFormats[1]->m_arrLines, source->m_arrFormats[1]->m_arrLines);

    target = target;
    EXPECT_EQ(target.m_arrFormats.size(), 2u);
    target.RemoveAllFormats();
    EXPECT_TRUE(target.m_arrFormats.empty());
    EXPECT_EQ(source->m_arrFormats.size(), 2u);
}

TEST_F(RulesWriter, EqualityIgnoresStoredLinesOnly)
{
    auto a = MakePlayer("A", {"<Title>", "<Artist>"});
    CPlayerInfo b(*a);
    b.m_arrLeadLines = {"; other"};
    b.m_arrHeadLines = {"; other"};
    b.m_arrFormats[0]->m_arrLines = {"; other"};
    EXPECT_EQ(a->IsEqual(b), 1);
    EXPECT_EQ(a->IsEqual(*a), 1);

    auto changed = [&](auto change) {
        CPlayerInfo c(*a);
        change(c);
        return a->IsEqual(c);
    };
    EXPECT_EQ(changed([](CPlayerInfo& c) { std::swap(c.m_arrFormats[0], c.m_arrFormats[1]); }), 0);
    EXPECT_EQ(changed([](CPlayerInfo& c) { c.SetName("a"); }), 0);
    EXPECT_EQ(changed([](CPlayerInfo& c) { c.SetWndClass("Cls"); }), 0);
    EXPECT_EQ(changed([](CPlayerInfo& c) { c.SetDispName("x"); }), 0);
    EXPECT_EQ(changed([](CPlayerInfo& c) { c.m_arrFormats.pop_back(); }), 0);
    EXPECT_EQ(changed([](CPlayerInfo& c) { c.m_arrFormats[1]->m_strFormat = "<artist>"; }), 0);
}

TEST_F(RulesWriter, SuggestedNameKeepsLettersAndDigitsOutsideParameters)
{
    EXPECT_EQ(MakePlayer("A", {"<Artist> - <Title> - Winamp"})->GetSuggestedName(), "Winamp");
    EXPECT_EQ(MakePlayer("A", {"Foo 2000: <Title> [x_y] \xe9z", "Other"})->GetSuggestedName(), "Foo2000xyz");
    EXPECT_EQ(MakePlayer("A", {"<Title>"})->GetSuggestedName(), "");
    EXPECT_EQ(MakePlayer("A", {})->GetSuggestedName(), "");
}

TEST_F(RulesWriter, ExampleAndLinesTextOfATemplate)
{
    CFormatInfo format;
    EXPECT_EQ(format.GetExample(), "");
    EXPECT_EQ(format.GetLinesText("\r\n"), "");
    EXPECT_EQ(format.m_strFormat, "");

    format.m_arrLines = {";", "; Example: 1. SampleArtist - SampleTitle - Winamp", "; Example: second"};
    EXPECT_EQ(format.GetExample(), "1. SampleArtist - SampleTitle - Winamp");
    EXPECT_EQ(format.GetLinesText("|"), ";|; Example: 1. SampleArtist - SampleTitle - Winamp|; Example: second|");

    format.m_arrLines = {";", "; Example: "};
    EXPECT_EQ(format.GetExample(), "");
    format.m_arrLines = {"; Example:"};
    EXPECT_EQ(format.GetExample(), "");
    format.m_arrLines = {"; example: no", "x Example:-y"};
    EXPECT_EQ(format.GetExample(), "y");

    const CFormatInfo copy(format);
    EXPECT_EQ(copy.m_arrLines, format.m_arrLines);
}

// A text the reader refused keeps every byte; the added sections follow it on lines of their own.
TEST_F(RulesWriter, PlayersAppendedToAnUnreadTextFollowItWhole)
{
    CAllPlayersInfo added;
    added.AddPlayer(MakePlayer("New", {"<Title> - New"}));
    const std::string section = added.BuildPlayerText(*added.GetPlayer(0));
    struct Case {
        std::string text, expected;
    };
    const std::string broken = "; head\r\n[A]\r\nCLASSNAME=\"a\"\r\nFORMAT=\"<Titel>\"";
    for (const Case& c : {Case{broken + "\r\n", broken + "\r\n" + section}, Case{broken, broken + "\r\n" + section},
                          Case{std::string("; a\0b\n", 6), std::string("; a\0b\n\r\n", 8) + section},
                          Case{"", section}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(added.AppendPlayersText(c.text), c.expected);
    }
    EXPECT_EQ(CAllPlayersInfo().AppendPlayersText(broken), broken) << "nothing added, nothing changed";
}

} // namespace
