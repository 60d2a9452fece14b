#pragma once
// Column widths of the wizard's lists, which leave room for the vertical scroll bar.

#include <vector>

// Widths, in pixels, for columns that share the list's client width, less room for the
// vertical scroll bar, in proportion to their shares, so that rows enough to need the bar
// never bring a horizontal one; the first column takes what does not divide. No width is
// below 0.
std::vector<int> SharedColumnWidths(int clientWidth, int scrollBarWidth, const std::vector<int>& shares);

// The same after a number column: column 0 gets `numberWidth` (what a three-digit number
// needs), the other columns divide the rest in proportion to their shares, the first of
// them taking what does not divide. A list too narrow for its number column gives the
// others 0.
std::vector<int> NumberedColumnWidths(int clientWidth, int scrollBarWidth, int numberWidth,
                                      const std::vector<int>& shares);
