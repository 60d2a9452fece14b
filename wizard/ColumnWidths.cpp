#include "wizard/ColumnWidths.h"

#include <algorithm>

std::vector<int> NumberedColumnWidths(int clientWidth, int scrollBarWidth, int numberWidth, int columns)
{
    if (columns <= 0)
        return {};
    const int usable = std::max(clientWidth - scrollBarWidth, 0);
    std::vector<int> widths(static_cast<std::size_t>(columns), 0);
    widths[0] = std::min(std::max(numberWidth, 0), usable);
    if (columns == 1)
        return widths;
    const int rest = usable - widths[0], others = columns - 1;
    for (int i = 1; i < columns; ++i)
        widths[static_cast<std::size_t>(i)] = rest / others;
    widths[1] += rest % others;
    return widths;
}
