#pragma once
// Last stage: the templates in order, each with the titles it reads first.

#include <string>
#include <vector>

#include "wizard/TemplateSuggest.h"
#include "wizard/suggest/Cut.h"

namespace suggest {

// Orders the templates most specific first and gives each title to the first template
// that reads it; templates that read no title first are left out. So is a template that
// ends a value inside a double-byte character, as interpretation searches bytes: its
// constant text met the second byte of a character. `read`, when given, marks the titles
// that some template reads.
std::vector<stTemplateSuggestion> Assign(std::vector<std::string> templates, const std::vector<std::string>& titles,
                                         const Cutter& cutter, std::vector<bool>* read);

} // namespace suggest
