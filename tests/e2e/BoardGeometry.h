// Where the board's cells stand for a few client sizes, written out by hand
// from the layout rules (label width L, value width V, cell height h), so
// that the tests do not take the program's own arithmetic on trust.
#pragma once

#include <windows.h>

struct Geometry {
    int width, height, L, V, h;

    RECT Cell(int row, bool value) const
    {
        const int offset = row < 5 ? 0 : L + V + 12;
        const int top = 6 + (row % 5) * (h + 6);
        if (!value) return {6 + offset, top, 6 + L + offset, top + h};
        return {12 + L + offset, top, 12 + L + V + offset, top + h};
    }
    RECT Label(int row) const { return Cell(row, false); }
    RECT Value(int row) const { return Cell(row, true); }
};

constexpr Geometry kDefaultBoard{800, 600, 154, 231, 112};
constexpr Geometry kBoard1024{1024, 768, 198, 298, 146};
constexpr Geometry kFullHdBoard{1920, 1080, 378, 567, 208};
