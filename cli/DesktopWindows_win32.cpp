#include "cli/DesktopWindows.h"

#include "wizard/EnumWnd.h"

bool HasDesktopWindows()
{
    return true;
}

std::vector<stDesktopWindow> DesktopWindows()
{
    EnumWnd walk;
    walk.EnumerateAll(GetCurrentProcessId());
    std::vector<stDesktopWindow> windows;
    for (int i = 0; i < walk.Count(); ++i)
        windows.push_back({reinterpret_cast<std::uintptr_t>(walk.Windows()[static_cast<std::size_t>(i)]),
                           walk.Classes()[static_cast<std::size_t>(i)], walk.Title(i)});
    return windows;
}
