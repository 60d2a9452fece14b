#include "cli/DesktopWindows.h"

bool HasDesktopWindows()
{
    return false;
}

std::vector<stDesktopWindow> DesktopWindows()
{
    return {};
}
