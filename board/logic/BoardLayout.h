// The board's two-column layout, computed from the client size alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A rectangle in client pixels: left, top, right, bottom.
struct CellRect {
    int32_t left, top, right, bottom;
    friend bool operator==(const CellRect& a, const CellRect& b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

struct RowCells {
    CellRect label;
    CellRect value;
};

struct BoardLayout {
    int32_t labelWidth;          // width of every label cell: 20 % of (cx - 30)
    int32_t valueWidth;          // width of every value cell: 30 % of (cx - 30)
    std::vector<RowCells> rows;  // 2 * (rowCount / 2) entries, in row order
};

// Lays out `rowCount` rows in a client area of cx x cy pixels. Rows
// 0 .. n-1 fill the left column top to bottom and rows n .. 2n-1 the right
// one (n = rowCount / 2); every gap is 6 pixels, the pixels lost to
// truncation widen the right and bottom margins. An odd last row gets no
// cells; with fewer than two rows there are none.
BoardLayout LayOutBoard(int32_t rowCount, int32_t cx, int32_t cy);
