#pragma once
// Third stage: what a family's template is. Each part stays constant text or gives
// parameters, one for each stretch of it that varies; a '#' or '/' before a number that
// every member has in the same place divides a part into stretches ("[Sea Songs #03]",
// "3/12"), and so does a time after a blank; " by " parts a song from its artist. Parameters
// are named by their shape and place: URL, a time (Unused), Track and its count, Album
// before "#<Track>", Year, Station, Artist and Title, then Unused for the rest; and by what
// is known of a few well-known players and sites: those that show the song before the artist,
// video sites whose titles are the uploader's text, and the labels players write before a
// colon ("Now playing:"). Where the shape says tag, the value is a parameter whether it
// varies in the capture or not.

#include <string>
#include <string_view>
#include <vector>

#include "wizard/TemplateSuggest.h"
#include "wizard/suggest/Families.h"

namespace suggest {

// A stretch of a part: constant text, or constant text around one parameter.
struct Slot {
    std::string before; // around the value, the same in every member
    std::string after;
    std::vector<std::string_view> values; // each member's value
    std::vector<std::string_view> wholes; // each member's whole stretch
    bool varying = false;
    std::string name;     // empty: the stretch stays constant text
    std::string constant; // the whole stretch, as the first member has it

    std::string Text() const { return name.empty() ? constant : before + "<" + name + ">" + after; }
};

struct PartPlan {
    std::vector<Slot> slots;
    std::vector<std::string> joints; // the dividing separators between the slots
    bool inTitle = false;            // read, with the separator before it, by the Title before it

    bool Varying() const;
    bool Constant() const; // one unnamed slot whose text every member has
};

struct FamilyPlan {
    std::vector<PartPlan> parts;
    std::vector<Separator> separators; // between the parts, as the first member has them
    std::vector<std::string> separatorTexts;
    bool namesFile = false; // the titles are a media file's name, never a stream's
};

// True when a word of the text (three letters or digits or more) is part of the window class
// or the program's file name, ignoring case.
bool IsPlayerName(std::string_view text, const stSuggestHints& hints);

// The named parts of a family; `varyingParts`, when given, says which parts are parameters
// although the family's one member cannot show them varying. No parts when nothing varies.
FamilyPlan NameFamily(const Family& members, const stSuggestHints& hints, const std::vector<bool>& varyingParts = {});

// The template for titles of words alone, with no separator at all, which hold nothing but
// the song ("Karma Police"): "<Title>" when there are three or more and none is the player's
// name, else empty. It reads any title, so it goes last and reads what nothing else does.
std::string WordsAloneTemplate(const std::vector<Member>& unread, const stSuggestHints& hints);

// The template text, or empty when it would read any title or fails the parameter check.
std::string Render(const FamilyPlan& plan);

} // namespace suggest
