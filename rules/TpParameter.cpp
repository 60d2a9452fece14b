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
    return Contains(KnownParameterNames, name);
}

bool IsRepeatableParameterName(std::string_view name)
{
    return Contains(RepeatableParameterNames, name);
}

bool IsNotActualParameterName(std::string_view name)
{
    return Contains(NotActualParameterNames, name);
}
