#include "wizard/TemplateRules.h"

#include <algorithm>
#include <numeric>

#include "platform/FormatText.h"
#include "platform/ParseError.h"
#include "rules/TitleParser.h"

stInterpretation InterpretTitle(CTitleParser& parser, const std::string& title,
                                const std::vector<std::string>& templates,
                                const std::function<void(int messageId)>& onTemplateError)
{
    stInterpretation result;
    parser.SetTitle(title);
    for (const std::string& text : templates) {
        if (parser.SetTemplate(text) != 0) {
            stParseError error;
            parser.GetErrorInfo(&error);
            if (onTemplateError)
                onTemplateError(error.code);
            continue;
        }
        if (parser.Interpret() != 0)
            continue;
        for (const CTpParameter& parameter : parser.GetResults()) {
            if (parameter.m_strName.find("Unused") != std::string::npos)
                continue;
            result.text += FormatText("%s%s=[%s]", result.text.empty() ? "" : " ", parameter.m_strName.c_str(),
                                      parameter.m_strValue.c_str());
        }
        result.recognised = true;
        break;
    }
    return result;
}

int CountParameters(const std::string& templateText)
{
    return static_cast<int>(std::count(templateText.begin(), templateText.end(), '<'));
}

std::vector<int> MostSpecificFirst(const std::vector<std::string>& templates)
{
    std::vector<int> order(templates.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&templates](int a, int b) {
        const std::string& x = templates[static_cast<std::size_t>(a)];
        const std::string& y = templates[static_cast<std::size_t>(b)];
        const int countX = CountParameters(x), countY = CountParameters(y);
        return countX != countY ? countX > countY : x.size() > y.size();
    });
    return order;
}

std::vector<std::unique_ptr<CFormatInfo>> EntriesForTemplates(
    const std::vector<stTemplateRow>& rows, const std::vector<std::unique_ptr<CFormatInfo>>& stored)
{
    std::vector<std::unique_ptr<CFormatInfo>> entries;
    for (const stTemplateRow& row : rows) {
        const auto same = std::find_if(stored.begin(), stored.end(),
                                       [&row](const auto& entry) { return entry->m_strFormat == row.text; });
        if (same != stored.end()) {
            entries.push_back(std::make_unique<CFormatInfo>(**same));
            continue;
        }
        auto entry = std::make_unique<CFormatInfo>();
        entry->m_strFormat = row.text;
        entry->m_arrLines = {";", FormatText("; Example: %s", row.example.c_str())};
        entries.push_back(std::move(entry));
    }
    return entries;
}
