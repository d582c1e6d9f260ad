#include "LinePlacement.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Placed {
    int32_t x, y;
    friend bool operator==(const Placed& a, const Placed& b) { return a.x == b.x && a.y == b.y; }
    friend std::ostream& operator<<(std::ostream& os, const Placed& p) { return os << "(" << p.x << "," << p.y << ")"; }
};

std::vector<Placed> Place(const CellRect& cell, const std::vector<LineSize>& lines)
{
    std::vector<Placed> result;
    for (const PlacedLine& p : PlaceCellLines(cell, lines)) result.push_back({p.x, p.y});
    return result;
}

struct PlacementCase {
    const char* what;
    CellRect cell;
    std::vector<LineSize> lines;
    std::vector<Placed> placed;
};

TEST(BoardLinePlacement, AcceptedLinesAndTheirPositions)
{
    // The value cell of row 0 on the default board: 231 x 112 at (166, 6).
    const CellRect cell{166, 6, 397, 118};
    const PlacementCase cases[] = {
        {"no line", cell, {}, {}},
        {"one line centred", cell, {{101, 32}}, {{166 + 65, 6 + 40}}},
        {"two lines: 69-pixel block 21 below the top", cell, {{100, 32}, {60, 32}}, {{231, 27}, {251, 64}}},
        {"three lines: 106-pixel block 3 below the top", cell, {{100, 32}, {100, 32}, {100, 32}},
         {{231, 9}, {231, 46}, {231, 83}}},
        {"a fourth line would make 143 pixels: dropped", cell, {{100, 32}, {100, 32}, {100, 32}, {10, 32}},
         {{231, 9}, {231, 46}, {231, 83}}},
        {"lines after a dropped one are dropped too", cell, {{100, 32}, {100, 90}, {100, 1}}, {{231, 46}}},
        {"lone line taller and wider than the cell is still drawn", cell, {{301, 200}}, {{166 - 35, 6 - 44}}},
        {"first of several taller than the cell: nothing", cell, {{10, 113}, {10, 1}}, {}},
        {"block exactly the cell height fits", {0, 0, 100, 69}, {{10, 32}, {10, 32}}, {{45, 0}, {45, 37}}},
        {"empty cell of a narrow window", {6, 6, 6, 118}, {{10, 32}, {10, 32}}, {{1, 27}, {1, 64}}},
    };
    for (const PlacementCase& c : cases) EXPECT_EQ(Place(c.cell, c.lines), c.placed) << c.what;
}

}  // namespace
