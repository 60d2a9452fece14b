#include "platform/FileIo.h"

namespace {

// The longest path the ANSI file calls take (MAX_PATH less its terminating NUL).
constexpr std::size_t kLongestPath = 259;

} // namespace

std::string ReplacingTempPath(const std::string& path)
{
    std::string temp = path + ".tmp~";
    if (temp.size() <= kLongestPath || path.empty())
        return temp;
    // A target near the limit gets a name of its own length, so that it can still be saved.
    temp = path;
    temp.back() = temp.back() == '~' ? '!' : '~';
    return temp;
}
