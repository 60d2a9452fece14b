#pragma once
// Fourth stage: more specific shapes inside a family. Where some of its members share a
// structure of their own, a leading number in the Artist's place or a file extension at the
// end of a value, a person writes their template first ("<Track> - <Title>.flac - Player")
// and the general one last; so does this stage.

#include <string>
#include <vector>

#include "wizard/suggest/Names.h"

namespace suggest {

// The family's templates: one for each structure its members have, the general one for
// those with none; each shape only when some member has it.
std::vector<std::string> FamilyTemplates(const Family& members, const FamilyPlan& plan);

// A count in brackets or a mark that opens some titles ("(3) Song - Site", a browser tab's
// waiting notifications) comes and goes, so those titles may fall into families of their
// own, too small to propose, and the template of the titles without it reads them with the
// count in the first value. For each template that opens with a value and reads such a
// title, the same with the opening before it ("(<Unused>) ").
std::vector<std::string> OpeningTemplates(const std::vector<stTemplateSuggestion>& proposals,
                                          const std::vector<std::string>& titles);

} // namespace suggest
