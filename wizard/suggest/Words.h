#pragma once
// What the proposals know of the words players, sites and songs put in titles: the players
// and sites that show the song first, the browsers, the video sites, the labels players
// write to say that something plays or not, and what a song's own brackets say. Matching
// ignores case in ASCII.

#include <string>
#include <string_view>

namespace suggest {

std::string Lower(std::string_view text);

// "YouTube Music", "Deezer": the whole text names a player or site that shows the song first.
bool IsTitleFirstName(std::string_view text);
// The program's file name is such a player's ("TIDAL.exe", "Google Play Music Desktop Player.exe").
bool IsTitleFirstProgram(std::string_view programFile);
bool IsBrowserProgram(std::string_view programFile);
// The text ends with a browser's name (" - Google Chrome" ends a tab's title with "Google Chrome").
bool EndsWithBrowserName(std::string_view text);
// The whole text names a site whose titles are whatever the uploader wrote ("YouTube").
bool IsVideoSite(std::string_view text);
// "Now playing", "Paused": the whole text, or its end after a blank.
bool IsNowPlayingLabel(std::string_view text);
// A word of the text is one a song's brackets hold ("Official", "Live", "Mix").
bool HasSongExtra(std::string_view text);

} // namespace suggest
