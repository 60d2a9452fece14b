#include "wizard/ColumnWidths.h"

#include <algorithm>
#include <numeric>

std::vector<int> NumberedColumnWidths(int clientWidth, int scrollBarWidth, int numberWidth,
                                      const std::vector<int>& shares)
{
    const int usable = std::max(clientWidth - scrollBarWidth, 0);
    std::vector<int> widths{std::min(std::max(numberWidth, 0), usable)};
    const int rest = usable - widths[0];
    const int total = std::accumulate(shares.begin(), shares.end(), 0);
    int given = 0;
    for (int share : shares) {
        widths.push_back(total > 0 ? rest * std::max(share, 0) / total : 0);
        given += widths.back();
    }
    if (widths.size() > 1)
        widths[1] += rest - given;
    return widths;
}
