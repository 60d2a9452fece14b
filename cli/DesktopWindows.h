#pragma once
// The top-level windows of the desktop for players-check --windows: there only where the
// program runs on Windows.

#include <vector>

#include "rules/RunningPlayers.h"

bool HasDesktopWindows();
// The visible windows of other processes with their classes and titles, in the system's order.
std::vector<stDesktopWindow> DesktopWindows();
