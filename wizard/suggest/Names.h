#pragma once
// Third stage: a family's template. Each part stays constant text or gives a parameter,
// named by its shape and place: Track, Year, Artist and Title, then Unused for the rest.

#include <string>

#include "wizard/suggest/Families.h"

namespace suggest {

// The template for a family whose members share their splitting separators, or empty when
// nothing varies or nothing is left constant.
std::string FamilyTemplate(const Family& members);

} // namespace suggest
