#include "wizard/TemplateSuggest.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "wizard/suggest/Cut.h"
#include "wizard/suggest/Families.h"
#include "wizard/suggest/Names.h"
#include "wizard/suggest/Order.h"

// The pipeline: cut each title into parts, group the titles into families, name each
// family's parameters, then order the templates and give each title to the first that
// reads it. What no template reads is grouped again, more loosely, and gets a second round.

namespace {

using namespace suggest;

void AddTemplate(std::vector<std::string>& templates, std::string text)
{
    if (!text.empty() && std::find(templates.begin(), templates.end(), text) == templates.end())
        templates.push_back(std::move(text));
}

void AddFamilies(std::vector<std::string>& templates, const std::vector<Family>& families)
{
    for (const Family& family : families)
        if (family.size() > 1)
            AddTemplate(templates, FamilyTemplate(family));
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
    std::vector<Cut> cuts(titles.size());
    std::vector<Member> members;
    std::unordered_map<std::string_view, int> seen;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (!seen.emplace(titles[i], static_cast<int>(i)).second)
            continue;
        cuts[i] = cutter(titles[i]);
        members.push_back({static_cast<int>(i), &titles[i], &cuts[i], cuts[i].strong});
    }

    std::vector<std::string> templates;
    AddFamilies(templates, GroupByStrongSeparators(members));
    std::vector<bool> read(titles.size(), false);
    std::vector<stTemplateSuggestion> result = Assign(templates, titles, cutter, &read);

    // What no template reads: titles whose values hold strong separators of their own.
    std::vector<Member> unread;
    std::copy_if(members.begin(), members.end(), std::back_inserter(unread),
                 [&read](const Member& m) { return !read[static_cast<std::size_t>(m.index)]; });
    const std::size_t before = templates.size();
    AddFamilies(templates, GroupUnread(unread));
    if (templates.size() != before)
        result = Assign(templates, titles, cutter, nullptr);
    return result;
}
