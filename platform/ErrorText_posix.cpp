// Without the system's message tables the last source, the code itself, is the text.
#include "platform/ErrorInfo.h"

#include <cstdio>

void ErrorInfo_FindText(stErrorInfo* info)
{
    if (!info || info->kind != ErrorKind_System)
        return;
    std::snprintf(info->text, sizeof info->text, "SysErr.0x%08X", static_cast<unsigned>(info->code));
}
