#include "rules/RulesChecks.h"

#include <string_view>

namespace {
const std::string kNoClass;
}

int FindReadingTemplate(CTitleParser& parser, const CPlayerInfo& player, const std::string& title)
{
    parser.SetTitle(title);
    for (std::size_t i = 0; i < player.m_arrFormats.size(); ++i)
        if (parser.SetTemplate(player.m_arrFormats[i]->m_strFormat) == 0 && parser.Interpret() == 0)
            return static_cast<int>(i);
    return -1;
}

std::vector<stExampleFinding> CheckExamples(CTitleParser& parser, const CPlayerInfo& player)
{
    std::vector<stExampleFinding> findings;
    for (std::size_t i = 0; i < player.m_arrFormats.size(); ++i) {
        const std::string example = player.m_arrFormats[i]->GetExample();
        if (example.empty())
            continue;
        const int format = static_cast<int>(i);
        const int reader = FindReadingTemplate(parser, player, example);
        if (reader != format)
            findings.push_back({format, reader < format ? reader : -1});
    }
    return findings;
}

std::vector<stSharedClassFinding> FindSharedClasses(const CAllPlayersInfo& players)
{
    std::vector<stSharedClassFinding> findings;
    std::unordered_map<std::string_view, int> firstUsers;
    for (int i = 0; i < players.GetPlayerCount(); ++i) {
        const std::string& wndClass = players.GetPlayer(i)->m_strWndClass;
        if (wndClass.empty())
            continue;
        const auto [found, added] = firstUsers.emplace(wndClass, i);
        if (!added)
            findings.push_back({i, found->second});
    }
    return findings;
}

CTitleLookup::CTitleLookup(const CAllPlayersInfo& players) : m_players(players)
{
    for (int i = 0; i < players.GetPlayerCount(); ++i)
        m_byClass[players.GetPlayer(i)->m_strWndClass].push_back(i);
}

stTitleMatch CTitleLookup::Find(const std::string& wndClass, const std::string& title)
{
    stTitleMatch match;
    // When the class is empty both passes are one.
    for (const std::string* key : {&wndClass, wndClass.empty() ? nullptr : &kNoClass}) {
        const auto sections = key ? m_byClass.find(*key) : m_byClass.end();
        if (sections == m_byClass.end())
            continue;
        for (const int i : sections->second) {
            const int format = FindReadingTemplate(m_parser, *m_players.GetPlayer(i), title);
            if (format >= 0) {
                match.player = i;
                match.format = format;
                match.results = m_parser.GetResults();
                return match;
            }
        }
    }
    return match;
}

int CTitleLookup::FirstSectionOf(const std::string& wndClass) const
{
    const auto sections = m_byClass.find(wndClass);
    return sections == m_byClass.end() ? -1 : sections->second.front();
}

std::vector<const CTpParameter*> MatchTags(const stTitleMatch& match)
{
    std::vector<const CTpParameter*> tags;
    for (const CTpParameter& result : match.results)
        if (!IsNotActualParameterName(result.m_strName))
            tags.push_back(&result);
    return tags;
}
