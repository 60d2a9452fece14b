// The namer's rules from what is known of sites and of media files' names: a site's name and
// its labels, live channels and stations, video sites' titles, podcasts and album pages; a
// release's name, a series' episodes, a path's folders.

#include <algorithm>

#include "wizard/suggest/Namer.h"
#include "wizard/suggest/Words.h"

namespace suggest {

// A page's constant part that names its site ("YouTube Music - Song - YouTube Music",
// "YouTube Audio Library: ..."): a site's or browser's name ends the title too. Without
// that, "Spotify - Song" may be an artist's.
bool Namer::SitesLabel(int j)
{
    const bool page = Names(Parts() - 1, EndsWithBrowserName) || Names(Parts() - 1, IsSiteName);
    return page && j < Parts() - 1 && Names(j, StartsWithSiteName);
}

// A site's name that differs from tab to tab ("Prime Video", "YouTube") is no tag.
void Namer::NameSites()
{
    for (PartPlan& part : m_plan.parts)
        for (Slot& slot : part.slots)
            if (std::adjacent_find(slot.wholes.begin(), slot.wholes.end(), std::not_equal_to<>()) != slot.wholes.end() &&
                AllOf(slot.wholes, IsSiteName))
                Force(slot, "Unused");
    // A page's count after a song's name, also in a title standing alone; the count alone is
    // the page's whole title.
    for (int j = 0; j < Parts(); ++j) {
        Slot& slot = Part(j).slots[0];
        if (Part(j).slots.size() == 1 && slot.name.empty() && (slot.wholes.size() > 1 || j > 0))
            NameTabCount(slot);
        if (Part(j).slots.size() == 1 && slot.name.empty() && slot.wholes.size() > 1)
            SplitPageCount(Part(j));
    }
}

// Other pages' names with their counts ("ChatGPT and 31 more pages", "QQ Mail and 2 more
// pages"): the page's name stays to be named, and its count is no tag.
void Namer::SplitPageCount(PartPlan& part)
{
    const Slot& slot = part.slots[0];
    if (!slot.before.empty() || !slot.after.empty())
        return;
    std::string_view joint, after;
    for (std::string_view whole : slot.wholes) {
        const TabCount count = TabCountAround(whole);
        const std::string_view label = count.before.substr(count.site.size());
        if (count.site.empty() || (!joint.empty() && (label != joint || count.after != after)))
            return;
        joint = label;
        after = count.after;
    }
    auto [page, count] = CutAtWord(slot, joint);
    count.name = "Unused";
    count.after.assign(after);
    for (std::string_view& v : count.values)
        v.remove_suffix(after.size());
    part.slots = {std::move(page), std::move(count)};
    part.joints = {std::string(joint)};
}

// Edge names the other tabs of its window after the site's ("YouTube and 2 more pages",
// "YouTube e altre 2 pagine"): their count is no tag, and a parameter so that the next
// count is read too.
void Namer::NameTabCount(Slot& slot)
{
    // One page more or several: "and 1 more page", "and 2 more pages" read on to the end.
    std::string before, after;
    for (std::string_view whole : slot.wholes) {
        const TabCount count = TabCountAround(whole);
        if (count.site.empty() || (!before.empty() && count.before != before))
            return;
        if (!before.empty() && count.after != after)
            after.clear();
        else
            after = count.after;
        before = count.before;
    }
    Force(slot, "Unused");
    slot.before = before;
    slot.after = after;
    for (std::string_view& v : slot.values)
        v = v.substr(before.size(), v.size() - before.size() - after.size());
}

// The site a part names, also with Edge's count of the other tabs after it.
std::string Namer::SiteOf(int j)
{
    const PartPlan& part = Part(j);
    if (part.Constant())
        return part.slots[0].constant;
    if (part.slots.size() == 1 && part.slots[0].name == "Unused")
        return std::string(TabCountAround(part.slots[0].wholes.front()).site);
    return {};
}

// An episode's mark between dashes: the series before it, the episode's name after it
// ("Breaking Bad - S01E01 - Pilot.mkv", "Fawlty Towers - 1x01 - A Touch of Class.mkv"), else
// the series is the title.
void Namer::NameEpisodeMark()
{
    for (int j = 1; j < Parts(); ++j) {
        Slot* mark = Free(j);
        // The series may have its year in brackets: "Hannibal (2013) - S01E10 - Buffet Froid".
        const int named = j >= 3 && Empty(j - 1) && Bracketed(j - 2) ? j - 3 : j - 1;
        Slot* series = Free(named);
        if (!mark || !series || !Sep(j - 1).dash)
            continue;
        // The file's extension after the mark stays text: "Tonikaku Kawaii - S01E01.mkv".
        const std::string_view extension = FileExtension(mark->wholes.front());
        std::vector<std::string_view> marks;
        for (std::string_view w : mark->wholes)
            marks.push_back(w.ends_with(extension) ? w.substr(0, w.size() - extension.size()) : w);
        // "S01E05", or the season and episode around an 'x' ("1x05").
        const auto seasonAndX = [](std::string_view w) {
            const std::size_t x = w.find('x');
            return x > 0 && x != std::string_view::npos && x + 1 < w.size() && AllDigits(w.substr(0, x)) &&
                   AllDigits(w.substr(x + 1));
        };
        const bool crossed = AllOf(marks, seasonAndX);
        if (!crossed && !AllOf(marks, IsEpisodeMark))
            continue;
        // One series throughout may hold dashes of its own: "Nadia - The Secret of Blue Water
        // - S01E06 - Infiltration.mkv".
        int first = named;
        while (named == j - 1 && first > Lead() && Sep(first - 1).dash && Free(first - 1) && Part(first - 1).Constant() &&
               Part(named).Constant())
            --first;
        series = Free(first);
        const std::size_t e = (crossed ? marks.front().find('x') : marks.front().find_first_of("Ee", 1)) + 1;
        const std::string season(marks.front().substr(0, e));
        if (!std::all_of(marks.begin(), marks.end(), [&](std::string_view w) { return w.starts_with(season); }))
            return;
        Force(*mark, "Track");
        mark->before = season;
        mark->after.assign(extension);
        for (std::size_t m = 0; m < marks.size(); ++m)
            mark->values[m] = marks[m].substr(season.size());
        m_track = true;
        // The episode's name after the mark, where the file's name does not end with it.
        // A name that differs only in its number is the mark again, no name: "S01E01 - 第1集" (936).
        Slot* episode = extension.empty() && j + 1 < Parts() && Sep(j).dash ? Free(j + 1) : nullptr;
        const auto letters = [](std::string_view v) {
            std::string rest;
            std::copy_if(v.begin(), v.end(), std::back_inserter(rest), [](char c) { return c < '0' || c > '9'; });
            return rest;
        };
        if (episode && (!episode->varying || std::all_of(episode->values.begin(), episode->values.end(), [&](std::string_view v) {
                            return letters(v) == letters(episode->values.front());
                        })))
            episode = nullptr;
        Force(*series, episode ? "Album" : "Title");
        for (int k = first + 1; k <= named; ++k)
            Part(k).inTitle = true;
        if (episode) {
            Force(*episode, "Title");
            TakeIntoTitle(j + 1);
        }
        m_title = true;
        return;
    }
}

// A path's last folders say what its numbered files are: a music library's
// "Artist\Album\01 - Song.flac", a video library's "Series\01.mkv".
void Namer::NamePath()
{
    PartPlan& part = Part(0);
    const std::size_t n = part.slots.size();
    const bool path = n >= 3 && std::all_of(part.joints.begin(), part.joints.end(),
                                           [](const std::string& j) { return j == "\\" || j == ":\\"; });
    if (!path || !part.slots.back().name.empty() || !AllOf(part.slots.back().values, AllDigits))
        return;
    part.slots.back().name = "Track";
    m_track = true;
    Force(part.slots[n - 2], m_plan.namesAudio ? "Album" : "Title");
    if (!m_plan.namesAudio)
        m_title = true;
    else if (n >= 4)
        Force(part.slots[n - 3], "Artist");
}

// A release's name is the title, constant or not; its year, its episode and the season
// before it are parameters whether they vary or not, so that the next film or episode is
// read too.
void Namer::NameRelease()
{
    for (PartPlan& part : m_plan.parts) {
        if (!part.release)
            continue;
        // The folder of a whole path stays before it, so that its next file is read too.
        part.slots[0].name = "Title";
        part.slots[0].after.clear();
        m_title = true;
        if (part.slots.size() == 3) {
            part.slots[1].name = "Year";
        } else {
            if (part.slots[1].varying)
                part.slots[1].name = "Unused";
            part.slots[2].name = "Track";
            m_track = true;
            NameReleasedEpisode(part);
        }
        return;
    }
}

// An episode's name between the mark and the release's words, which every file has alike:
// "Dark.S01E01.Geheimnisse.German.1080p.WEB-DL.mkv"; the series is then the album.
void Namer::NameReleasedEpisode(PartPlan& part)
{
    Slot& rest = part.slots.back();
    if (!rest.varying)
        return;
    const std::string_view common = CommonEnd(rest.wholes);
    const std::size_t dot = common.find('.');
    if (dot == std::string_view::npos)
        return;
    const std::string words(common.substr(dot));
    std::vector<std::string_view> names;
    for (std::string_view whole : rest.wholes)
        names.push_back(whole.substr(0, whole.size() - words.size()));
    if (!AllOf(names, HasLetter))
        return;
    rest.name = "Title";
    rest.before.clear();
    rest.after = words;
    rest.values = names;
    part.slots[0].name = "Album";
}

// On a live site the one name that varies is the channel's or the station's.
void Namer::NameLiveChannel()
{
    int varying = -1, second = -1;
    bool live = false, logins = false;
    for (int j = 0; j < Parts(); ++j) {
        live = live || Names(j, EndsWithLiveSite) || Names(j, IsLiveLabel);
        logins = logins || Names(j, IsLoginSite);
        if (Part(j).Varying()) {
            if (second >= 0)
                return;
            (varying >= 0 ? second : varying) = j;
        }
    }
    // A login and, after a dash, what it streams: "shroud - VALORANT - Twitch".
    if (second >= 0) {
        Slot* login = Free(varying);
        Slot* stream = Free(second);
        if (!live || !logins || second != varying + 1 || !Sep(varying).dash || !login || !stream ||
            !AllOf(login->wholes, IsLogin) || !AllOf(stream->wholes, HasLetter))
            return;
        Force(*login, "Station");
        Force(*stream, "Title");
        m_title = true;
        return;
    }
    Slot* channel = live && varying >= 0 ? Free(varying) : nullptr;
    if (!channel || !AllOf(channel->wholes, HasLetter))
        return;
    // Where channels are users' logins, names that not all are logins are categories' ("Just
    // Chatting"), unless most look like logins ("shroud", "summit1g" and "Rainbow Six Siege").
    const auto channels = std::count_if(channel->wholes.begin(), channel->wholes.end(), LooksLikeLogin);
    const bool categories = logins && !AllOf(channel->wholes, IsLogin) &&
                            static_cast<std::size_t>(channels) * 2 <= channel->wholes.size();
    Force(*channel, categories ? "Title" : "Station");
    m_title = true;
    // The page's words after the names stay text: "FluxFM Playlist Heute".
    if (!channel->varying)
        return;
    const std::string_view common = CommonEnd(channel->wholes);
    const std::size_t blank = common.find(' ');
    if (blank == std::string_view::npos || !HasLetter(common.substr(blank)))
        return;
    channel->after.assign(common.substr(blank));
    for (std::string_view& v : channel->values)
        v.remove_suffix(channel->after.size());
}

// A page of a site that plays nothing is one title, its site's name and all, as a lone tab's
// is ("Gorillaz - Wikipedia"), and so are the pages of a family where one names such a site
// anywhere ("GitHub - torvalds/linux: kernel tree", "How do I parse? - Stack Overflow").
void Namer::NamePage()
{
    const int browser = Parts() - 1;
    if (browser >= 2 && Names(browser, EndsWithBrowserName) && OwnPage())
        return;
    if (browser < 2 || !Names(browser, EndsWithBrowserName) || !NamesPageSite(browser))
        return;
    // But a family of searches reads the words searched: "cats - Google Search", "dogs -
    // Google Search".
    if (Names(browser - 1, IsSearchSite) && Part(browser - 2).Varying() && Sep(browser - 2).dash)
        return;
    int first = browser;
    while (first > 0 && Free(first - 1))
        --first;
    if (first + 1 >= browser)
        return;
    Force(*Free(first), "Title");
    m_title = true;
    for (int j = first + 1; j < browser; ++j)
        Part(j).inTitle = true;
}

bool Namer::NamesPageSite(int end)
{
    for (int j = 0; j < end; ++j)
        for (const Slot& slot : Part(j).slots)
            if (std::any_of(slot.wholes.begin(), slot.wholes.end(), IsPageSite))
                return true;
    return false;
}

// A media site's own page, its name before the page's ("BBC Sounds - Stations & Schedules",
// "Crunchyroll - My Queue"), is one title, as the browser shows it.
bool Namer::OwnPage()
{
    if (Parts() != 3 || !Sep(0).dash || !Names(0, IsSiteName) || !Free(1) || !Part(1).Varying())
        return false;
    Force(*Free(0), "Title");
    m_title = true;
    Part(1).inTitle = true;
    return true;
}

// On a video site all before the site's name is the video's title, whatever dashes or
// brackets it holds: the Title reads on over those parts.
void Namer::NameVideoTitle()
{
    for (int s = 1; s < Parts(); ++s) {
        if (!Sep(s - 1).dash || !IsVideoSite(SiteOf(s)))
            continue;
        int first = s;
        bool varying = false;
        while (first > 0 && Free(first - 1)) {
            --first;
            varying = varying || Part(first).Varying();
        }
        // One dash before the site's, in every title, is the music video's "Artist - Song":
        // only a title with dashes of its own is the uploader's free text, and so is one that
        // says it is no song's, where half the titles do.
        int dashes = 0;
        for (int j = first; j < s - 1; ++j)
            dashes += Sep(j).dash ? 1 : 0;
        if (!varying || (dashes == 1 && !MostlyVideos(first, s)) || LessonBetween(first, s))
            return;
        Force(*Free(first), "Title");
        m_title = true;
        for (int j = first + 1; j < s; ++j)
            Part(j).inTitle = true;
        return;
    }
}

// A Japanese music video quotes its song in corner brackets after the artist's name:
// "YOASOBI「アイドル」Official Music Video - YouTube". What follows the song stays as it is.
void Namer::NameQuotedSong()
{
    const int artist = Lead(), song = artist + 1;
    if (!OnVideoSite() || !Bracketed(song) || !Sep(artist).quotes || !Sep(song).quotes)
        return;
    Slot* a = Free(artist);
    Slot* t = Free(song);
    if (!a || !t || !AllOf(a->wholes, HasLetter) || !AllOf(t->wholes, HasLetter) || !(a->varying || t->varying))
        return;
    Force(*a, "Artist");
    Force(*t, "Title");
    m_title = true;
}

// A course's lessons between dashes, its label and number in the middle, are a series'
// episodes, on a video site too: "CS50x 2024 - Lecture 1 - C - YouTube".
bool Namer::LessonBetween(int first, int end)
{
    if (end - first != 3 || !Sep(first).dash || !Sep(first + 1).dash)
        return false;
    const Slot* lesson = Free(first + 1);
    return lesson && lesson->varying && AllOf(lesson->wholes, IsLesson);
}

bool Namer::MostlyVideos(int first, int end)
{
    const std::size_t members = Part(first).slots[0].values.size();
    std::size_t videos = 0;
    for (std::size_t i = 0; i < members; ++i) {
        bool video = false;
        for (int j = first; j < end; ++j)
            for (const Slot& slot : Part(j).slots)
                video = video || NamesVideo(slot.wholes[i]);
        videos += video ? 1 : 0;
    }
    return 2 * videos >= members;
}

bool Namer::OnVideoSite()
{
    for (int j = 0; j < Parts(); ++j)
        if (Names(j, IsVideoSite))
            return true;
    return false;
}

// A site's label before every title ("Watch The Bear", "Watch Bluey") stays text, and so
// does the site's name after it ("Alike on Vimeo", "Serial on Apple Podcasts").
void Namer::KeepPageLabel()
{
    for (PartPlan& part : m_plan.parts) {
        for (Slot& slot : part.slots) {
            if (slot.name == "Title" && slot.varying)
                KeepSiteAfter(slot);
            // The site's words after a value, constant or not: "Кино слушать онлайн на Яндекс
            // Музыке" (1251).
            if (!slot.name.empty() && slot.after.empty())
                KeepEndAfter(slot, SiteLabelAtEnd(slot.values.front()));
            if ((slot.name != "Title" && slot.name != "Artist" && slot.name != "Album") || !slot.before.empty())
                continue;
            const std::size_t label = PageLabelLength(slot.values.front());
            const bool every = label > 0 && std::all_of(slot.values.begin(), slot.values.end(), [&](std::string_view v) {
                return PageLabelLength(v) == label && v.starts_with(slot.values.front().substr(0, label));
            });
            if (!every)
                continue;
            slot.before.assign(slot.values.front().substr(0, label));
            for (std::string_view& v : slot.values)
                v.remove_prefix(label);
        }
    }
}

// The episode after the series' name in its title: "Attack on Titan Episode 23", "My
// Hero Academia S05E12"; and in a video file's artist's place, where the episode's own name
// follows: "Dark S01E01 - Secrets.mkv", the series the album.
void Namer::SplitEpisode()
{
    if (m_track)
        return;
    const bool video = m_plan.namesFile && !m_plan.namesAudio;
    for (PartPlan& part : m_plan.parts) {
        for (std::size_t k = 0; k < part.slots.size(); ++k) {
            const Slot& slot = part.slots[k];
            // A series beside its episode's name may be the album already: "Crunchyroll - Watch
            // Hunter x Hunter Episode 1 - Departure".
            const bool artist = (slot.name == "Artist" && video && Has("Title")) || slot.name == "Album";
            if ((slot.name != "Title" && !artist) || !slot.varying || part.inTitle)
                continue;
            const EpisodeMark mark = EpisodeWord(slot.values.front());
            if (mark.named && !artist) {
                if (SplitNamedEpisode(part, k, mark.before, mark.after))
                    return;
                continue;
            }
            // The season's number before the episode's is read and left, and so it may vary:
            // "JUJUTSU KAISEN Season 3 Episode 59", "Tulsa King Season 2 Episode 4".
            const EpisodeMark episode = EpisodeAmidWords(slot.values.front(), false);
            if (SplitAtMark(part, k, mark, artist) || (episode.before != mark.before && SplitAtMark(part, k, episode, artist))) {
                if (const EpisodeMark season = EpisodeAmidWords(part.slots[k].values.front()); season.season)
                    SplitAtMark(part, k, season, artist);
                return;
            }
        }
    }
}

// Slot k cut at the mark into the series and the number, when every value has the mark
// with a number after it and the same words after that.
bool Namer::SplitAtMark(PartPlan& part, std::size_t k, const EpisodeMark& mark, bool artist)
{
    const Slot& slot = part.slots[k];
    const std::string& word = mark.before;
    const std::string& after = mark.after;
    const bool every = !word.empty() && std::all_of(slot.values.begin(), slot.values.end(), [&](std::string_view v) {
        const std::size_t at = v.find(word);
        return at != std::string_view::npos && at > 0 && v.ends_with(after) && v.size() > at + word.size() + after.size() &&
               AllDigits(v.substr(at + word.size(), v.size() - at - word.size() - after.size()));
    });
    if (!every)
        return false;
    auto [series, number] = CutAtWord(slot, word);
    series.name = artist ? "Album" : "Title";
    number.name = mark.season ? "Unused" : "Track";
    number.after.insert(0, after);
    for (std::string_view& v : number.values)
        v.remove_suffix(after.size());
    part.slots[k] = series;
    part.slots.insert(part.slots.begin() + static_cast<std::ptrdiff_t>(k) + 1, number);
    part.joints.insert(part.joints.begin() + static_cast<std::ptrdiff_t>(k), word);
    m_track = m_track || !mark.season;
    return true;
}

// A series' name that every title shares before its episode's mark is the title too, so that
// the next series is read: "Bloodhounds 2. Sezon <Track>. B\xf6l\xfcm izle".
void Namer::NameConstantSeries()
{
    if (Has("Title"))
        return;
    for (PartPlan& part : m_plan.parts) {
        for (std::size_t k = 0; k < part.slots.size(); ++k) {
            Slot& number = part.slots[k];
            if (number.name != "Track")
                continue;
            const std::string before = EpisodeAmidWords(number.wholes.front()).before;
            if (before.empty() || !number.before.ends_with(before) || !HasLetter(number.before.substr(0, number.before.size() - before.size())))
                return;
            const std::size_t length = number.before.size() - before.size();
            Slot series = number;
            for (std::size_t m = 0; m < number.wholes.size(); ++m) {
                series.wholes[m] = number.wholes[m].substr(0, length);
                number.wholes[m].remove_prefix(length);
            }
            Force(series, "Title");
            series.varying = false;
            series.constant.assign(series.wholes.front());
            number.before = before;
            number.constant.assign(number.wholes.front());
            part.slots.insert(part.slots.begin() + static_cast<std::ptrdiff_t>(k), std::move(series));
            part.joints.insert(part.joints.begin() + static_cast<std::ptrdiff_t>(k), "");
            m_title = true;
            return;
        }
    }
}

// The words before an episode's number that end a value, with their blanks: " Episode ",
// " Ep ", " S05E", and the words after it: " 第" and "集" of "庆余年 第1集" (936), " 第" and
// "話 " before an episode's own name (932); empty when it ends otherwise.
// "葬送のフリーレン 第1話 冒険の終わり" (932): the series is the album, the number the track,
// the episode's own name after the mark the title. False when not every value is such.
bool Namer::SplitNamedEpisode(PartPlan& part, std::size_t k, const std::string& word, const std::string& after)
{
    const Slot& slot = part.slots[k];
    const bool every = std::all_of(slot.values.begin(), slot.values.end(), [&](std::string_view v) {
        const std::size_t at = v.find(word);
        if (at == std::string_view::npos || at == 0)
            return false;
        std::size_t end = at + word.size();
        while (end < v.size() && v[end] >= '0' && v[end] <= '9')
            ++end;
        return end > at + word.size() && v.substr(end).starts_with(after) && v.size() > end + after.size();
    });
    if (!every)
        return false;
    auto [series, rest] = CutAtWord(slot, word);
    auto [number, name] = CutAtWord(rest, after);
    series.name = "Album";
    number.name = "Track";
    name.name = "Title";
    part.slots[k] = series;
    part.slots.insert(part.slots.begin() + static_cast<std::ptrdiff_t>(k) + 1, {number, name});
    part.joints.insert(part.joints.begin() + static_cast<std::ptrdiff_t>(k), {word, after});
    m_track = true;
    return true;
}

Namer::EpisodeMark Namer::EpisodeWord(std::string_view value)
{
    // East Asian marks around the number, the blank before them if any, and the site's words
    // after them: "庆余年 第1集", "狂飙第1集-电视剧全集", a show's "第1期" (936), "第1話" (932),
    // "第1集" (950), "원피스 1071화" (949).
    using Mark = std::pair<std::string_view, std::string_view>;
    for (const auto& [before, after] : {Mark{"\xb5\xda", "\xbc\xaf"}, Mark{"\xb5\xda", "\xc6\xda"},
                                        Mark{"\x91\xe6", "\x98\x62"}, Mark{"\xb2\xc4", "\xb6\xb0"},
                                        Mark{" ", "\xc8\xad"}}) {
        const std::size_t at = value.rfind(before);
        if (at == std::string_view::npos || at == 0)
            continue;
        std::size_t end = at + before.size();
        while (end < value.size() && value[end] >= '0' && value[end] <= '9')
            ++end;
        if (end == at + before.size() || !value.substr(end).starts_with(after))
            continue;
        const std::size_t from = value[at - 1] == ' ' ? at - 1 : at;
        const std::string word(value.substr(from, at + before.size() - from));
        // The episode's own name after the mark and a blank varies where the site's words
        // would not.
        const std::string_view rest = value.substr(end + after.size());
        if (rest.size() > 1 && rest.front() == ' ')
            return {word, std::string(after) + " ", true};
        return {word, std::string(value.substr(end))};
    }
    // The episode's number before its word, after the season's if any: "Наруто 1 сезон 24
    // серия" (1251, Russian and Ukrainian).
    constexpr std::string_view kSeason = " \xf1\xe5\xe7\xee\xed";
    for (const std::string_view episode : {std::string_view(" \xf1\xe5\xf0\xe8\xff"), std::string_view(" \xf1\xe5\xf0\xb3\xff")}) {
        if (!value.ends_with(episode))
            continue;
        const std::string_view head = value.substr(0, value.size() - episode.size());
        const std::size_t blank = head.rfind(' ');
        if (blank == std::string_view::npos || blank == 0 || !AllDigits(head.substr(blank + 1)))
            continue;
        std::size_t from = blank;
        if (head.substr(0, blank).ends_with(kSeason) && blank > kSeason.size()) {
            const std::size_t season = head.rfind(' ', blank - kSeason.size() - 1);
            if (season != std::string_view::npos && season > 0 &&
                AllDigits(head.substr(season + 1, blank - kSeason.size() - season - 1)))
                from = season;
        }
        return {std::string(value.substr(from, blank + 1 - from)), std::string(episode)};
    }
    if (std::string word = EpisodeBefore(value); !word.empty())
        return {word, {}, false};
    return EpisodeAmidWords(value);
}

// An episode's label and number inside the name, after the season's if any, and the site's
// words after them: "Das Boot Staffel 2 Folge 1", "One Piece Saison 1 \xc9pisode 3 VOSTFR",
// and in Turkish the numbers first: "Bloodhounds 2. Sezon 3. B\xf6l\xfcm izle". The series
// comes first; empty when there is none.
Namer::EpisodeMark Namer::EpisodeAmidWords(std::string_view value, bool withSeason)
{
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at <= value.size();) {
        const std::size_t blank = std::min(value.find(' ', at), value.size());
        words.push_back(value.substr(at, blank - at));
        at = blank + 1;
    }
    const auto ordinal = [](std::string_view w) { return w.size() >= 2 && w.back() == '.' && AllDigits(w.substr(0, w.size() - 1)); };
    for (std::size_t w = words.size(); w-- > 1;) {
        std::size_t number = 0;
        if (IsEpisodeLabel(words[w - 1]) && AllDigits(words[w]))
            number = w;
        else if (Lower(words[w]) == "b\xf6l\xfcm" && ordinal(words[w - 1]))
            number = w - 1;
        else
            continue;
        std::size_t first = std::min(w - 1, number);
        if (withSeason && first >= 2 && ((IsSeasonLabel(words[first - 2]) && AllDigits(words[first - 1])) ||
                           (IsSeasonLabel(words[first - 1]) && ordinal(words[first - 2]))))
            first -= 2;
        if (first == 0)
            return {};
        const auto offset = [&value](std::string_view w) { return static_cast<std::size_t>(w.data() - value.data()); };
        const std::size_t digits = offset(words[number]);
        const std::size_t end = digits + (ordinal(words[number]) ? words[number].size() - 1 : words[number].size());
        const std::size_t from = offset(words[first]) - 1;
        return {std::string(value.substr(from, digits - from)), std::string(value.substr(end)), false};
    }
    for (std::size_t w = words.size(); w-- > 2;) {
        if (IsSeasonLabel(words[w - 1]) && AllDigits(words[w])) {
            const std::size_t at = static_cast<std::size_t>(words[w - 1].data() - value.data()) - 1;
            const std::size_t digits = static_cast<std::size_t>(words[w].data() - value.data());
            return {std::string(value.substr(at, digits - at)), std::string(value.substr(digits + words[w].size())), false, true};
        }
    }
    return {};
}

std::string Namer::EpisodeBefore(std::string_view value)
{
    const std::size_t blank = value.rfind(' ');
    if (blank == std::string_view::npos || blank == 0)
        return {};
    const std::string_view last = value.substr(blank + 1);
    if (IsEpisodeMark(last))
        return std::string(value.substr(blank, last.find_first_of("Ee", 1) + 2));
    // "Solo Leveling E13".
    if (IsLoneEpisodeMark(last))
        return std::string(value.substr(blank, 2));
    const std::size_t before = value.rfind(' ', blank - 1);
    const std::string label = Lower(value.substr(before == std::string_view::npos ? 0 : before + 1,
                                                 blank - (before == std::string_view::npos ? 0 : before + 1)));
    if (!AllDigits(last) || before == std::string_view::npos || (label != "episode" && label != "ep" && label != "ep."))
        return {};
    return std::string(value.substr(before, blank + 1 - before));
}

// On a podcast site the artist's place holds the show, an album of episodes; on an album
// site the title's place holds the album.
void Namer::NameShow()
{
    bool podcast = IsPodcastProgram(m_hints.programFile), albums = false;
    for (int j = 0; j < Parts(); ++j) {
        podcast = podcast || Names(j, IsPodcastSite);
        albums = albums || Names(j, IsAlbumSite);
    }
    const char* from = podcast ? "Artist" : albums ? "Title" : nullptr;
    for (PartPlan& part : m_plan.parts)
        for (Slot& slot : part.slots)
            if (from && slot.name == from && !Has("Album"))
                slot.name = "Album";
}

// The end that every value has, moved into the constant text after them; false when one
// lacks it or it is empty.
bool Namer::KeepEndAfter(Slot& slot, std::string_view end)
{
    if (end.empty() || !std::all_of(slot.values.begin(), slot.values.end(),
                                    [end](std::string_view v) { return v.size() > end.size() && v.ends_with(end); }))
        return false;
    slot.after.insert(0, end);
    for (std::string_view& v : slot.values)
        v.remove_suffix(end.size());
    return true;
}

void Namer::KeepSiteAfter(Slot& slot)
{
    // A lyrics page's word after the song: "Fire Squad Lyrics | Genius Lyrics"; a site's name
    // joined to the video's, "..._哔哩哔哩_bilibili" (936).
    for (const std::string_view end : {std::string_view(" Lyrics"), GluedSiteName(slot.values.front())})
        if (KeepEndAfter(slot, end))
            return;
    // An uploader that every title names after the song is the page's ("Kerala by Ninja
    // Tune", a label's uploads); one that varies is the artist's, named elsewhere.
    constexpr std::string_view kBy = " by ";
    const std::string_view first = slot.values.front();
    if (const std::size_t by = first.rfind(kBy); by != std::string_view::npos && by > 0 && slot.values.size() > 1) {
        const std::string_view uploader = first.substr(by);
        if (uploader.size() > kBy.size() && KeepEndAfter(slot, uploader))
            return;
    }
    constexpr std::string_view kOn = " on ";
    const std::size_t on = first.rfind(kOn);
    if (on != std::string_view::npos && on > 0 && IsSiteName(first.substr(on + kOn.size()))) {
        KeepEndAfter(slot, first.substr(on));
        return;
    }
    // Words that every page ends with and that say they are the site's: "Watch Us Streaming
    // Online | Hulu", "Hits UK Playlist on Amazon Music Unlimited".
    const std::string_view common = CommonEnd(slot.values);
    const std::size_t blank = common.find(' ');
    const std::string_view words = blank == std::string_view::npos ? std::string_view() : common.substr(blank);
    const bool several = slot.values.size() > 1 && words.rfind(' ') > 0 && words.rfind(' ') != std::string_view::npos;
    if (several && words.find_first_of("([") == std::string_view::npos && !HasSongExtra(words) && LooksLikeSiteName(words))
        KeepEndAfter(slot, words);
}

} // namespace suggest
