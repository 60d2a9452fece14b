#include "wizard/WindowFilter.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 4> kExcludedClasses = {
    "Progman",
    "work window class Dunmere Quorvel Kd7wPz2LmQa9XnR4tVb6",
    "Scheduler work window class Dunmere Quorvel Kd7wPz2LmQa9XnR4tVb6",
    "OleDdeWndClass",
};

constexpr std::size_t kShortNameLength = 50;

bool IsLead(const stCodePage& codePage, char byte)
{
    return codePage.IsLeadByte(static_cast<unsigned char>(byte));
}

// Whether `part` matches `text` from `at` on, character by character.
bool MatchesAt(std::string_view text, std::size_t at, std::string_view part, const CaseFold& fold,
               const stCodePage& codePage)
{
    std::size_t i = 0;
    while (i < part.size()) {
        if (at + i >= text.size())
            return false;
        if (IsLead(codePage, text[at + i])) {
            if (i + 1 >= part.size() || at + i + 1 >= text.size() || text.compare(at + i, 2, part.substr(i, 2)) != 0)
                return false;
            i += 2;
            continue;
        }
        if (IsLead(codePage, part[i]) ||
            fold[static_cast<unsigned char>(text[at + i])] != fold[static_cast<unsigned char>(part[i])])
            return false;
        ++i;
    }
    return true;
}

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

std::string ProgramFileName(const std::string& path, const stCodePage& codePage)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (IsLead(codePage, path[i]))
            ++i;
        else if (path[i] == '\\' || path[i] == '/' || path[i] == ':')
            start = i + 1;
    }
    return path.substr(start);
}

CaseFold AsciiCaseFold()
{
    CaseFold fold{};
    for (std::size_t i = 0; i < fold.size(); ++i)
        fold[i] = static_cast<unsigned char>(i >= 'A' && i <= 'Z' ? i - 'A' + 'a' : i);
    return fold;
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part, const CaseFold& fold,
                          const stCodePage& codePage)
{
    if (part.empty())
        return true;
    for (std::size_t at = 0; at < text.size(); at += IsLead(codePage, text[at]) ? 2 : 1)
        if (MatchesAt(text, at, part, fold, codePage))
            return true;
    return false;
}

bool MatchesFilter(const stWndInfo& row, std::string_view filter, const CaseFold& fold,
                   const stCodePage& codePage)
{
    return ContainsIgnoringCase(row.title, filter, fold, codePage) ||
           ContainsIgnoringCase(row.wndClass, filter, fold, codePage) ||
           ContainsIgnoringCase(row.program, filter, fold, codePage);
}

bool FinderTakes(const stPointedWindow& root, std::uintptr_t desktop, unsigned long ownProcess)
{
    return root.hwnd != 0 && root.hwnd != desktop && root.processId != ownProcess &&
           !IsExcludedWindowClass(root.wndClass);
}
