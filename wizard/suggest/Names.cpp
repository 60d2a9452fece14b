#include "wizard/suggest/Names.h"

#include <algorithm>
#include <cstring>

#include "platform/ParseError.h"
#include "rules/TpTemplate.h"

namespace suggest {

namespace {

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
PartPlan PlanPart(const Family& members, int j)
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

bool EveryPart(const Family& members, int j, bool (*test)(std::string_view))
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

} // namespace

std::string FamilyTemplate(const Family& members)
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

} // namespace suggest
