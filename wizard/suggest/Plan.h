#pragma once
// Third stage, first half: where a family's titles vary. Each part stays constant text or
// gives slots, one for each stretch of it that varies; a '#' or '/' before a number that
// every member has in the same place divides a part into stretches ("[Sea Songs #03]",
// "3/12"), and so do a time after a blank and the ". " after a track number; a release's
// file name divides at its year or episode mark; " by " parts a song from its artist. The naming half (Names.h) then says
// which slot is which tag.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

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
    bool release = false;            // a release's file name: name, mark ("2019", "S01" "E" "05"), the rest

    bool Varying() const;
    bool Constant() const; // one unnamed slot whose text every member has
};

struct FamilyPlan {
    std::vector<PartPlan> parts;
    std::vector<Separator> separators; // between the parts, as the first member has them
    std::vector<std::string> separatorTexts;
    bool namesFile = false; // the titles are a media file's name, never a stream's
    bool namesAudio = false; // of those, a sound file's
};

// The family's parts and slots, nothing named yet; `varyingParts`, when given, says which
// parts are parameters although the family's one member cannot show them varying. No parts
// when nothing varies.
FamilyPlan PlanFamily(const Family& members, const std::vector<bool>& varyingParts = {});

// The title opens with a drive's path: "D:\Music\Ann".
bool IsPath(std::string_view title);


bool AllOf(const std::vector<std::string_view>& values, bool (*test)(std::string_view));

// The longest text that every value ends with.
std::string_view CommonEnd(const std::vector<std::string_view>& values);

// The slot's values cut at the first occurrence of the word, as interpretation cuts them:
// the stretch before and the stretch after, each with its share of the constant text.
std::pair<Slot, Slot> CutAtWord(const Slot& slot, std::string_view word);

// A stretch taken as a parameter: the whole of it.
void Force(Slot& slot, const char* name);

// The template text, or empty when it would read any title or fails the parameter check.
std::string Render(const FamilyPlan& plan);
bool PassesCheck(const std::string& templateText);

} // namespace suggest
