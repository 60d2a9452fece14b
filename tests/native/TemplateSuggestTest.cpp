#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/ParseError.h"
#include "rules/TitleParser.h"
#include "rules/TpTemplate.h"
#include "wizard/TemplateSuggest.h"

// Found by argument lookup: the record is in the global namespace.
static bool operator==(const stTemplateSuggestion& a, const stTemplateSuggestion& b)
{
    return a.templateText == b.templateText && a.titles == b.titles;
}

static std::ostream& operator<<(std::ostream& out, const stTemplateSuggestion& s)
{
    out << s.templateText << " {";
    for (int i : s.titles)
        out << ' ' << i;
    return out << " }";
}

namespace {

bool Cp932LeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool NoLeadByte(unsigned char)
{
    return false;
}

// Where each character of the text begins, and its end.
std::vector<bool> CharacterStarts(const std::string& text, LeadBytePredicate isLeadByte)
{
    std::vector<bool> starts(text.size() + 1, false);
    for (std::size_t i = 0; i < text.size(); i += isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1)
        starts[i] = true;
    starts[text.size()] = true;
    return starts;
}

// The contract, checked against the interpretation the wizard uses: every template passes
// both checks, no title is listed twice, and each title is listed by the first template in
// the returned order that reads it, with values that split no character.
void ExpectContract(const std::vector<std::string>& titles, const std::vector<stTemplateSuggestion>& suggestions,
                    LeadBytePredicate isLeadByte)
{
    std::vector<int> listedBy(titles.size(), -1);
    for (std::size_t s = 0; s < suggestions.size(); ++s) {
        const stTemplateSuggestion& suggestion = suggestions[s];
        stParseError error;
        ParseError_Clear(error);
        EXPECT_EQ(CTpTemplate::Check(suggestion.templateText, '<', '>', error), 0) << suggestion.templateText;
        EXPECT_TRUE(std::is_sorted(suggestion.titles.begin(), suggestion.titles.end())) << suggestion.templateText;
        for (int i : suggestion.titles) {
            ASSERT_TRUE(i >= 0 && i < static_cast<int>(titles.size()));
            EXPECT_EQ(listedBy[static_cast<std::size_t>(i)], -1) << "listed twice: " << titles[static_cast<std::size_t>(i)];
            listedBy[static_cast<std::size_t>(i)] = static_cast<int>(s);
        }
    }
    CTitleParser parser;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        parser.SetTitle(titles[i]);
        int reader = -1;
        for (std::size_t s = 0; s < suggestions.size() && reader < 0; ++s)
            if (parser.SetTemplate(suggestions[s].templateText) == 0 && parser.Interpret() == 0)
                reader = static_cast<int>(s);
        EXPECT_EQ(listedBy[i], reader) << titles[i];
        if (reader < 0)
            continue;
        const std::vector<bool> starts = CharacterStarts(titles[i], isLeadByte);
        for (const CTpParameter& value : parser.GetResults())
            EXPECT_TRUE(starts[static_cast<std::size_t>(value.m_nPos)] &&
                        starts[static_cast<std::size_t>(value.m_nPos + value.m_nLen)])
                << "character split in " << titles[i] << " by " << suggestions[static_cast<std::size_t>(reader)].templateText;
    }
}

// tests/data/SuggestTitles.txt: players, and within each the families of its titles with the
// template a person would write.
struct Family {
    std::string expected;
    bool knownMiss = false;
    std::vector<int> titles; // into the player's titles
};

struct Player {
    std::string name;
    LeadBytePredicate isLeadByte = NoLeadByte;
    std::vector<std::string> titles;
    std::vector<Family> families;
};

std::string Unescape(const std::string& line)
{
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line.compare(i, 2, "\\x") == 0 && i + 3 < line.size()) {
            text += static_cast<char>(std::stoi(line.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            text += line[i];
        }
    }
    return text;
}

std::vector<Player> ReadCorpus()
{
    std::ifstream file(QEW_TEST_DATA_DIR "/SuggestTitles.txt", std::ios::binary);
    EXPECT_TRUE(file.is_open());
    std::vector<Player> players;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '@') {
            Player player;
            player.name = line.substr(2);
            player.isLeadByte = line.ends_with("(932)") ? Cp932LeadByte : NoLeadByte;
            players.push_back(player);
        } else if (line[0] == '=') {
            Family family;
            family.knownMiss = line.starts_with("=!");
            const std::size_t from = line.find_first_not_of("=! ");
            if (from != std::string::npos)
                family.expected = Unescape(line.substr(from));
            players.back().families.push_back(family);
        } else {
            players.back().families.back().titles.push_back(static_cast<int>(players.back().titles.size()));
            players.back().titles.push_back(Unescape(line));
        }
    }
    return players;
}

TEST(TemplateSuggest, CorpusMeetsTheContractAndGetsWhatAPersonWouldWrite)
{
    const std::vector<Player> players = ReadCorpus();
    int families = 0, asWritten = 0;
    std::vector<std::string> allTitles;
    for (const Player& player : players) {
        SCOPED_TRACE(player.name);
        const std::vector<stTemplateSuggestion> suggestions =
            SuggestTemplatesInCodePage(player.titles, player.isLeadByte);
        ExpectContract(player.titles, suggestions, player.isLeadByte);
        EXPECT_EQ(SuggestTemplatesInCodePage(player.titles, player.isLeadByte).size(), suggestions.size());
        allTitles.insert(allTitles.end(), player.titles.begin(), player.titles.end());

        for (const Family& family : player.families) {
            const auto listing = std::find_if(suggestions.begin(), suggestions.end(), [&](const auto& s) {
                return std::find(s.titles.begin(), s.titles.end(), family.titles.front()) != s.titles.end();
            });
            if (family.expected.empty()) {
                EXPECT_EQ(listing, suggestions.end()) << player.titles[static_cast<std::size_t>(family.titles[0])];
                continue;
            }
            ++families;
            const bool same = listing != suggestions.end() && listing->templateText == family.expected &&
                              std::includes(listing->titles.begin(), listing->titles.end(), family.titles.begin(),
                                            family.titles.end());
            if (same)
                ++asWritten;
            else if (!family.knownMiss)
                ADD_FAILURE() << family.expected << " got "
                              << (listing == suggestions.end() ? std::string("nothing") : listing->templateText);
        }
    }
    std::printf("%d of %d families get the template a person would write\n", asWritten, families);
    EXPECT_GE(families, 20);

    // All players' titles at once, as bytes: the contract holds whatever is proposed.
    ExpectContract(allTitles, SuggestTemplatesInCodePage(allTitles, NoLeadByte), NoLeadByte);
}

struct Case {
    const char* what;
    std::vector<std::string> titles;
    std::vector<stTemplateSuggestion> expected;
};

TEST(TemplateSuggest, HardDecisions)
{
    const Case cases[] = {
        {"a constant artist in a tag's place stays a parameter",
         {"1. Ann - Song A - Winamp", "2. Ann - Song B - Winamp"},
         {{"<Track>. <Artist> - <Title> - Winamp", {0, 1}}}},
        {"a constant name that opens the title is the player's",
         {"Winamp - Song A", "Winamp - Song B"},
         {{"Winamp - <Title>", {0, 1}}}},
        {"four digits standing alone are a year, constant or not",
         {"Ann - Song A (1999)", "Bob - Song B (1999)", "Song C [2004] - P", "Song D [1987] - P"},
         {{"<Artist> - <Title> (<Year>)", {0, 1}}, {"<Title> [<Year>] - P", {2, 3}}}},
        {"a leading number is the track",
         {"01 - Song A", "02 - Song B", "[7] Ann - Song C", "[12] Bob - Song D"},
         {{"[<Track>] <Artist> - <Title>", {2, 3}}, {"<Track> - <Title>", {0, 1}}}},
        {"a family of one title, or of titles all alike, gets nothing",
         {"1. Ann - Song A - Winamp", "Winamp 5.9", "Ann - B", "Ann - B", "Song"},
         {}},
        {"a specific shape goes before the general one that would read it",
         {"Ann - Song A", "Ann - Song A (Paused)", "Bob - Song B", "Bob - Song B (Paused)"},
         {{"<Artist> - <Title> (Paused)", {1, 3}}, {"<Artist> - <Title>", {0, 2}}}},
        {"values with brackets of their own are read by their family's template",
         {"1. A - X - P", "2. B - Y (Live) - P", "3. C: D - Z - P", "4. E - W - P"},
         {{"<Track>. <Artist> - <Title> - P", {0, 1, 2, 3}}}},
        {"titles that each have brackets of their own still form their family",
         {"Ann - Song (Live) - P", "Bob - Other - P", "Carl: X - Y - P"},
         {{"<Artist> - <Title> - P", {0, 1, 2}}}},
        {"but a bracket after what another title ends with is a shape of its own",
         {"Ann - Song - P", "Bob - Other - P [Paused]"},
         {}},
        {"template brackets in a title are never constant text",
         {"<A> - Song A", "<A> - Song B"},
         {{"<Artist> - <Title>", {0, 1}}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SuggestTemplatesInCodePage(c.titles, NoLeadByte), c.expected) << c.what;
}

TEST(TemplateSuggest, DoubleByteCharactersAreNeverSplit)
{
    // The artists end in a character whose second byte is '[', the constant text holds one
    // whose second byte is '\'.
    const std::vector<std::string> titles = {"\x83\x5c: \x83\x5c\x81\x5b - A", "\x83\x5c: \x94\x5c\x81\x5b - B"};
    const std::vector<stTemplateSuggestion> expected = {{"\x83\x5c: <Artist> - <Title>", {0, 1}}};
    EXPECT_EQ(SuggestTemplatesInCodePage(titles, Cp932LeadByte), expected);
    // Taken byte by byte the same titles cut at the '[' inside the artist.
    EXPECT_NE(SuggestTemplatesInCodePage(titles, NoLeadByte), expected);

    // Interpretation searches bytes: "[<Unused>] <Artist> - <Title>" would find "] " at the
    // second byte of the first character of these titles, so it is not proposed.
    const std::vector<std::string> bracketed = {"[\x83\x5d X] A - B", "[\x83\x5d Y] C - D"};
    EXPECT_TRUE(SuggestTemplatesInCodePage(bracketed, Cp932LeadByte).empty());
    EXPECT_EQ(SuggestTemplatesInCodePage(bracketed, NoLeadByte).size(), 1u);
}

} // namespace
