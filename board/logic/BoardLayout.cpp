#include "BoardLayout.h"

namespace {
constexpr int64_t kGap = 6;
}

BoardLayout LayOutBoard(int32_t rowCount, int32_t cx, int32_t cy)
{
    // 64-bit arithmetic: any client size, however odd, stays defined.
    const int64_t inner = int64_t{cx} - 5 * kGap;
    const int64_t label = inner * 2 / 10;
    const int64_t value = inner * 3 / 10;
    const int64_t offset = label + value + 2 * kGap;  // left edge of the right column, less the gap

    BoardLayout layout{static_cast<int32_t>(label), static_cast<int32_t>(value), {}};
    const int64_t n = rowCount > 0 ? rowCount / 2 : 0;
    if (n == 0) return layout;

    const int64_t height = (int64_t{cy} - kGap * n - kGap) / n;
    layout.rows.resize(static_cast<std::size_t>(2 * n));
    auto rect = [](int64_t l, int64_t t, int64_t r, int64_t b) {
        return CellRect{static_cast<int32_t>(l), static_cast<int32_t>(t), static_cast<int32_t>(r),
                        static_cast<int32_t>(b)};
    };
    for (int64_t i = 0; i < n; ++i) {
        const int64_t top = kGap + i * (height + kGap);
        const int64_t bottom = top + height;
        RowCells& left = layout.rows[static_cast<std::size_t>(i)];
        left.label = rect(kGap, top, kGap + label, bottom);
        left.value = rect(2 * kGap + label, top, 2 * kGap + label + value, bottom);
        RowCells& right = layout.rows[static_cast<std::size_t>(n + i)];
        right.label = rect(kGap + offset, top, kGap + label + offset, bottom);
        right.value = rect(2 * kGap + label + offset, top, 2 * kGap + label + value + offset, bottom);
    }
    return layout;
}
