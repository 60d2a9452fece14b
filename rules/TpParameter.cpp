#include "rules/TpParameter.h"

#include <algorithm>

namespace {
template <class List>
bool Contains(const List& list, std::string_view name)
{
    return std::find(list.begin(), list.end(), name) != list.end();
}
} // namespace

bool IsKnownParameterName(std::string_view name)
{
    return KnownParameterIndex(name) >= 0;
}

int KnownParameterIndex(std::string_view name)
{
    // The first byte rules out most names before a comparison is called for.
    for (std::size_t k = 0; k < KnownParameterNames.size(); ++k) {
        const std::string_view known = KnownParameterNames[k];
        if (!name.empty() && name.front() == known.front() && name == known)
            return static_cast<int>(k);
    }
    return -1;
}

bool IsRepeatableParameterName(std::string_view name)
{
    return Contains(RepeatableParameterNames, name);
}

bool IsNotActualParameterName(std::string_view name)
{
    return Contains(NotActualParameterNames, name);
}
