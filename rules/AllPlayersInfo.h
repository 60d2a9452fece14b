#pragma once
// The whole rules file in memory: header block, player sections and closing block, with
// the reader that fills it and the writer that turns it back into text.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ParseError.h"
#include "rules/PlayerInfo.h"

class CAllPlayersInfo {
public:
    CAllPlayersInfo();
    // A deep copy of the content; the error state starts cleared.
    CAllPlayersInfo(const CAllPlayersInfo& other);
    // Replaces the players by deep copies of the other's; the error state is not copied.
    CAllPlayersInfo& operator=(const CAllPlayersInfo& other);
    virtual ~CAllPlayersInfo() = default;

    // 0, or -1 with the reason in the error state.
    int LoadFromFile(const std::string& path);
    // Replaces the whole content by that of the text. 0, or -1 with the reason in the
    // error state and the content read up to the failure.
    int ParseText(const std::string& text);
    void GetError(stParseError* out) const;

    int GetPlayerCount() const { return static_cast<int>(m_arrPlayers.size()); }
    // Index must be valid; the player stays owned by the collection.
    CPlayerInfo* GetPlayer(int index) { return m_arrPlayers.at(index).get(); }
    const CPlayerInfo* GetPlayer(int index) const { return m_arrPlayers.at(index).get(); }
    // Puts the player at the index and hands back the one that stood there.
    std::unique_ptr<CPlayerInfo> SetPlayer(int index, std::unique_ptr<CPlayerInfo> player);
    int AddPlayer(std::unique_ptr<CPlayerInfo> player);
    int RemovePlayer(int index);
    void RemoveAllPlayers();
    std::string GetPlayerName(int index) const { return m_arrPlayers.at(index)->m_strName; }
    // 1 when a player has exactly this section name, else 0.
    int FindPlayerName(const std::string& name) const;
    // Takes the other's blocks and appends deep copies of its players to the own ones.
    void CopyFrom(const CAllPlayersInfo& other);

    std::string BuildPlayerText(const CPlayerInfo& player) const;
    std::string BuildText() const;
    // The text followed by the sections of the players, on lines of their own: a text that the
    // reader refused, with the players added to it since.
    std::string AppendPlayersText(std::string text) const;
    // 0, or -1 with the reason in the error state; the previous file stays whole on failure.
    int SaveToFile(const std::string& path);

    std::vector<std::unique_ptr<CPlayerInfo>> m_arrPlayers;
    std::vector<std::string> m_arrHeaderLines;
    std::vector<std::string> m_arrClosingLines;
    stParseError m_error;
};

// The lines of a rules text as the reader splits it, without their CR LF; they point into
// the text.
std::vector<std::string_view> SplitRulesLines(std::string_view text);

// Where one section of a rules text stands: 0-based lines of its header, its class line and
// its template lines in order.
struct stPlayerLines {
    int header = 0;
    int wndClass = 0;
    std::vector<int> formats;
};

// The places of the sections of a text that ParseText took, in the order of its players.
std::vector<stPlayerLines> FindPlayerLines(std::string_view text);
