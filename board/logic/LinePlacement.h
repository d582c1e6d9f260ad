// Where the lines of one cell are drawn: centred in the cell, as many as fit
// in its height.
#pragma once

#include "BoardLayout.h"

#include <cstdint>
#include <vector>

struct LineSize {
    int32_t cx, cy;  // the measured extent of a line
};

struct PlacedLine {
    int32_t x, y;  // top-left corner of the line's text
};

constexpr int32_t kLineSpacing = 5;  // pixels between two lines of a cell

// The positions of the lines that are drawn, for lines 0, 1, ... in order.
// A lone line is always drawn, centred, even when it overflows the cell.
// Of several lines, the block (heights plus 5 pixels between lines) takes
// lines while it fits the cell's height; the first that does not fit and
// all after it are dropped. The block is centred vertically and each line
// horizontally.
std::vector<PlacedLine> PlaceCellLines(const CellRect& cell, const std::vector<LineSize>& lines);
