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

std::vector<int> WeightedColumnWidths(int clientWidth, int scrollBarWidth, const std::vector<int>& weights)
{
    std::vector<int> widths(weights.size(), 0);
    long long total = 0;
    for (int weight : weights)
        total += std::max(weight, 0);
    if (total == 0)
        return widths;
    const int usable = std::max(clientWidth - scrollBarWidth, 0);
    int given = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        widths[i] = static_cast<int>(usable * static_cast<long long>(std::max(weights[i], 0)) / total);
        given += widths[i];
    }
    widths[0] += usable - given;
    return widths;
}
