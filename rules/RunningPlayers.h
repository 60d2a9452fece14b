#pragma once
// What the recorder makes of the windows on the desktop now, as the running players view
// and players-check show it: one row per window that a section names or reads, each kept
// in its place while the desktop changes, and every title seen for a section, or for a
// class that no section names, while the rows are kept.

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "rules/AllPlayersInfo.h"
#include "rules/RulesChecks.h"

struct stDesktopWindow {
    std::uintptr_t id = 0; // the window's handle
    std::string wndClass;
    std::string title;
};

struct stWindowReading {
    // The section the window is the recorder's for: the one that reads its title or, when
    // none does, the first of its class. -1 for a window of a class no section names that
    // no section reads.
    int player = -1;
    stTitleMatch match; // match.format -1: the title is unrecognized
};

stWindowReading ReadWindow(CTitleLookup& lookup, const std::string& wndClass, const std::string& title);

// The tags as the view shows them: "Artist=Ann  Title=Song".
std::string TagsText(const stTitleMatch& match);

class CRunningPlayers {
public:
    struct stRow {
        std::uintptr_t window = 0;
        std::string wndClass;
        std::string title;
        stWindowReading reading;
    };
    // What an update did to the rows, to be done to a list in this order.
    struct stChanges {
        std::vector<int> removed; // positions before the update, last first
        std::vector<int> changed; // positions once the removed rows are gone
        int added = 0;            // rows appended at the end
    };

    // The players must outlive the object and stay as they are.
    explicit CRunningPlayers(const CAllPlayersInfo& players);

    // The windows as the system lists them now. Without `showAll` a window is a row only
    // while it has a Player.
    stChanges Update(const std::vector<stDesktopWindow>& windows, bool showAll);

    const std::vector<stRow>& Rows() const { return m_rows; }
    // Player, Window class, Title, Template, Template text, Tags.
    std::vector<std::string> RowTexts(int row, const std::string& unrecognized) const;

    // The classes whose windows can be rows, each once in file order, or nothing when a window
    // of any class can be: the other windows need not be asked anything.
    std::optional<std::vector<std::string>> WantedClasses(bool showAll) const;

    // In the order first seen; empty titles are not kept.
    const std::vector<std::string>& SeenTitles(int player) const;
    const std::vector<std::string>& SeenTitlesOfClass(const std::string& wndClass) const;

private:
    struct stSeen {
        std::vector<std::string> inOrder;
        std::unordered_set<std::string> all;
        void Add(const std::string& title);
    };
    struct stKnown {
        std::string title;
        stWindowReading reading;
    };

    const stKnown& Know(const stDesktopWindow& window, std::unordered_map<std::uintptr_t, stKnown>& known);

    const CAllPlayersInfo& m_players;
    CTitleLookup m_lookup;
    std::vector<stRow> m_rows;
    // Every window of the last update, listed or not: a title is looked up once per change.
    std::unordered_map<std::uintptr_t, stKnown> m_known;
    std::unordered_map<int, stSeen> m_seenByPlayer;
    std::unordered_map<std::string, stSeen> m_seenByClass;
};
