#include "wizard/suggest/Alone.h"

#include <algorithm>

#include "wizard/suggest/Names.h"
#include "wizard/suggest/Plan.h"
#include "wizard/suggest/Subshapes.h"
#include "wizard/suggest/Words.h"

namespace suggest {

namespace {

const Separator& Split(const Member& m, int s)
{
    return m.cut->separators[static_cast<std::size_t>(m.splits[static_cast<std::size_t>(s)])];
}

// Where the name of a live channel's page ends before the site's part: before its label
// when it has one ("larry - Chat - Twitch"), else at the site.
int ChannelPageEnd(const Member& lone, int site)
{
    return site >= 2 && IsLiveLabel(lone.PartText(site - 1)) && Split(lone, site - 2).dash ? site - 1 : site;
}

// The first of the parts that the title shares at its end, when it shares nothing before them.
int SharedTail(const std::vector<bool>& shared)
{
    int tail = static_cast<int>(shared.size());
    while (tail > 0 && shared[static_cast<std::size_t>(tail - 1)])
        --tail;
    return std::find(shared.begin(), shared.begin() + tail, true) == shared.begin() + tail ? tail : -1;
}

// A title of a family's shape but for one of the family's constant parts inside its constant
// text, a status that comes and goes ("Ann - Song - YouTube - Google Chrome" beside "Bob -
// Tune - YouTube - Audio playing - Google Chrome"), varies where the family does: which of
// its parts vary, empty when it is of no such shape.
std::vector<bool> VaryingButForAPart(const Member& lone, const std::vector<NamedShape>& shapes)
{
    const int n = lone.PartCount();
    const auto sep = [](const Member& m, int s) { return m.SepText(m.splits[static_cast<std::size_t>(s)]); };
    for (const NamedShape& named : shapes) {
        const Member& first = *named.first;
        const std::vector<bool>& constant = named.constantParts;
        if (first.PartCount() != n + 1 || constant.size() != static_cast<std::size_t>(n + 1))
            continue;
        for (int k = 1; k < n; ++k) {
            // A status stands between constant parts, as between a site's and a browser's
            // names; a constant name between varying ones is no status.
            if (!constant[static_cast<std::size_t>(k - 1)] || !constant[static_cast<std::size_t>(k)] ||
                !constant[static_cast<std::size_t>(k + 1)])
                continue;
            // Part k goes, and with it the separator before it; the title holds it nowhere
            // else ("Clip - YouTube - B" is no "Ann - Song - YouTube - B" without YouTube).
            const auto part = [k](int j) { return j < k ? j : j + 1; };
            bool same = true;
            for (int j = 0; j < n && same; ++j)
                same = (!constant[static_cast<std::size_t>(part(j))] || lone.PartText(j) == first.PartText(part(j))) &&
                       lone.PartText(j) != first.PartText(k) &&
                       (j + 1 == n || sep(lone, j) == sep(first, j < k - 1 ? j : j + 1));
            if (!same)
                continue;
            std::vector<bool> varying(static_cast<std::size_t>(n));
            for (int j = 0; j < n; ++j)
                varying[static_cast<std::size_t>(j)] = !constant[static_cast<std::size_t>(part(j))];
            return varying;
        }
    }
    return {};
}

// A title that shares no constant text with a family whose every part is a value, but is
// cut by the family's own separators, is of its shape with a value less: "Björk  •  It's Oh
// So Quiet" beside "Björk  •  Post  •  Army of Me", a file with no album.
bool SeparatedAsAFamilyOfValues(const Member& lone, const std::vector<NamedShape>& shapes)
{
    if (lone.PartCount() < 2)
        return false;
    for (const NamedShape& named : shapes) {
        const Member& first = *named.first;
        if (std::find(named.constantParts.begin(), named.constantParts.end(), true) != named.constantParts.end() ||
            first.PartCount() <= lone.PartCount())
            continue;
        bool same = true;
        for (int s = 0; s + 1 < lone.PartCount() && same; ++s) {
            const std::string_view text = lone.SepText(lone.splits[static_cast<std::size_t>(s)]);
            same = false;
            for (int f = 0; f + 1 < first.PartCount() && !same; ++f)
                same = text == first.SepText(first.splits[static_cast<std::size_t>(f)]);
        }
        if (same)
            return true;
    }
    return false;
}

// A browser tab standing alone that shares only the browser's suffix is one page's title,
// dashes and all ("Home - Netflix - Google Chrome"): "<Title>" and the suffix; a video site's
// name after a dash stays too ("Mi clip - YouTube"). Empty when the title is no such tab.
std::string BrowserTabTemplate(const Member& lone, const std::vector<bool>& shared)
{
    const int browser = BrowserPart(lone);
    int tail = SharedTail(shared);
    // The shared end is the browser's name, after Edge's profile ("Personal") if any when the
    // page names no media site.
    const auto names = [&lone](int j) {
        return EndsWithSiteName(lone.PartText(j)) || IsSiteName(TabCountAround(lone.PartText(j)).site);
    };
    bool media = false;
    for (int j = 0; j < tail; ++j)
        media = media || names(j);
    if (browser < 0 || tail <= 0 || tail < browser - 1 || (tail == browser - 1 && (names(tail) || media)))
        return {};
    // The video site may come before Edge's profile: "Clip - YouTube - InPrivate"; the page's
    // name may end with a bracket: "Song (Official Video) - YouTube".
    const char* name = "<Title>";
    for (const int site : {tail - 1, tail - 2}) {
        if (site < 1 || !Split(lone, site - 1).dash || !IsVideoSite(lone.PartText(site)) || Split(lone, site - 1).span.pos == 0)
            continue;
        // A live site's page is its channel's: "ZeratoR - Twitch", "ZeratoR - Chat - Twitch".
        const int page = ChannelPageEnd(lone, site);
        if (IsLiveSite(lone.PartText(site)) && (!IsLoginSite(lone.PartText(site)) || IsLogin(lone.PartText(page - 1))))
            name = "<Station>";
        tail = page;
        break;
    }
    // Edge's count of the window's other tabs after the page's name is none of it: "Netflix
    // and 2 more pages - Personal - Microsoft Edge"; nor is a site's name joined to it.
    const TabCount count = TabCountAround(lone.PartText(tail - 1));
    const std::string counted =
        count.site.empty() ? std::string(GluedSiteName(lone.PartText(tail - 1)))
                           : std::string(count.before.substr(count.site.size())) + "<Unused>" + std::string(count.after);
    const std::string text = name + counted + lone.title->substr(static_cast<std::size_t>(Split(lone, tail - 1).span.pos));
    return PassesCheck(text) ? text : std::string();
}

// A stream's own title before its songs begin, beside them, is its station's, all that it
// does not share with them: "SomaFM: Deep Space One - VLC media player" beside "Ann - Song -
// VLC media player". A file's name is no station's ("Radio Ga Ga.mp3"), nor is an address
// ("http://pub1.di.fm/chillout"), which is the URL. Empty when the title is no such one.
std::string StationTemplate(const Member& lone, const std::vector<bool>& shared)
{
    const int tail = SharedTail(shared);
    bool radio = false, url = false;
    for (int j = 0; j < tail; ++j) {
        radio = radio || IsRadioName(lone.PartText(j));
        url = url || IsUrl(lone.PartText(j));
    }
    if (!radio || url || tail <= 0 || tail == lone.PartCount() || !FileExtension(lone.PartText(tail - 1)).empty())
        return {};
    const std::string text = "<Station>" + lone.title->substr(static_cast<std::size_t>(Split(lone, tail - 1).span.pos));
    return PassesCheck(text) ? text : std::string();
}

} // namespace

std::vector<std::string> AloneTemplates(const Member& lone, const std::vector<NamedShape>& shapes,
                                        const stSuggestHints& hints, bool onlyNumbered)
{
    const Family alone = {lone};
    if (const std::vector<bool> varying = VaryingButForAPart(lone, shapes); !varying.empty() && !onlyNumbered)
        return FamilyTemplates(alone, NameFamily(alone, hints, varying));
    // The family that shares most of its constant text with the title, the first of equals.
    std::vector<bool> best;
    long bestCount = 0;
    for (const NamedShape& named : shapes) {
        if (named.first->splits.size() != named.constantParts.size() - 1)
            continue;
        const std::vector<bool> shared = SharedConstantParts(lone, *named.first, named.constantParts);
        const long count = std::count(shared.begin(), shared.end(), true);
        if (count > bestCount) {
            best = shared;
            bestCount = count;
        }
    }
    // A browser's tab that shares nothing with the families is a page of its own ("New Tab -
    // Google Chrome (Incognito)" beside another window's tabs), or a video site's.
    const int browser = BrowserPart(lone);
    if (best.empty() && browser > 0 && !onlyNumbered) {
        best.assign(static_cast<std::size_t>(lone.PartCount()), false);
        std::fill(best.begin() + browser, best.end(), true);
        const std::string text = BrowserTabTemplate(lone, best);
        return text.empty() ? std::vector<std::string>() : std::vector<std::string>{text};
    }
    if (best.empty() && !onlyNumbered && SeparatedAsAFamilyOfValues(lone, shapes)) {
        const std::vector<bool> varying(static_cast<std::size_t>(lone.PartCount()), true);
        return FamilyTemplates(alone, NameFamily(alone, hints, varying));
    }
    // The player's status alone ("No file - mpv") names nothing.
    bool status = true;
    for (std::size_t j = 0; j < best.size(); ++j)
        status = status && (best[j] || IsNowPlayingLabel(lone.PartText(static_cast<int>(j))));
    if (best.empty() || status)
        return {};
    if (!onlyNumbered)
        for (const std::string& text : {BrowserTabTemplate(lone, best), StationTemplate(lone, best)})
            if (!text.empty())
                return {text};
    // What it does not share varies, but an empty part stays the empty text between two
    // separators, and a file's extension after a bracket stays too ("Film (2014).mp4").
    std::vector<bool> varying(best.size());
    for (std::size_t j = 0; j < best.size(); ++j) {
        const std::string_view part = lone.PartText(static_cast<int>(j));
        varying[j] = !best[j] && !part.empty() && !IsFileExtension(part);
    }
    std::vector<std::string> templates = FamilyTemplates(alone, NameFamily(alone, hints, varying));
    if (onlyNumbered)
        std::erase_if(templates, [](const std::string& t) { return t.find("#<Track>") == std::string::npos; });
    return templates;
}

std::string VideoPageTemplate(const Member& lone)
{
    // A page joined to its site's name: "繁花_腾讯视频 - Google Chrome" (936).
    if (const std::string_view glued = BrowserPart(lone) == 1 ? GluedSiteName(lone.PartText(0)) : std::string_view();
        !glued.empty()) {
        const std::string text = "<Title>" + std::string(glued) + lone.title->substr(static_cast<std::size_t>(Split(lone, 0).span.pos));
        return PassesCheck(text) ? text : std::string();
    }
    for (int site = 1; site < lone.PartCount(); ++site) {
        const Separator& dash = Split(lone, site - 1);
        const std::string_view name = lone.PartText(site);
        if (!dash.dash || dash.span.pos == 0 || !IsVideoSite(name))
            continue;
        // A live channel's page only with a label of its own: "larry - Chat - Twitch".
        const int page = ChannelPageEnd(lone, site);
        if (IsLiveSite(name) && page == site)
            return {};
        const std::string text = (IsLiveSite(name) ? "<Station>" : "<Title>") +
                                 lone.title->substr(static_cast<std::size_t>(Split(lone, page - 1).span.pos));
        return PassesCheck(text) ? text : std::string();
    }
    return {};
}

} // namespace suggest
