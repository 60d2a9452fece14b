#include "wizard/suggest/Order.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include "rules/TitleParser.h"
#include "wizard/TemplateRules.h"

namespace suggest {

namespace {

// A template parsed once, with the constant text a title must hold, in order, to be read by
// it: most pairs of title and template are ruled out without copying the title into a parser.
class Reader {
public:
    explicit Reader(const std::string& text)
    {
        m_parser.SetTemplate(text);
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t open = text.find('<', i);
            if (open != i)
                m_constants.push_back(text.substr(i, open == std::string::npos ? std::string::npos : open - i));
            if (open == std::string::npos)
                break;
            const std::size_t close = text.find('>', open);
            i = close == std::string::npos ? text.size() : close + 1;
        }
    }

    // The values it finds, or null when it does not read the title.
    const std::vector<CTpParameter>* Read(const std::string& title)
    {
        std::size_t from = 0;
        for (const std::string& constant : m_constants) {
            const std::size_t at = std::string_view(title).find(constant, from);
            if (at == std::string_view::npos)
                return nullptr;
            from = at + constant.size();
        }
        m_parser.SetTitle(title);
        return m_parser.Interpret() == 0 ? &m_parser.GetResults() : nullptr;
    }

private:
    CTitleParser m_parser;
    std::vector<std::string> m_constants;
};

} // namespace

std::vector<stTemplateSuggestion> Assign(std::vector<std::string> templates, const std::vector<std::string>& titles,
                                         const Cutter& cutter, std::vector<bool>* read)
{
    for (;;) {
        std::vector<stTemplateSuggestion> ordered;
        std::vector<std::unique_ptr<Reader>> readers;
        for (int t : MostSpecificFirst(templates)) {
            ordered.push_back({templates[static_cast<std::size_t>(t)], {}});
            readers.push_back(std::make_unique<Reader>(ordered.back().templateText));
        }
        std::vector<bool> splits(ordered.size(), false);
        for (std::size_t i = 0; i < titles.size(); ++i) {
            for (std::size_t s = 0; s < ordered.size(); ++s) {
                const std::vector<CTpParameter>* values = readers[s]->Read(titles[i]);
                if (!values)
                    continue;
                ordered[s].titles.push_back(static_cast<int>(i));
                splits[s] = splits[s] || cutter.SplitsCharacter(titles[i], *values);
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
