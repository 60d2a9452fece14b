// The file layer gives the Win32 codes that its errno values map to; the text is the
// system's own for the errno behind the code. Any other code is its own text.
#include "platform/ErrorInfo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

int ErrnoOf(uint32_t code)
{
    switch (code) {
    case 2:
    case 3: return ENOENT;
    case 5: return EACCES;
    case 31: return EIO;
    case 32: return EBUSY;
    case 80: return EEXIST;
    case 112: return ENOSPC;
    default: return 0;
    }
}

} // namespace

void ErrorInfo_FindText(stErrorInfo* info)
{
    if (!info || info->kind != ErrorKind_System)
        return;
    if (const int error = ErrnoOf(info->code); error != 0)
        CopyCut(info->text, std::strerror(error));
    else
        std::snprintf(info->text, sizeof info->text, "SysErr.0x%08X", static_cast<unsigned>(info->code));
}
