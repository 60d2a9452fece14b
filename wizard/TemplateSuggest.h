#pragma once
// Templates proposed from a player's captured titles: one for each family of titles that
// vary in the same places, and one before it for each more specific shape inside it.
//
// The contract: every template parses and passes the parameter check; each title is listed
// at most once, by the first template in the returned order that reads it, and the lists are
// ascending; the same titles give the same proposals; no value begins or ends inside a
// double-byte character.

#include <string>
#include <vector>

#include "platform/AnsiText.h"

struct stTemplateSuggestion {
    std::string templateText;  // parses, and passes the parameter check
    std::vector<int> titles;   // indexes of the input titles it reads, ascending
};

// What the wizard knows of the player whose titles these are; either may be empty. A
// constant opening of the titles that matches a word of either is the player's name.
struct stSuggestHints {
    std::string windowClass;
    std::string programFile; // the program's file name, such as "spotify.exe"
};

// Proposes templates for a player's captured titles, most specific first, in the process's
// ANSI code page. Without hints a constant opening in the Artist's place is the Artist.
std::vector<stTemplateSuggestion> SuggestTemplates(const std::vector<std::string>& titles);
std::vector<stTemplateSuggestion> SuggestTemplates(const std::vector<std::string>& titles,
                                                   const stSuggestHints& hints);

// The same for titles in the code page described.
std::vector<stTemplateSuggestion> SuggestTemplatesInCodePage(const std::vector<std::string>& titles,
                                                             const stCodePage& codePage,
                                                             const stSuggestHints& hints = {});
