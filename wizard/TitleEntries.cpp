#include "wizard/TitleEntries.h"

#include <algorithm>
#include <string_view>

#include "platform/FormatText.h"
#include "rules/PlayerInfo.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Every line of the text but the last, which is the one after the final line end.
std::vector<std::string_view> ClosedLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (std::size_t end; (end = text.find(kLineEnd)) != std::string_view::npos;) {
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + kLineEnd.size());
    }
    return lines;
}

} // namespace

std::string OneLineTitle(const std::string& title)
{
    std::string line;
    line.reserve(title.size());
    for (std::size_t i = 0; i < title.size(); ++i) {
        if (title[i] == '\r' || title[i] == '\n') {
            if (title[i] == '\r' && i + 1 < title.size() && title[i + 1] == '\n')
                ++i;
            line += ' ';
        } else {
            line += title[i];
        }
    }
    return line;
}

std::unique_ptr<CFormatInfo> MakeTitleEntry(const std::string& title)
{
    auto entry = std::make_unique<CFormatInfo>();
    entry->m_strFormat = OneLineTitle(title);
    entry->m_arrLines = {";", FormatText("; Example: %s", entry->m_strFormat.c_str())};
    return entry;
}

void SetTitleEntries(CPlayerInfo& player, const std::vector<std::string>& titles)
{
    player.RemoveAllFormats();
    for (const std::string& title : titles)
        if (!title.empty())
            player.m_arrFormats.push_back(MakeTitleEntry(title));
}

std::string TitleListText(const CPlayerInfo& player)
{
    std::string text;
    for (const auto& entry : player.m_arrFormats) {
        text += entry->m_strFormat;
        text += kLineEnd;
    }
    return text;
}

std::vector<std::string> ListedTitles(const std::string& listText)
{
    std::vector<std::string> titles;
    for (std::string_view line : ClosedLines(listText))
        if (!line.empty())
            titles.emplace_back(line);
    return titles;
}

bool AppendTitleIfNew(std::string& listText, const std::string& title)
{
    if (title.empty())
        return false;
    // Compared as it is listed: a title holding a line break would otherwise never equal
    // a line and be added again on every look.
    const std::string line = OneLineTitle(title);
    const auto lines = ClosedLines(listText);
    if (std::find(lines.begin(), lines.end(), std::string_view(line)) != lines.end())
        return false;
    listText += line;
    listText += kLineEnd;
    return true;
}
