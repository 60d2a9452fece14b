#include "platform/FileFaults.h"

namespace {
int g_countdown = -1;
FileFaultKind g_kind = FileFaultKind::Fail;
std::size_t g_shortWriteBytes = 0;
}

void InjectFileFault(int callsBeforeFailure, FileFaultKind kind, std::size_t shortWriteBytes)
{
    g_countdown = callsBeforeFailure < 0 ? -1 : callsBeforeFailure;
    g_kind = kind;
    g_shortWriteBytes = shortWriteBytes;
}

void ClearFileFault()
{
    g_countdown = -1;
}

bool FileFaultPending()
{
    return g_countdown >= 0;
}

stFileFault FileFault_Next()
{
    if (g_countdown < 0)
        return {false, FileFaultKind::Fail, 0};
    if (g_countdown-- > 0)
        return {false, FileFaultKind::Fail, 0};
    return {true, g_kind, g_shortWriteBytes};
}
