#pragma once
// Checks of a rules file that loads but may not read titles as its author meant, and the
// host's lookup of a title in the whole file. Both work on the records, by number.

#include <string>
#include <unordered_map>
#include <vector>

#include "rules/AllPlayersInfo.h"
#include "rules/PlayerInfo.h"
#include "rules/TitleParser.h"

// The first of the player's templates, in order, that reads the title; -1 when none does.
// A template that does not parse reads nothing.
int FindReadingTemplate(CTitleParser& parser, const CPlayerInfo& player, const std::string& title);

// A template whose own example title ("; Example: ...") it does not get to read.
struct stExampleFinding {
    int format;  // the template
    int readBy;  // the earlier template that reads the example first, or -1 when none does
};

// In template order. A template without an example is not checked; one whose example only a
// later template reads counts as read by none, since it is not read where it was meant.
std::vector<stExampleFinding> CheckExamples(CTitleParser& parser, const CPlayerInfo& player);

// A section whose window class an earlier section has.
struct stSharedClassFinding {
    int player;
    int firstUser; // the first section with that class
};

// In section order. The empty class is left out: it stands for players whose class varies,
// and any number of them may stand side by side.
std::vector<stSharedClassFinding> FindSharedClasses(const CAllPlayersInfo& players);

struct stTitleMatch {
    int player = -1; // -1: no section reads the title
    int format = -1;
    std::vector<CTpParameter> results; // the parser's results for that template
};

// The tags of a match: every result but the parts that carry none, in template order.
std::vector<const CTpParameter*> MatchTags(const stTitleMatch& match);

// Titles looked up in a whole rules file as the host does: in the sections with exactly the
// title's window class in file order, then in those with the empty class; the first section
// with a template that reads the title gives the result, within it the first such template.
// The players must outlive the lookup and stay as they are.
class CTitleLookup {
public:
    explicit CTitleLookup(const CAllPlayersInfo& players);

    stTitleMatch Find(const std::string& wndClass, const std::string& title);
    // The first section of exactly that class, -1 when none has it.
    int FirstSectionOf(const std::string& wndClass) const;
    // Whether a section has the empty class: then a window of any class may be read.
    bool ReadsAnyClass() const { return FirstSectionOf({}) >= 0; }

private:
    const CAllPlayersInfo& m_players;
    // The sections of each class in file order, the empty class too: a file with many
    // sections is not gone through for every title.
    std::unordered_map<std::string, std::vector<int>> m_byClass;
    CTitleParser m_parser;
};
