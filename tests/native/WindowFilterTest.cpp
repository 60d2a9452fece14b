#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "wizard/ColumnWidths.h"
#include "wizard/WindowFilter.h"

namespace {

const stCodePage kShiftJis = KnownCodePage(932);
const stCodePage kSingleByte{};

TEST(ProgramFileName, TakesWhatFollowsTheLastSeparatorButNeverATrailByte)
{
    struct Case {
        const char* path;
        const stCodePage* codePage;
        const char* name;
    };
    const Case cases[] = {
        {"C:\\Program Files\\VideoLAN\\VLC\\vlc.exe", &kSingleByte, "vlc.exe"},
        {"Z:/opt/player/foobar2000.exe", &kSingleByte, "foobar2000.exe"},
        {"C:winamp.exe", &kSingleByte, "winamp.exe"},
        {"winamp.exe", &kSingleByte, "winamp.exe"},
        {"C:\\Players\\", &kSingleByte, ""},
        {"", &kSingleByte, ""},
        // 0x95 0x5C is one character in code page 932, its second byte no backslash.
        {"C:\\Tools\\\x95\x5C.exe", &kShiftJis, "\x95\x5C.exe"},
        {"C:\\Tools\\\x95\x5C.exe", &kSingleByte, ".exe"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProgramFileName(c.path, *c.codePage), c.name) << c.path;
}

TEST(ContainsIgnoringCase, FoldsSingleBytesAndMatchesDoubleByteCharactersWhole)
{
    CaseFold latin = AsciiCaseFold();
    latin[0xC9] = 0xE9; // É, as code page 1252 folds it
    struct Case {
        std::string text, part;
        const stCodePage* codePage;
        bool found;
    };
    const Case cases[] = {
        {"Winamp 5.9", "WINAMP", &kSingleByte, true},
        {"vlc.exe", "LC.E", &kSingleByte, true},
        {"vlc.exe", "vlc.exe.", &kSingleByte, false},
        {"abc", "", &kSingleByte, true},
        {"", "", &kSingleByte, true},
        {"", "a", &kSingleByte, false},
        {"CAF\xC9", "caf\xE9", &kSingleByte, true},
        {"x\x82\x60y", "\x82\x60Y", &kShiftJis, true},
        {"\x82\x60", "\x60", &kShiftJis, false}, // no match from the trail byte
        {"\x82\x60", "\x82", &kShiftJis, false}, // nor with half a character
        {"\x82\x41", "\x82\x61", &kShiftJis, false}, // a trail byte is not folded
        {"\x95\x5C" "A", "a", &kShiftJis, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ContainsIgnoringCase(c.text, c.part, latin, *c.codePage), c.found) << c.text << " / " << c.part;
}

TEST(MatchesFilter, KeepsRowsWhoseTitleClassOrProgramContainsTheText)
{
    stWndInfo row;
    row.title = "1. SampleArtist - SampleTitle - Winamp";
    row.wndClass = "Winamp v1.x";
    row.program = "winamp.exe";
    stWndInfo unopened = row;
    unopened.program.clear();
    const CaseFold fold = AsciiCaseFold();
    struct Case {
        const char* filter;
        bool row, unopened;
    };
    const Case cases[] = {
        {"", true, true},          {"sampletitle", true, true}, {"V1.X", true, true},
        {"MP.EX", true, false},    {"vlc", false, false},       {"Winamp v1.x - ", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchesFilter(row, c.filter, fold, kSingleByte), c.row) << c.filter;
        EXPECT_EQ(MatchesFilter(unopened, c.filter, fold, kSingleByte), c.unopened) << c.filter;
    }
}

TEST(FinderTakes, OnlyAnotherProgramsListableTopLevelWindow)
{
    constexpr std::uintptr_t kDesktop = 0x10010;
    constexpr unsigned long kOwn = 42;
    struct Case {
        stPointedWindow root;
        bool taken;
    };
    const Case cases[] = {
        {{0x20040, 7, "Winamp v1.x"}, true},
        {{0, 7, "Winamp v1.x"}, false},             // over nothing
        {{kDesktop, 7, "#32769"}, false},           // the desktop itself
        {{0x20050, kOwn, "#32770"}, false},         // the wizard, or its outline
        {{0x20060, 7, "Progman"}, false},           // never listed
        {{0x20070, 7, "OleDdeWndClass"}, false},
        {{0x20080, 7, "progman"}, true},            // classes compare exactly
    };
    for (const Case& c : cases)
        EXPECT_EQ(FinderTakes(c.root, kDesktop, kOwn), c.taken) << c.root.wndClass;
}

TEST(SharedColumnWidths, ShareTheRoomLeftForTheScrollBarByWeight)
{
    struct Case {
        int client, scrollBar;
        std::vector<int> weights, widths;
    };
    const Case cases[] = {
        {500, 17, {2, 1, 1}, {243, 120, 120}}, // what does not divide goes to the first
        {499, 17, {2, 1, 1}, {242, 120, 120}},
        {400, 0, {1, 1}, {200, 200}},
        {400, 0, {1, 0}, {400, 0}},
        {10, 17, {2, 1, 1}, {0, 0, 0}},
        {400, 17, {0, 0}, {0, 0}},
        {400, 17, {}, {}},
    };
    for (const Case& c : cases) {
        const std::vector<int> widths = SharedColumnWidths(c.client, c.scrollBar, c.weights);
        EXPECT_EQ(widths, c.widths) << c.client;
        if (std::accumulate(c.weights.begin(), c.weights.end(), 0) > 0) {
            EXPECT_EQ(std::accumulate(widths.begin(), widths.end(), 0), std::max(c.client - c.scrollBar, 0));
        }
    }
}

} // namespace
