#include "wizard/TemplateSuggest.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "platform/AnsiText.h"
#include "platform/ParseError.h"
#include "rules/TitleParser.h"
#include "rules/TpTemplate.h"
#include "wizard/TemplateRules.h"

// A title is cut into fields and separators. A separator is a run of punctuation and
// blanks with at least one punctuation mark in it; blanks alone only part words. Strong
// separators (brackets, colons, bars, anything standing between blanks such as " - ", and
// the one after a leading number) cut a title into parts; titles whose strong separators
// are the same form a family, and their parts line up one for one. Within a part the weak
// separators (".", "/", ",") line up too when every title has the same ones, so that a
// file name's extension can stay constant while the name varies. Each part gives at most
// one parameter: a varying part is never cut between words, so "Song A" and "Song B" give
// <Title>, not "Song <Title>". Titles whose own values hold strong separators ("Song
// (Live)") are read by their family's template anyway, or, when no template reads them,
// are matched to one another on the strong separators they share.
//
// Double-byte characters are taken whole: a lead byte and the byte after it are a word
// character whatever that second byte is, so no constant text begins or ends inside one.

namespace {

enum class Kind : unsigned char { Word, Blank, Mark };

// Punctuation that separates; everything else is part of a word. Apostrophes, ampersands
// and the like stay in words: names are full of them. The template brackets are word
// characters too, and a field that holds one is never constant text.
constexpr std::string_view kMarks = "-.:;|[](){}/\\*~#\",";
constexpr std::string_view kStrongMarks = "[](){}|:";

struct Span {
    int pos = 0;
    int len = 0;
};

struct Separator {
    Span span;
    bool strong = false;
};

// fields.size() == separators.size() + 1; a field may be empty.
struct Cut {
    std::vector<Span> fields;
    std::vector<Separator> separators;
    std::vector<int> strong; // indexes of the strong separators
};

std::string_view Text(const std::string& title, Span span)
{
    return std::string_view(title).substr(static_cast<std::size_t>(span.pos), static_cast<std::size_t>(span.len));
}

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsYear(std::string_view text)
{
    return text.size() == 4 && AllDigits(text) && (text.starts_with("19") || text.starts_with("20"));
}

bool HasBracket(std::string_view text)
{
    return text.find_first_of("<>") != std::string_view::npos;
}

bool HasLetter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 0x80 || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
    });
}

class Cutter {
public:
    explicit Cutter(LeadBytePredicate isLeadByte)
    {
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<unsigned char>(b);
            m_lead[static_cast<std::size_t>(b)] = isLeadByte && isLeadByte(byte);
            m_kind[static_cast<std::size_t>(b)] = byte == ' '                                 ? Kind::Blank
                                                  : kMarks.find(static_cast<char>(b)) != kMarks.npos ? Kind::Mark
                                                                                                     : Kind::Word;
        }
    }

    Cut operator()(const std::string& title) const
    {
        Cut cut;
        const int n = static_cast<int>(title.size());
        int fieldStart = 0;
        int i = 0;
        while (i < n) {
            const auto b = static_cast<unsigned char>(title[static_cast<std::size_t>(i)]);
            if (m_lead[b]) {
                i += i + 1 < n ? 2 : 1;
                continue;
            }
            if (m_kind[b] == Kind::Word) {
                ++i;
                continue;
            }
            // A run of blanks and marks: a separator when it holds a mark.
            int end = i;
            bool mark = false;
            while (end < n) {
                const auto c = static_cast<unsigned char>(title[static_cast<std::size_t>(end)]);
                if (m_lead[c] || m_kind[c] == Kind::Word)
                    break;
                mark = mark || m_kind[c] == Kind::Mark;
                ++end;
            }
            if (mark) {
                // ") - " is two separators, ")" and " - ", and " - [" is " - " and "[", so that
                // they line up with the titles that have one without the other.
                int from = i;
                for (int k = i; k < end; ++k) {
                    const char c = title[static_cast<std::size_t>(k)];
                    const bool markBefore = MarkIn(title, from, k);
                    const bool markAfter = MarkIn(title, k + 1, end);
                    int cutAt = -1;
                    if (std::strchr("([{", c) && markBefore)
                        cutAt = k;
                    else if (std::strchr(")]}", c) && markAfter)
                        cutAt = k + 1;
                    if (cutAt > from) {
                        cut.fields.push_back({fieldStart, from - fieldStart});
                        cut.separators.push_back({{from, cutAt - from}, false});
                        fieldStart = from = cutAt;
                    }
                }
                cut.fields.push_back({fieldStart, from - fieldStart});
                cut.separators.push_back({{from, end - from}, false});
                fieldStart = end;
            }
            i = end;
        }
        cut.fields.push_back({fieldStart, n - fieldStart});

        for (std::size_t s = 0; s < cut.separators.size(); ++s) {
            Separator& sep = cut.separators[s];
            const std::string_view text = Text(title, sep.span);
            sep.strong = text.find_first_of(kStrongMarks) != std::string_view::npos ||
                         (text.size() >= 3 && text.front() == ' ' && text.back() == ' ');
            // A leading number followed by a separator that ends in a blank is a track number.
            if (s == 0 && cut.fields[0].pos == 0 && AllDigits(Text(title, cut.fields[0])) && text.back() == ' ')
                sep.strong = true;
            if (sep.strong)
                cut.strong.push_back(static_cast<int>(s));
        }
        return cut;
    }

    // True when a value of an interpretation begins or ends inside a double-byte character.
    bool SplitsCharacter(const std::string& title, const std::vector<CTpParameter>& values) const
    {
        if (std::none_of(title.begin(), title.end(), [this](char c) { return m_lead[static_cast<unsigned char>(c)]; }))
            return false;
        std::vector<bool> starts(title.size() + 1, false);
        for (std::size_t i = 0; i < title.size(); i += m_lead[static_cast<unsigned char>(title[i])] ? 2 : 1)
            starts[i] = true;
        starts[title.size()] = true;
        return std::any_of(values.begin(), values.end(), [&starts](const CTpParameter& v) {
            return !starts[static_cast<std::size_t>(v.m_nPos)] || !starts[static_cast<std::size_t>(v.m_nPos + v.m_nLen)];
        });
    }

private:
    bool MarkIn(const std::string& title, int from, int to) const
    {
        for (int k = from; k < to; ++k)
            if (m_kind[static_cast<unsigned char>(title[static_cast<std::size_t>(k)])] == Kind::Mark)
                return true;
        return false;
    }

    std::array<bool, 256> m_lead{};
    std::array<Kind, 256> m_kind{};
};

// One title of a family, cut into parts at the separators the family shares.
struct Member {
    int index = 0;                   // of the title
    const std::string* title = nullptr;
    const Cut* cut = nullptr;
    std::vector<int> splits;         // indexes into cut->separators, ascending

    int PartCount() const { return static_cast<int>(splits.size()) + 1; }
    // Separators [first, last) and fields [first, last] of part j.
    int FirstSep(int j) const { return j == 0 ? 0 : splits[static_cast<std::size_t>(j - 1)] + 1; }
    int LastSep(int j) const
    {
        return j == static_cast<int>(splits.size()) ? static_cast<int>(cut->separators.size())
                                                    : splits[static_cast<std::size_t>(j)];
    }
    Span Part(int j) const
    {
        const Span first = cut->fields[static_cast<std::size_t>(FirstSep(j))];
        const Span last = cut->fields[static_cast<std::size_t>(LastSep(j))];
        return {first.pos, last.pos + last.len - first.pos};
    }
    std::string_view PartText(int j) const { return Text(*title, Part(j)); }
    std::string_view SepText(int s) const { return Text(*title, cut->separators[static_cast<std::size_t>(s)].span); }
    std::string_view FieldText(int f) const { return Text(*title, cut->fields[static_cast<std::size_t>(f)]); }
};

// What a family's part becomes in the template: constant text, or constant text around
// one parameter.
struct PartPlan {
    bool varying = false;
    std::string constant;    // the whole part, when it stays constant
    std::string before;      // around the parameter
    std::string after;
    std::string name;        // empty: constant
};

// The parameter region of part j: the constant text before and after the first and last
// varying field, when every member has the same separators inside the part; else the whole.
PartPlan PlanPart(const std::vector<Member>& members, int j)
{
    PartPlan plan;
    const Member& first = members.front();
    const std::string_view text0 = first.PartText(j);
    plan.constant.assign(text0);
    if (!HasBracket(text0) &&
        std::all_of(members.begin(), members.end(), [&](const Member& m) { return m.PartText(j) == text0; }))
        return plan;
    plan.varying = true;

    const int seps0 = first.LastSep(j) - first.FirstSep(j);
    const bool aligned = std::all_of(members.begin(), members.end(), [&](const Member& m) {
        if (m.LastSep(j) - m.FirstSep(j) != seps0)
            return false;
        for (int k = 0; k < seps0; ++k)
            if (m.SepText(m.FirstSep(j) + k) != first.SepText(first.FirstSep(j) + k))
                return false;
        return true;
    });
    if (!aligned)
        return plan;

    int lo = -1, hi = -1;
    for (int k = 0; k <= seps0; ++k) {
        const std::string_view field0 = first.FieldText(first.FirstSep(j) + k);
        const bool constant = !HasBracket(field0) && std::all_of(members.begin(), members.end(), [&](const Member& m) {
            return m.FieldText(m.FirstSep(j) + k) == field0;
        });
        if (!constant) {
            if (lo < 0)
                lo = k;
            hi = k;
        }
    }
    const Span part = first.Part(j);
    const Span from = first.cut->fields[static_cast<std::size_t>(first.FirstSep(j) + lo)];
    const Span to = first.cut->fields[static_cast<std::size_t>(first.FirstSep(j) + hi)];
    plan.before.assign(Text(*first.title, {part.pos, from.pos - part.pos}));
    plan.after.assign(Text(*first.title, {to.pos + to.len, part.pos + part.len - to.pos - to.len}));
    return plan;
}

bool EveryPart(const std::vector<Member>& members, int j, bool (*test)(std::string_view))
{
    return std::all_of(members.begin(), members.end(), [&](const Member& m) { return test(m.PartText(j)); });
}

// A constant part taken as a parameter: the whole of it.
void Force(PartPlan& plan, const char* name)
{
    plan.name = name;
    plan.before.clear();
    plan.after.clear();
}

// The template for a family whose members share their splitting separators, or empty when
// nothing varies or nothing is left constant.
std::string FamilyTemplate(const std::vector<Member>& members)
{
    const Member& first = members.front();
    const int parts = first.PartCount();
    std::vector<PartPlan> plans;
    for (int j = 0; j < parts; ++j)
        plans.push_back(PlanPart(members, j));
    if (std::none_of(plans.begin(), plans.end(), [](const PartPlan& p) { return p.varying; }))
        return {};

    // Tags by their shape, whether or not their values happen to differ. The track number
    // leads the title, after nothing but separators.
    int lead = 0;
    while (lead + 1 < parts && plans[static_cast<std::size_t>(lead)].constant.empty() &&
           !plans[static_cast<std::size_t>(lead)].varying)
        ++lead;
    if (lead + 1 < parts && EveryPart(members, lead, AllDigits) && !EveryPart(members, lead, IsYear))
        Force(plans[static_cast<std::size_t>(lead)], "Track");
    for (int j = 0; j < parts; ++j) {
        if (plans[static_cast<std::size_t>(j)].name.empty() && EveryPart(members, j, IsYear)) {
            Force(plans[static_cast<std::size_t>(j)], "Year");
            break;
        }
    }

    // Artist and Title around a " - " with a varying part after it: the first such, unless
    // what stands before it is the player's name opening the title ("Spotify - Ann - Song")
    // and another follows. A bracketed part straight after the dash is an extra ("Ann -
    // [Album] Song"), the title follows it. A constant artist is a tag too, unless it is the
    // player's name: a constant opening with no other constant words in the title.
    const auto sepText = [&first](int j) { return first.SepText(first.splits[static_cast<std::size_t>(j)]); };
    const auto plan = [&plans](int j) -> PartPlan& { return plans[static_cast<std::size_t>(j)]; };
    const auto bracketed = [&](int j) {
        return j > 0 && j + 1 < parts && std::strchr("([{", sepText(j - 1).back()) &&
               std::strchr(")]}", sepText(j).front());
    };
    const auto playerName = [&](int j) {
        if (j != 0 || plan(j).varying || !plan(j).name.empty() || plan(j).constant.empty())
            return false;
        for (int other = 1; other < parts; ++other)
            if (!plan(other).varying && plan(other).name.empty() && HasLetter(plan(other).constant))
                return false;
        return true;
    };
    std::vector<std::pair<int, int>> dashes; // artist and title parts
    for (int k = 1; k < parts; ++k) {
        if (sepText(k - 1) != " - ")
            continue;
        int t = k;
        if (t + 1 < parts && !plan(t).varying && plan(t).constant.empty())
            ++t;
        if (bracketed(t))
            ++t;
        if (plan(t).varying && plan(t).name.empty())
            dashes.emplace_back(k - 1, t);
    }
    const auto dash = std::find_if(dashes.begin(), dashes.end(), [&](const auto& d) { return !playerName(d.first); });
    const bool title = !dashes.empty();
    if (title) {
        const auto [a, t] = dash != dashes.end() ? *dash : dashes.front();
        plan(t).name = "Title";
        if (plan(a).name.empty() && plan(a).varying)
            plan(a).name = "Artist";
        else if (plan(a).name.empty() && !plan(a).constant.empty() && !playerName(a))
            Force(plan(a), "Artist");
    }

    std::vector<PartPlan*> rest;
    for (PartPlan& p : plans)
        if (p.varying && p.name.empty())
            rest.push_back(&p);
    const bool actual = std::any_of(plans.begin(), plans.end(), [](const PartPlan& p) { return !p.name.empty(); });
    for (std::size_t r = 0; r < rest.size(); ++r)
        rest[r]->name = r == 0 && !title && (rest.size() == 1 || !actual) ? "Title" : "Unused";

    std::string text;
    bool constant = false;
    for (int j = 0; j < parts; ++j) {
        const PartPlan& p = plans[static_cast<std::size_t>(j)];
        if (j > 0)
            text += first.SepText(first.splits[static_cast<std::size_t>(j - 1)]);
        if (p.name.empty()) {
            text += p.constant;
        } else {
            text += p.before + "<" + p.name + ">" + p.after;
            constant = constant || !p.before.empty() || !p.after.empty();
        }
    }
    // A template of parameters alone reads any title: that is no family's shape.
    if (parts == 1 && !constant)
        return {};
    stParseError error;
    ParseError_Clear(error);
    if (CTpTemplate::Check(text, '<', '>', error) != 0)
        return {};
    return text;
}

// The longest common subsequence of two short lists of separator texts, as pairs of
// positions.
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

// Titles that no family's template reads, matched on the strong separators they share. A
// title joins unless a separator left out of the shared ones made structure of its own: a
// piece of the part it falls in is another member's whole part ("Winamp" and "Winamp
// [Paused]"), so the two are different shapes rather than one value with a bracket in it.
class Cluster {
public:
    static constexpr long kShrinkWork = 20000;

    explicit Cluster(const Member& first)
    {
        for (int s : first.splits)
            m_common.push_back(first.SepText(s));
        m_wholes.resize(m_common.size() + 1);
        m_pieces.resize(m_common.size() + 1);
        Add(first);
    }

    const std::vector<Member>& Members() const { return m_members; }

    // `work` counts the members looked at again when the shared separators shrink.
    bool TryJoin(const Member& candidate, long& work)
    {
        std::vector<std::string_view> seps;
        for (int s : candidate.splits)
            seps.push_back(candidate.SepText(s));
        const auto pairs = CommonSeparators(m_common, seps);
        if (pairs.empty())
            return false;
        const Member joined = Resplit(candidate, pairs, true);
        if (pairs.size() == m_common.size()) {
            if (Clashes(joined))
                return false;
            Add(joined);
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

    std::vector<std::string_view> m_common;
    std::vector<Member> m_members;
    std::vector<std::unordered_set<std::string_view>> m_wholes; // per part
    std::vector<std::unordered_set<std::string_view>> m_pieces;
};

// Orders the templates most specific first and gives each title to the first template
// that reads it; templates that read no title first are left out. So is a template that
// ends a value inside a double-byte character, as interpretation searches bytes: its
// constant text met the second byte of a character.
std::vector<stTemplateSuggestion> Assign(std::vector<std::string> templates, const std::vector<std::string>& titles,
                                         const Cutter& cutter, std::vector<bool>* read)
{
    CTitleParser parser;
    for (;;) {
        std::vector<stTemplateSuggestion> ordered;
        for (int t : MostSpecificFirst(templates))
            ordered.push_back({templates[static_cast<std::size_t>(t)], {}});
        std::vector<bool> splits(ordered.size(), false);
        for (std::size_t i = 0; i < titles.size(); ++i) {
            parser.SetTitle(titles[i]);
            for (std::size_t s = 0; s < ordered.size(); ++s) {
                if (parser.SetTemplate(ordered[s].templateText) != 0 || parser.Interpret() != 0)
                    continue;
                ordered[s].titles.push_back(static_cast<int>(i));
                splits[s] = splits[s] || cutter.SplitsCharacter(titles[i], parser.GetResults());
                break;
            }
        }
        if (std::find(splits.begin(), splits.end(), true) == splits.end()) {
            std::erase_if(ordered, [](const stTemplateSuggestion& s) { return s.titles.empty(); });
            for (const stTemplateSuggestion& s : ordered)
                for (int i : s.titles)
                    if (read)
                        (*read)[static_cast<std::size_t>(i)] = true;
            return ordered;
        }
        for (std::size_t s = 0; s < ordered.size(); ++s)
            if (splits[s])
                std::erase(templates, ordered[s].templateText);
    }
}

void AddTemplate(std::vector<std::string>& templates, std::string text)
{
    if (!text.empty() && std::find(templates.begin(), templates.end(), text) == templates.end())
        templates.push_back(std::move(text));
}

} // namespace

std::vector<stTemplateSuggestion> SuggestTemplates(const std::vector<std::string>& titles)
{
    return SuggestTemplatesInCodePage(titles, IsAnsiLeadByte);
}

std::vector<stTemplateSuggestion> SuggestTemplatesInCodePage(const std::vector<std::string>& titles,
                                                             LeadBytePredicate isLeadByte)
{
    const Cutter cutter(isLeadByte);

    // Each distinct title once, in order of first appearance.
    std::vector<int> distinct;
    {
        std::unordered_map<std::string_view, int> seen;
        for (std::size_t i = 0; i < titles.size(); ++i)
            if (seen.emplace(titles[i], static_cast<int>(i)).second)
                distinct.push_back(static_cast<int>(i));
    }
    std::vector<Cut> cuts(titles.size());
    std::vector<Member> members;
    for (int i : distinct) {
        cuts[static_cast<std::size_t>(i)] = cutter(titles[static_cast<std::size_t>(i)]);
        members.push_back({i, &titles[static_cast<std::size_t>(i)], &cuts[static_cast<std::size_t>(i)],
                           cuts[static_cast<std::size_t>(i)].strong});
    }

    // Families: the same strong separators, in the same order.
    std::vector<std::vector<Member>> families;
    {
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
    }
    std::vector<std::string> templates;
    for (const auto& family : families)
        if (family.size() > 1)
            AddTemplate(templates, FamilyTemplate(family));

    std::vector<bool> read(titles.size(), false);
    std::vector<stTemplateSuggestion> result = Assign(templates, titles, cutter, &read);

    // What no template reads: titles whose values hold strong separators of their own.
    // Bounded, so that a thousand titles of no shared shape still take milliseconds: a title
    // tries a few clusters, those with members first, then the latest lone titles; and the
    // members looked at again when clusters shrink are counted against a budget.
    constexpr std::size_t kClustersTried = 32;
    long work = 0;
    std::vector<Cluster> clusters;
    std::vector<std::size_t> tries;
    for (const Member& m : members) {
        if (read[static_cast<std::size_t>(m.index)] || m.splits.empty())
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
    const std::size_t before = templates.size();
    for (const Cluster& c : clusters)
        if (c.Members().size() > 1)
            AddTemplate(templates, FamilyTemplate(c.Members()));
    if (templates.size() != before)
        result = Assign(templates, titles, cutter, nullptr);
    return result;
}
