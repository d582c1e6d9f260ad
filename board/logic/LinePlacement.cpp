#include "LinePlacement.h"

std::vector<PlacedLine> PlaceCellLines(const CellRect& cell, const std::vector<LineSize>& lines)
{
    // 64-bit arithmetic: odd cells and extents stay defined.
    const int64_t width = int64_t{cell.right} - cell.left;
    const int64_t height = int64_t{cell.bottom} - cell.top;
    auto centred = [](int64_t origin, int64_t room, int64_t size) {
        return static_cast<int32_t>(origin + (room - size) / 2);
    };

    std::vector<PlacedLine> placed;
    if (lines.size() == 1) {
        placed.push_back({centred(cell.left, width, lines[0].cx), centred(cell.top, height, lines[0].cy)});
        return placed;
    }

    std::size_t accepted = 0;
    int64_t block = 0;
    for (const LineSize& line : lines) {
        const int64_t grown = block + (accepted > 0 ? kLineSpacing : 0) + line.cy;
        if (grown > height) break;
        block = grown;
        ++accepted;
    }
    const int64_t start = int64_t{cell.top} + (height - block) / 2;
    for (std::size_t i = 0; i < accepted; ++i) {
        const int64_t pitch = int64_t{lines[i].cy} + kLineSpacing;
        placed.push_back({centred(cell.left, width, lines[i].cx), static_cast<int32_t>(start + int64_t(i) * pitch)});
    }
    return placed;
}
