#include "wizard/ColumnWidths.h"

#include <algorithm>

std::vector<int> SharedColumnWidths(int clientWidth, int scrollBarWidth, const std::vector<int>& shares)
{
    std::vector<int> widths(shares.size(), 0);
    long long total = 0;
    for (int share : shares)
        total += std::max(share, 0);
    if (total == 0)
        return widths;
    const int usable = std::max(clientWidth - scrollBarWidth, 0);
    int given = 0;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        widths[i] = static_cast<int>(usable * static_cast<long long>(std::max(shares[i], 0)) / total);
        given += widths[i];
    }
    widths[0] += usable - given;
    return widths;
}

std::vector<int> NumberedColumnWidths(int clientWidth, int scrollBarWidth, int numberWidth,
                                      const std::vector<int>& shares)
{
    const int usable = std::max(clientWidth - scrollBarWidth, 0);
    std::vector<int> widths{std::min(std::max(numberWidth, 0), usable)};
    const std::vector<int> rest = SharedColumnWidths(usable - widths[0], 0, shares);
    widths.insert(widths.end(), rest.begin(), rest.end());
    return widths;
}
