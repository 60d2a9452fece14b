#pragma once
// Last stage, for what the families leave: a title that stands alone takes the shape of a
// family that gave a template. It is that family's less a status that comes and goes, or it
// shares the family's constant text at its opening or end (the player's name, a browser's
// suffix) and the rest is its values: a browser tab's page, a stream's station, or named as
// a family of one.

#include <string>
#include <vector>

#include "wizard/TemplateSuggest.h"
#include "wizard/suggest/Families.h"

namespace suggest {

// A family that gave a template: its first member, and which of its parts are constant.
struct NamedShape {
    const Member* first = nullptr;
    std::vector<bool> constantParts;
};

// The templates for the title, none when it shares no family's shape or is a player's status
// alone ("No file - mpv"); with `onlyNumbered`, only those that read a track's number.
std::vector<std::string> AloneTemplates(const Member& lone, const std::vector<NamedShape>& named,
                                        const stSuggestHints& hints, bool onlyNumbered);

// A video site's page that stands alone: "<Title>" before the site's name, whatever dashes
// the uploader wrote ("Rice Every Time - YouTube - Brave"), or a live channel's page with a
// label of its own ("larry - Chat - Twitch"), or a page joined to its site's name; empty on
// no video site.
std::string VideoPageTemplate(const Member& lone);

} // namespace suggest
