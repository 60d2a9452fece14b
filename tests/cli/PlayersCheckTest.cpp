// players-check run in-process on files of a private folder, which is the current one, so
// that the diagnostics name the files as given.
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "RulesTestSupport.h"
#include "cli/PlayersCheck.h"
#include "res/StringTable.h"
#include "res/resource.h"
#include "res/version.h"

namespace {

std::string Text(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\n";
    return text;
}

struct Case {
    std::vector<std::string> args;
    std::string in;
    int status;
    std::string out;
    std::string err;
};

class PlayersCheck : public RulesFileTest {
protected:
    void SetUp() override
    {
        RulesFileTest::SetUp();
        m_previous = std::filesystem::current_path();
        std::filesystem::current_path(m_folder);
        WriteBytes("good.txt", CrLfLines({"; rules",
                                          "[Sample]",
                                          "CLASSNAME=\"SampleWindow\"",
                                          "; Example: 1. Ann - Song - Winamp",
                                          "FORMAT=\"<Track>. <Artist> - <Title> - Winamp\"",
                                          "; Example: Ann - Song - Winamp",
                                          "FORMAT=\"<Artist> - <Title> - Winamp\"",
                                          "[Any]",
                                          "CLASSNAME=\"\"",
                                          "FORMAT=\"<Unused>: <Station>\""}));
        WriteBytes("template.txt", CrLfLines({"[P]", "CLASSNAME=\"c\"", "FORMAT=\"<Artist> - <title>\""}));
        WriteBytes("line.txt", CrLfLines({"[P]", "CLASSNAME=\"c\"", "Format=\"<Title>\""}));
        WriteBytes("end.txt", CrLfLines({"[P]", "CLASSNAME=\"c\""}));
        WriteBytes("lf.txt", "; rules\n[P]\nCLASSNAME=\"c\"\nFORMAT=\"<Title>\"\n");
        WriteBytes("disp.txt", CrLfLines({"[P]", "CLASSNAME=\"c\"", "DISPNAME=\"Pretty\"", "FORMAT=\"<Title>\""}));
        WriteBytes("warn.txt", CrLfLines({"[A]",
                                          "CLASSNAME=\"Win\"",
                                          "; Example: Song - Winamp",
                                          "FORMAT=\"<Title> - Winamp\"",
                                          "; Example: Ann - Song - Winamp",
                                          "FORMAT=\"<Artist> - <Title> - Winamp\"",
                                          "; Example: Paused",
                                          "FORMAT=\"<Title> (playing)\"",
                                          "[B]",
                                          "CLASSNAME=\"Win\"",
                                          "FORMAT=\"<Title>\""}));
    }
    void TearDown() override
    {
        std::filesystem::current_path(m_previous);
        RulesFileTest::TearDown();
    }

    void Expect(const std::vector<Case>& cases)
    {
        for (const Case& c : cases) {
            std::string command = "players-check";
            for (const std::string& arg : c.args)
                command += " " + arg;
            SCOPED_TRACE(command);
            // Each run is a process of its own, which starts with the flag clear.
            SetDispNameSupportedForTesting(false);
            std::istringstream in(c.in);
            std::ostringstream out, err;
            EXPECT_EQ(RunPlayersCheck(c.args, in, out, err), c.status);
            EXPECT_EQ(out.str(), c.out);
            EXPECT_EQ(err.str(), c.err);
        }
    }

    std::filesystem::path m_previous;
};

const std::string kTryHelp = "Try 'players-check --help' for more information.\n";

TEST_F(PlayersCheck, FaultsAreShownWithTheLineAndACaretUnderTheRange)
{
    Expect({
        {{"good.txt"}, "", 0, "", ""},
        {{"template.txt"}, "", 1, "",
         Text({"template.txt:3:21: error: Unknown parameter",
               "FORMAT=\"<Artist> - <title>\"",
               "                    ^~~~~"})},
        {{"line.txt"}, "", 1, "",
         Text({"line.txt:3:1: error: Incorrect line",
               "Format=\"<Title>\"",
               "^~~~~~~~~~~~~~~~"})},
        // Past the last line there is nothing to show.
        {{"end.txt"}, "", 1, "", Text({"end.txt:3:1: error: Template string not defined"})},
        {{"disp.txt"}, "", 0, "", ""},
        {{"--dispname", "disp.txt"}, "", 0, "", ""},
        {{"--no-dispname", "disp.txt"}, "", 1, "",
         Text({"disp.txt:3:1: error: Incorrect line", "DISPNAME=\"Pretty\"", "^~~~~~~~~~~~~~~~~"})},
        // Every file is checked; the worst outcome decides.
        {{"good.txt", "end.txt", "good.txt"}, "", 1, "", Text({"end.txt:3:1: error: Template string not defined"})},
        {{"missing.txt", "end.txt"}, "", 2, "",
         "players-check: missing.txt: No such file or directory\n" +
             Text({"end.txt:3:1: error: Template string not defined"})},
    });
}

// The wizard's message: the reader's, then how the file was saved. The reader ends its lines
// at CR LF only; what a lone break hides is shown, and the break is named where it stands.
TEST_F(PlayersCheck, FilesSavedOtherwiseGetTheWizardsSentenceAndLoneBreaksAWarning)
{
    const std::string rulesText = ", but a rules file is ANSI text with CR LF line ends.";
    WriteBytes("bom.txt", "\xEF\xBB\xBF" + CrLfLines({"[P]", "CLASSNAME=\"c\"", "FORMAT=\"<Title>\""}));
    WriteBytes("utf16.txt", std::string("[\0P\0]\0\r\0\n\0", 10));
    WriteBytes("mixed.txt", "[P]\r\nCLASSNAME=\"c\"\nFORMAT=\"<Title>\"\r\n");
    WriteBytes("quiet.txt", "[P]\r\nCLASSNAME=\"c\"\r\n; Example: Song\nFORMAT=\"<Title> - Winamp\"\r\nFORMAT=\"<Title>\"\r\n");
    WriteBytes("utf8.txt", CrLfLines({"[Caf\xC3\xA9]", "CLASSNAME=\"c\"", "FORMAT=\"<Title>\""}));
    WriteBytes("nul.txt", std::string("; a\0b\x7F\r\n[P]\r\nCLASSNAME=\"c\"\r\nFORMAT=\"<Title\"\r\n", 40));
    const std::string lineBreak = "warning: line break inside a line: the text after it belongs to this line";
    Expect({
        // Read as one line, of which only the first is shown.
        {{"lf.txt"}, "", 1, "",
         Text({"lf.txt:1:1: error: There are no player descriptions found", "; rules", "^",
               ("lf.txt: note: The file has lines that end in LF only" + rulesText).c_str()})},
        {{"bom.txt"}, "", 1, "",
         Text({"bom.txt:1:1: error: Incorrect line", "\xEF\xBB\xBF[P]", "^~~~~~",
               ("bom.txt: note: The file starts with a UTF-8 byte-order mark" + rulesText).c_str()})},
        {{"utf16.txt"}, "", 1, "",
         Text({"utf16.txt:1:2: error: Incorrect line", "[<U+0000>P<U+0000>]<U+0000>", " ^~~~~~~~",
               ("utf16.txt: note: The file is UTF-16 text (little-endian)" + rulesText).c_str()})},
        // The class line swallows the template line.
        {{"mixed.txt"}, "", 1, "",
         Text({"mixed.txt:3:1: error: Template string not defined",
               ("mixed.txt: note: The file has line breaks of LF or CR alone (in line 2)" + rulesText).c_str(),
               ("mixed.txt:2:14: " + lineBreak).c_str(), "CLASSNAME=\"c\"<U+000A>FORMAT=\"<Title>\"",
               "             ^~~~~~~~"})},
        // The file loads, and the template after the comment never reads a title.
        {{"quiet.txt"}, "", 0, "",
         Text({("quiet.txt:3:16: " + lineBreak).c_str(), "; Example: Song<U+000A>FORMAT=\"<Title> - Winamp\"",
               "               ^~~~~~~~"})},
        {{"--werror", "utf8.txt"}, "", 1, "",
         Text({("utf8.txt: warning: The file looks like UTF-8 text" + rulesText).c_str()})},
        {{"nul.txt"}, "", 1, "",
         Text({"nul.txt:1:4: error: Incorrect line", "; a<U+0000>b<U+007F>", "   ^~~~~~~~"})},
        {{"."}, "", 2, "", "players-check: .: is a directory\n"},
    });
}

TEST_F(PlayersCheck, WarningsChangeTheStatusOnlyWithWerror)
{
    const std::string warnings = Text({"warn.txt:6:9: warning: example is read by the template on line 4",
                                       "FORMAT=\"<Artist> - <Title> - Winamp\"",
                                       "        ^~~~~~~~~~~~~~~~~~~~~~~~~~~",
                                       "warn.txt:8:9: warning: example is not read by this template",
                                       "FORMAT=\"<Title> (playing)\"",
                                       "        ^~~~~~~~~~~~~~~~~",
                                       "warn.txt:10:12: warning: window class also used by [A] on line 1",
                                       "CLASSNAME=\"Win\"",
                                       "           ^~~"});
    Expect({
        {{"warn.txt"}, "", 0, "", warnings},
        {{"--werror", "warn.txt"}, "", 1, "", warnings},
        {{"--werror", "good.txt"}, "", 0, "", ""},
    });
}

TEST_F(PlayersCheck, TitlesAreLookedUpInTheSectionsOfTheirClassThenInThoseWithoutOne)
{
    WriteBytes("titles.txt", "SampleWindow\t1. Ann - Song - Winamp\r\nSampleWindow\tAnn - Song - Winamp\r\n"
                             "SampleWindow\tRadio: Jazz\r\nOther\tHello\r\n");
    Expect({
        {{"--titles", "titles.txt", "good.txt"}, "", 0,
         Text({"Sample\t5\tTrack=1\tArtist=Ann\tTitle=Song", "Sample\t7\tArtist=Ann\tTitle=Song",
               "Any\t10\tStation=Jazz", "-"}),
         ""},
        {{"good.txt", "--json", "--class", "SampleWindow", "--titles", "-"}, "1. Ann - Song - Winamp\nSay \"Hi\": now\nHello",
         0,
         Text({R"({"class":"SampleWindow","title":"1. Ann - Song - Winamp","name":"Sample","line":5,)"
               R"("tags":{"Track":"1","Artist":"Ann","Title":"Song"}})",
               R"({"class":"SampleWindow","title":"Say \"Hi\": now","name":"Any","line":10,"tags":{"Station":"now"}})",
               R"({"class":"SampleWindow","title":"Hello","name":null,"line":null,"tags":null})"}),
         ""},
        // The titles are in code page 1252; JSON is UTF-8.
        {{"good.txt", "--json", "--class", "SampleWindow", "--titles", "-"}, "Beyonc\xe9 \x96 Halo\n", 0,
         Text({"{\"class\":\"SampleWindow\",\"title\":\"Beyonc\xc3\xa9 \xe2\x80\x93 Halo\",\"name\":null,\"line\":null,"
               "\"tags\":null}"}),
         ""},
        {{"--titles=-", "good.txt"}, "Hello\n", 2, "",
         "players-check: <stdin>:1: no tab between class and title (or give --class)\n"},
        {{"--titles", "none.txt", "good.txt"}, "", 2, "", "players-check: none.txt: No such file or directory\n"},
        // An editor's UTF-8 mark is no part of the first title.
        {{"--class", "Other", "--titles", "-", "good.txt"}, "\xEF\xBB\xBFRadio: Jazz\n", 0, "Any\t10\tStation=Jazz\n", ""},
        // An invalid file is not tried.
        {{"--titles", "titles.txt", "end.txt"}, "", 1, "", Text({"end.txt:3:1: error: Template string not defined"})},
    });
}

TEST_F(PlayersCheck, UsageFaultsHelpAndVersion)
{
    Expect({
        {{}, "", 2, "", "players-check: no rules file given\n" + kTryHelp},
        {{"--frobnicate", "good.txt"}, "", 2, "", "players-check: unrecognized option '--frobnicate'\n" + kTryHelp},
        {{"--titles"}, "", 2, "", "players-check: option '--titles' needs a value\n" + kTryHelp},
        {{"--json", "good.txt"}, "", 2, "", "players-check: --class and --json go with --titles\n" + kTryHelp},
        {{"--titles", "-", "good.txt", "warn.txt"}, "", 2, "", "players-check: --titles tries one rules file\n" + kTryHelp},
        {{"--version"}, "", 0, "players-check " QEW_VERSION_STRING "\n", ""},
        // The desktop's windows are the Windows program's; here there are none to try.
        {{"--windows", "good.txt"}, "", 2, "", "players-check: --windows needs Windows\n"},
        {{"--json", "--windows", "good.txt"}, "", 2, "", "players-check: --windows needs Windows\n"},
        {{"--windows", "--class", "X", "good.txt"}, "", 2, "",
         "players-check: --windows tries the desktop's titles, not --titles or --class\n" + kTryHelp},
        {{"--windows", "good.txt", "warn.txt"}, "", 2, "", "players-check: --windows tries one rules file\n" + kTryHelp},
    });
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(RunPlayersCheck({"--help"}, in, out, err), 0);
    EXPECT_TRUE(out.str().starts_with("Usage: players-check [OPTION]... FILE...\n"));
}

// The table made from the resource script keeps what the resource compiler makes of it:
// doubled quotes, escapes, and the characters that script tools trip over.
TEST(StringTable, TextsAreTheResourceScriptsByteForByte)
{
    EXPECT_STREQ(StringTableText(IDS_UNEXPECTED_ERROR), "Unexpected error %u (%s)\nin the function \"%s(%s)\".");
    EXPECT_STREQ(StringTableText(IDS_STEP3_SUBTITLE), "You do not need to create a template from each title.\r\n"
                                                      "Create enough templates to correctly interpret all titles.");
    EXPECT_STREQ(StringTableText(IDS_STEP1_INSTRUCTIONS_ADD),
                 "\t- launch your player;\n\t- press \"Refresh\" button;\n\t- select your player from list;\n"
                 "\t- pres \"Next\" to move to Step 2.");
    EXPECT_STREQ(StringTableText(IDS_HIDE_ADDITIONAL_MARKERS), "Hide additional markers <<<");
    EXPECT_EQ(StringTableText(0), nullptr);
}

} // namespace
