#include "rules/RunningPlayers.h"

#include <algorithm>
#include <utility>

#include "platform/FormatText.h"

namespace {
const std::vector<std::string> kNoTitles;
}

stWindowReading ReadWindow(CTitleLookup& lookup, const std::string& wndClass, const std::string& title)
{
    stWindowReading reading;
    reading.match = lookup.Find(wndClass, title);
    reading.player = reading.match.player >= 0 ? reading.match.player : lookup.FirstSectionOf(wndClass);
    return reading;
}

std::string TagsText(const stTitleMatch& match)
{
    std::string text;
    for (const CTpParameter* tag : MatchTags(match)) {
        if (!text.empty())
            text += "  ";
        text += tag->m_strName + '=' + tag->m_strValue;
    }
    return text;
}

CRunningPlayers::CRunningPlayers(const CAllPlayersInfo& players) : m_players(players), m_lookup(players) {}

void CRunningPlayers::stSeen::Add(const std::string& title)
{
    if (!title.empty() && all.insert(title).second)
        inOrder.push_back(title);
}

const CRunningPlayers::stKnown& CRunningPlayers::Know(const stDesktopWindow& window,
                                                      std::unordered_map<std::uintptr_t, stKnown>& known)
{
    auto before = m_known.find(window.id);
    stKnown& now = known[window.id];
    if (before != m_known.end() && before->second.title == window.title) {
        now = std::move(before->second);
        return now;
    }
    now.title = window.title;
    now.reading = ReadWindow(m_lookup, window.wndClass, window.title);
    if (now.reading.player >= 0)
        m_seenByPlayer[now.reading.player].Add(window.title);
    else
        m_seenByClass[window.wndClass].Add(window.title);
    return now;
}

CRunningPlayers::stChanges CRunningPlayers::Update(const std::vector<stDesktopWindow>& windows, bool showAll)
{
    std::unordered_map<std::uintptr_t, stKnown> known;
    std::unordered_map<std::uintptr_t, const stDesktopWindow*> present;
    for (const stDesktopWindow& window : windows)
        if (present.emplace(window.id, &window).second)
            Know(window, known);
    m_known = std::move(known);
    const auto listed = [&](std::uintptr_t id) {
        const auto it = m_known.find(id);
        return it != m_known.end() && (showAll || it->second.reading.player >= 0);
    };

    stChanges changes;
    for (int i = static_cast<int>(m_rows.size()) - 1; i >= 0; --i)
        if (!listed(m_rows[static_cast<std::size_t>(i)].window)) {
            m_rows.erase(m_rows.begin() + i);
            changes.removed.push_back(i);
        }
    std::unordered_set<std::uintptr_t> inRows;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        stRow& row = m_rows[i];
        inRows.insert(row.window);
        const stKnown& now = m_known.at(row.window);
        if (row.title != now.title) {
            row.title = now.title;
            row.reading = now.reading;
            changes.changed.push_back(static_cast<int>(i));
        }
    }
    for (const stDesktopWindow& window : windows)
        if (listed(window.id) && inRows.insert(window.id).second) {
            const stKnown& now = m_known.at(window.id);
            m_rows.push_back({window.id, window.wndClass, now.title, now.reading});
            ++changes.added;
        }
    return changes;
}

std::vector<std::string> CRunningPlayers::RowTexts(int row, const std::string& unrecognized) const
{
    const stRow& r = m_rows.at(static_cast<std::size_t>(row));
    const stTitleMatch& match = r.reading.match;
    std::vector<std::string> texts{r.reading.player >= 0 ? m_players.GetPlayerName(r.reading.player) : std::string(),
                                   r.wndClass, r.title};
    if (match.format < 0) {
        texts.insert(texts.end(), {{}, {}, unrecognized});
        return texts;
    }
    texts.push_back(FormatText("%d", match.format + 1));
    texts.push_back(m_players.GetPlayer(match.player)->m_arrFormats.at(static_cast<std::size_t>(match.format))->m_strFormat);
    texts.push_back(TagsText(match));
    return texts;
}

std::optional<std::vector<std::string>> CRunningPlayers::WantedClasses(bool showAll) const
{
    if (showAll || m_lookup.ReadsAnyClass())
        return std::nullopt;
    std::vector<std::string> classes;
    for (int i = 0; i < m_players.GetPlayerCount(); ++i) {
        const std::string& wndClass = m_players.GetPlayer(i)->m_strWndClass;
        if (std::find(classes.begin(), classes.end(), wndClass) == classes.end())
            classes.push_back(wndClass);
    }
    return classes;
}

const std::vector<std::string>& CRunningPlayers::SeenTitles(int player) const
{
    const auto seen = m_seenByPlayer.find(player);
    return seen == m_seenByPlayer.end() ? kNoTitles : seen->second.inOrder;
}

const std::vector<std::string>& CRunningPlayers::SeenTitlesOfClass(const std::string& wndClass) const
{
    const auto seen = m_seenByClass.find(wndClass);
    return seen == m_seenByClass.end() ? kNoTitles : seen->second.inOrder;
}
