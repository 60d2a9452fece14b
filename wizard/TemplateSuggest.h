#pragma once
// Templates proposed from a player's captured titles: one for each family of titles that
// vary in the same places.

#include <string>
#include <vector>

#include "platform/AnsiText.h"

struct stTemplateSuggestion {
    std::string templateText;  // parses, and passes the parameter check
    std::vector<int> titles;   // indexes of the input titles it reads, ascending
};

// Proposes templates for a player's captured titles, most specific first.
std::vector<stTemplateSuggestion> SuggestTemplates(const std::vector<std::string>& titles);

// The same for titles in a code page whose double-byte characters begin with the bytes for
// which isLeadByte holds (none when it is null); SuggestTemplates takes the lead bytes of the
// process's ANSI code page.
std::vector<stTemplateSuggestion> SuggestTemplatesInCodePage(const std::vector<std::string>& titles,
                                                             LeadBytePredicate isLeadByte);
