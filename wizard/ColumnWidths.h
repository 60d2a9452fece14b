#pragma once
// Column widths of the wizard's lists, which leave room for the vertical scroll bar.

#include <vector>

// Widths, in pixels, for `columns` columns that fit the list's client width with room
// left for the vertical scroll bar, so that rows enough to need one never bring a
// horizontal one: column 0 gets `numberWidth` (what a three-digit number needs), the other
// columns share the rest equally, the first of them taking what does not divide. No width
// is below 0; a list too narrow for its number column gives the others 0.
std::vector<int> NumberedColumnWidths(int clientWidth, int scrollBarWidth, int numberWidth, int columns);

// Widths, in pixels, for columns that share the list's client width, less room for the
// vertical scroll bar, in proportion to their weights; the first column takes what does not
// divide. No width is below 0.
std::vector<int> WeightedColumnWidths(int clientWidth, int scrollBarWidth, const std::vector<int>& weights);
