#include "wizard/TemplateRules.h"

#include <algorithm>
#include <numeric>

#include "platform/FormatText.h"
#include "platform/ParseError.h"
#include "rules/TitleParser.h"

namespace {

stInterpretation Reading(const CTitleParser& parser, int reader)
{
    stInterpretation result;
    for (const CTpParameter& parameter : parser.GetResults()) {
        if (parameter.m_strName.find("Unused") != std::string::npos)
            continue;
        result.text += FormatText("%s%s=[%s]", result.text.empty() ? "" : " ", parameter.m_strName.c_str(),
                                  parameter.m_strValue.c_str());
    }
    result.recognised = true;
    result.reader = reader;
    return result;
}

} // namespace

stInterpretation InterpretTitle(CTitleParser& parser, const std::string& title,
                                const std::vector<std::string>& templates,
                                const std::function<void(int messageId)>& onTemplateError)
{
    return InterpretTitles(parser, {title}, templates, onTemplateError).titles.front();
}

stReadings InterpretTitles(CTitleParser& parser, const std::vector<std::string>& titles,
                           const std::vector<std::string>& templates,
                           const std::function<void(int messageId)>& onTemplateError)
{
    stReadings readings;
    readings.counts.assign(templates.size(), 0);
    readings.hiddenBy.assign(templates.size(), -1);
    for (const std::string& title : titles) {
        stInterpretation reading;
        parser.SetTitle(title);
        for (int j = 0; j < static_cast<int>(templates.size()); ++j) {
            const auto at = static_cast<std::size_t>(j);
            // Past the reader only what a template would hide is wanted, and only once.
            if (reading.recognised && readings.hiddenBy[at] != -1)
                continue;
            if (parser.SetTemplate(templates[at]) != 0) {
                if (!reading.recognised && onTemplateError) {
                    stParseError error;
                    parser.GetErrorInfo(&error);
                    onTemplateError(error.code);
                }
                continue;
            }
            if (parser.Interpret() != 0)
                continue;
            if (reading.recognised) {
                readings.hiddenBy[at] = reading.reader;
                continue;
            }
            reading = Reading(parser, j);
            ++readings.counts[at];
        }
        readings.titles.push_back(std::move(reading));
    }
    for (std::size_t j = 0; j < templates.size(); ++j)
        if (readings.counts[j] > 0)
            readings.hiddenBy[j] = -1;
    return readings;
}

std::vector<stValueRange> ValueRanges(CTitleParser& parser, const std::string& title, const std::string& templateText)
{
    std::vector<stValueRange> ranges;
    parser.SetTitle(title);
    if (parser.SetTemplate(templateText) != 0 || parser.Interpret() != 0)
        return ranges;
    for (const CTpParameter& value : parser.GetResults())
        ranges.push_back({value.m_strName, value.m_nPos, value.m_nPos + value.m_nLen});
    return ranges;
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
