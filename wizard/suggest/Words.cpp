#include "wizard/suggest/Words.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace suggest {

namespace {

// Players and sites that put the song before the artist, matched whole against a part that
// every title has, and against the start of the program's file name:
// - "Song - Artist - YouTube Music": the tab title that YouTube Music extensions and
//   now-playing scripts split (song first, artist second);
// - "Track - Artist - Deezer": Deezer's page and desktop title, as Deezer presence
//   readers split it;
// - "Title - Artist", program TIDAL.exe: jonas-kaufmann/NowPlaying-for-TIDAL,
//   TidalListener.cs (GetSongAndArtist splits the window title at its first "-");
// - "Song - Artist - Google Play Music": raidzero/dotfiles polybar/songname.sh and
//   apottr/my-ubersicht-widgets music.coffee, which both swap the two;
// - "Song - Artist - Quod Libet": quodlibet's main window, whose title is the song's
//   "~title~version~~people" and the player's name;
// - "Song - Artist", program YTubic.exe: a YouTube Music client's main window
//   (NUber-dev/YTubic issue 87);
// - "Song (em dash) Artist | Last.fm": a track's page on Last.fm;
// - "Song - Artist", program Qobuz.exe: a window-title detector's split of Qobuz's title;
// - "Song - Artist - Amazon Music": the web player's tab, as a Chrome tab song reader splits
//   it;
// - "Song (en dash) Artists (middle dot) Supersonic": the Subsonic client's main window
//   (dweymouth/supersonic ui/mainwindow.go);
// - "Song - Artist - Pandora": the web player's tab, as a Pandora userscript and a media
//   session detector's notes both read it;
// - "Song - Artist - 网易云音乐 - Google Chrome", "Song - Artist - 酷狗音乐 - Microsoft Edge"
//   (936): the Chinese players' web pages, as page-title readers split them.
constexpr std::array<std::string_view, 11> kTitleFirst = {
    "YouTube Music", "Deezer", "TIDAL", "Google Play Music", "Quod Libet", "YTubic", "Last.fm", "Qobuz", "Supersonic",
    "Amazon Music", "Pandora"};
// Sites whose pages show the song first where their desktop players do not: KuGou's player
// shows "Artist - Song - 酷狗音乐" (936).
constexpr std::array<std::string_view, 2> kTitleFirstPages = {"\xcd\xf8\xd2\xd7\xd4\xc6\xd2\xf4\xc0\xd6",
                                                             "\xbf\xe1\xb9\xb7\xd2\xf4\xc0\xd6"};
// Programs that show the song first without their names in the title: NetEase Cloud Music's
// OrpheusBrowserHost window, "Song - Artist" as a Discord presence for it reads it (its
// Program.cs splits at " - ", the song first), and QQ Music's, which a player bridge's
// controllers cut the same way.
constexpr std::array<std::string_view, 2> kTitleFirstPrograms = {"cloudmusic", "qqmusic"};

// "Song (bullet) Artist" in a browser is the tab title of Spotify's web player, which a media
// reader's page-title cleaner splits song first; a desktop player's bullets (amp's
// "Artist (bullet) Title") keep the artist first. Browsers are known by their programs and
// by the names that end their titles (" - Google Chrome", " (em dash) Mozilla Firefox").
constexpr std::array<std::string_view, 7> kBrowsers = {"chrome", "firefox", "msedge", "opera", "brave", "vivaldi",
                                                       "chromium"};
// Chrome names itself "Chrome" alone on a Korean desktop.
constexpr std::array<std::string_view, 9> kBrowserNames = {"google chrome", "chrome", "mozilla firefox", "edge",
                                                           "opera", "brave", "vivaldi", "chromium", "internet explorer"};

// Their page titles are whatever the uploader wrote, dashes and all ("Video titles on
// YouTube follow no strict format": lttkgp/youtube_title_parse), so all before " - YouTube"
// is the title; the suffixes are those of a media detector's list (" - YouTube",
// " - Twitch"). Niconico's pages end " - Niconico", " - Niconico Video:GINZA" or, on a
// Japanese desktop, its name in Shift JIS (" - ニコニコ動画:GINZA").
// Dailymotion's pages end " - Vidéo Dailymotion" in French, " - video Dailymotion" in English.
constexpr std::array<std::string_view, 8> kVideoSites = {"YouTube", "Twitch", "Niconico", "Niconico Video",
                                                         "\x83\x6A\x83\x52\x83\x6A\x83\x52\x93\xAE\x89\xE6",
                                                         "Dailymotion", "Vid\xe9o Dailymotion", "video Dailymotion"};

// Live sites, whose page title is the channel's or the station's name ("shroud - Twitch",
// "KEXP, 90.3 FM, Seattle | Free Internet Radio | TuneIn"): a live channel plays as a station
// does.
// radio.net's station pages are "1LIVE | Listen Online | radio.net".
// CHZZK, Naver's live site, names its channels as Twitch does ("Name - CHZZK"), and so does
// Twitch's popout player, "channel - Twitch Player" (yungsamd17/Twitch-Addons player.js).
// Online Radio Box's station pages are "FluxFM Playlist Heute - Titelsuche & letzte Songs |
// Online Radio Box" in German.
constexpr std::array<std::string_view, 7> kLiveSites = {"Twitch", "Twitch Player", "Kick",           "TuneIn",
                                                        "radio.net", "CHZZK",      "Online Radio Box"};
// Podcast sites and players, whose shows are albums of episodes: "In Our Time - Marie Curie -
// BBC Sounds", "The Gin Craze - In Our Time - Pocket Casts".
constexpr std::array<std::string_view, 3> kPodcastSites = {"BBC Sounds", "Pocket Casts", "Apple Podcasts"};
// Sites whose pages are albums, the title's place holding the album: "Artist - Album |
// Discogs", a release's page there.
constexpr std::array<std::string_view, 1> kAlbumSites = {"Discogs"};
// A page's label that says it plays a station live: "Radio 1 - Listen Live - BBC Sounds".
// Twitch's chat popped out of a channel's page is "channel - Chat - Twitch".
constexpr std::array<std::string_view, 2> kLiveLabels = {"Listen Live", "Chat"};
// Of those, the sites whose channel is a user's login: letters, digits and underscores, no
// blank (Twitch's username rules); a page with a blank names a category ("Just Chatting -
// Twitch").
constexpr std::array<std::string_view, 3> kLoginSites = {"Twitch", "Twitch Player", "Kick"};

// What players write before a colon or in brackets to say that something plays or not ("Now
// playing: ...", "(Paused) ..."), in the common languages, lower case, each in the code page
// its language is written in. The label is the whole part or its end after a blank
// ("Currently playing"). A Japanese Qt player's status line "再生中: %1" is one such.
constexpr std::array<std::string_view, 29> kNowPlaying = {
    "playing",          // English: "Now playing", "Playing", "Currently playing"
    "listening to",     //
    "paused",           // and what they write when it does not: "Paused: ...", "(Paused) ..."
    "stopped",          //
    "buffering",        //
    "no file",          // mpv with nothing open: "No file - mpv"
    "loading file",     // LosslessCut while it opens one: "Loading file - LosslessCut"
    "pausiert",         // German
    "angehalten",       //
    "en pause",         // French
    "pausa",            // Spanish, Italian, Portuguese: "En pausa", "In pausa"
    "gepauzeerd",       // Dutch
    "wstrzymano",       // Polish
    "wiedergabe",       // German: "Wiedergabe", "Aktuelle Wiedergabe"
    "jetzt l\xe4uft",   // German: "Jetzt läuft" (1252)
    "lecture",          // French: "En cours de lecture", "Lecture"
    "lecture en cours", //
    "reproduciendo",    // Spanish
    "sonando",          // Spanish: "Sonando"
    "in riproduzione",  // Italian
    "reproduzindo",     // Portuguese
    "tocando",          // Portuguese (Brazil)
    "afspelen",         // Dutch: "Nu afspelen"
    "odtwarzanie",      // Polish
    "spelas nu",        // Swedish
    "\x8d\xc4\x90\xb6\x92\x86",                 // Japanese "再生中" (932)
    "\xd5\xfd\xd4\xda\xb2\xa5\xb7\xc5",         // Chinese "正在播放" (936)
    "\xa5\xbf\xa6\x62\xbc\xbd\xa9\xf1",         // Chinese "正在播放" (950)
    "\xc0\xe7\xbb\xfd \xc1\xdf",                 // Korean "재생 중" (949)
};

// Words of what a song's own brackets hold ("(Official Video)", "(2019 Mix)", "(Live)"): a
// constant one after the title is still the title's, where "(Paused)" is the player's.
constexpr std::array<std::string_view, 22> kSongExtras = {
    "official", "video",   "audio", "lyric",    "lyrics",   "live",    "remaster", "remastered",
    "mix",      "remix",   "edit",  "version",  "acoustic", "demo",    "mono",     "stereo",
    "instrumental", "visualizer", "feat", "ft", "extended", "unplugged"};

// Words that say a video is no song's: "Official Trailer", "Full Course", "Stage 20 Highlights".
constexpr std::array<std::string_view, 16> kVideoWords = {
    "trailer", "teaser",   "tutorial", "course",      "lecture",   "highlights", "documentary", "podcast",
    "gameplay", "walkthrough", "explained", "unboxing", "interview", "webinar", "vlog",     "reaction"};
// The words that label a running number as an episode or a lesson: "Episode 05", "Aula 01";
// names are compared with ASCII's case alone, so French's capital is a word of its own.
constexpr std::array<std::string_view, 23> kEpisodeLabels = {
    "episode", "ep", "ep.", "episodio", "\xe9pisode", "\xc9pisode", "folge", "aula", "lesson", "lecture", "class",
    "part", "chapter", "cap", "cap.", "cap\xedtulo", "capitulo", "session", "day", "avsnitt", "aflevering", "odcinek", "jakso"};
// A season's: "Staffel 2 Folge 1", "Saison 1 \xc9pisode 3", and the Turkish "1. Sezon 3. B\xf6l\xfcm".
constexpr std::array<std::string_view, 11> kSeasonLabels = {"season", "staffel", "saison", "temporada", "stagione", "s\xe4song",
                                                           "s\xe6son", "sesong", "kausi", "seizoen", "sezon"};
// The words of a radio's name: "WMBC Radio", "Kiss FM", and SomaFM's, whose streams name it
// ("SomaFM: Deep Space One", "Underground Eighties: ... [SomaFM]").
constexpr std::array<std::string_view, 4> kRadioWords = {"radio", "fm", "somafm", "radyo"};
// And pairs of words, whose words alone a song's name may hold.
constexpr std::array<std::string_view, 4> kVideoPhrases = {"short film", "open movie", "full movie", "short story"};

// Extensions of the files players show in their titles, the sound files' first.
constexpr std::size_t kAudioExtensions = 15;
constexpr std::array<std::string_view, 30> kExtensions = {
    "mp3", "flac", "ogg", "opus", "m4a", "aac", "wav", "wma", "ape", "wv", "mpc", "aiff", "mid", "mod", "xm",
    "mp4", "mkv", "avi", "webm", "mov", "wmv", "flv", "m4v", "ts", "mpg", "mpeg", "3gp", "m2ts", "vob", "ogv"};

// Words of the player's extras in brackets: formats, rates, resolutions, renderers.
constexpr std::array<std::string_view, 33> kTechWords = {
    "mp3",   "flac", "aac",  "ogg",   "opus",  "wav",  "wma",  "alac", "kbps", "khz",  "bit",
    "vbr",   "cbr",  "480p", "720p",  "1080p", "1440p", "2160p", "4k",  "hd",   "fhd",  "uhd",
    "hevc",  "x264", "x265", "h264",  "h265",  "dts",  "ac3",  "evr",  "madvr", "dxva", "gpu"};

// Music and video sites that name themselves in their page titles.
constexpr std::array<std::string_view, 60> kSites = {
    "YouTube",      "YouTube Music", "Twitch",  "Spotify",    "SoundCloud", "Bandcamp", "Deezer",   "TIDAL",
    "Pandora",      "Jellyfin",      "Plex",    "Mixcloud",   "Apple Music", "Amazon Music", "Vimeo", "Netflix",
    "Napster",      "Qobuz",         "Audiomack", "Last.fm",  "TuneIn",     "iHeartRadio", "Dailymotion",
    "Google Play Music", "Niconico", "Niconico Video", "Hulu", "Disney+", "Max", "HBO Max", "Crunchyroll",
    "Prime Video", "Apple TV+", "Paramount+", "Peacock", "Netflix Official Site", "Kick", "radio.net",
    "CHZZK", "Apple Podcasts", "BBC Sounds", "Twitch Player", "Online Radio Box",
    "ZDFmediathek", "ZDF Mediathek", "ARD Mediathek", "RaiPlay", // European broadcasters' players
    "Amazon.com", // Prime Video's pages there: "The Boys - Amazon.com"
    "Rumble", "Genius", "Genius Lyrics",
    "\x83\x6a\x83\x52\x83\x6a\x83\x52\x93\xae\x89\xe6", // "ニコニコ動画" (932)
    "\xcc\xda\xd1\xb6\xca\xd3\xc6\xb5",             // "腾讯视频", Tencent Video (936)
    "\xb0\xae\xc6\xe6\xd2\xd5",                     // "爱奇艺", iQiyi (936)
    "\xcd\xf8\xd2\xd7\xd4\xc6\xd2\xf4\xc0\xd6",         // "网易云音乐", NetEase Cloud Music (936)
    "QQ\xd2\xf4\xc0\xd6",                             // "QQ音乐", QQ Music (936)
    "\xbf\xe1\xce\xd2\xd2\xf4\xc0\xd6",                 // "酷我音乐", Kuwo (936)
    "\xbf\xe1\xb9\xb7\xd2\xf4\xc0\xd6",                 // "酷狗音乐", KuGou (936)
    "ABEMA", "d\x83\x41\x83\x6a\x83\x81\x83\x58\x83\x67\x83\x41", // Japanese TV sites, "dアニメストア" (932)
};
// The words a site writes after a song's artist, as Yandex Music does, song first: "Song
// (em dash) Artist слушать онлайн на Яндекс Музыке" ("listen online on Yandex Music", 1251).
constexpr std::array<std::string_view, 1> kSiteLabels = {
    " \xf1\xeb\xf3\xf8\xe0\xf2\xfc \xee\xed\xeb\xe0\xe9\xed \xed\xe0 \xdf\xed\xe4\xe5\xea\xf1 \xcc\xf3\xe7\xfb\xea\xe5"};

// Chinese sites join their names to the page's with no blank: "繁花_腾讯视频", "..._哔哩哔哩_bilibili",
// "...在线观看-爱奇艺" (936).
constexpr std::array<std::string_view, 4> kGluedSites = {
    "_\xcc\xda\xd1\xb6\xca\xd3\xc6\xb5", "-\xb0\xae\xc6\xe6\xd2\xd5",
    "_\xdf\xd9\xc1\xa8\xdf\xd9\xc1\xa8_bilibili", "-\xd3\xc5\xbf\xe1" /* "-优酷", Youku */};

// Sites that play nothing, whose pages a browser's capture shows between the songs: "Max
// Verstappen - Wikipedia", "How to ... - Stack Overflow", "cats - Google Search". A page's
// title there is one title, dashes and all. Google names its search page in the user's
// language ("pogoda Krak\xf3w - Szukaj w Google").
constexpr std::array<std::string_view, 11> kPageSites = {"Wikipedia", "Stack Overflow", "Google Docs", "Google Sheets",
                                                         "Google Drive", "Gmail", "GitHub", "Reddit", "Outlook",
                                                         "Facebook", "LinkedIn"};
// Of those, the search pages, whose families a person reads for the words searched ("cats -
// Google Search"), in the user's language.
constexpr std::array<std::string_view, 9> kSearchSites = {
    "Google Search", "Google Suche", "Recherche Google", "Buscar con Google", "Cerca con Google", "Pesquisa Google",
    "Google zoeken", "Szukaj w Google", "Google \xb7\x6a\xb4\x4d" /* "Google 搜尋" (950) */};

// What a streaming site's page title puts before the show's name ("Watch The Bear | Hulu",
// "Watching Frieren Episode 25 - Crunchyroll").
constexpr std::array<std::string_view, 4> kPageLabels = {"Watch ", "Watching ", "Listen to ", "Stream "};

// ASCII letters alike in either case; the lists' names are looked at for every part of every
// title, so nothing is copied.
bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

template <std::size_t N>
bool IsOneOf(std::string_view text, const std::array<std::string_view, N>& names)
{
    return std::any_of(names.begin(), names.end(), [text](std::string_view name) { return SameIgnoringCase(name, text); });
}

// A word of the text, letters and digits between others, is one of the names.
template <std::size_t N>
bool HasWordOf(std::string_view text, const std::array<std::string_view, N>& names)
{
    const std::string lower = Lower(text);
    for (std::size_t i = 0; i < lower.size();) {
        if (!std::isalnum(static_cast<unsigned char>(lower[i]))) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < lower.size() && std::isalnum(static_cast<unsigned char>(lower[end])))
            ++end;
        if (std::find(names.begin(), names.end(), std::string_view(lower).substr(i, end - i)) != names.end())
            return true;
        i = end;
    }
    return false;
}

// The text is one of the names, or ends with one after a blank.
template <std::size_t N>
bool EndsWithOneOf(std::string_view text, const std::array<std::string_view, N>& names)
{
    return std::any_of(names.begin(), names.end(), [text](std::string_view name) {
        if (text.size() < name.size() || !SameIgnoringCase(text.substr(text.size() - name.size()), name))
            return false;
        // After a blank, or the no-break space of Edge's "Microsoft Edge" in 1252.
        const char before = text.size() == name.size() ? ' ' : text[text.size() - name.size() - 1];
        return before == ' ' || before == '\xa0';
    });
}

std::string_view WithoutExe(std::string_view program)
{
    if (program.size() > 4 && Lower(program.substr(program.size() - 4)) == ".exe")
        program.remove_suffix(4);
    return program;
}

} // namespace

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// A blank never is a trail byte, so a label after one begins a character.
bool IsNowPlayingLabel(std::string_view text)
{
    const std::string lower = Lower(text);
    return std::any_of(kNowPlaying.begin(), kNowPlaying.end(), [&lower](std::string_view label) {
        return lower == label || (lower.ends_with(label) && lower[lower.size() - label.size() - 1] == ' ');
    });
}

bool HasSongExtra(std::string_view text)
{
    return HasWordOf(text, kSongExtras);
}

bool NamesVideo(std::string_view text)
{
    if (HasWordOf(text, kVideoWords))
        return true;
    // The words of the text between single blanks, so that a phrase is found whole.
    std::string words = " ";
    for (char c : Lower(text)) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            words += c;
        else if (words.back() != ' ')
            words += ' ';
    }
    if (words.back() != ' ')
        words += ' ';
    return std::any_of(kVideoPhrases.begin(), kVideoPhrases.end(), [&words](std::string_view phrase) {
        std::string padded(" ");
        padded.append(phrase).append(" ");
        return words.find(padded) != std::string::npos;
    });
}

bool HasTechWord(std::string_view text)
{
    // "320kbps": a number and its unit are one word.
    std::string spaced;
    for (std::size_t i = 0; i < text.size(); ++i) {
        spaced += text[i];
        if (std::isdigit(static_cast<unsigned char>(text[i])) && i + 1 < text.size() &&
            std::isalpha(static_cast<unsigned char>(text[i + 1])))
            spaced += ' ';
    }
    return HasWordOf(text, kTechWords) || HasWordOf(spaced, kTechWords);
}

bool IsTitleFirstName(std::string_view text)
{
    return IsOneOf(text, kTitleFirst);
}

bool IsTitleFirstPage(std::string_view text)
{
    return IsOneOf(text, kTitleFirstPages);
}

bool EndsWithSiteLabel(std::string_view text)
{
    return !SiteLabelAtEnd(text).empty();
}

std::string_view SiteLabelAtEnd(std::string_view text)
{
    for (const std::string_view label : kSiteLabels)
        if (text.size() > label.size() && text.ends_with(label))
            return text.substr(text.size() - label.size());
    return {};
}

bool IsTitleFirstProgram(std::string_view programFile)
{
    const std::string program = Lower(WithoutExe(programFile));
    if (IsOneOf(program, kTitleFirstPrograms))
        return true;
    return std::any_of(kTitleFirst.begin(), kTitleFirst.end(), [&program](std::string_view name) {
        const std::string lower = Lower(name);
        return program.starts_with(lower) &&
               (program.size() == lower.size() || !std::isalnum(static_cast<unsigned char>(program[lower.size()])));
    });
}

bool IsBrowserProgram(std::string_view programFile)
{
    return IsOneOf(WithoutExe(programFile), kBrowsers);
}

bool EndsWithBrowserName(std::string_view text)
{
    return EndsWithOneOf(text, kBrowserNames);
}

bool IsBrowserName(std::string_view part)
{
    return EndsWithBrowserName(part) || StartsWithBrowserName(part);
}

bool StartsWithBrowserName(std::string_view text)
{
    const std::string lower = Lower(text);
    return std::any_of(kBrowserNames.begin(), kBrowserNames.end(), [&lower](std::string_view name) {
        return lower.starts_with(name) && name.find(' ') != std::string_view::npos;
    });
}

bool IsFileExtension(std::string_view text)
{
    return text.starts_with('.') && FileExtension("file" + std::string(text)).size() == text.size();
}

std::string_view FileExtension(std::string_view value)
{
    const std::size_t dot = value.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return {};
    const std::string_view ext = value.substr(dot + 1);
    const bool known = std::any_of(kExtensions.begin(), kExtensions.end(), [ext](std::string_view known) {
        return ext.size() == known.size() && std::equal(ext.begin(), ext.end(), known.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) == b;
               });
    });
    return known ? value.substr(dot) : std::string_view();
}

bool IsAudioExtension(std::string_view extension)
{
    const std::string lower = Lower(extension);
    return std::find(kExtensions.begin(), kExtensions.begin() + kAudioExtensions, lower) != kExtensions.begin() + kAudioExtensions;
}

bool NamesFile(std::string_view text, bool audio)
{
    const auto alnum = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    for (std::size_t dot = text.find('.'); dot != std::string_view::npos; dot = text.find('.', dot + 1)) {
        std::size_t end = dot + 1;
        while (end < text.size() && alnum(text[end]))
            ++end;
        const std::string_view extension = FileExtension(text.substr(0, end));
        if (end > dot + 1 && !extension.empty() && (!audio || IsAudioExtension(extension.substr(1))))
            return true;
    }
    return false;
}

bool BracketsHoldAlbums(std::string_view programFile)
{
    return Lower(WithoutExe(programFile)) != "osu!";
}

std::size_t PageLabelLength(std::string_view text)
{
    for (std::string_view label : kPageLabels)
        if (text.size() > label.size() && text.starts_with(label))
            return label.size();
    return 0;
}

bool IsSiteName(std::string_view text)
{
    return IsOneOf(text, kSites);
}

std::string_view GluedSiteName(std::string_view text)
{
    for (const std::string_view glued : kGluedSites)
        if (text.size() > glued.size() && text.ends_with(glued))
            return text.substr(text.size() - glued.size());
    return {};
}

bool EndsWithSiteName(std::string_view text)
{
    return EndsWithOneOf(text, kSites);
}

bool IsPageSite(std::string_view text)
{
    return IsOneOf(text, kPageSites) || IsSearchSite(text);
}

bool IsSearchSite(std::string_view text)
{
    return IsOneOf(text, kSearchSites);
}

bool IsVideoSite(std::string_view text)
{
    return IsOneOf(text, kVideoSites);
}

bool IsLiveSite(std::string_view text)
{
    return IsOneOf(text, kLiveSites);
}

bool EndsWithLiveSite(std::string_view text)
{
    return EndsWithOneOf(text, kLiveSites);
}

bool IsLoginSite(std::string_view text)
{
    return IsOneOf(text, kLoginSites);
}

bool IsLogin(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
    });
}

bool ShowsArtistThenSong(std::string_view programFile)
{
    return Lower(WithoutExe(programFile)) == "spotify";
}

bool IsEpisodeLabel(std::string_view word)
{
    return IsOneOf(word, kEpisodeLabels);
}

bool IsSeasonLabel(std::string_view word)
{
    return IsOneOf(word, kSeasonLabels);
}

bool IsLesson(std::string_view text)
{
    const std::size_t blank = text.rfind(' ');
    return blank != std::string_view::npos && blank + 4 >= text.size() && blank + 1 < text.size() &&
           std::all_of(text.begin() + static_cast<std::ptrdiff_t>(blank) + 1, text.end(),
                       [](char c) { return c >= '0' && c <= '9'; }) &&
           IsEpisodeLabel(text.substr(0, blank));
}

bool IsRadioName(std::string_view text)
{
    // Portuguese "R\xe1dio Globo", whose accent no word of the list can hold.
    const std::string lower = Lower(text);
    const std::size_t at = lower.find("r\xe1" "dio");
    const bool accented = at != std::string::npos && (at == 0 || lower[at - 1] == ' ') &&
                          (at + 5 == lower.size() || lower[at + 5] == ' ');
    return accented || HasWordOf(text, kRadioWords);
}

bool LooksLikeSiteName(std::string_view text)
{
    constexpr std::array<std::string_view, 12> kMediaWords = {"tv",    "radio", "fm",     "podcast",   "play",   "world",
                                                            "music", "video", "stream", "streaming", "online", "player"};
    // A domain's ending: "RTVE.es", "welle.io".
    const std::size_t dot = text.rfind('.');
    const bool domain = dot != std::string_view::npos && dot > 0 && text.size() - dot >= 3 && text.size() - dot <= 4 &&
                        std::all_of(text.begin() + static_cast<std::ptrdiff_t>(dot) + 1, text.end(),
                                    [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }) &&
                        text.find(' ') == std::string_view::npos;
    return domain || HasWordOf(text, kMediaWords);
}

bool LooksLikeLogin(std::string_view text)
{
    // "shroud", "LIRIK", "summit1g", "xQc"; but "Chess" or "Music" is a category's name.
    if (!IsLogin(text))
        return false;
    const auto upper = [](char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; };
    const auto lower = [](char c) { return std::islower(static_cast<unsigned char>(c)) != 0; };
    return !(upper(text.front()) && std::all_of(text.begin() + 1, text.end(), lower));
}

bool StartsWithSiteName(std::string_view text)
{
    const std::string lower = Lower(text);
    return std::any_of(kSites.begin(), kSites.end(), [&lower](std::string_view site) {
        const std::string name = Lower(site);
        return lower.starts_with(name) && (lower.size() == name.size() || lower[name.size()] == ' ');
    });
}

bool IsLiveLabel(std::string_view text)
{
    return IsOneOf(text, kLiveLabels);
}

bool IsPodcastSite(std::string_view text)
{
    return IsOneOf(text, kPodcastSites);
}

bool IsPodcastProgram(std::string_view programFile)
{
    return IsOneOf(WithoutExe(programFile), kPodcastSites);
}

bool IsAlbumSite(std::string_view text)
{
    return IsOneOf(text, kAlbumSites);
}

TabCount TabCountAround(std::string_view text)
{
    // The joint, the count, the word for pages with one letter more or less, and what ends
    // the label: "and 2 more pages", "und 2 weitere Seiten", "e altre 2 pagine", "y 3 p\xe1ginas m\xe1s", "e mais 4
    // p\xe1ginas" (1252), Chinese's "\u548C\u53E6\u5916 2 \u4E2A\u9875\u9762" (936), Korean's
    // "\uC678 \uD398\uC774\uC9C0 1\uAC1C" (949) and Taiwan's "和其他 6 個頁面", "和另外 3 個頁面" (950).
    struct Label {
        std::string_view joint, pages, end;
    };
    for (const Label label : {Label{" and ", " more page", ""}, Label{" und ", " weitere Seite", ""}, Label{" e altre ", " pagin", ""},
                              Label{" y ", " p\xe1gina", " m\xe1s"}, Label{" e mais ", " p\xe1gina", ""},
                              Label{" \xba\xcd\xc1\xed\xcd\xe2 ", " \xb8\xf6\xd2\xb3\xc3\xe6", ""},
                              Label{" \xbf\xdc \xc6\xe4\xc0\xcc\xc1\xf6 ", "\xb0\xb3", ""},
                              Label{" \xa9\x4d\xa8\xe4\xa5\x4c ", " \xad\xd3\xad\xb6\xad\xb1", ""},
                              Label{" \xa9\x4d\xa5\x74\xa5\x7e ", " \xad\xd3\xad\xb6\xad\xb1", ""}}) {
        const std::size_t at = text.find(label.joint);
        if (at == std::string_view::npos || at == 0)
            continue;
        const std::size_t number = at + label.joint.size();
        std::size_t end = number;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9')
            ++end;
        const std::string_view rest = text.substr(end);
        if (end > number && rest.starts_with(label.pages) && rest.ends_with(label.end) &&
            rest.size() <= label.pages.size() + 1 + label.end.size())
            return {text.substr(0, at), text.substr(0, number), rest};
    }
    return {};
}

} // namespace suggest
