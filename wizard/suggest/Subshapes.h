#pragma once
// Fourth stage: more specific shapes inside a family. Where some of its members share a
// structure of their own, a leading number in the Artist's place, a disc before the album's
// track or a file extension at the end of a value, a person writes their template first
// ("<Track> - <Title>.flac - Player") and the general one last; so does this stage.

#include <string>
#include <vector>

#include "wizard/suggest/Names.h"

namespace suggest {

// The family's templates: one for each structure its members have, the general one for
// those with none; each shape only when some member has it.
std::vector<std::string> FamilyTemplates(const Family& members, const FamilyPlan& plan);

// What opens or closes some titles now and then (a count, a status, a mark; see
// AroundLengths) is left out of their families' templates. `proposals` say
// which template reads each title without them; for each title with one, that template with
// them around it ("(<Unused>) <Artist> - <Title>", "<Artist> - <Title> - Winamp [Paused]").
std::vector<std::string> OpeningTemplates(const std::vector<stTemplateSuggestion>& proposals,
                                          const std::vector<std::string>& titles);

} // namespace suggest
