#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "wizard/ColumnWidths.h"

namespace {

struct Case {
    int client, scrollBar, number;
    std::vector<int> shares;
    std::vector<int> widths;
};

TEST(NumberedColumnWidths, NumberColumnFirstTheRestByShareWithinTheRoomLeftForTheScrollBar)
{
    const Case cases[] = {
        {500, 17, 33, {1, 1}, {33, 225, 225}},
        {501, 17, 33, {1, 1}, {33, 226, 225}},       // the odd pixel goes to the first text column
        {500, 17, 33, {1, 1, 1}, {33, 150, 150, 150}},
        {500, 17, 33, {2, 1}, {33, 300, 150}},       // templates take twice the example's width
        {501, 17, 33, {2, 1}, {33, 301, 150}},
        {500, 17, 33, {}, {33}},
        {40, 17, 33, {1, 1}, {23, 0, 0}},            // too narrow: nothing below 0, nothing past the edge
        {10, 17, 33, {2, 1}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        const std::vector<int> widths = NumberedColumnWidths(c.client, c.scrollBar, c.number, c.shares);
        EXPECT_EQ(widths, c.widths) << c.client << " " << c.shares.size();
        EXPECT_LE(std::accumulate(widths.begin(), widths.end(), 0), std::max(c.client - c.scrollBar, 0));
    }
}

} // namespace
