#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "wizard/ColumnWidths.h"

namespace {

struct Case {
    int client, scrollBar, number, columns;
    std::vector<int> widths;
};

TEST(NumberedColumnWidths, NumberColumnFirstTheRestSharedWithinTheRoomLeftForTheScrollBar)
{
    const Case cases[] = {
        {500, 17, 33, 3, {33, 225, 225}},
        {501, 17, 33, 3, {33, 226, 225}},     // the odd pixel goes to the first text column
        {500, 17, 33, 4, {33, 150, 150, 150}}, // a fourth column shares alike
        {500, 17, 33, 1, {33}},
        {40, 17, 33, 3, {23, 0, 0}},          // too narrow: nothing below 0, nothing past the edge
        {10, 17, 33, 3, {0, 0, 0}},
        {500, 17, 33, 0, {}},
    };
    for (const Case& c : cases) {
        const std::vector<int> widths = NumberedColumnWidths(c.client, c.scrollBar, c.number, c.columns);
        EXPECT_EQ(widths, c.widths) << c.client << " " << c.columns;
        EXPECT_LE(std::accumulate(widths.begin(), widths.end(), 0), std::max(c.client - c.scrollBar, 0));
    }
}

} // namespace
