#include "platform/FileIo.h"

std::string ReplacingTempPath(const std::string& path)
{
    return path + ".tmp~";
}
