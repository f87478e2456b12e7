#pragma once

#include <vector>

namespace kr::gui {

class StringGrid;

// The width each column of a grid needs to show its heading and every
// text whole, by grid column (the fixed column keeps its width); the
// column stepColumn also holds a step button of stepWidth.
std::vector<int> NeededColumnWidths(const StringGrid& grid, int stepColumn, int stepWidth);

// The widths of the columns after the fixed one in room pixels: the set
// widths where they all fit; otherwise each column as wide as it needs, and
// what room is left shared out toward the set widths, so that no column is
// cut off where the grid has room for all of them.
std::vector<int> FittedColumnWidths(const std::vector<int>& setWidths, const std::vector<int>& needed, int room);

}  // namespace kr::gui
