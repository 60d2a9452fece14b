#include "wizard/TemplateSuggest.h"

#include <algorithm>
#include <deque>
#include <string_view>
#include <unordered_map>

#include "wizard/suggest/Cut.h"
#include "wizard/suggest/Families.h"
#include "wizard/suggest/Names.h"
#include "wizard/suggest/Order.h"
#include "wizard/suggest/Plan.h"
#include "wizard/suggest/Subshapes.h"
#include "wizard/suggest/Words.h"

// The pipeline: cut each title into parts, group the titles into families, name each
// family's parameters, split off the more specific shapes inside it, then order the
// templates and give each title to the first that reads it. What no template reads is
// grouped again, more loosely; what still stands alone takes the shape of a family whose
// constant text it shares; titles of words alone, last, are the song's name.

namespace {

using namespace suggest;

// A family that gave a template, for the titles that stand alone.
struct Named {
    const Member* first = nullptr;
    std::vector<bool> constantParts;
};

class Proposals {
public:
    Proposals(const std::vector<std::string>& titles, const stCodePage& codePage, const stSuggestHints& hints)
        : m_titles(titles), m_cutter(codePage), m_hints(hints)
    {
    }

    std::vector<stTemplateSuggestion> Make()
    {
        CutDistinctTitles();
        AddFamilies(GroupByStrongSeparators(m_members));
        std::vector<bool> read(m_titles.size(), false);
        std::vector<stTemplateSuggestion> result = Assign(m_templates, m_titles, m_cutter, &read);

        // What no template reads: titles whose values hold strong separators of their own.
        const std::size_t before = m_templates.size();
        AddFamilies(GroupUnread(Unread(read)));
        // And a media site's titles alone in their shape that share one but for the brackets
        // in their values ("Ann - Song[Official Video] - YouTube", "Bo - Tune - YouTube"),
        // though a looser template reads them.
        AddFamilies(GroupByStrongSeparators(SinglesWithoutBrackets(read)));
        if (m_templates.size() != before)
            result = Assign(m_templates, m_titles, m_cutter, &read);

        // A title of a shape of its own that a looser template reads stands alone too where
        // its shape shows a track's number ("Ann - [Album #01] Song [P]" among "Song [P]"), or
        // where it is a video site's page ("Rice Every Time - YouTube - Brave" among "Meet -
        // Brave").
        const std::size_t grouped = m_templates.size();
        for (const Member& lone : m_members) {
            const bool unread = !read[static_cast<std::size_t>(lone.index)];
            const bool single = m_single[static_cast<std::size_t>(lone.index)];
            if (unread || (single && lone.title->find('#') != std::string::npos))
                AddAlone(lone, !unread);
            else if (single)
                AddVideoPage(lone);
        }
        if (AddOpenings() != 0 || m_templates.size() != grouped)
            result = Assign(m_templates, m_titles, m_cutter, &read);

        // Last, as the template reads any title: songs' names with nothing around them.
        if (AddTemplates({WordsAloneTemplate(Unread(read), m_hints)}) != 0)
            result = Assign(m_templates, m_titles, m_cutter, nullptr);
        return result;
    }

private:
    // The templates of the titles that open or close with a count, a status or a mark, which
    // their families' templates leave out: those that read them without, with them around.
    std::size_t AddOpenings()
    {
        std::vector<std::string> bare = m_titles;
        bool any = false;
        for (std::string& title : bare) {
            const Around around = AroundLengths(title);
            title = title.substr(around.opening, title.size() - around.opening - around.closing);
            any = any || around.opening > 0 || around.closing > 0;
        }
        return any ? AddTemplates(OpeningTemplates(Assign(m_templates, bare, m_cutter, nullptr), m_titles)) : 0;
    }

    // Each distinct title once, in order of first appearance.
    void CutDistinctTitles()
    {
        m_cuts.resize(m_titles.size());
        m_single.resize(m_titles.size());
        std::unordered_map<std::string_view, int> seen;
        for (std::size_t i = 0; i < m_titles.size(); ++i) {
            if (!seen.emplace(m_titles[i], static_cast<int>(i)).second)
                continue;
            m_cuts[i] = m_cutter(m_titles[i]);
            m_members.push_back({static_cast<int>(i), &m_titles[i], &m_cuts[i], m_cuts[i].strong});
        }
    }

    std::vector<Member> SinglesWithoutBrackets(const std::vector<bool>& read) const
    {
        std::vector<Member> singles;
        for (const Member& m : m_members) {
            bool site = false;
            for (int j = 0; j < m.PartCount(); ++j)
                site = site || IsSiteName(m.PartText(j));
            if (!site || !m_single[static_cast<std::size_t>(m.index)] || !read[static_cast<std::size_t>(m.index)])
                continue;
            Member bare = m;
            std::erase_if(bare.splits, [&m](int s) {
                const Separator& sep = m.cut->separators[static_cast<std::size_t>(s)];
                return sep.opens || sep.closes;
            });
            singles.push_back(std::move(bare));
        }
        return singles;
    }

    std::vector<Member> Unread(const std::vector<bool>& read) const
    {
        std::vector<Member> unread;
        std::copy_if(m_members.begin(), m_members.end(), std::back_inserter(unread),
                     [&read](const Member& m) { return !read[static_cast<std::size_t>(m.index)]; });
        return unread;
    }

    void AddFamilies(const std::vector<Family>& families)
    {
        for (const Family& family : SplitByKind(families)) {
            if (family.size() < 2) {
                m_single[static_cast<std::size_t>(family.front().index)] = true;
                continue;
            }
            const FamilyPlan plan = NameFamily(family, m_hints);
            if (AddTemplates(FamilyTemplates(family, plan)) == 0)
                continue;
            Named named{&MemberOf(family.front()), {}};
            for (const PartPlan& part : plan.parts)
                named.constantParts.push_back(part.Constant());
            m_named.push_back(std::move(named));
        }
    }

    // The family that shares most of its constant text with the title, the first of equals.
    void AddAlone(const Member& lone, bool onlyNumbered)
    {
        const Family alone = {lone};
        if (const std::vector<bool> varying = VaryingButForAPart(lone); !varying.empty() && !onlyNumbered) {
            AddTemplates(FamilyTemplates(alone, NameFamily(alone, m_hints, varying)));
            return;
        }
        std::vector<bool> best;
        long bestCount = 0;
        for (const Named& named : m_named) {
            if (named.first->splits.size() != named.constantParts.size() - 1)
                continue;
            const std::vector<bool> shared = SharedConstantParts(lone, *named.first, named.constantParts);
            const long count = std::count(shared.begin(), shared.end(), true);
            if (count > bestCount) {
                best = shared;
                bestCount = count;
            }
        }
        // The player's status alone ("No file - mpv") names nothing.
        bool status = true;
        for (std::size_t j = 0; j < best.size(); ++j)
            status = status && (best[j] || IsNowPlayingLabel(lone.PartText(static_cast<int>(j))));
        if (best.empty() || status)
            return;
        if (!onlyNumbered && (AddBrowserTab(lone, best) || AddStation(lone, best)))
            return;
        // What it does not share varies, but an empty part stays the empty text between two
        // separators, and a file's extension after a bracket stays too ("Film (2014).mp4").
        std::vector<bool> varying(best.size());
        for (std::size_t j = 0; j < best.size(); ++j) {
            const std::string_view part = lone.PartText(static_cast<int>(j));
            varying[j] = !best[j] && !part.empty() && !IsFileExtension(part);
        }
        std::vector<std::string> templates = FamilyTemplates(alone, NameFamily(alone, m_hints, varying));
        if (onlyNumbered)
            std::erase_if(templates, [](const std::string& t) { return t.find("#<Track>") == std::string::npos; });
        AddTemplates(templates);
    }

    // A title of a family's shape but for one of the family's constant parts inside its
    // constant text, a status that comes and goes ("Ann - Song - YouTube - Google Chrome"
    // beside "Bob - Tune - YouTube - Audio playing - Google Chrome"), varies where the family
    // does: which of its parts vary, empty when it is of no such shape.
    std::vector<bool> VaryingButForAPart(const Member& lone) const
    {
        const int n = lone.PartCount();
        const auto sep = [](const Member& m, int s) { return m.SepText(m.splits[static_cast<std::size_t>(s)]); };
        for (const Named& named : m_named) {
            const Member& first = *named.first;
            if (first.PartCount() != n + 1 || named.constantParts.size() != static_cast<std::size_t>(n + 1))
                continue;
            for (int k = 1; k < n; ++k) {
                // A status stands between constant parts, as between a site's and a browser's
                // names; a constant name between varying ones is no status.
                if (!named.constantParts[static_cast<std::size_t>(k - 1)] || !named.constantParts[static_cast<std::size_t>(k)] ||
                    !named.constantParts[static_cast<std::size_t>(k + 1)])
                    continue;
                // Part k goes, and with it the separator before it; the title holds it nowhere
                // else ("Clip - YouTube - B" is no "Ann - Song - YouTube - B" without YouTube).
                const auto part = [k](int j) { return j < k ? j : j + 1; };
                bool same = true;
                for (int j = 0; j < n && same; ++j)
                    same = (!named.constantParts[static_cast<std::size_t>(part(j))] ||
                            lone.PartText(j) == first.PartText(part(j))) &&
                           lone.PartText(j) != first.PartText(k) &&
                           (j + 1 == n || sep(lone, j) == sep(first, j < k - 1 ? j : j + 1));
                if (!same)
                    continue;
                std::vector<bool> varying(static_cast<std::size_t>(n));
                for (int j = 0; j < n; ++j)
                    varying[static_cast<std::size_t>(j)] = !named.constantParts[static_cast<std::size_t>(part(j))];
                return varying;
            }
        }
        return {};
    }

    // A browser tab standing alone that shares only the browser's suffix is one page's title,
    // dashes and all ("Home - Netflix - Google Chrome"): "<Title>" and the suffix; a video
    // site's name after a dash stays too ("Mi clip - YouTube").
    bool AddBrowserTab(const Member& lone, const std::vector<bool>& shared)
    {
        const int parts = lone.PartCount();
        int tail = parts;
        while (tail > 0 && shared[static_cast<std::size_t>(tail - 1)])
            --tail;
        // The shared end is the browser's name, after Edge's profile ("Personal") if any when
        // the page names no media site.
        const auto names = [&lone](int j) {
            return EndsWithSiteName(lone.PartText(j)) || IsSiteName(TabCountAround(lone.PartText(j)).site);
        };
        bool media = false;
        for (int j = 0; j < tail; ++j)
            media = media || names(j);
        if (tail == 0 || tail < parts - 2 || (tail == parts - 2 && (names(tail) || media)) ||
            !EndsWithBrowserName(lone.PartText(parts - 1)) ||
            std::find(shared.begin(), shared.begin() + tail, true) != shared.begin() + tail)
            return false;
        const auto split = [&lone](int s) { return lone.cut->separators[static_cast<std::size_t>(lone.splits[static_cast<std::size_t>(s)])]; };
        // The video site may come before Edge's profile: "Clip - YouTube - InPrivate"; the
        // page's name may end with a bracket: "Song (Official Video) - YouTube".
        const char* name = "<Title>";
        for (const int site : {tail - 1, tail - 2}) {
            if (site < 1 || !split(site - 1).dash || !IsVideoSite(lone.PartText(site)) || split(site - 1).span.pos == 0)
                continue;
            // A live site's page is its channel's: "ZeratoR - Twitch".
            if (IsLiveSite(lone.PartText(site)) && (!IsLoginSite(lone.PartText(site)) || IsLogin(lone.PartText(site - 1))))
                name = "<Station>";
            tail = site;
            break;
        }
        // Edge's count of the window's other tabs after the page's name is none of it:
        // "Netflix and 2 more pages - Personal - Microsoft Edge".
        const TabCount count = TabCountAround(lone.PartText(tail - 1));
        const std::string counted =
            count.site.empty() ? "" : std::string(count.before.substr(count.site.size())) + "<Unused>" + std::string(count.after);
        const Span cut = split(tail - 1).span;
        const std::string text = name + counted + lone.title->substr(static_cast<std::size_t>(cut.pos));
        if (!PassesCheck(text))
            return false;
        AddTemplates({text});
        return true;
    }

    // A stream's own title before its songs begin, beside them, is its station's, all that
    // it does not share with them: "SomaFM: Deep Space One - VLC media player" beside "Ann -
    // Song - VLC media player". A file's name is no station's ("Radio Ga Ga.mp3"), nor is an
    // address ("http://pub1.di.fm/chillout"), which is the URL.
    bool AddStation(const Member& lone, const std::vector<bool>& shared)
    {
        const int parts = lone.PartCount();
        int tail = parts;
        while (tail > 0 && shared[static_cast<std::size_t>(tail - 1)])
            --tail;
        bool radio = false, url = false;
        for (int j = 0; j < tail; ++j) {
            radio = radio || IsRadioName(lone.PartText(j));
            url = url || IsUrl(lone.PartText(j));
        }
        if (!radio || url || tail == 0 || tail == parts || !FileExtension(lone.PartText(tail - 1)).empty() ||
            std::find(shared.begin(), shared.begin() + tail, true) != shared.begin() + tail)
            return false;
        const Separator& split = lone.cut->separators[static_cast<std::size_t>(lone.splits[static_cast<std::size_t>(tail - 1)])];
        const std::string text = "<Station>" + lone.title->substr(static_cast<std::size_t>(split.span.pos));
        if (!PassesCheck(text))
            return false;
        AddTemplates({text});
        return true;
    }

    // A video site's page is "<Title>" before the site's name, whatever dashes the uploader
    // wrote: "Rice Every Time - YouTube - Brave". A live site's page is its channel's.
    void AddVideoPage(const Member& lone)
    {
        for (int site = 1; site < lone.PartCount(); ++site) {
            const Separator& dash = lone.cut->separators[static_cast<std::size_t>(lone.splits[static_cast<std::size_t>(site - 1)])];
            const std::string_view name = lone.PartText(site);
            if (!dash.dash || dash.span.pos == 0 || !IsVideoSite(name) || IsLiveSite(name))
                continue;
            const std::string text = "<Title>" + lone.title->substr(static_cast<std::size_t>(dash.span.pos));
            if (PassesCheck(text))
                AddTemplates({text});
            return;
        }
    }

    std::size_t AddTemplates(const std::vector<std::string>& texts)
    {
        std::size_t added = 0;
        for (const std::string& text : texts) {
            if (text.empty() || std::find(m_templates.begin(), m_templates.end(), text) != m_templates.end())
                continue;
            m_templates.push_back(text);
            ++added;
        }
        return added;
    }

    // The member as the pipeline keeps it: a family's copy may be split differently.
    const Member& MemberOf(const Member& m)
    {
        m_kept.push_back(m);
        return m_kept.back();
    }

    const std::vector<std::string>& m_titles;
    const Cutter m_cutter;
    const stSuggestHints& m_hints;
    std::vector<Cut> m_cuts;
    std::vector<Member> m_members;
    std::deque<Member> m_kept;
    std::vector<Named> m_named;
    std::vector<bool> m_single; // of the titles, those alone in their family's shape
    std::vector<std::string> m_templates;
};

} // namespace

std::vector<stTemplateSuggestion> SuggestTemplates(const std::vector<std::string>& titles)
{
    return SuggestTemplatesInCodePage(titles, AnsiCodePage());
}

std::vector<stTemplateSuggestion> SuggestTemplates(const std::vector<std::string>& titles, const stSuggestHints& hints)
{
    return SuggestTemplatesInCodePage(titles, AnsiCodePage(), hints);
}

std::vector<stTemplateSuggestion> SuggestTemplatesInCodePage(const std::vector<std::string>& titles,
                                                             const stCodePage& codePage, const stSuggestHints& hints)
{
    return Proposals(titles, codePage, hints).Make();
}
