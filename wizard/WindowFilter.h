#pragma once
// Which top-level windows the window list leaves out, and the player name as the
// instructions show it.

#include <string>

// The desktop's program manager, the host recorder's two hidden work windows and DDE
// windows: none of them is a player. Exact, case-sensitive comparison.
bool IsExcludedWindowClass(const std::string& windowClass);

// The name cut to its first 50 characters followed by "..." when it is longer.
std::string ShortPlayerName(const std::string& name);
