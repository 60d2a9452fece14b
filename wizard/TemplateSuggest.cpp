#include "wizard/TemplateSuggest.h"

#include <algorithm>
#include <deque>
#include <string_view>
#include <unordered_map>

#include "wizard/suggest/Alone.h"
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
            if (unread || (single && NumbersAlbumTrack(lone)))
                AddTemplates(AloneTemplates(lone, m_named, m_hints, !unread));
            else if (single)
                AddTemplates({VideoPageTemplate(lone)});
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
            KeepGluedPageWhole(m_members.back());
        }
    }

    // A '#' inside brackets or after quotes numbers an album's track ("[Sea #01]", `"Sea"
    // #01/12`); elsewhere it is a name's own ("Structure de donn\xe9es #8 | Tri").
    static bool NumbersAlbumTrack(const Member& m)
    {
        return std::any_of(m.cut->separators.begin(), m.cut->separators.end(), [&m](const Separator& sep) {
            return Text(*m.title, sep.span).find('#') != std::string_view::npos && (sep.inBrackets || sep.closes);
        });
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
            NamedShape named{&MemberOf(family.front()), {}};
            for (const PartPlan& part : plan.parts)
                named.constantParts.push_back(part.Constant());
            m_named.push_back(std::move(named));
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
    std::vector<NamedShape> m_named;
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
