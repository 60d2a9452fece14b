#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "res/resource.h"
#include "rules/TpTemplate.h"

namespace {

struct Fault {
    int code;
    int start;
    int length;
};

Fault ErrorOf(const CTpTemplate& t)
{
    stParseError e;
    t.GetErrorInfo(&e);
    EXPECT_EQ(e.line, 0);
    EXPECT_EQ(e.sysError.kind, 0);
    return {e.code, e.start, e.length};
}

void ExpectFault(const Fault& actual, const Fault& expected)
{
    EXPECT_EQ(actual.code, expected.code);
    EXPECT_EQ(actual.start, expected.start);
    EXPECT_EQ(actual.length, expected.length);
}

std::string Rejoin(const CTpTemplate& t)
{
    std::string text = t.GetPrefix();
    for (int i = 0; i < t.GetElementCount(); ++i)
        text += "<" + t.GetElement(i).m_param.m_strName + ">" + t.GetElement(i).m_strFollowing;
    return text;
}

TEST(TpTemplate, ParsesPrefixParametersAndFollowingTexts)
{
    CTpTemplate t;
    ASSERT_EQ(t.Parse("<Artist> - <Title> - Winamp", '<', '>'), 0);
    EXPECT_TRUE(t.HasParse());
    EXPECT_EQ(t.GetPrefix(), "");
    ASSERT_EQ(t.GetElementCount(), 2);
    const auto& artist = t.GetElement(0);
    EXPECT_EQ(artist.m_param.m_strName, "Artist");
    EXPECT_EQ(artist.m_param.m_nPos, 1);
    EXPECT_EQ(artist.m_param.m_nLen, 6);
    EXPECT_EQ(artist.m_param.m_nGroup, 0);
    EXPECT_EQ(artist.m_param.m_strValue, "");
    EXPECT_EQ(artist.m_strFollowing, " - ");
    const auto& title = t.GetElement(1);
    EXPECT_EQ(title.m_param.m_strName, "Title");
    EXPECT_EQ(title.m_param.m_nPos, 12);
    EXPECT_EQ(title.m_param.m_nLen, 5);
    EXPECT_EQ(title.m_strFollowing, " - Winamp");
    EXPECT_EQ(t.CheckParameters(), 0);
    ExpectFault(ErrorOf(t), {0, 0, 0});

    ASSERT_EQ(t.Parse("Now playing: <Title>"), 0);
    EXPECT_EQ(t.GetPrefix(), "Now playing: ");
    ASSERT_EQ(t.GetElementCount(), 1);
    EXPECT_EQ(t.GetElement(0).m_strFollowing, "");
}

TEST(TpTemplate, JoiningTheElementsGivesBackTheText)
{
    for (const char* text : {"<Title>", "a<Title>b", " <Artist>  -  <Title> ", "x<Unused>.<Unused>y<Title>",
                             "< Title >\"q\"<Artist>"}) {
        CTpTemplate t;
        ASSERT_EQ(t.Parse(text), 0) << text;
        EXPECT_EQ(Rejoin(t), text);
        EXPECT_EQ(t.GetText(), text);
    }
}

TEST(TpTemplate, BracketFaultsAreReportedAtTheFirstFaultyPosition)
{
    struct Case {
        const char* text;
        Fault fault;
    };
    const Case cases[] = {
        {"<Title><Artist>", {IDS_MISSING_STRING_BETWEEN_BRACKETS, 6, 2}},
        {"<Title", {IDS_UNBALANCED_BRACKETS, 0, 1}},
        {"Title>", {IDS_TOO_MANY_RIGHT_BRACKETS, 5, 1}},
        {"<<Title>>", {IDS_NESTED_BRACKETS, 1, 1}},
        {"<> - <Title>", {IDS_EMPTY_PARAMETER, 0, 2}},
        {"Winamp", {IDS_PARAMETERS_NOT_DEFINED, 0, 0}},
        {"<Artist> - <Title>>", {IDS_TOO_MANY_RIGHT_BRACKETS, 18, 1}},
        {"<Artist> - <Title> <Album", {IDS_UNBALANCED_BRACKETS, 19, 1}},
        {"<A> <B> <", {IDS_UNBALANCED_BRACKETS, 8, 1}},
        {"<A> <> <B", {IDS_EMPTY_PARAMETER, 4, 2}},
        {"<A><", {IDS_MISSING_STRING_BETWEEN_BRACKETS, 2, 2}},
        {"ab <T> > <", {IDS_TOO_MANY_RIGHT_BRACKETS, 7, 1}},
        {">", {IDS_TOO_MANY_RIGHT_BRACKETS, 0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CTpTemplate t;
        EXPECT_EQ(t.Parse(c.text), -1);
        ExpectFault(ErrorOf(t), c.fault);
        EXPECT_FALSE(t.HasParse());
        EXPECT_EQ(t.GetText(), "");
        EXPECT_EQ(t.GetPrefix(), "");
        EXPECT_EQ(t.GetElementCount(), 0);
    }
}

TEST(TpTemplate, AFailedParseLeavesNoUsableParse)
{
    CTpTemplate t;
    ASSERT_EQ(t.Parse("Playing <Title>"), 0);
    EXPECT_EQ(t.Parse("Playing <Title"), -1);
    EXPECT_FALSE(t.HasParse());
    EXPECT_EQ(t.GetText(), "");
    EXPECT_EQ(t.GetPrefix(), "");

    // A later success parses afresh and clears the error.
    ASSERT_EQ(t.Parse("<Title> x"), 0);
    EXPECT_TRUE(t.HasParse());
    EXPECT_EQ(t.GetElementCount(), 1);
    ExpectFault(ErrorOf(t), {0, 0, 0});
}

TEST(TpTemplate, AnEmptyTextFailsAndChangesNothingElse)
{
    CTpTemplate t;
    ASSERT_EQ(t.Parse("Playing <Title>"), 0);
    EXPECT_EQ(t.Parse(""), -1);
    ExpectFault(ErrorOf(t), {IDS_TEMPLATE_NOT_DEFINED, 0, 0});
    EXPECT_EQ(t.GetText(), "Playing <Title>");
    EXPECT_EQ(t.GetPrefix(), "Playing ");
    EXPECT_EQ(t.GetElementCount(), 1);
    // ...but what it holds is not a parse of the last text asked for.
    EXPECT_FALSE(t.HasParse());
}

TEST(TpTemplate, ParameterFaultsNameTheFirstOffendingParameter)
{
    struct Case {
        const char* text;
        Fault fault;
    };
    const Case cases[] = {
        {"<title> - <Artist>", {IDS_UNKNOWN_PARAMETER, 1, 5}},
        {"< Title>", {IDS_UNKNOWN_PARAMETER, 1, 6}},
        {"<Title> - <Title>", {IDS_MULTIPLE_DEFINITIONS, 1, 5}},
        {"<Unused>", {IDS_NO_ACTUAL_PARAMETERS, 0, 8}},
        {"x <Unused> - <Unused> y", {IDS_NO_ACTUAL_PARAMETERS, 0, 23}},
        // Order of first appearance decides; the unknown test comes first for one name.
        {"<Artist> <Title> <Artist> <Bogus>", {IDS_MULTIPLE_DEFINITIONS, 1, 6}},
        {"<Artist> <Bogus> <Bogus> <Artist>", {IDS_MULTIPLE_DEFINITIONS, 1, 6}},
        {"<Title> <Bogus> <Bogus>", {IDS_UNKNOWN_PARAMETER, 9, 5}},
        {"<TITLE>", {IDS_UNKNOWN_PARAMETER, 1, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CTpTemplate t;
        ASSERT_EQ(t.Parse(c.text), 0);
        EXPECT_EQ(t.CheckParameters(), -1);
        ExpectFault(ErrorOf(t), c.fault);
    }
}

TEST(TpTemplate, EveryKnownNameIsAcceptedAndUnusedMayRepeat)
{
    std::string text;
    for (auto name : KnownParameterNames)
        text += "<" + std::string(name) + ">|";
    text += "<Unused>";
    CTpTemplate t;
    ASSERT_EQ(t.Parse(text), 0);
    EXPECT_EQ(t.CheckParameters(), 0);

    ASSERT_EQ(t.Parse("<Unused> - <Unused> - <Title>"), 0);
    EXPECT_EQ(t.CheckParameters(), 0);
}

TEST(TpTemplate, CollectingGroupsOccurrencesByName)
{
    CTpTemplate t;
    ASSERT_EQ(t.Parse("<Unused>.<Artist>-<Unused>-<Title>-<Unused>"), 0);
    auto distinct = t.CollectParameters();
    ASSERT_EQ(distinct.size(), 3u);
    EXPECT_EQ(distinct[0].m_strName, "Unused");
    EXPECT_EQ(distinct[0].m_nGroup, 1);
    EXPECT_EQ(distinct[0].m_nCount, 3);
    EXPECT_EQ(distinct[0].m_nPos, 1);
    EXPECT_EQ(distinct[1].m_strName, "Artist");
    EXPECT_EQ(distinct[1].m_nGroup, 2);
    EXPECT_EQ(distinct[1].m_nCount, 1);
    EXPECT_EQ(distinct[2].m_strName, "Title");
    EXPECT_EQ(distinct[2].m_nGroup, 3);
    for (const auto& p : distinct)
        EXPECT_EQ(p.m_bKnown, 1);
    EXPECT_EQ(t.GetElement(2).m_param.m_nGroup, 1);
    EXPECT_EQ(t.GetElement(4).m_param.m_nGroup, 1);

    // A second call gives the same list.
    auto again = t.CollectParameters();
    ASSERT_EQ(again.size(), distinct.size());
    for (std::size_t i = 0; i < again.size(); ++i) {
        EXPECT_EQ(again[i].m_nGroup, distinct[i].m_nGroup);
        EXPECT_EQ(again[i].m_nCount, distinct[i].m_nCount);
    }
}

TEST(TpTemplate, CheckGivesWhatParseAndCheckParametersGive)
{
    for (const char* text : {"<Artist> - <Title> - Winamp", "Now playing: <Title>", "<Title><Artist>", "<Title",
                             "Title>", "<<Title>>", "<> - <Title>", "Winamp", "<Artist> - <Title>>", "<A> <> <B",
                             "<A><", "ab <T> > <", ">", "", "<title> - <Artist>", "<Title> - <Title>", "<Unused>",
                             "x <Unused> - <Unused> y", "<Artist> <Title> <Artist> <Bogus>",
                             "<Artist> <Bogus> <Bogus> <Artist>", "<Title> <Bogus> <Bogus>",
                             "<Unused> - <Unused> - <Title>", "<Bogus> <Title> <Title>", "<Title> <Artist> <Title>"}) {
        SCOPED_TRACE(text);
        CTpTemplate t;
        int expected = t.Parse(text);
        if (expected == 0)
            expected = t.CheckParameters();
        const Fault fault = ErrorOf(t);

        stParseError e;
        std::memset(&e, 0x5A, sizeof e);
        const stParseError before = e;
        EXPECT_EQ(CTpTemplate::Check(text, '<', '>', e), expected);
        if (expected == 0) {
            EXPECT_EQ(std::memcmp(&e, &before, sizeof e), 0) << "a success leaves the record alone";
        } else {
            ExpectFault({e.code, e.start, e.length}, fault);
            EXPECT_EQ(e.line, before.line) << "nothing else is written";
        }
    }
}

TEST(TpTemplate, AReusedTemplateKeepsNothingOfTheLastParse)
{
    CTpTemplate t;
    ASSERT_EQ(t.Parse("a <Unused> b <Artist> c <Title> d"), 0);
    ASSERT_EQ(t.CheckParameters(), 0);
    ASSERT_EQ(t.Parse("<Title> e"), 0);
    ASSERT_EQ(t.GetElementCount(), 1);
    EXPECT_EQ(t.GetPrefix(), "");
    EXPECT_EQ(t.GetElement(0).m_param.m_strName, "Title");
    EXPECT_EQ(t.GetElement(0).m_param.m_nGroup, 0);
    EXPECT_EQ(t.GetElement(0).m_strFollowing, " e");
    ASSERT_EQ(t.Parse("x<Album>y<Year>"), 0);
    ASSERT_EQ(t.GetElementCount(), 2);
    EXPECT_EQ(Rejoin(t), "x<Album>y<Year>");
    EXPECT_EQ(t.GetElement(1).m_strFollowing, "");
}

TEST(TpTemplate, EqualityIsByteForByte)
{
    EXPECT_TRUE(CTpTemplate::AreEqual("<Artist> - <Title>", "<Artist> - <Title>"));
    EXPECT_FALSE(CTpTemplate::AreEqual("<Artist> - <Title>", "<Artist> - <title>"));
    EXPECT_FALSE(CTpTemplate::AreEqual("<Artist> - <Title>", "<Artist> -  <Title>"));
}

TEST(TpParameter, NamesAreComparedExactly)
{
    EXPECT_EQ(KnownParameterNames.size(), 12u);
    EXPECT_EQ(KnownParameterNames[0], "Title");
    EXPECT_EQ(KnownParameterNames[11], "Unused");
    EXPECT_TRUE(IsKnownParameterName("Station"));
    EXPECT_FALSE(IsKnownParameterName("title"));
    EXPECT_FALSE(IsKnownParameterName(" Title"));
    EXPECT_TRUE(IsRepeatableParameterName("Unused"));
    EXPECT_FALSE(IsRepeatableParameterName("Title"));
    EXPECT_TRUE(IsNotActualParameterName("Unused"));
    EXPECT_FALSE(IsNotActualParameterName("Text"));
}

} // namespace
