#pragma once
// Column widths of a list whose first column numbers its rows: step 3's two lists.

#include <vector>

// Widths, in pixels, for a number column and one column per share that fit the list's
// client width with room left for the vertical scroll bar, so that rows enough to need one
// never bring a horizontal one: column 0 gets `numberWidth` (what a three-digit number
// needs), the other columns divide the rest in proportion to their shares, the first of
// them taking what does not divide. No width is below 0; a list too narrow for its number
// column gives the others 0.
std::vector<int> NumberedColumnWidths(int clientWidth, int scrollBarWidth, int numberWidth,
                                      const std::vector<int>& shares);
