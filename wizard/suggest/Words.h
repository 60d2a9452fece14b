#pragma once
// What the proposals know of the words players, sites and songs put in titles: the players
// and sites that show the song first, the browsers, the video sites, the labels players
// write to say that something plays or not, and what a song's own brackets say. Matching
// ignores case in ASCII.

#include <array>
#include <string>
#include <string_view>

namespace suggest {

std::string Lower(std::string_view text);

// "YouTube Music", "Deezer": the whole text names a player or site that shows the song first.
bool IsTitleFirstName(std::string_view text);
// The program's file name is such a player's ("TIDAL.exe", "Google Play Music Desktop Player.exe").
bool IsTitleFirstProgram(std::string_view programFile);
bool IsBrowserProgram(std::string_view programFile);
// The program's window shows "Artist - Song" and nothing else ("Spotify.exe").
bool ShowsArtistThenSong(std::string_view programFile);
// The text ends with a browser's name (" - Google Chrome" ends a tab's title with "Google Chrome").
bool EndsWithBrowserName(std::string_view text);
// "Mozilla Firefox Private Browsing": a browser's full name and what its window adds.
bool StartsWithBrowserName(std::string_view text);
// A title's last part that names its browser, either way.
bool IsBrowserName(std::string_view part);
// The length of a site's label that opens the text ("Watch " of "Watch The Bear"), 0 when none.
std::size_t PageLabelLength(std::string_view text);
// The whole text names a music or video site ("SoundCloud", "Pandora", "YouTube").
bool IsSiteName(std::string_view text);
// The text ends with a site's name after a blank, or is one ("Watch on Crunchyroll").
bool EndsWithSiteName(std::string_view text);
// The site's name that ends the text joined to it with no blank, with its joint ("繁花_腾讯视频");
// empty when none does.
std::string_view GluedSiteName(std::string_view text);
// The words of a site's own that end the text after a blank, empty when none do.
std::string_view SiteLabelAtEnd(std::string_view text);
bool EndsWithSiteLabel(std::string_view text);
bool IsTitleFirstPage(std::string_view text); // a site that shows the song first in a browser
// The whole text names a site that plays nothing ("Wikipedia", "GitHub").
bool IsPageSite(std::string_view text);
bool IsSearchSite(std::string_view text); // "Google Search", "Szukaj w Google"
// The whole text names a site whose titles are whatever the uploader wrote ("YouTube").
bool IsVideoSite(std::string_view text);
// A live site, whose page title is a channel's or station's name ("shroud - Twitch").
bool IsLiveSite(std::string_view text);
bool EndsWithLiveSite(std::string_view text); // "Watch Live on Kick"
bool IsLiveLabel(std::string_view text); // "Listen Live"
bool IsPodcastSite(std::string_view text);
bool IsAlbumSite(std::string_view text);
bool IsPodcastProgram(std::string_view programFile); // "Pocket Casts.exe"
bool StartsWithSiteName(std::string_view text); // "YouTube Audio Library"
bool IsLoginSite(std::string_view text); // a live site whose channels are users' logins
bool IsLogin(std::string_view text);
// What ends an album before its disc's number: "[The Wall CD2 #01]", "Disc 1 #03".
inline constexpr std::array<std::string_view, 3> kDiscLabels = {" CD", " Disc ", " Disk "};
bool IsRadioName(std::string_view text); // "WMBC Radio", "Kiss FM"
// A name that says it is a site's, a channel's or a show's: "NRK TV", "RTVE.es", "Mindshift
// Podcast", "Guarda streaming".
bool LooksLikeSiteName(std::string_view text);
bool IsEpisodeLabel(std::string_view word); // "Episode", "Aula", "Lesson"
bool IsSeasonLabel(std::string_view word); // "Season", "Staffel", "Sezon"
// A lesson's or an episode's label and its number of up to three digits: "Lecture 1".
bool IsLesson(std::string_view text);
bool LooksLikeLogin(std::string_view text); // a login, and no word a category is named by
// "Now playing", "Paused": the whole text, or its end after a blank.
bool IsNowPlayingLabel(std::string_view text);
// A word of the text is one a song's brackets hold ("Official", "Live", "Mix").
bool HasSongExtra(std::string_view text);
// The text says its video is no song's: "Official Trailer", "Full Course", "A Short Story".
bool NamesVideo(std::string_view text);
// A word of the text says how the player plays ("MP3", "320kbps", "1080p", "EVR").
bool HasTechWord(std::string_view text);
// False for a program whose square brackets after the title hold something else than the
// album: osu!'s "Artist - Title [Difficulty]".
bool BracketsHoldAlbums(std::string_view programFile);
// Edge names the other tabs of its window after the page's: "YouTube and 2 more pages",
// "YouTube e altre 2 pagine". The page's name, the text up to the count and the words
// after it; all empty when the text is no such count.
struct TabCount {
    std::string_view site, before, after;
};
TabCount TabCountAround(std::string_view text);
// The extension of a media file that the value ends with, its dot included; empty when none.
std::string_view FileExtension(std::string_view value);
// The whole text is a media file's extension, its dot included (".mp4").
bool IsFileExtension(std::string_view text);
// The text holds a media file's name ("Show - 26 (1080p).mkv - mpv").
bool NamesFile(std::string_view text, bool audio = false); // of a sound file, when `audio`

} // namespace suggest
