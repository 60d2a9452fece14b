#include "wizard/suggest/Order.h"

#include <algorithm>

#include "rules/TitleParser.h"
#include "wizard/TemplateRules.h"

namespace suggest {

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

} // namespace suggest
