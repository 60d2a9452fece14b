#include "wizard/WindowFilter.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 4> kExcludedClasses = {
    "Progman",
    "work window class Dunmere Quorvel Kd7wPz2LmQa9XnR4tVb6",
    "Scheduler work window class Dunmere Quorvel Kd7wPz2LmQa9XnR4tVb6",
    "OleDdeWndClass",
};

constexpr std::size_t kShortNameLength = 50;

} // namespace

bool IsExcludedWindowClass(const std::string& windowClass)
{
    return std::find(kExcludedClasses.begin(), kExcludedClasses.end(), windowClass) != kExcludedClasses.end();
}

std::string ShortPlayerName(const std::string& name)
{
    if (name.size() <= kShortNameLength)
        return name;
    return name.substr(0, kShortNameLength) + "...";
}
