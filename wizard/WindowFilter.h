#pragma once
// Which top-level windows the window list leaves out, which rows its filter keeps, what
// the finder takes, and the player name as the instructions show it.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/AnsiText.h"

// One row of the window list.
struct stWndInfo {
    std::string wndClass;
    std::string title;
    bool visible = false;
    std::string program;     // the executable's file name; empty when its process cannot be opened
    std::uintptr_t hwnd = 0; // the window, to find its row again
    int icon = 0;            // its picture in the list's image list
};

// The desktop's program manager, the host recorder's two hidden work windows and DDE
// windows: none of them is a player. Exact, case-sensitive comparison.
bool IsExcludedWindowClass(const std::string& windowClass);

// The name cut to its first 50 characters followed by "..." when it is longer.
std::string ShortPlayerName(const std::string& name);

// The file name at the end of a program's full path ("C:\Program Files\VLC\vlc.exe" gives
// "vlc.exe"). A trail byte that looks like a backslash separates nothing.
std::string ProgramFileName(const std::string& path, const stCodePage& codePage);

// Each byte's lower-case form for the bytes that stand alone in the code page.
using CaseFold = std::array<unsigned char, 256>;
CaseFold AsciiCaseFold();

// Whether `text` contains `part`, ignoring case. A double-byte character matches only
// itself, whole, and a match never begins on its trail byte.
bool ContainsIgnoringCase(std::string_view text, std::string_view part, const CaseFold& fold,
                          const stCodePage& codePage);

// The filter box keeps the rows whose title, class or program contains its text; an empty
// box keeps them all.
bool MatchesFilter(const stWndInfo& row, std::string_view filter, const CaseFold& fold,
                   const stCodePage& codePage);

// What the finder knows of the top-level window under the cursor.
struct stPointedWindow {
    std::uintptr_t hwnd = 0;
    unsigned long processId = 0;
    std::string wndClass;
};

// Whether the finder takes the top-level window under the cursor: not when there is none,
// when it is the desktop itself, one of the wizard's own windows (its outline among them),
// or one the list never shows.
bool FinderTakes(const stPointedWindow& root, std::uintptr_t desktop, unsigned long ownProcess);
