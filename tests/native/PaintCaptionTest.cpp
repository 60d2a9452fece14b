#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "paint/PaintCaption.h"
#include "rules/TpTemplate.h"

namespace {

// Marker numbers as the Paint title dialog passes them.
constexpr int kUnused = 151;
constexpr int kTitle = 153;
constexpr int kArtist = 152;
constexpr int kAlbum = 142;

const std::string kCaption = "1. SampleArtist - SampleTitle - Winamp";

// "1. <3 kanji> - <5 kana and kanji> - Winamp" in Shift JIS (code page 932), whose lead
// bytes are 0x81 to 0x9F and 0xE0 to 0xFC.
const std::string kDoubleByteCaption =
    "1. \x89\x46\x91\xbd\x93\x63 - \x89\xd4\x91\xa9\x82\xf0\x8c\x4e\x82\xc9 - Winamp";
const stCodePage kShiftJis = KnownCodePage(932);

using Ranges = std::vector<std::pair<int, int>>;

class PaintCaption : public ::testing::Test {
protected:
    void SetUp() override { model.SetCaption(kCaption); }

    void Unused(int start, int end) { ASSERT_EQ(model.AddRange(start, end, kUnused, "Unused", 1), 0); }
    void Title(int start, int end) { ASSERT_EQ(model.AddRange(start, end, kTitle, "Title", 0), 0); }
    void Artist(int start, int end) { ASSERT_EQ(model.AddRange(start, end, kArtist, "Artist", 0), 0); }
    void Constant(int start, int end) { ASSERT_EQ(model.AddRange(start, end, kMarkerConstant, "", 0), 0); }

    // The ranges of one marker, sorted; empty when it has no descriptor.
    Ranges Of(int marker) const
    {
        Ranges ranges;
        for (int i = 0; i < model.GetDescCount(); ++i)
            if (model.GetDesc(i).marker == marker)
                for (const stParamRange& r : model.GetDesc(i).ranges)
                    ranges.emplace_back(r.start, r.end);
        std::sort(ranges.begin(), ranges.end());
        return ranges;
    }

    std::string Template() const
    {
        std::string text = "stale";
        EXPECT_EQ(model.BuildTemplate(text), 0);
        return text;
    }

    CPaintCaption model;
};

TEST_F(PaintCaption, BuildsTheWinampTemplate)
{
    Artist(3, 15);
    Title(18, 29);
    EXPECT_EQ(Template(), "1. <Artist> - <Title> - Winamp");
    Unused(0, 1);
    EXPECT_EQ(Template(), "<Unused>. <Artist> - <Title> - Winamp");
    Unused(32, 38);
    EXPECT_EQ(Template(), "<Unused>. <Artist> - <Title> - <Unused>") << "a mark may end the caption";
}

TEST_F(PaintCaption, BuildTemplateWithoutMarksReturnsOneAndEmptyText)
{
    std::string text = "stale";
    EXPECT_EQ(model.BuildTemplate(text), 1);
    EXPECT_EQ(text, "");

    Constant(0, 38);
    EXPECT_EQ(model.GetDescCount(), 0) << "Constant never makes a descriptor";
    EXPECT_EQ(model.BuildTemplate(text), 1);
}

TEST_F(PaintCaption, ConstantTextIsCopiedUnescaped)
{
    CPaintCaption brackets;
    brackets.SetCaption("a<b>c");
    ASSERT_EQ(brackets.AddRange(4, 5, kTitle, "Title", 0), 0);
    std::string text;
    ASSERT_EQ(brackets.BuildTemplate(text), 0);
    EXPECT_EQ(text, "a<b><Title>");
    CTpTemplate parsed;
    EXPECT_EQ(parsed.Parse(text), -1) << "the fault is left to the template parser";
}

TEST_F(PaintCaption, RejectsBadSelectionsAndChangesNothing)
{
    CPaintCaption empty;
    EXPECT_EQ(empty.AddRange(0, 1, kTitle, "Title", 0), 1);
    EXPECT_EQ(empty.GetDescCount(), 0);

    Artist(3, 15);
    const Ranges before = Of(kArtist);
    EXPECT_EQ(model.AddRange(-1, 5, kTitle, "Title", 0), 2);
    EXPECT_EQ(model.AddRange(39, 40, kTitle, "Title", 0), 2);
    EXPECT_EQ(model.AddRange(0, -1, kTitle, "Title", 0), 3);
    EXPECT_EQ(model.AddRange(0, 41, kTitle, "Title", 0), 3) << "41 corrected to 39 is still past the end";
    EXPECT_EQ(model.AddRange(5, 5, kTitle, "Title", 0), 4);
    EXPECT_EQ(model.AddRange(8, 5, kTitle, "Title", 0), 4);
    EXPECT_EQ(model.AddRange(38, 40, kTitle, "Title", 0), 4) << "start at the end, end corrected to it";
    EXPECT_EQ(model.AddRange(5, 5, kMarkerConstant, "", 0), 4);
    EXPECT_EQ(model.GetDescCount(), 1);
    EXPECT_EQ(Of(kArtist), before);
}

TEST_F(PaintCaption, AnEndPastTheCaptionIsReducedByTwo)
{
    Unused(30, 40);
    EXPECT_EQ(Of(kUnused), (Ranges{{30, 38}}));
    Title(0, 39);
    EXPECT_EQ(Of(kTitle), (Ranges{{0, 37}}));
    EXPECT_EQ(Of(kUnused), Ranges{}) << "pushed past the caption's end, so empty";
}

TEST_F(PaintCaption, NewRangeCoveringAMarkRemovesIt)
{
    Unused(5, 7);
    Unused(10, 12);
    Unused(14, 16);
    Title(18, 20);
    Artist(3, 20);
    EXPECT_EQ(Of(kUnused), Ranges{}) << "every covered range goes, none skipped";
    EXPECT_EQ(Of(kTitle), Ranges{});
    EXPECT_EQ(model.GetDescCount(), 1);

    Constant(3, 20);
    EXPECT_EQ(model.GetDescCount(), 0) << "an exact cover removes the mark too";
}

TEST_F(PaintCaption, MarkStartingInsideTheNewRangeIsPushedPastIt)
{
    Title(15, 25);
    Artist(3, 18);
    EXPECT_EQ(Of(kTitle), (Ranges{{19, 25}}));
    Artist(3, 19);
    EXPECT_EQ(Of(kTitle), (Ranges{{20, 25}})) << "a range that only touches counts as meeting";
    Constant(18, 22);
    EXPECT_EQ(Of(kTitle), (Ranges{{22, 25}})) << "Constant cuts without a gap";
    EXPECT_EQ(Of(kArtist), (Ranges{{3, 18}}));
}

TEST_F(PaintCaption, MarkEndingInsideTheNewRangeIsCutBeforeIt)
{
    Artist(3, 15);
    Title(10, 20);
    EXPECT_EQ(Of(kArtist), (Ranges{{3, 9}}));
    EXPECT_EQ(Of(kTitle), (Ranges{{10, 20}}));

    Constant(5, 12);
    EXPECT_EQ(Of(kArtist), (Ranges{{3, 5}})) << "Constant cuts without a gap";
}

TEST_F(PaintCaption, TouchingMarksLeaveOneConstantCharacter)
{
    Artist(3, 15);
    Title(15, 18);
    EXPECT_EQ(Of(kArtist), (Ranges{{3, 14}}));
    EXPECT_EQ(Of(kTitle), (Ranges{{15, 18}}));
    EXPECT_EQ(Template(), "1. <Artist>t<Title>SampleTitle - Winamp");
}

TEST_F(PaintCaption, RangesThatDisappearAreRemoved)
{
    Title(15, 16);
    Artist(3, 15);
    EXPECT_EQ(Of(kTitle), Ranges{}) << "pushed past its own end";
    EXPECT_EQ(model.GetDescCount(), 1);

    Unused(20, 30);
    Title(21, 29);
    EXPECT_EQ(Of(kUnused), Ranges{}) << "both parts of the split are empty";
    EXPECT_EQ(Of(kTitle), (Ranges{{21, 29}}));
}

TEST_F(PaintCaption, SameMarkerMergesWithWhatItMeets)
{
    Artist(3, 15);
    Artist(18, 29);
    EXPECT_EQ(Of(kArtist), (Ranges{{18, 29}})) << "a single-range marker moves";
    Artist(10, 20);
    EXPECT_EQ(Of(kArtist), (Ranges{{10, 29}}));
    Artist(25, 33);
    EXPECT_EQ(Of(kArtist), (Ranges{{10, 33}}));

    Unused(0, 5);
    Unused(5, 7);
    EXPECT_EQ(Of(kUnused), (Ranges{{0, 7}})) << "touching ranges of one marker merge";
}

TEST_F(PaintCaption, NewRangeJoinsTwoRangesOfOneMarker)
{
    Unused(0, 5);
    Unused(10, 15);
    Unused(3, 12);
    EXPECT_EQ(Of(kUnused), (Ranges{{0, 15}}));

    CPaintCaption reversed;
    reversed.SetCaption(kCaption);
    ASSERT_EQ(reversed.AddRange(10, 15, kUnused, "Unused", 1), 0);
    ASSERT_EQ(reversed.AddRange(0, 5, kUnused, "Unused", 1), 0);
    ASSERT_EQ(reversed.AddRange(3, 12, kUnused, "Unused", 1), 0);
    ASSERT_EQ(reversed.GetDescCount(), 1);
    ASSERT_EQ(reversed.GetDesc(0).ranges.size(), 1u);
    EXPECT_EQ(reversed.GetDesc(0).ranges[0].start, 0);
    EXPECT_EQ(reversed.GetDesc(0).ranges[0].end, 15);

    Unused(20, 22);
    Unused(25, 27);
    Unused(30, 32);
    Unused(21, 31);
    EXPECT_EQ(Of(kUnused), (Ranges{{0, 15}, {20, 32}})) << "a covered range between the two goes";
}

TEST_F(PaintCaption, NewRangeInsideAMarkSplitsOrShrinksIt)
{
    Unused(0, 38);
    Unused(10, 20);
    EXPECT_EQ(Of(kUnused), (Ranges{{0, 9}, {10, 20}, {21, 38}}));

    Title(25, 30);
    EXPECT_EQ(Of(kUnused), (Ranges{{0, 9}, {10, 20}, {21, 24}, {31, 38}}));
    EXPECT_EQ(Template(), "<Unused>A<Unused>m<Unused>T<Title>-<Unused>");

    Artist(3, 15);
    Title(5, 8);
    EXPECT_EQ(Of(kArtist), (Ranges{{3, 4}})) << "a single-range mark keeps only the part before";
    Artist(5, 12);
    Artist(7, 9);
    EXPECT_EQ(Of(kArtist), (Ranges{{7, 9}})) << "marking inside its own range shrinks to that part";
}

TEST_F(PaintCaption, ConstantCutsExactlyAndMakesNoDescriptor)
{
    Artist(3, 15);
    Constant(5, 8);
    EXPECT_EQ(Of(kArtist), (Ranges{{3, 5}}));

    Unused(20, 38);
    Constant(25, 28);
    EXPECT_EQ(Of(kUnused), (Ranges{{20, 25}, {28, 38}}));

    Artist(3, 15);
    Constant(3, 15);
    EXPECT_EQ(Of(kArtist), Ranges{});
    EXPECT_EQ(Of(kMarkerConstant), Ranges{});
    EXPECT_EQ(model.GetDescCount(), 1);
}

TEST_F(PaintCaption, DescriptorsKeepCreationOrderAndTheirFirstProperties)
{
    Title(18, 29);
    Artist(3, 15);
    Title(0, 1);
    ASSERT_EQ(model.GetDescCount(), 2);
    EXPECT_EQ(model.GetDesc(0).marker, kTitle);
    EXPECT_EQ(model.GetDesc(0).name, "Title");
    EXPECT_EQ(model.GetDesc(1).marker, kArtist);

    ASSERT_EQ(model.AddRange(20, 22, kTitle, "Other", 1), 0);
    EXPECT_EQ(model.GetDesc(0).name, "Title");
    EXPECT_EQ(model.GetDesc(0).multiple, 0);
    EXPECT_EQ(Of(kTitle), (Ranges{{20, 22}}));
    EXPECT_EQ(model.GetDesc(0).ranges.size(), 1u);

    ASSERT_EQ(model.AddRange(30, 34, kAlbum, "Album", 0), 0);
    EXPECT_EQ(model.GetDesc(2).name, "Album");
    EXPECT_EQ(Template(), "1. <Artist> - Sa<Title>leTitle <Album>namp");
}

TEST(CaptionChars, CrossBetweenCharactersAndBytesInBothDirections)
{
    const CCaptionChars chars(kDoubleByteCaption, &kShiftJis);
    // character position, its byte position
    const std::pair<int, int> points[] = {{0, 0}, {3, 3}, {4, 5}, {6, 9}, {9, 12}, {14, 22}, {23, 31}, {25, 33}};
    for (const auto& [character, byte] : points) {
        EXPECT_EQ(chars.ToByte(character), byte) << character;
        EXPECT_EQ(chars.ToChar(byte), character) << byte;
    }
    EXPECT_EQ(chars.ToChar(4), 3) << "a second byte belongs to its character";
    EXPECT_EQ(chars.Next(3), 5);
    EXPECT_EQ(chars.Next(4), 5);
    EXPECT_EQ(chars.Previous(9), 7);
    EXPECT_EQ(chars.Previous(3), 2);

    const CCaptionChars single(kCaption);
    EXPECT_EQ(single.ToByte(17), 17);
    EXPECT_EQ(single.Next(17), 18);
}

TEST(CaptionChars, ALeadByteAtTheEndIsACharacterOfItsOwn)
{
    const CCaptionChars chars("a\x82", &kShiftJis);
    EXPECT_EQ(chars.ToByte(2), 2);
    EXPECT_EQ(chars.ToChar(2), 2);
}

TEST(PaintCaptionDoubleByte, MarksKeepWholeCharactersApart)
{
    CPaintCaption model;
    model.SetCaption(kDoubleByteCaption, &kShiftJis);
    ASSERT_EQ(model.AddRange(3, 9, kArtist, "Artist", 0), 0);
    // Starts at the third kanji and ends inside the last kana: Artist keeps one whole
    // character away, and Title takes the kana whole.
    ASSERT_EQ(model.AddRange(7, 21, kTitle, "Title", 0), 0);
    std::string text;
    ASSERT_EQ(model.BuildTemplate(text), 0);
    EXPECT_EQ(text, "1. <Artist>\x91\xbd<Title> - Winamp");
}

// Whatever the user marks, ranges stay inside the caption, non-empty, apart and on
// character boundaries, so the built template always parses with one element per range.
TEST(PaintCaptionProperties, RandomMarkingKeepsRangesApartAndTheTemplateParses)
{
    const struct {
        int marker;
        const char* name;
        int multiple;
    } markers[] = {{kUnused, "Unused", 1}, {kMarkerConstant, "", 0}, {kTitle, "Title", 0},
                   {kArtist, "Artist", 0}, {kAlbum, "Album", 0}};
    std::mt19937 random(20261208);
    for (int round = 0; round < 300; ++round) {
        const bool doubleByte = round % 2 != 0;
        const std::string& caption = doubleByte ? kDoubleByteCaption : kCaption;
        CPaintCaption model;
        model.SetCaption(caption, doubleByte ? &kShiftJis : nullptr);
        const CCaptionChars& chars = model.GetChars();
        const int length = static_cast<int>(caption.size());
        for (int step = 0; step < 12; ++step) {
            const auto& m = markers[random() % std::size(markers)];
            int a = static_cast<int>(random() % (length + 1));
            int b = static_cast<int>(random() % (length + 1));
            if (a > b)
                std::swap(a, b);
            const int result = model.AddRange(a, b, m.marker, m.name, m.multiple);
            ASSERT_EQ(result, a == b ? 4 : 0);

            std::vector<stParamRange> all;
            for (int i = 0; i < model.GetDescCount(); ++i) {
                ASSERT_FALSE(model.GetDesc(i).ranges.empty());
                ASSERT_NE(model.GetDesc(i).marker, kMarkerConstant);
                for (const stParamRange& r : model.GetDesc(i).ranges)
                    all.push_back(r);
            }
            std::sort(all.begin(), all.end(),
                      [](const stParamRange& x, const stParamRange& y) { return x.start < y.start; });
            for (std::size_t i = 0; i < all.size(); ++i) {
                ASSERT_GE(all[i].start, 0);
                ASSERT_LT(all[i].start, all[i].end);
                ASSERT_LE(all[i].end, length);
                ASSERT_EQ(chars.ToByte(chars.ToChar(all[i].start)), all[i].start);
                ASSERT_EQ(chars.ToByte(chars.ToChar(all[i].end)), all[i].end);
                if (i > 0) {
                    ASSERT_LT(all[i - 1].end, all[i].start) << "round " << round << " step " << step;
                }
            }

            std::string text;
            if (model.BuildTemplate(text) != 0) {
                ASSERT_TRUE(all.empty());
                continue;
            }
            CTpTemplate parsed;
            ASSERT_EQ(parsed.Parse(text), 0) << text;
            ASSERT_EQ(parsed.GetElementCount(), static_cast<int>(all.size()));
        }
    }
}

} // namespace
