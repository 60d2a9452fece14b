#include "platform/AnsiText.h"

std::string AnsiToUtf8(const std::string& text)
{
    return text;
}

bool IsAnsiLeadByte(unsigned char)
{
    return false;
}
