#include "wizard/suggest/Plan.h"

#include <algorithm>
#include <cctype>
#include <span>

#include "platform/ParseError.h"
#include "rules/TpTemplate.h"
#include "wizard/suggest/Words.h"

namespace suggest {

bool PartPlan::Varying() const
{
    return std::any_of(slots.begin(), slots.end(), [](const Slot& s) { return s.varying; });
}

bool PartPlan::Constant() const
{
    return slots.size() == 1 && !slots[0].varying && slots[0].name.empty();
}

bool AllOf(const std::vector<std::string_view>& values, bool (*test)(std::string_view))
{
    return std::all_of(values.begin(), values.end(), test);
}

std::string_view CommonEnd(const std::vector<std::string_view>& values)
{
    std::string_view common = values.empty() ? std::string_view() : values.front();
    for (std::string_view v : values) {
        std::size_t n = 0;
        while (n < common.size() && n < v.size() && common[common.size() - 1 - n] == v[v.size() - 1 - n])
            ++n;
        common = common.substr(common.size() - n);
    }
    return common;
}

std::pair<Slot, Slot> CutAtWord(const Slot& slot, std::string_view word)
{
    Slot before, after;
    for (std::size_t m = 0; m < slot.values.size(); ++m) {
        const std::string_view value = slot.values[m], whole = slot.wholes[m];
        const std::size_t at = value.find(word);
        before.wholes.push_back(whole.substr(0, slot.before.size() + at));
        before.values.push_back(value.substr(0, at));
        after.wholes.push_back(whole.substr(slot.before.size() + at + word.size()));
        after.values.push_back(value.substr(at + word.size()));
    }
    before.before = slot.before;
    after.after = slot.after;
    for (Slot* s : {&before, &after}) {
        s->constant.assign(s->wholes.front());
        s->varying = std::any_of(s->values.begin(), s->values.end(), [s](std::string_view v) { return v != s->values.front(); });
    }
    return {before, after};
}

void Force(Slot& slot, const char* name)
{
    slot.name = name;
    slot.before.clear();
    slot.after.clear();
    slot.values = slot.wholes;
    // But the folders of a file's whole path that every title shares stay, so that the next
    // file is read: "D:\Series\Show\<Album> - 01 - Name.mkv".
    const std::string_view first = slot.wholes.front();
    const std::size_t folders = first.rfind('\\') + 1;
    if (!IsPath(first) || folders == first.size() ||
        !std::all_of(slot.wholes.begin(), slot.wholes.end(), [&](std::string_view w) { return w.starts_with(first.substr(0, folders)); }))
        return;
    slot.before.assign(first.substr(0, folders));
    for (std::string_view& v : slot.values)
        v.remove_prefix(folders);
}

namespace {

// Every member has the same separators inside part j.
bool Aligned(const Family& members, int j)
{
    const Member& first = members.front();
    const int seps = first.LastSep(j) - first.FirstSep(j);
    return std::all_of(members.begin(), members.end(), [&](const Member& m) {
        if (m.LastSep(j) - m.FirstSep(j) != seps)
            return false;
        for (int k = 0; k < seps; ++k)
            if (m.SepText(m.FirstSep(j) + k) != first.SepText(first.FirstSep(j) + k))
                return false;
        return true;
    });
}

// A time follows the blanks that are the k-th separator of part j in every member, and it
// opens with the same field in all: interpretation takes the first occurrence of the text
// after the name before it, so " 00:" parts them where a blank alone would not.
bool TimeFollows(const Family& members, int j, int k)
{
    const Member& first = members.front();
    const std::string_view lead = first.FieldText(first.FirstSep(j) + k + 1);
    return std::all_of(members.begin(), members.end(), [&](const Member& m) {
        const Span field = m.cut->fields[static_cast<std::size_t>(m.FirstSep(j) + k + 1)];
        return m.FieldText(m.FirstSep(j) + k + 1) == lead &&
               TimeLength(std::string_view(*m.title).substr(static_cast<std::size_t>(field.pos))) > 0;
    });
}

// A number follows the k-th separator of part j in every member, and the separator holds a
// '#' or a '/': "#03", "3/12"; or a time follows a blank.
bool Divides(const Family& members, int j, int k)
{
    const std::string_view sep = members.front().SepText(members.front().FirstSep(j) + k);
    if (sep.find_first_not_of(' ') == std::string_view::npos)
        return TimeFollows(members, j, k);
    if (sep == ". " && k == 0)
        return std::all_of(members.begin(), members.end(), [&](const Member& m) {
            const std::string_view number = m.FieldText(m.FirstSep(j));
            return number.size() <= 3 && AllDigits(number);
        });
    // A path's folders: "D:\Music\Ann\Album\01".
    if (sep == "\\" || sep == ":\\")
        return j == 0 && std::all_of(members.begin(), members.end(), [](const Member& m) { return IsPath(*m.title); });
    if (sep.find_first_of("#/") == std::string_view::npos)
        return false;
    return std::all_of(members.begin(), members.end(),
                       [&](const Member& m) { return AllDigits(m.FieldText(m.FirstSep(j) + k + 1)); });
}

// The stretch of fields [from, to] of part j: its constant text before and after the first
// and last field that varies.
Slot PlanStretch(const Family& members, int j, int from, int to)
{
    const Member& first = members.front();
    int lo = -1, hi = -1;
    for (int k = from; k <= to; ++k) {
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
    // A number's dotted neighbours are one value with it, a date's day, month and year:
    // "Tagesschau vom 24.11.2022".
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const auto dotted = [&](int k) {
        const std::string_view before = first.FieldText(first.FirstSep(j) + k), after = first.FieldText(first.FirstSep(j) + k + 1);
        return first.SepText(first.FirstSep(j) + k) == "." && !before.empty() && digit(before.back()) && !after.empty() &&
               digit(after.front());
    };
    while (lo > from && dotted(lo - 1))
        --lo;
    while (hi >= 0 && hi < to && dotted(hi))
        ++hi;
    Slot slot;
    slot.constant.assign(first.Fields(j, from, to));
    for (const Member& m : members)
        slot.wholes.push_back(m.Fields(j, from, to));
    slot.values = slot.wholes;
    if (lo < 0)
        return slot;
    slot.varying = true;
    const std::string_view whole = first.Fields(j, from, to);
    const std::string_view inner = first.Fields(j, lo, hi);
    const std::size_t start = static_cast<std::size_t>(inner.data() - whole.data());
    slot.before.assign(whole.substr(0, start));
    slot.after.assign(whole.substr(start + inner.size()));
    for (std::string_view& value : slot.values)
        value = value.substr(slot.before.size(), value.size() - slot.before.size() - slot.after.size());
    return slot;
}

// A separator of a file's whole path, after a drive or a folder.
bool PartsFolders(std::string_view separator)
{
    return separator.find_first_of("\\/") != std::string_view::npos;
}

// The folder that every name of part j opens with, as a title with the file's whole path
// shows it ("D:\Series\Dark\Dark.S01E01.mkv"); empty when they differ. Its separators are
// the cut's, so no character is split.
std::string SharedDirectory(const Family& members, int j, const std::vector<std::string_view>& names)
{
    std::string_view shared;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const Member& m = members[i];
        const std::string_view name = names[i];
        std::size_t end = 0;
        for (int s = m.FirstSep(j); s < m.LastSep(j); ++s) {
            const Span sep = m.cut->separators[static_cast<std::size_t>(s)].span;
            const std::size_t sepEnd = static_cast<std::size_t>(sep.pos + sep.len) - static_cast<std::size_t>(m.Part(j).pos);
            if (sepEnd < name.size() && PartsFolders(m.SepText(s)))
                end = sepEnd;
        }
        if (end == 0 || (i > 0 && name.substr(0, end) != shared))
            return {};
        shared = name.substr(0, end);
    }
    return std::string(shared);
}

bool DifferAll(std::vector<std::string_view> values)
{
    std::sort(values.begin(), values.end());
    return std::adjacent_find(values.begin(), values.end()) == values.end();
}

// A release's file name ("Andor.S01E01.1080p.WEB-DL.mkv", "Knives.Out.2019.1080p.mkv"): the
// name before the mark whatever dots it holds, the mark, and the release's words after it.
// Interpretation ends a name at its first dot, so a year marks only where most names have
// none; the constant ".S01E" ends any name.
bool PlanRelease(const Family& members, int j, PartPlan& plan)
{
    if (!std::all_of(members.begin(), members.end(), [j](const Member& m) { return NamesFile(m.PartText(j)); }))
        return false;
    for (bool episode : {true, false}) {
        std::vector<std::string_view> names, marks, rest;
        int dotted = 0;
        for (const Member& m : members) {
            const int mark = ReleaseMark(m, j, episode);
            if (mark == 0)
                break;
            names.push_back(m.Fields(j, 0, mark - 1));
            marks.push_back(m.FieldText(m.FirstSep(j) + mark));
            rest.push_back(m.Fields(j, mark + 1, m.LastSep(j) - m.FirstSep(j)));
            dotted += mark > 1 ? 1 : 0;
        }
        if (marks.size() != members.size() || (!episode && 2 * dotted > static_cast<int>(members.size())))
            continue;
        // Films whose release words all differ are named as their files are, whole
        // ("Parasite.2019.1080p.BluRay.x264", "Oldboy.2003.720p.BluRay.x264").
        if (!episode && members.size() > 1 && DifferAll(rest))
            continue;
        // "S<Unused>E<Track>": the season after its letter, then the episode; a show with no
        // seasons has an empty one ("E<Track>").
        const bool lone = IsLoneEpisodeMark(marks.front());
        if (episode && !std::all_of(marks.begin(), marks.end(), [lone](std::string_view m) { return IsLoneEpisodeMark(m) == lone; }))
            return false;
        std::vector<std::string_view> seasons, numbers;
        for (std::string_view mark : marks) {
            const std::size_t e = lone ? 0 : mark.find_first_of("Ee", 1);
            seasons.push_back(mark.substr(0, e));
            numbers.push_back(e == std::string_view::npos ? std::string_view() : mark.substr(e + 1));
        }
        // One letter and one 'E' for all, as the template writes the first's.
        const std::string letter(marks.front().substr(0, lone ? 0 : 1));
        const std::size_t e = seasons.front().size();
        if (episode && std::any_of(marks.begin(), marks.end(), [&](std::string_view m) {
                return !m.starts_with(letter) || m.size() <= e || m[e] != marks.front()[e];
            }))
            return false;
        const auto slotOf = [](const std::vector<std::string_view>& wholes, std::string before = {}) {
            Slot slot;
            slot.before = std::move(before);
            slot.wholes = wholes;
            slot.values = wholes;
            for (std::string_view& v : slot.values)
                v.remove_prefix(slot.before.size());
            slot.constant.assign(wholes.front());
            slot.varying = std::adjacent_find(wholes.begin(), wholes.end(), std::not_equal_to<>()) != wholes.end();
            return slot;
        };
        PartPlan release;
        release.release = true;
        release.slots.push_back(slotOf(names, SharedDirectory(members, j, names)));
        release.joints.emplace_back(".");
        if (episode) {
            release.slots.push_back(slotOf(seasons, letter));
            release.joints.emplace_back(marks.front().substr(seasons.front().size(), 1));
            release.slots.push_back(slotOf(numbers));
        } else {
            release.slots.push_back(slotOf(marks));
        }
        release.joints.emplace_back(".");
        release.slots.push_back(slotOf(rest));
        plan = std::move(release);
        return true;
    }
    return false;
}

PartPlan PlanPart(const Family& members, int j, bool varying)
{
    PartPlan plan;
    if (PlanRelease(members, j, plan)) {
        // A release standing alone: its name and mark are what varies, its words stay.
        for (std::size_t k = 0; varying && k + 1 < plan.slots.size(); ++k)
            plan.slots[k].varying = true;
        return plan;
    }
    const Member& first = members.front();
    const std::string_view text0 = first.PartText(j);
    const bool same = !HasBracket(text0) && std::all_of(members.begin(), members.end(), [&](const Member& m) {
        return m.PartText(j) == text0;
    });
    const int seps = first.LastSep(j) - first.FirstSep(j);
    // "1. I. Allegro ma non troppo, un poco maestoso", "2. II. Molto vivace": the track number
    // before the name, whatever the name holds.
    const bool numbered = std::all_of(members.begin(), members.end(), [j](const Member& m) {
        return m.LastSep(j) > m.FirstSep(j) && m.SepText(m.FirstSep(j)) == ". " && m.FieldText(m.FirstSep(j)).size() <= 3 &&
               AllDigits(m.FieldText(m.FirstSep(j)));
    });
    if (!varying && !same && numbered && !Aligned(members, j)) {
        plan.slots.push_back(PlanStretch(members, j, 0, 0));
        plan.joints.emplace_back(". ");
        Slot name;
        for (const Member& m : members)
            name.wholes.push_back(m.Fields(j, 1, m.LastSep(j) - m.FirstSep(j)));
        name.values = name.wholes;
        name.constant.assign(name.wholes.front());
        name.varying = true;
        plan.slots.push_back(std::move(name));
        return plan;
    }
    // A name with brackets of its own is one value, brackets and all.
    const bool ofName = std::any_of(members.begin(), members.end(), [j](const Member& m) {
        return std::any_of(m.cut->separators.begin() + m.FirstSep(j), m.cut->separators.begin() + m.LastSep(j),
                           [](const Separator& sep) { return sep.ofName; });
    });
    // An album with brackets or marks of its own before its track: "[Pulp Fiction (Music from
    // the Motion Picture) #03]", "[American IV: The Man Comes Around #02]".
    const std::string_view hash = first.LastSep(j) > first.FirstSep(j) ? first.SepText(first.LastSep(j) - 1) : "";
    const bool tracked = (ofName || !Aligned(members, j)) && hash.ends_with('#') && std::all_of(members.begin(), members.end(), [&](const Member& m) {
        return m.LastSep(j) > m.FirstSep(j) && m.SepText(m.LastSep(j) - 1) == hash && AllDigits(m.FieldText(m.LastSep(j)));
    });
    if (!varying && tracked) {
        Slot name, number;
        for (const Member& m : members) {
            const int last = m.LastSep(j) - m.FirstSep(j);
            name.wholes.push_back(m.Fields(j, 0, last - 1));
            number.wholes.push_back(m.Fields(j, last, last));
        }
        for (Slot* slot : {&name, &number}) {
            slot->values = slot->wholes;
            slot->constant.assign(slot->wholes.front());
            slot->varying = std::adjacent_find(slot->wholes.begin(), slot->wholes.end(), std::not_equal_to<>()) !=
                            slot->wholes.end();
        }
        plan.slots = {std::move(name), std::move(number)};
        plan.joints.emplace_back(hash);
        return plan;
    }
    if ((same && !varying) || !Aligned(members, j) || ofName) {
        Slot slot;
        slot.constant.assign(text0);
        for (const Member& m : members)
            slot.wholes.push_back(m.PartText(j));
        slot.values = slot.wholes;
        slot.varying = !same || varying;
        plan.slots.push_back(std::move(slot));
        return plan;
    }
    int from = 0;
    for (int k = 0; k <= seps; ++k) {
        if (k < seps && !Divides(members, j, k))
            continue;
        plan.slots.push_back(PlanStretch(members, j, from, k));
        if (k < seps)
            plan.joints.emplace_back(first.SepText(first.FirstSep(j) + k));
        from = k + 1;
    }
    // A part that varies although one member cannot show it: each stretch is a value whole,
    // but the folders of a file's whole path stay, so that the folder's next file is read.
    if (varying) {
        std::size_t folders = 0;
        while (folders < plan.joints.size() && folders + 1 < plan.slots.size() &&
               PartsFolders(plan.joints[folders]))
            ++folders;
        for (Slot& slot : std::span(plan.slots).subspan(folders)) {
            slot.varying = true;
            slot.before.clear();
            slot.after.clear();
            slot.values = slot.wholes;
        }
    }
    return plan;
}

// The values' common opening up to and with a blank, when every value goes on past it and
// it is more than an article ("Stream Baddie", "Stream Xaxa": "Stream "); empty when none.
std::string_view CommonWords(const std::vector<std::string_view>& values)
{
    if (values.size() < 2)
        return {};
    std::string_view common = values.front();
    for (std::string_view v : values) {
        std::size_t n = 0;
        while (n < common.size() && n < v.size() && common[n] == v[n])
            ++n;
        common = common.substr(0, n);
    }
    const std::size_t blank = common.rfind(' ');
    if (blank == std::string_view::npos)
        return {};
    common = common.substr(0, blank + 1);
    const std::string article = Lower(common);
    if (article == "the " || article == "a " || article == "an ")
        return {};
    const bool more = std::all_of(values.begin(), values.end(), [&](std::string_view v) { return v.size() > common.size(); });
    return more ? common : std::string_view();
}


// A label that opens every song's stretch ("Stream ") is constant text.
void KeepLabelConstant(Slot& song)
{
    const std::string_view label = CommonWords(song.values);
    song.before += label;
    for (std::string_view& v : song.values)
        v.remove_prefix(label.size());
}

// " on Site" after the artist, the same in every title, is constant text ("... on Apple
// Music"); interpretation ends the artist at its first " on ", as this does.
void KeepSiteConstant(Slot& artist)
{
    constexpr std::string_view kOn = " on ";
    const std::size_t on = artist.values.front().find(kOn);
    if (on == std::string_view::npos || on == 0)
        return;
    const std::string_view site = artist.values.front().substr(on);
    const bool same = std::all_of(artist.values.begin(), artist.values.end(), [&](std::string_view v) {
        const std::size_t at = v.find(kOn);
        return at != std::string_view::npos && at > 0 && v.substr(at) == site;
    });
    if (!same)
        return;
    artist.after.insert(0, site);
    for (std::string_view& v : artist.values)
        v.remove_suffix(site.size());
}

// "Song by Artist" and "Song by Artist on Site": a page or player that names the artist
// after the song with a word. Only where no dash parts two varying names, so that a song
// called "Stand by Me" after its artist stays whole, and off video sites, whose titles are
// the uploader's words ("Haru / Yorushika covered by ReGLOSS - YouTube").
void SplitSongByArtist(FamilyPlan& plan)
{
    constexpr std::string_view kBy = " by ";
    for (std::size_t s = 0; s < plan.separators.size(); ++s)
        if (plan.separators[s].dash && plan.parts[s].Varying() && plan.parts[s + 1].Varying())
            return;
    for (const PartPlan& part : plan.parts)
        if (part.Constant() && IsVideoSite(part.slots[0].constant))
            return;
    for (PartPlan& part : plan.parts) {
        if (part.slots.size() != 1 || !part.slots[0].varying)
            continue;
        const Slot& slot = part.slots[0];
        const bool every = std::all_of(slot.values.begin(), slot.values.end(), [kBy](std::string_view v) {
            const std::size_t at = v.find(kBy);
            return at != std::string_view::npos && at > 0 && at + kBy.size() < v.size();
        });
        if (!every)
            continue;
        auto [song, artist] = CutAtWord(slot, kBy);
        KeepLabelConstant(song);
        KeepSiteConstant(artist);
        part.slots = {song, artist};
        part.joints = {std::string(kBy)};
        return;
    }
}

} // namespace

bool IsPath(std::string_view title)
{
    return title.size() > 3 && std::isalpha(static_cast<unsigned char>(title[0])) && title.substr(1, 2) == ":\\";
}

FamilyPlan PlanFamily(const Family& members, const std::vector<bool>& varyingParts)
{
    FamilyPlan plan;
    const Member& first = members.front();
    for (int j = 0; j < first.PartCount(); ++j) {
        const bool varying = j < static_cast<int>(varyingParts.size()) && varyingParts[static_cast<std::size_t>(j)];
        plan.parts.push_back(PlanPart(members, j, varying));
    }
    if (std::none_of(plan.parts.begin(), plan.parts.end(), [](const PartPlan& p) { return p.Varying(); }))
        return {};
    for (int s : first.splits) {
        plan.separators.push_back(first.cut->separators[static_cast<std::size_t>(s)]);
        plan.separatorTexts.emplace_back(first.SepText(s));
    }
    plan.namesFile = NamesFile(*first.title);
    plan.namesAudio = NamesFile(*first.title, true);
    SplitSongByArtist(plan);
    return plan;
}

std::string Render(const FamilyPlan& plan)
{
    if (plan.parts.empty())
        return {};
    std::string text;
    bool constant = false;
    for (std::size_t j = 0; j < plan.parts.size(); ++j) {
        const PartPlan& part = plan.parts[j];
        // The Title reads on over the part and the separator before it.
        if (part.inTitle)
            continue;
        if (j > 0) {
            text += plan.separatorTexts[j - 1];
            constant = true;
        }
        for (std::size_t k = 0; k < part.slots.size(); ++k) {
            const Slot& slot = part.slots[k];
            if (k > 0)
                text += part.joints[k - 1];
            text += slot.Text();
            constant = constant || k > 0 || slot.name.empty() || !slot.before.empty() || !slot.after.empty();
        }
    }
    // A template of parameters alone reads any title: that is no family's shape.
    return constant && PassesCheck(text) ? text : std::string();
}

bool PassesCheck(const std::string& text)
{
    stParseError error;
    ParseError_Clear(error);
    return CTpTemplate::Check(text, '<', '>', error) == 0;
}

} // namespace suggest
