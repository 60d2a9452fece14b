#include "wizard/suggest/Families.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <unordered_map>

#include "wizard/suggest/Words.h"

namespace suggest {

Span Member::Part(int j) const
{
    const Span first = cut->fields[static_cast<std::size_t>(FirstSep(j))];
    const Span last = cut->fields[static_cast<std::size_t>(LastSep(j))];
    return {first.pos, last.pos + last.len - first.pos};
}

std::string_view Member::Fields(int j, int from, int to) const
{
    const Span a = cut->fields[static_cast<std::size_t>(FirstSep(j) + from)];
    const Span b = cut->fields[static_cast<std::size_t>(FirstSep(j) + to)];
    return Text(*title, {a.pos, b.pos + b.len - a.pos});
}

std::vector<Family> GroupByStrongSeparators(const std::vector<Member>& members)
{
    std::vector<Family> families;
    std::unordered_map<std::string, std::size_t> byKey;
    for (const Member& m : members) {
        std::string key;
        for (int s : m.splits) {
            key += m.SepText(s);
            key += '\0';
        }
        const auto [it, added] = byKey.emplace(std::move(key), families.size());
        if (added)
            families.emplace_back();
        families[it->second].push_back(m);
    }
    return families;
}

namespace {

// The longest common subsequence of two short lists of separator texts, as pairs of
// positions; of equally long ones, the earliest matches.
std::vector<std::pair<int, int>> CommonSeparators(const std::vector<std::string_view>& a,
                                                  const std::vector<std::string_view>& b)
{
    const std::size_t n = a.size(), m = b.size();
    std::vector<int> table((n + 1) * (m + 1), 0);
    const auto at = [m, &table](std::size_t i, std::size_t j) -> int& { return table[i * (m + 1) + j]; };
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            at(i, j) = a[i] == b[j] ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
    std::vector<std::pair<int, int>> pairs;
    for (std::size_t i = 0, j = 0; i < n && j < m;) {
        if (a[i] == b[j]) {
            pairs.emplace_back(static_cast<int>(i), static_cast<int>(j));
            ++i, ++j;
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            ++i;
        } else {
            ++j;
        }
    }
    return pairs;
}

// The same, of equally long ones the latest matches.
std::vector<std::pair<int, int>> LatestPairs(std::vector<std::string_view> a, std::vector<std::string_view> b)
{
    std::reverse(a.begin(), a.end());
    std::reverse(b.begin(), b.end());
    std::vector<std::pair<int, int>> pairs = CommonSeparators(a, b);
    const int n = static_cast<int>(a.size()), m = static_cast<int>(b.size());
    for (auto& [i, j] : pairs)
        i = n - 1 - i, j = m - 1 - j;
    std::reverse(pairs.begin(), pairs.end());
    return pairs;
}

// The pieces into which the strong separators that are not among the member's splits cut
// part j; none when there are no such separators.
std::vector<std::string_view> Pieces(const Member& m, int j)
{
    std::vector<std::string_view> pieces;
    int from = m.cut->fields[static_cast<std::size_t>(m.FirstSep(j))].pos;
    for (int s = m.FirstSep(j); s < m.LastSep(j); ++s) {
        const Separator& sep = m.cut->separators[static_cast<std::size_t>(s)];
        if (!sep.strong)
            continue;
        pieces.push_back(Text(*m.title, {from, sep.span.pos - from}));
        from = sep.span.pos + sep.span.len;
    }
    if (!pieces.empty()) {
        const Span part = m.Part(j);
        pieces.push_back(Text(*m.title, {from, part.pos + part.len - from}));
    }
    return pieces;
}

Member Resplit(const Member& m, const std::vector<std::pair<int, int>>& pairs, bool second)
{
    Member kept = m;
    kept.splits.clear();
    for (const auto& [c, t] : pairs)
        kept.splits.push_back(m.splits[static_cast<std::size_t>(second ? t : c)]);
    return kept;
}

// The media site a browser tab's page is on, named before the browser's ("Interstellar
// trailer - YouTube - Mozilla Firefox"); empty when none is.
std::string_view PageSite(const Member& member)
{
    Member m = member;
    m.splits = m.cut->strong; // as the title is cut, whatever a cluster shares of it
    const int last = m.PartCount() - 1;
    if (last < 2 || !EndsWithBrowserName(m.PartText(last)) || !IsSiteName(m.PartText(last - 1)))
        return {};
    return m.PartText(last - 1);
}

// A title joins unless a separator left out of the shared ones made structure of its own: a
// piece of the part it falls in is another member's whole part ("Winamp" and "Winamp
// [Paused]"), so the two are different shapes rather than one value with a bracket in it.
// Tabs on different sites, or on a site and off it, never join.
class Cluster {
public:
    static constexpr long kShrinkWork = 20000;

    explicit Cluster(const Member& first) : m_site(PageSite(first))
    {
        for (int s : first.splits)
            m_common.push_back(first.SepText(s));
        m_wholes.resize(m_common.size() + 1);
        m_pieces.resize(m_common.size() + 1);
        Add(first);
    }

    const Family& Members() const { return m_members; }

    // `work` counts the members looked at again when the shared separators shrink.
    bool TryJoin(const Member& candidate, long& work)
    {
        if (PageSite(candidate) != m_site)
            return false;
        std::vector<std::string_view> seps;
        for (int s : candidate.splits)
            seps.push_back(candidate.SepText(s));
        const auto pairs = CommonSeparators(m_common, seps);
        if (pairs.empty())
            return false;
        const Member joined = Resplit(candidate, pairs, true);
        if (pairs.size() == m_common.size()) {
            if (!Clashes(joined)) {
                Add(joined);
                return true;
            }
            // Else the latest separators that match: "Clip - YouTube" and "Ann - Song -
            // YouTube" line up at their ends.
            const Member latest = Resplit(candidate, LatestPairs(m_common, seps), true);
            if (Clashes(latest))
                return false;
            Add(latest);
            return true;
        }
        if (work >= kShrinkWork)
            return false;
        work += static_cast<long>(m_members.size());
        Cluster shrunk(joined);
        for (const Member& m : m_members)
            if (shrunk.Clashes(Resplit(m, pairs, false)))
                return false;
            else
                shrunk.Add(Resplit(m, pairs, false));
        *this = std::move(shrunk);
        return true;
    }

private:
    bool Clashes(const Member& m) const
    {
        for (int j = 0; j < m.PartCount(); ++j) {
            const std::string_view whole = m.PartText(j);
            if (!whole.empty() && m_pieces[static_cast<std::size_t>(j)].count(whole))
                return true;
            for (const std::string_view piece : Pieces(m, j))
                if (!piece.empty() && m_wholes[static_cast<std::size_t>(j)].count(piece))
                    return true;
        }
        return false;
    }

    void Add(const Member& m)
    {
        for (int j = 0; j < m.PartCount(); ++j) {
            m_wholes[static_cast<std::size_t>(j)].insert(m.PartText(j));
            for (const std::string_view piece : Pieces(m, j))
                m_pieces[static_cast<std::size_t>(j)].insert(piece);
        }
        m_members.push_back(m);
    }

    std::string_view m_site;
    std::vector<std::string_view> m_common;
    Family m_members;
    std::vector<std::unordered_set<std::string_view>> m_wholes; // per part
    std::vector<std::unordered_set<std::string_view>> m_pieces;
};

} // namespace

std::vector<Family> GroupUnread(const std::vector<Member>& unread)
{
    // A title tries a few clusters, those with members first, then the latest lone titles;
    // and the members looked at again when clusters shrink are counted against a budget.
    constexpr std::size_t kClustersTried = 32;
    long work = 0;
    std::vector<Cluster> clusters;
    std::vector<std::size_t> tries;
    for (const Member& m : unread) {
        if (m.splits.empty())
            continue;
        tries.clear();
        for (std::size_t c = 0; c < clusters.size() && tries.size() < kClustersTried; ++c)
            if (clusters[c].Members().size() > 1)
                tries.push_back(c);
        for (std::size_t c = clusters.size(); c-- > 0 && tries.size() < kClustersTried;)
            if (clusters[c].Members().size() == 1)
                tries.push_back(c);
        bool joined = false;
        for (std::size_t c : tries)
            if ((joined = clusters[c].TryJoin(m, work)))
                break;
        if (!joined)
            clusters.emplace_back(m);
    }
    std::vector<Family> families;
    for (const Cluster& c : clusters)
        families.push_back(c.Members());
    return families;
}

std::vector<bool> SharedConstantParts(const Member& lone, const Member& first, const std::vector<bool>& constantParts)
{
    const int n = lone.PartCount(), m = first.PartCount();
    const auto sep = [](const Member& x, int j) { return x.SepText(x.splits[static_cast<std::size_t>(j)]); };
    // Another status in the status's place is the same text to the family, the title's own
    // ("paused: Ann - Song" beside "playing: ...").
    const auto same = [&](int j, int k) {
        return constantParts[static_cast<std::size_t>(k)] &&
               (lone.PartText(j) == first.PartText(k) || (IsNowPlayingLabel(lone.PartText(j)) && IsNowPlayingLabel(first.PartText(k))));
    };
    int lead = 0;
    while (lead + 1 < n && lead + 1 < m && same(lead, lead) && sep(lone, lead) == sep(first, lead))
        ++lead;
    int tail = 0;
    while (tail + 1 < n - lead && tail + 1 < m && same(n - 1 - tail, m - 1 - tail) &&
           sep(lone, n - 2 - tail) == sep(first, m - 2 - tail))
        ++tail;
    std::vector<bool> shared(static_cast<std::size_t>(n), false);
    bool letter = false;
    for (int j = 0; j < n; ++j) {
        shared[static_cast<std::size_t>(j)] = j < lead || j >= n - tail;
        letter = letter || (shared[static_cast<std::size_t>(j)] && HasLetter(lone.PartText(j)));
    }
    if (!letter)
        return {};
    return shared;
}

// The field of part j that marks a release's file name: its episode mark, else the last year
// with more of the name after it. 0 when there is none, for a mark needs a name before it.
int ReleaseMark(const Member& m, int j, bool episode)
{
    const int first = m.FirstSep(j), last = m.LastSep(j);
    int mark = 0;
    for (int f = first + 1; f < last; ++f) {
        if (m.SepText(f - 1) != ".")
            continue;
        const std::string_view field = m.FieldText(f);
        if (episode ? IsEpisodeMark(field) || IsLoneEpisodeMark(field) : IsYear(field) && m.SepText(f) == ".") {
            mark = f - first;
            if (episode)
                break;
        }
    }
    return mark;
}

namespace {

// The family's members grouped by a key, the groups in order of first appearance.
template <class Key>
std::vector<Family> GroupBy(const Family& family, Key key)
{
    std::vector<Family> groups;
    for (const Member& m : family) {
        auto group = std::find_if(groups.begin(), groups.end(), [&](const Family& g) { return key(g.front()) == key(m); });
        if (group == groups.end())
            groups.push_back({m});
        else
            group->push_back(m);
    }
    return groups;
}

// A release's file name that is a part of the title: whether its mark is an episode's, and
// the words after the mark ("1080p.mkv").
struct Release {
    bool episode = false;
    std::string_view words;

    bool operator==(const Release&) const = default;
};

std::optional<Release> ReadRelease(const Member& m)
{
    for (int j = 0; j < m.PartCount(); ++j) {
        if (!NamesFile(m.PartText(j)))
            continue;
        for (bool episode : {true, false})
            if (const int mark = ReleaseMark(m, j, episode); mark > 0)
                return Release{episode, m.Fields(j, mark + 1, m.LastSep(j) - m.FirstSep(j))};
    }
    return std::nullopt;
}

// A season's or a film's release files among other titles of the same shape ("No file -
// mpv") form a family of their own, so that their episode or year is read, episodes apart
// from films; releases with the same words after the mark form one each, as a person writes
// those words out ("Joker.2019.1080p.mkv", "Tenet.2020.mkv"), unless no two share them, as
// when each episode's name comes first ("Severance.S02E01.Hello.Ms.Cobel.1080p.mkv").
void SplitReleases(const Family& family, std::vector<Family>& split)
{
    Family releases, others;
    for (const Member& m : family)
        (ReadRelease(m) ? releases : others).push_back(m);
    if (releases.empty() || (others.empty() && releases.size() < 2)) {
        split.push_back(family);
        return;
    }
    for (const Family& kind : GroupBy(releases, [](const Member& m) { return ReadRelease(m)->episode; })) {
        std::vector<Family> byWords = GroupBy(kind, ReadRelease);
        if (std::none_of(byWords.begin(), byWords.end(), [](const Family& g) { return g.size() >= 2; }))
            byWords = {kind};
        split.insert(split.end(), byWords.begin(), byWords.end());
    }
    if (!others.empty())
        split.push_back(std::move(others));
}

// A browser window's tabs: those of each window ("... - Mozilla Firefox Private Browsing"),
// a known media site's apart from other pages and each of a site's labels apart, and those
// that count the window's other tabs ("YouTube and 2 more pages - Personal - Microsoft Edge") apart from those that do not.
std::vector<Family> BrowserTabs(const Family& family)
{
    const int last = BrowserPart(family.front());
    const bool browsers = last > 0 && std::all_of(family.begin(), family.end(), [last](const Member& m) {
        return BrowserPart(m) == last;
    });
    if (!browsers)
        return {family};
    return GroupBy(family, [last](const Member& m) {
        // The page whose name counts the others: "YouTube" of "YouTube and 2 more pages".
        std::string_view counted;
        for (int j = 0; j < last && counted.empty(); ++j)
            counted = TabCountAround(m.PartText(j)).site;
        // Other pages count alike, whatever their names: "QQ Mail and 1 more page".
        if (!counted.empty() && !IsSiteName(counted))
            counted = "page";
        // Each site's pages apart, also where its name ends the page's ("A Film on Vimeo"),
        // and a site's own label apart: "Free Listening on SoundCloud".
        const std::string_view page = m.PartText(last - 1);
        const std::string_view site = IsSiteName(page) ? page : !TabCountAround(page).site.empty() ? "site"
                                      : last >= 2 && EndsWithSiteName(page)                ? page
                                      : EndsWithSiteName(page)                             ? page.substr(page.rfind(' ') + 1)
                                      : !GluedSiteName(page).empty()                       ? GluedSiteName(page)
                                                                                           : SiteLabelAtEnd(page);
        return std::tuple(Text(*m.title, {m.Part(last).pos, static_cast<int>(m.title->size()) - m.Part(last).pos}), counted,
                          site);
    });
}

// A player's status in a value's place ("No file - mpv" among "Show S01E01 - mpv") is none
// of the family's values: the titles that show one are a family of their own, one for each
// status ("playing: Ann - Song", "paused: Bob - Tune").
std::vector<Family> Statuses(const Family& family)
{
    return GroupBy(family, [](const Member& m) {
        for (int j = 0; j < m.PartCount(); ++j)
            if (IsNowPlayingLabel(m.PartText(j)))
                return Lower(m.PartText(j));
        return std::string();
    });
}

// A course's numbered lessons ("CS50x 2024 - Lecture 1 - C.mp4") are a series apart from
// its other files of the same shape ("CS50x 2024 - Shorts - Hash Tables.mp4").
std::vector<Family> Lessons(const Family& family)
{
    const auto lesson = [](const Member& m) {
        for (int j = 1; j < m.PartCount(); ++j)
            if (IsLesson(m.PartText(j)))
                return true;
        return false;
    };
    // One numbered part is no series: "Film - Part 2" beside "Clip - Take 1".
    if (std::count_if(family.begin(), family.end(), lesson) < 2)
        return {family};
    return GroupBy(family, lesson);
}

} // namespace

int BrowserPart(const Member& m)
{
    const int last = m.PartCount() - 1;
    const auto sep = [&m](int j) -> const Separator& { return m.cut->separators[static_cast<std::size_t>(m.splits[static_cast<std::size_t>(j)])]; };
    if (last >= 3 && m.PartText(last).empty() && sep(last - 1).closes && sep(last - 2).opens && IsBrowserName(m.PartText(last - 2)))
        return last - 2;
    return last > 0 && IsBrowserName(m.PartText(last)) ? last : -1;
}

void KeepGluedPageWhole(Member& m)
{
    const int browser = BrowserPart(m);
    if (browser > 1 && !GluedSiteName(m.PartText(browser - 1)).empty())
        m.splits.erase(m.splits.begin(), m.splits.begin() + (browser - 1));
}

std::vector<Family> SplitByKind(const std::vector<Family>& families)
{
    std::vector<Family> split;
    for (const Family& family : families)
        for (const Family& tabs : BrowserTabs(family))
            for (const Family& shown : Statuses(tabs))
                for (const Family& kind : Lessons(shown))
                    SplitReleases(kind, split);
    return split;
}

} // namespace suggest
