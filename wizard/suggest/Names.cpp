#include "wizard/suggest/Names.h"

#include <algorithm>
#include <cctype>
#include <functional>

#include "wizard/suggest/Namer.h"
#include "wizard/suggest/Words.h"

namespace suggest {

bool IsPlayerName(std::string_view text, const stSuggestHints& hints)
{
    std::string known = hints.windowClass + '\n' + hints.programFile;
    const auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    std::transform(known.begin(), known.end(), known.begin(), lower);
    const auto alnum = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    std::string initials;
    for (std::size_t i = 0; i < text.size();) {
        if (!alnum(text[i])) {
            ++i;
            continue;
        }
        std::string word;
        for (; i < text.size() && alnum(text[i]); ++i)
            word += lower(text[i]);
        // A number is no name: "200 km/h" is not foobar2000's.
        const bool letters = std::any_of(word.begin(), word.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
        if (letters && word.size() >= 3 && known.find(word) != std::string::npos)
            return true;
        initials += word.front();
    }
    // A program named by the initials of the player's name: "Media Player Classic Qute
    // Theater" is mpc-qt.exe, "Windows Media Player" wmplayer.exe.
    std::string program;
    std::copy_if(hints.programFile.begin(), hints.programFile.end(), std::back_inserter(program), alnum);
    std::transform(program.begin(), program.end(), program.begin(), lower);
    return initials.size() >= 3 && program.starts_with(initials);
}

void Namer::Name()
{
    NameUrls();
    NameSites();
    NamePage();
    NameRelease();
    NamePath();
    NameEpisodeMark();
    NameTimes();
    NameCounts();
    NameLeadingNumber();
    NameLiveChannel();
    NameQuotedSong();
    NameVideoTitle();
    NameYear();
    NameStation();
    NameSongByArtist();
    // A song-first player's build that shows the artist first (a constant name before the
    // dash, the songs after it) is read as any other.
    if (TitleFirst())
        NameTitleThenArtist();
    NameArtistAndTitle();
    KeepNamesBrackets();
    NameStationAfterBar();
    NameTheRest();
    NameRadioTitles();
    SplitEpisode();
    NameConstantSeries();
    KeepPageLabel();
    NameShow();
    KeepTitleWords();
}

// A constant name before its year in brackets is the title, or beside the song and its
// artist the album's: "Hunter x Hunter (2011) #56.mkv", "Pulp Fiction (1994) - 01. Dick
// Dale - Misirlou"; so is one before its episode's number, a series': "Kielings wilde Welt
// (2/3)".
void Namer::NameBeforeYear()
{
    const char* before = !Has("Title") ? "Title" : Has("Artist") && !Has("Album") ? "Album" : nullptr;
    for (int j = 0; before && j + 1 < Parts(); ++j) {
        const PartPlan& year = Part(j + 1);
        const bool episode = !Has("Title") && !year.slots.empty() && year.slots[0].name == "Track";
        if (IsName(j) && Part(j).Constant() && m_plan.separatorTexts[static_cast<std::size_t>(j)] == " (" &&
            ((year.slots.size() == 1 && year.slots[0].name == "Year") || episode)) {
            Force(*Free(j), before);
            break;
        }
    }
}

// A song with its album has its artist too: a constant name before the album is the
// artist's ("Song | Dire Straits | Brothers in Arms #02", one album).
void Namer::NameArtistBeforeAlbum()
{
    int album = 0;
    while (album < Parts() && std::none_of(Part(album).slots.begin(), Part(album).slots.end(),
                                           [](const Slot& s) { return s.name == "Album"; }))
        ++album;
    if (Has("Title") && !Has("Artist") && album < Parts()) {
        for (int j = 0; j < album; ++j) {
            if (IsName(j) && Part(j).Constant() && !Names(j, IsNowPlayingLabel) && !SitesLabel(j)) {
                Force(*Free(j), "Artist");
                break;
            }
        }
    }
}

// The name after a track number is the title, constant or not, when nothing else is: one
// file played over and over ("1. Ghost in the Shell S.A.C.").
void Namer::NameAfterTrackNumber()
{
    if (Has("Title"))
        return;
    for (int j = 0; j + 1 < Parts(); ++j) {
        Slot* name = Free(j + 1);
        if (Part(j).slots.back().name == "Track" && m_plan.separatorTexts[static_cast<std::size_t>(j)] == ". " && name &&
            AllOf(name->wholes, HasLetter)) {
            Force(*name, "Title");
            return;
        }
    }
}

// One word and a running number in the Artist's or the Title's place are a lesson's or an
// episode's label ("Aula 01 - Introducao.mp4", "Episode 05.mkv"), or a series and its
// episode ("Naruto 01.mkv"): an artist or a song is no series. The series is the title, or
// the album when the episode has a name of its own; a series of several words stays text
// ("Cowboy Bebop 01 - Asteroid Blues.mkv"), as a parameter ends at the first blank. A label
// and its number between a name and the episode's name, in the album's place, make the name
// before it the series' ("CS50x 2024 - Lecture 0 - Scratch.mp4").
void Namer::NameLabelledNumber()
{
    for (PartPlan& part : m_plan.parts) {
        for (std::size_t k = 0; k < part.slots.size(); ++k) {
            Slot& slot = part.slots[k];
            const bool album = slot.name == "Album";
            if ((slot.name != "Artist" && slot.name != "Title" && !album) || !slot.varying || m_track)
                continue;
            const std::string_view first = slot.values.front();
            const std::size_t blank = first.rfind(' ');
            if (blank == std::string_view::npos || blank == 0 || !HasLetter(first.substr(0, blank)))
                continue;
            const std::string_view label = first.substr(0, blank + 1);
            const std::size_t lastBlank = label.rfind(' ', blank - 1);
            const bool words = lastBlank != std::string_view::npos;
            // "Show Episode 05" is named where episodes' labels are.
            if (words && IsEpisodeLabel(label.substr(lastBlank + 1, blank - lastBlank - 1)))
                continue;
            if (!std::all_of(slot.values.begin(), slot.values.end(), [label](std::string_view v) {
                    return v.starts_with(label) && v.size() > label.size() && v.size() <= label.size() + 3 &&
                           AllDigits(v.substr(label.size()));
                }))
                continue;
            const bool labelled = IsEpisodeLabel(label.substr(0, blank));
            if (album && !labelled)
                continue;
            m_track = true;
            if (words || labelled || !slot.before.empty()) {
                // The series in the artist's place is the album beside the episode's name,
                // the title where the episode has none ("Frieren - Episode 12").
                const char* series = album ? "Album" : slot.name == "Title" && labelled ? "Title" : nullptr;
                slot.before += label;
                for (std::string_view& v : slot.values)
                    v.remove_prefix(label.size());
                slot.name = "Track";
                if (series)
                    for (PartPlan& other : m_plan.parts)
                        for (Slot& artist : other.slots)
                            if (artist.name == "Artist")
                                artist.name = series;
                return;
            }
            Slot series, number;
            for (std::size_t m = 0; m < slot.values.size(); ++m) {
                const std::string_view whole = slot.wholes[m];
                series.wholes.push_back(whole.substr(0, slot.before.size() + blank));
                series.values.push_back(slot.values[m].substr(0, blank));
                number.wholes.push_back(whole.substr(slot.before.size() + label.size()));
                number.values.push_back(slot.values[m].substr(label.size()));
            }
            series.name = slot.name == "Title" ? "Title" : "Album";
            number.name = "Track";
            number.varying = true;
            number.after = slot.after;
            for (Slot* s : {&series, &number})
                s->constant.assign(s->wholes.front());
            part.slots[k] = std::move(number);
            part.slots.insert(part.slots.begin() + static_cast<std::ptrdiff_t>(k), std::move(series));
            part.joints.insert(part.joints.begin() + static_cast<std::ptrdiff_t>(k), " ");
            return;
        }
    }
}

// Names that vary after the song, each after a bar, are its artist and then its album:
// "Everlong | Foo Fighters | The Colour and the Shape [foobar2000]", "Song | Artist |
// SoundCloud".
void Namer::NameBarredNames()
{
    int j = 0;
    while (j < Parts() && !(Part(j).slots.size() == 1 && Part(j).slots[0].name == "Title"))
        ++j;
    for (const char* name : {"Artist", "Album"}) {
        if (j + 1 >= Parts() || m_plan.separatorTexts[static_cast<std::size_t>(j)] != " | " || Has(name))
            return;
        Slot& slot = Part(++j).slots[0];
        // A page's last name before the browser's is its site's: "Aftersun | MUBI".
        const bool site = j == Parts() - 2 && Names(Parts() - 1, EndsWithBrowserName);
        if (Part(j).slots.size() != 1 || slot.name != "Unused" || !slot.varying || !AllOf(slot.wholes, HasLetter) || site)
            return;
        slot.name = name;
    }
}

// A title is no bare number: the words before it are the title's too ("light sleeper radio
// 019 by nozwon", a series' mixes).
void Namer::KeepTitleWords()
{
    for (PartPlan& part : m_plan.parts) {
        for (Slot& slot : part.slots) {
            if (slot.name == "Title" && AllOf(slot.values, AllDigits) && HasLetter(slot.before)) {
                const std::string after = slot.after;
                Force(slot, "Title");
                slot.after = after;
                for (std::string_view& v : slot.values)
                    v.remove_suffix(after.size());
            }
        }
    }
}

// The part's one slot, when it has no name yet and the part is not read by the Title; a
// name followed by times counts as one slot ("Song 00:<Unused>").
Slot* Namer::Free(int j)
{
    PartPlan& part = Part(j);
    // "1. Aria" after a dash: the name after its track number.
    if (part.slots.size() == 2 && part.joints[0] == ". " && part.slots[0].name == "Track")
        return part.slots[1].name.empty() && !part.inTitle ? &part.slots[1] : nullptr;
    const bool times = std::all_of(part.slots.begin() + 1, part.slots.end(),
                                   [](const Slot& s) { return AllOf(s.wholes, IsTime); });
    return times && part.slots[0].name.empty() && !part.inTitle ? &part.slots[0] : nullptr;
}

// A free part with letters in every member that is not the player's words.
bool Namer::IsName(int j)
{
    const Slot* slot = Free(j);
    return slot && !Empty(j) && !PlayersWords(j) && AllOf(slot->wholes, HasLetter);
}

// Tags already, with no name left free in it: "#<Track>/<Unused>".
bool Namer::Named(int j)
{
    const std::vector<Slot>& slots = Part(j).slots;
    return !Free(j) && std::any_of(slots.begin(), slots.end(), [](const Slot& s) { return !s.name.empty(); });
}

// A part that every member has and that is one of the names the test knows.
bool Namer::Names(int j, bool (*known)(std::string_view))
{
    return Part(j).Constant() && known(Part(j).slots[0].constant);
}

bool Namer::TitleFirst()
{
    if (IsTitleFirstProgram(m_hints.programFile))
        return true;
    for (int j = 0; j < Parts(); ++j)
        if (Names(j, IsTitleFirstName) || (Part(j).slots.size() == 1 && AllOf(Part(j).slots[0].wholes, EndsWithSiteLabel)) ||
            (Names(j, IsTitleFirstPage) && Names(Parts() - 1, EndsWithBrowserName)))
            return true;
    // "Song (bullet) Artist" in a browser, one artist's songs or many.
    // The song's own brackets may come before the bullet: "Timeless (with Playboi Carti)".
    for (int s = 0; s + 1 < Parts(); ++s)
        if (Sep(s).bullet && (Part(s).Varying() || (s >= 2 && Empty(s) && ReadsOn(s - 2))) &&
            (Part(s + 1).Varying() || OthersName(s + 1, false)))
            return IsBrowserProgram(m_hints.programFile) || Names(Parts() - 1, EndsWithBrowserName);
    return false;
}

// A constant name that is neither the player's nor a site's or browser's, nor an Edge
// profile's before "Microsoft Edge": someone else's, an artist's. After a bullet it is no
// profile's, which Edge puts after a dash.
bool Namer::OthersName(int j, bool profile)
{
    if (!IsName(j) || !Part(j).Constant() || Names(j, EndsWithSiteName) || Names(j, EndsWithBrowserName) ||
        Names(j, IsPageSite))
        return false;
    return !(profile && j + 1 < Parts() && Part(j + 1).Constant() && Lower(Part(j + 1).slots[0].constant).ends_with("edge"));
}

// The first part after nothing but empty constant text.
int Namer::Lead()
{
    int lead = 0;
    while (lead + 1 < Parts() && Empty(lead))
        ++lead;
    return lead;
}

// A dash after part j with a name that varies after it, as between an artist and a
// title; not the one before the player's name ("[EVR] Clip.mkv - SPlayer").
bool Namer::DashAfter(int j) const
{
    for (int s = j; s + 1 < Parts(); ++s)
        if (Sep(s).dash && m_plan.parts[static_cast<std::size_t>(s + 1)].Varying())
            return true;
    return false;
}

void Namer::NameTrack(Slot& slot)
{
    Force(slot, m_track ? "Unused" : "Track");
    m_track = true;
    // The file's extension after the number stays text: "Show #56.mkv".
    const std::string_view extension = FileExtension(slot.wholes.front());
    if (extension.empty() || !std::all_of(slot.wholes.begin(), slot.wholes.end(), [&](std::string_view w) {
            return w.size() > extension.size() && w.ends_with(extension);
        }))
        return;
    slot.after.assign(extension);
    for (std::string_view& v : slot.values)
        v.remove_suffix(extension.size());
}

void Namer::NameUrls()
{
    for (PartPlan& part : m_plan.parts)
        for (Slot& slot : part.slots)
            if (AllOf(slot.wholes, IsUrl))
                Force(slot, "URL");
}

// A time of play is no tag; a constant one ("0:00" before the playlist moves) is a
// parameter too, so that the template reads the next.
void Namer::NameTimes()
{
    for (PartPlan& part : m_plan.parts)
        for (Slot& slot : part.slots)
            if (slot.name.empty() && AllOf(slot.wholes, IsTime))
                NameTime(slot);
}

// The time's first field may stay constant (" 00:" after a title), the rest is the value,
// whatever else the capture's times happen to share.
void Namer::NameTime(Slot& slot)
{
    const std::size_t colon = slot.varying ? slot.before.find(':') : std::string::npos;
    Force(slot, "Unused");
    if (colon == std::string::npos)
        return;
    slot.before = slot.wholes.front().substr(0, colon + 1);
    for (std::string_view& value : slot.values)
        value.remove_prefix(colon + 1);
}

// "<Track>/<Unused>" and "#<Track>" inside one part or after a '#' that ends the
// separator before it (`"Album": #03/12`), and the album before the '#'.
void Namer::NameCounts()
{
    for (int j = 0; j < Parts(); ++j) {
        PartPlan& part = Part(j);
        for (std::size_t k = 0; k < part.joints.size(); ++k) {
            Slot& before = part.slots[k];
            Slot& after = part.slots[k + 1];
            if (!after.name.empty() || (!before.name.empty() && before.name != "Track"))
                continue;
            if (part.joints[k].find('/') != std::string::npos && AllOf(before.wholes, AllDigits)) {
                if (before.name.empty())
                    NameTrack(before);
                Force(after, "Unused");
            } else if (before.name.empty() && part.joints[k].find('#') != std::string::npos) {
                NameTrack(after);
                // The number that ends a file's name is an episode's, the name before it the
                // series': "Hunter x Hunter #56.mkv".
                if (!after.after.empty() && k + 2 == part.slots.size() && !m_title && AllOf(before.wholes, HasLetter)) {
                    Force(before, "Title");
                    m_title = true;
                    continue;
                }
                const bool disc = SplitDisc(part, k);
                if (disc)
                    Force(part.slots[k + 1], "Unused");
                NameAlbum(j, &part.slots[k]);
                k += disc ? 1 : 0; // past the disc, to the '#' again
            }
        }
        Slot& first = part.slots[0];
        // A track number before the name of a part after a dash: "Album - 1. Aria".
        if (j > 0 && part.slots.size() == 2 && part.joints[0] == ". " && first.name.empty() &&
            AllOf(first.wholes, AllDigits))
            NameTrack(first);
        if (j > 0 && m_plan.separatorTexts[static_cast<std::size_t>(j - 1)].ends_with('#') &&
            AllOf(first.wholes, AllDigits)) {
            if (first.name.empty())
                NameTrack(first);
            NameAlbum(j, nullptr);
        }
    }
}

// The disc number that ends the album before "#<Track>" ("[The Beatles CD1 #01]", as
// foobar2000's default title writes it) is no part of the album: slot k becomes the album
// and the disc.
bool Namer::SplitDisc(PartPlan& part, std::size_t k)
{
    for (std::string_view label : kDiscLabels) {
        const std::vector<std::string_view>& values = part.slots[k].values;
        const bool every = std::all_of(values.begin(), values.end(), [label](std::string_view v) {
            const std::size_t at = v.find(label);
            return at != std::string_view::npos && at > 0 && AllDigits(v.substr(at + label.size()));
        });
        if (!every)
            continue;
        auto [album, disc] = CutAtWord(part.slots[k], label);
        part.slots[k] = album;
        part.slots.insert(part.slots.begin() + static_cast<std::ptrdiff_t>(k) + 1, disc);
        part.joints.insert(part.joints.begin() + static_cast<std::ptrdiff_t>(k), std::string(label));
        return true;
    }
    return false;
}

// The album before "#<Track>" in part j: the name before the '#' in brackets of its own
// ("[Sea Songs #03]"), else the nearest name in brackets or quotes before the part
// (`"The Wall": Disc 1 #03`), else the name before the '#'.
void Namer::NameAlbum(int j, Slot* before)
{
    const bool named = before && AllOf(before->wholes, HasLetter);
    if (named && Bracketed(j)) {
        Force(*before, "Album");
        return;
    }
    int a = j - 1;
    while (a > 0 && Empty(a))
        --a;
    Slot* album = a >= 0 && Bracketed(a) ? Free(a) : nullptr;
    if (album && AllOf(album->wholes, HasLetter))
        Force(*album, "Album");
    else if (named)
        Force(*before, "Album");
}

// A number that leads the title is the track, but a count in brackets before it ("(14)
// Song - Site") is not.
void Namer::NameLeadingNumber()
{
    int lead = Lead();
    // After a name and a dash, the artist's or the player's: "Ann - 01 - Song".
    if (lead + 2 < Parts() && Sep(lead).dash && (IsName(lead) || PlayersWords(lead)))
        ++lead;
    Slot* slot = lead + 1 < Parts() ? Free(lead) : nullptr;
    if (!slot || !AllOf(slot->wholes, AllDigits) || AllOf(slot->wholes, IsYear))
        return;
    const bool counted = lead > 0 && m_plan.separatorTexts[static_cast<std::size_t>(lead - 1)].ends_with("(");
    if (counted) {
        Force(*slot, "Unused");
        return;
    }
    NameTrack(*slot);
    // An episode's number after the series' name, with no name after it: "Frieren - 05
    // [1080p].mkv", "Frieren - 12 - mpv".
    bool more = false;
    for (int j = lead + 1; j < Parts(); ++j)
        more = more || (Free(j) && Part(j).Varying());
    Slot* series = lead > 0 && !more ? Free(lead - 1) : nullptr;
    if (series && Sep(lead - 1).dash && !PlayersWords(lead - 1)) {
        Force(*series, "Title");
        m_title = true;
    }
}

// Four digits standing alone are the year.
void Namer::NameYear()
{
    for (int j = 0; j < Parts(); ++j) {
        if (Slot* slot = Free(j); slot && AllOf(slot->wholes, IsYear)) {
            Force(*slot, "Year");
            return;
        }
    }
}

// A stream's station: the bracketed part that opens the title, or the name before the
// colon, when an artist and a title follow. A file has none: "[SubsPlease] Show - 26.mkv"
// opens with the group that released it.
void Namer::NameStation()
{
    if (m_plan.namesFile)
        return;
    const int lead = Lead();
    const bool bracket = Bracketed(lead) && lead > 0;
    const bool colon = lead == 0 && Parts() > 1 && m_plan.separatorTexts[0].find(':') != std::string::npos &&
                       m_plan.separatorTexts[0].find_first_not_of(": ") == std::string::npos;
    Slot* slot = Free(lead);
    // A site's own label is no station: "YouTube Audio Library: Ann - Song".
    if (!slot || !(bracket || colon) || !DashAfter(lead) || PlayersWords(lead) || !AllOf(slot->wholes, HasLetter) ||
        SitesLabel(lead))
        return;
    // One listens to a station for several songs: a name before the colon that every title
    // of three or more has its own is the artist's, and the album's name follows it
    // ("Tycho: Dive - A Walk", a user's "%artist%: %album% - %title%").
    std::vector<std::string_view> names = slot->values;
    std::sort(names.begin(), names.end());
    if (colon && names.size() >= 3 && std::adjacent_find(names.begin(), names.end()) == names.end() && IsName(1)) {
        slot->name = "Artist";
        Force(*Free(1), "Album");
        return;
    }
    Force(*slot, "Station");
}

// Titles that are all radios' names and name nothing else are the stations' a player
// plays from a list: "BBC Radio 1 - MPC-HC", "Classic FM - MPC-HC".
void Namer::NameRadioTitles()
{
    Slot* title = nullptr;
    for (PartPlan& part : m_plan.parts)
        for (Slot& slot : part.slots)
            if (!slot.name.empty() && !part.inTitle) {
                if (slot.name != "Title" || title)
                    return;
                title = &slot;
            }
    if (!title || m_plan.namesFile || !title->varying)
        return;
    // Most of the names say they are radios': "RMF FM", "Radio ZET", "Antyradio".
    const auto radios = std::count_if(title->values.begin(), title->values.end(), IsRadioName);
    if (static_cast<std::size_t>(radios) * 2 > title->values.size())
        title->name = "Station";
}

// A radio's name after a bar that ends the song, the same in every title, is the station
// its web player plays: "Alvvays - Belinda Says | WMBC Radio".
void Namer::NameStationAfterBar()
{
    if (!Has("Title") || Has("Station"))
        return;
    for (int j = 1; j < Parts(); ++j) {
        Slot* slot = Free(j);
        if (slot && Part(j).Constant() && m_plan.separatorTexts[static_cast<std::size_t>(j - 1)] == " | " &&
            Names(j, IsRadioName) && !Names(j, EndsWithBrowserName) && !Names(j, IsSiteName)) {
            Force(*slot, "Station");
            return;
        }
    }
}

// The song and the artist that a word parts ("Song by Artist").
void Namer::NameSongByArtist()
{
    for (PartPlan& part : m_plan.parts) {
        if (part.joints.size() != 1 || part.joints[0] != " by " || !part.slots[0].name.empty() ||
            !part.slots[1].name.empty())
            continue;
        for (auto [slot, name] : {std::pair{&part.slots[0], "Title"}, std::pair{&part.slots[1], "Artist"}}) {
            if (slot->varying) {
                slot->name = name;
                continue;
            }
            // One artist throughout keeps the site after it: "Midnights by Taylor Swift on Apple Music".
            const std::string site = slot->after;
            Force(*slot, name);
            KeepEndAfter(*slot, site);
        }
        m_title = true;
        return;
    }
}

// Players known to show the song first ("Song - Artist - YouTube Music"): the first
// varying name before a dash is the Title, the name after the dash the Artist, a constant
// one too unless it is the player's own.
void Namer::NameTitleThenArtist()
{
    if (m_title)
        return;
    for (int k = 1; k < Parts(); ++k) {
        // "Song (Live) - Artist": the brackets are the song's, and so is the version after its
        // dash ("Song - Remastered 2011 (bullet) Artist").
        const int t = k >= 3 && Empty(k - 1) && ReadsOn(k - 3) ? k - 3 : k >= 2 && VersionAfter(k - 2) ? k - 2 : k - 1;
        Slot* title = Free(t);
        Slot* artist = Free(k);
        // A dash, or the bar of a player's own title ("Song | Artist | YouTube Music").
        const bool bar = m_plan.separatorTexts[static_cast<std::size_t>(k - 1)] == " | ";
        if (!(Sep(k - 1).dash || bar) || !title || !title->varying || !artist || VersionAfter(k - 1))
            continue;
        if (!artist->varying && (artist->constant.empty() || PlayersWords(k) || Names(k, IsTitleFirstName) || Names(k, IsSiteName)))
            continue;
        Force(*title, "Title");
        m_title = true;
        TakeIntoTitle(t);
        Force(*artist, "Artist");
        return;
    }
}

// Artist and Title around a dash between blanks with a varying part after it. A
// bracketed part straight after the dash is an extra ("Ann - [Album] Song"); the title
// follows it. The artist is the first such that varies, else the first that is not the
// player's name; a constant artist is a tag too.
void Namer::NameArtistAndTitle()
{
    if (m_title)
        return;
    std::vector<std::pair<int, int>> dashes;
    for (int k = 1; k < Parts(); ++k) {
        if (!Sep(k - 1).dash)
            continue;
        // Past empty parts and the extras in brackets or quotes, and past parts already
        // named, such as an album and a track number (`Ann - "Album": #3/9 Song`), up to
        // the next dash.
        int t = k;
        while (t + 1 < Parts() && !Sep(t).dash && !OpensWithBracket(t) && (Empty(t) || Bracketed(t) || Named(t)))
            ++t;
        const Slot* title = Free(t);
        if (title && (title->varying || OpensWithBracket(t)))
            dashes.emplace_back(ArtistBefore(k - 1), t);
    }
    if (dashes.empty()) {
        NameSongThenConstantArtist();
        return;
    }
    auto dash = std::find_if(dashes.begin(), dashes.end(), [&](const auto& d) {
        const Slot* artist = Free(d.first);
        return artist && artist->varying;
    });
    if (dash == dashes.end())
        dash = std::find_if(dashes.begin(), dashes.end(), [&](const auto& d) { return !PlayerName(d.first); });
    // Spotify shows the artist, a dash and the song, whatever dashes the song holds; its old
    // client showed its own name first ("Spotify - Ann \x96 Song").
    const bool artistThenSong = ShowsArtistThenSong(m_hints.programFile);
    const auto afterPlayer = std::find_if(dashes.begin(), dashes.end(), [&](const auto& d) { return !PlayersWords(d.first); });
    auto [a, t] = !artistThenSong && dash != dashes.end() ? *dash
                  : artistThenSong && afterPlayer != dashes.end() ? *afterPlayer
                                                                  : dashes.front();
    // A number after the dash is an episode's, and the name before it is the series's
    // ("Show - 26 (1080p).mkv").
    if (Slot* series = Free(a); series && !series->constant.empty() && AllOf(Free(t)->values, AllDigits) &&
                                !AllOf(Free(t)->values, IsYear) &&
                                (AllOf(Free(t)->wholes, AllDigits) || Free(t)->after.starts_with('.'))) {
        Slot& number = *Free(t);
        if (AllOf(number.wholes, AllDigits)) {
            NameTrack(number);
        } else { // "Frieren - 13.mkv": the extension stays text
            number.name = m_track ? "Unused" : "Track";
            m_track = true;
        }
        Force(*series, "Title");
        m_title = true;
        return;
    }
    // Three names chained by dashes that all vary: the one in the middle is the album
    // ("Artist  *  Album  *  Title", amp's bullets).
    const auto next = std::find_if(dashes.begin(), dashes.end(), [t = t](const auto& d) { return d.first == t; });
    const Slot* first = Free(a);
    if (artistThenSong) {
        // But the player's own words after it stay: "Song - Spotify Premium".
        for (int j = t + 1; j < Parts() && !PlayersWords(j); ++j)
            Part(j).inTitle = true;
    } else if (next != dashes.end() && first && first->varying && !VersionAfter(t)) {
        Free(t)->name = "Album";
        t = next->second;
    } else if (a > 0 && Sep(a - 1).dash && IsName(a - 1) && IsName(a)) {
        // A name before the artist and a dash is the artist, and the artist's place holds
        // the album, constant or not ("Radiohead - OK Computer - <Title>", one album).
        Force(*Free(a), "Album");
        --a;
    }
    // An artist's name comes with several songs over a capture, a song's with one artist
    // (played twice, or paused, it is the same pair): where only the name after the dash
    // does, the player shows the song first ("Shivers - Armin van Buuren", "Orbion - Armin
    // van Buuren").
    if (!artistThenSong && t == a + 1 && !OpensWithBracket(t) && first && first->varying && !WithSeveral(*first, *Free(t)) && WithSeveral(*Free(t), *first)) {
        Force(*Free(a), "Title");
        Force(*Free(t), "Artist");
        m_title = true;
        TakeIntoTitle(a);
        return;
    }
    Force(*Free(t), "Title");
    m_title = true;
    TakeIntoTitle(t);
    // The track's own artist after " // " (foobar2000's "%title% // %track artist%" on a
    // compilation); the album's artist before is then no tag.
    if (t + 1 < Parts() && m_plan.separatorTexts[static_cast<std::size_t>(t)] == " // " && IsName(t + 1))
        a = t + 1;
    // A video file's numbered episode after a name is a series' ("Show - 01 - Name.mkv").
    const char* name = m_plan.namesFile && !m_plan.namesAudio && m_track ? "Album" : "Artist";
    Slot* artist = Free(a);
    if (artist && artist->varying)
        Force(*artist, name);
    else if (artist && !artist->constant.empty() && !PlayersWords(a) && !SitesLabel(a))
        Force(*artist, name);
    NameAlbumAfter(t);
    NameStationAfter(t);
}

// A stream's name in round brackets after the song, the same in every title, is the
// station's, as Winamp shows a stream ("Guy J - Lamur (Progressive - DIGITALLY IMPORTED)
// - Winamp"); but not a song's own words or the player's status ("(Live)", "(Paused)").
void Namer::NameStationAfter(int t)
{
    const int j = NameInBracketsAfter(t, '(');
    if (j < 0 || !Part(j).Constant() || HasSongExtra(Part(j).slots[0].constant) || Has("Station"))
        return;
    Force(*Free(j), "Station");
}

// The part in brackets that opens with `bracket` straight after the title and what it
// reads on over, when it holds a name that is not the player's extras; else -1.
int Namer::NameInBracketsAfter(int t, char bracket)
{
    int j = t + 1;
    while (j < Parts() && Part(j).inTitle)
        ++j;
    if (!Bracketed(j) || m_plan.separatorTexts[static_cast<std::size_t>(j - 1)].find(bracket) == std::string::npos ||
        !IsName(j) || std::any_of(Part(j).slots[0].wholes.begin(), Part(j).slots[0].wholes.end(), HasTechWord))
        return -1;
    return j;
}

// A name in square brackets after the title is its album ("Ann - Song [Sea Songs]"), one
// album or many; but not the player's name, status or extras ("[foobar2000]", "[Paused]",
// "[MP3 320kbps]"). A constant one that ends the title is taken for the album only when
// the player's names are known, as it could be the player's.
void Namer::NameAlbumAfter(int t)
{
    const int j = NameInBracketsAfter(t, '[');
    if (j < 0 || !BracketsHoldAlbums(m_hints.programFile) || Has("Album"))
        return;
    Slot& album = *Free(j);
    const bool known = !m_hints.windowClass.empty() || !m_hints.programFile.empty();
    if (album.varying)
        album.name = "Album";
    else if (known || j + 2 < Parts())
        Force(album, "Album");
}

bool Namer::Has(std::string_view name) const
{
    return std::any_of(m_plan.parts.begin(), m_plan.parts.end(), [name](const PartPlan& part) {
        return std::any_of(part.slots.begin(), part.slots.end(), [name](const Slot& s) { return s.name == name; });
    });
}

// A value of the slot comes with two different values of the other in the same members.
bool Namer::WithSeveral(const Slot& slot, const Slot& other)
{
    std::vector<std::pair<std::string_view, std::string_view>> pairs;
    for (std::size_t m = 0; m < slot.values.size(); ++m)
        pairs.emplace_back(slot.values[m], other.values[m]);
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    return std::adjacent_find(pairs.begin(), pairs.end(),
                              [](const auto& x, const auto& y) { return x.first == y.first; }) != pairs.end();
}

// The song and, after a dash, a constant name before the site's or browser's ("Fast Car -
// Tracy Chapman - Google Chrome", one artist's station): the name is the artist's. The song
// may have brackets of its own before the dash ("Numb (Official Video) - Linkin Park").
void Namer::NameSongThenConstantArtist()
{
    for (int j = 0; j + 2 < Parts(); ++j) {
        Slot* song = Free(j);
        if (!song || !song->varying)
            continue;
        int t = j;
        while (ReadsOn(t))
            t += 2;
        if (t + 2 >= Parts() || !Sep(t).dash || !OthersName(t + 1))
            continue;
        // The last name before the browser's is the page's site when it says so: "Lindmo - NRK
        // TV - Mozilla Firefox", but "Fast Car - Tracy Chapman - Google Chrome". A series'
        // episodes have no artist: "One Piece Saison 1 \xc9pisode 3 VOSTFR - Anime-Sama".
        const bool episodes = std::all_of(song->values.begin(), song->values.end(), [](std::string_view v) {
            return !EpisodeWord(v).before.empty() || IsLesson(v.substr(0, v.find(':')));
        }) || (j > 0 && Part(j - 1).slots.size() == 1 && AllOf(Part(j - 1).slots[0].wholes, IsLesson));
        if (Names(Parts() - 1, EndsWithBrowserName) && (Names(t + 1, LooksLikeSiteName) || episodes) &&
            std::all_of(m_plan.parts.begin() + t + 1, m_plan.parts.end(), [](const PartPlan& p) { return p.Constant(); }))
            return;
        if (!std::all_of(m_plan.parts.begin() + t + 2, m_plan.parts.end(), [](const PartPlan& p) { return p.Constant(); }))
            return;
        // A music video names its artist first: "Band - Full Performance (Live on KEXP) -
        // YouTube" is one show's sessions; but a name with a song's brackets is the song.
        const bool video = OnVideoSite() && t == j;
        Force(*song, video ? "Artist" : "Title");
        Force(*Free(t + 1), video ? "Title" : "Artist");
        m_title = true;
        TakeIntoTitle(video ? t + 1 : j);
        return;
    }
}

// The artist before the dash after part a: the name before the dash that opens the
// extras, when a is one (`Ann - "Album" #03/12 - Song`, "Ann - 01 - Song"); else a.
int Namer::ArtistBefore(int a)
{
    int b = a;
    while (b > 0 && !Sep(b - 1).dash && Extra(b))
        --b;
    if (b > 0 && Sep(b - 1).dash && Extra(b) && Free(b - 1))
        return b - 1;
    // A name with brackets of its own that every title has alike: "Hans Zimmer - Interstellar
    // (Original Motion Picture Soundtrack) - Dust".
    return b < a && IsName(b) && ConstantBracketsAfter(b) == a ? b : a;
}

// The last of the constant brackets and empty parts straight after part j, j when none; a
// song's extras ("(Official Video)") are no name's.
int Namer::ConstantBracketsAfter(int j)
{
    // But one album's between dashes are its own whatever they say: "The Beatles - Help!
    // (Remastered) - Yesterday".
    const bool album = j > 0 && Sep(j - 1).dash && !Part(j).Varying();
    int end = j;
    while (end + 1 < Parts() && !Sep(end).dash &&
           (Empty(end + 1) || (Bracketed(end + 1) && Part(end + 1).Constant() &&
                               (album || !HasSongExtra(Part(end + 1).slots[0].constant)))))
        ++end;
    return end;
}

// An artist's or album's constant brackets are its name's: they read on over them.
void Namer::KeepNamesBrackets()
{
    for (int j = 0; j < Parts(); ++j) {
        const std::vector<Slot>& slots = Part(j).slots;
        if (Part(j).inTitle || slots.size() != 1 || (slots[0].name != "Artist" && slots[0].name != "Album"))
            continue;
        const int end = ConstantBracketsAfter(j);
        if (end == j || end + 1 >= Parts() || !Sep(end).dash)
            continue;
        for (int k = j + 1; k <= end; ++k)
            Part(k).inTitle = true;
    }
}

// A part in round brackets straight after the Title that varies and has words is the
// title's own ("Hello (Live 1977)"), and so is one that stays the same with a song's words
// ("(Official Video)"); other constant ones are the player's ("(Paused)"), and square
// brackets hold the player's extras ("[MP3 320kbps]"), but on a video site the uploader's
// words ("Song [Official Video]", "Song [HD]").
bool Namer::ReadsOn(int t)
{
    const int j = t + 1;
    if (t < 0 || j + 1 >= Parts())
        return false;
    const std::string& opening = m_plan.separatorTexts[static_cast<std::size_t>(t)];
    if (opening != " (" && (opening != " [" || !OnVideoSite()))
        return false;
    // What follows the bracket is nothing or the song's too ("(Official Audio) ft. Ann").
    const Slot* next = Free(j + 1);
    const bool bracket = Bracketed(j) && (Empty(j + 1) || (next && AllOf(next->wholes, HasSongExtra)));
    Slot* slot = bracket ? Free(j) : nullptr;
    return slot && (slot->varying || HasSongExtra(slot->constant)) && AllOf(slot->wholes, HasLetter) &&
           Part(t).slots[0].after.empty();
}

// A song whose name opens with its own round brackets, in some titles or all: "(I Can't
// Get No) Satisfaction" after the artist's dash is one Title, read from the empty part
// before the bracket.
bool Namer::OpensWithBracket(int t)
{
    const std::vector<Slot>& slots = Part(t).slots; // empty, named Title or not yet
    const bool empty = slots.size() == 1 && AllOf(slots[0].wholes, [](std::string_view w) { return w.empty(); });
    if (t < 1 || t + 2 >= Parts() || !Sep(t - 1).dash || !empty ||
        !m_plan.separatorTexts[static_cast<std::size_t>(t)].ends_with('(') || !Bracketed(t + 1) || Sep(t + 1).dash)
        return false;
    const Slot* inside = Free(t + 1);
    const Slot* after = Free(t + 2);
    return inside && after && AllOf(inside->wholes, HasLetter) && AllOf(after->wholes, HasLetter) &&
           !(Part(t + 1).Constant() && IsNowPlayingLabel(Part(t + 1).slots[0].constant));
}

void Namer::TakeIntoTitle(int t)
{
    if (OpensWithBracket(t)) {
        Part(t + 1).inTitle = true;
        Part(t + 2).inTitle = true;
        t += 2;
    }
    while (ReadsOn(t)) {
        Part(t + 1).inTitle = true;
        Part(t + 2).inTitle = true;
        t += 2;
    }
    if (VersionAfter(t))
        Part(t + 1).inTitle = true;
}

// The version a player writes after a dash ("Song - Remastered 2009", "Song - Live") is
// the song's own.
bool Namer::VersionAfter(int t)
{
    const Slot* slot = t + 1 < Parts() && Sep(t).dash ? Free(t + 1) : nullptr;
    return slot && AllOf(slot->wholes, HasSongExtra);
}

void Namer::NameTheRest()
{
    std::vector<Slot*> rest;
    bool named = false;
    for (PartPlan& part : m_plan.parts) {
        for (Slot& slot : part.slots) {
            if (part.inTitle)
                continue;
            named = named || !slot.name.empty();
            // A file's extension ("Film (1982).mkv") is no name.
            const bool dot = slot.before.ends_with('.');
            const bool extension = std::all_of(slot.values.begin(), slot.values.end(), [dot](std::string_view v) {
                std::string name(dot ? "." : "");
                name += v;
                return IsFileExtension(name);
            });
            if (slot.varying && slot.name.empty() && extension)
                slot.name = "Unused";
            else if (slot.varying && slot.name.empty())
                rest.push_back(&slot);
        }
    }
    // Where a part is named already (an album and its track), the song's name is still the
    // first of the rest with letters in every title.
    const auto song = std::find_if(rest.begin(), rest.end(), [&](const Slot* s) {
        return rest.size() == 1 || !named ? s == rest.front() : AllOf(s->wholes, HasLetter);
    });
    for (Slot* slot : rest)
        slot->name = !m_title && song != rest.end() && slot == *song ? "Title" : "Unused";
    // What follows the title after a colon is its own subtitle: "Mark Zuckerberg: First
    // Interview in the Metaverse | Lex Fridman Podcast #398", "Grève SNCF : le trafic" in
    // French; something else stays around it.
    // After an episode's label and number the name is the episode's own: "Episode 12:
    // Starting Over".
    for (int j = 0; j + 2 < Parts(); ++j) {
        std::vector<Slot>& title = Part(j).slots;
        std::vector<Slot>& next = Part(j + 1).slots;
        if (!Part(j).inTitle && title.size() == 1 && title[0].name == "Title" && next.size() == 1 &&
            next[0].name == "Unused" && std::find(rest.begin(), rest.end(), &next[0]) != rest.end() &&
            (m_plan.separatorTexts[static_cast<std::size_t>(j)] == ": " || m_plan.separatorTexts[static_cast<std::size_t>(j)] == " : ") &&
            AllOf(next[0].wholes, HasLetter)) {
            const std::string_view first = title[0].values.front();
            const std::string label(first.substr(0, first.rfind(' ') + 1));
            const bool labelled = std::all_of(title[0].values.begin(), title[0].values.end(), [&label](std::string_view v) {
                return IsLesson(v) && v.starts_with(label);
            });
            if (!m_track && labelled && title[0].before.empty()) {
                title[0].name = "Track";
                title[0].before = label;
                for (std::string_view& v : title[0].values)
                    v.remove_prefix(label.size());
                next[0].name = "Title";
                m_track = true;
            } else {
                Part(j + 1).inTitle = true;
            }
        }
    }
    NameBarredNames();
    NameBeforeYear();
    NameArtistBeforeAlbum();
    NameAfterTrackNumber();
    NameLabelledNumber();
}

FamilyPlan NameFamily(const Family& members, const stSuggestHints& hints, const std::vector<bool>& varyingParts)
{
    FamilyPlan plan = PlanFamily(members, varyingParts);
    if (!plan.parts.empty())
        Namer(plan, hints).Name();
    return plan;
}

std::string WordsAloneTemplate(const std::vector<Member>& unread, const stSuggestHints& hints)
{
    constexpr std::size_t kFewest = 3;
    std::size_t words = 0;
    for (const Member& m : unread) {
        if (!m.cut->separators.empty())
            continue;
        if (IsPlayerName(*m.title, hints) || HasBracket(*m.title))
            return {};
        ++words;
    }
    return words >= kFewest ? "<Title>" : std::string();
}

} // namespace suggest
