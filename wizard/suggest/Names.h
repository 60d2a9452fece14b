#pragma once
// Third stage, second half: what a family's template is. The slots where its titles vary
// (Plan.h) are named by their shape and place: URL, a time (Unused), Track and its count, Album
// before "#<Track>", Year, Station, Artist and Title, then Unused for the rest; and by what
// is known of a few well-known players and sites: those that show the song before the artist,
// video sites whose titles are the uploader's text, and the labels players write before a
// colon ("Now playing:"), gathered in Words.h. Where the shape says tag, the value is a
// parameter whether it varies in the capture or not. The rules of shape and place are in
// Names.cpp, those of sites and media files' names in MediaNames.cpp (Namer.h).

#include <string>
#include <string_view>
#include <vector>

#include "wizard/TemplateSuggest.h"
#include "wizard/suggest/Families.h"
#include "wizard/suggest/Plan.h"

namespace suggest {

// True when a word of the text (three letters or digits or more, a letter among them) is part
// of the window class or the program's file name, ignoring case, or the program is named by
// the text's initials.
bool IsPlayerName(std::string_view text, const stSuggestHints& hints);

// The named parts of a family; `varyingParts`, when given, says which parts are parameters
// although the family's one member cannot show them varying. No parts when nothing varies.
FamilyPlan NameFamily(const Family& members, const stSuggestHints& hints, const std::vector<bool>& varyingParts = {});

// The template for titles of words alone, with no separator at all, which hold nothing but
// the song ("Karma Police"): "<Title>" when there are three or more and none is the player's
// name, else empty. It reads any title, so it goes last and reads what nothing else does.
std::string WordsAloneTemplate(const std::vector<Member>& unread, const stSuggestHints& hints);

} // namespace suggest
