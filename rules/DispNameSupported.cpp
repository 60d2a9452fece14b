#include "rules/DispNameSupported.h"

namespace {
bool g_bDispNameSupported = false;
}

bool DispNameSupported()
{
    return g_bDispNameSupported;
}

void SetDispNameSupported()
{
    g_bDispNameSupported = true;
}

void SetDispNameSupportedForTesting(bool value)
{
    g_bDispNameSupported = value;
}
