#include "platform/AnsiCodePage.h"

// Elsewhere text is taken as single-byte; callers that know the code page pass its lead bytes.
bool IsAnsiLeadByte(unsigned char)
{
    return false;
}
