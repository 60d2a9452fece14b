#pragma once
// Second stage: titles grouped into families. Titles whose strong separators are the same
// form a family, and their parts line up one for one. Titles whose own values hold strong
// separators ("Song (Live)") are read by their family's template anyway, or, when no
// template reads them, are matched to one another on the strong separators they share. A
// family is then split where its titles are of different kinds though their separators agree.

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "wizard/suggest/Cut.h"

namespace suggest {

// One title of a family, cut into parts at the separators the family shares.
struct Member {
    int index = 0; // of the title
    const std::string* title = nullptr;
    const Cut* cut = nullptr;
    std::vector<int> splits; // indexes into cut->separators, ascending

    int PartCount() const { return static_cast<int>(splits.size()) + 1; }
    // Separators [first, last) and fields [first, last] of part j.
    int FirstSep(int j) const { return j == 0 ? 0 : splits[static_cast<std::size_t>(j - 1)] + 1; }
    int LastSep(int j) const
    {
        return j == static_cast<int>(splits.size()) ? static_cast<int>(cut->separators.size())
                                                    : splits[static_cast<std::size_t>(j)];
    }
    Span Part(int j) const;
    std::string_view PartText(int j) const { return Text(*title, Part(j)); }
    std::string_view SepText(int s) const { return Text(*title, cut->separators[static_cast<std::size_t>(s)].span); }
    std::string_view FieldText(int f) const { return Text(*title, cut->fields[static_cast<std::size_t>(f)]); }
    std::string_view Fields(int j, int from, int to) const; // fields [from, to] of part j
};

using Family = std::vector<Member>;

// Families of the same strong separators, in the same order, in order of first appearance.
std::vector<Family> GroupByStrongSeparators(const std::vector<Member>& members);

// The families split by kind, as a person writes them: releases apart from other files and
// from one another by their words, a browser window's tabs apart from another window's, a
// media site's from other pages, tabs that count the window's others from those that do
// not, a player's statuses from what it plays, and a course's numbered lessons from its
// other files.
std::vector<Family> SplitByKind(const std::vector<Family>& families);

// The part of a browser's tab that names the browser, before the window's mode in brackets
// if any ("Google Chrome (Incognito)"); -1 when the title ends with no browser's name.
int BrowserPart(const Member& m);

// A page joined to its site's name with no blank is one title as its uploader wrote it,
// brackets and all ("【Java面试】为什么..._哔哩哔哩_bilibili - Google Chrome"): its own
// separators go.
void KeepGluedPageWhole(Member& m);

// The field of part j that marks a release's file name ("2019", "S01E05"); 0 when none.
int ReleaseMark(const Member& m, int j, bool episode);

// Families for the titles no template read, matched on the strong separators they share.
// Bounded, so that a thousand titles of no shared shape still take milliseconds.
std::vector<Family> GroupUnread(const std::vector<Member>& unread);

// A title that stands alone joins a family's shape when it shares the family's constant text
// at the opening or the end, separators included (the player's name, a browser's suffix).
// Which of its parts are that shared text; empty when it shares none with a letter in it,
// or when nothing else of it would be left.
std::vector<bool> SharedConstantParts(const Member& lone, const Member& first, const std::vector<bool>& constantParts);

} // namespace suggest
