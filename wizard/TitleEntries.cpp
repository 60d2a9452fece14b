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

std::unique_ptr<CFormatInfo> MakeTitleEntry(const std::string& title)
{
    auto entry = std::make_unique<CFormatInfo>();
    entry->m_strFormat = title;
    entry->m_arrLines = {";", FormatText("; Example: %s", title.c_str())};
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
    const auto lines = ClosedLines(listText);
    if (std::find(lines.begin(), lines.end(), std::string_view(title)) != lines.end())
        return false;
    listText += title;
    listText += kLineEnd;
    return true;
}
