#include "BoardLayout.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

struct LayoutCase {
    int32_t cx, cy;
    int32_t labelWidth, valueWidth;
    CellRect row0Label, row0Value, row5Label, row5Value;
    int32_t lastBottom;  // bottom of rows 4 and 9
};

TEST(BoardLayout, TenRowsInTwoColumns)
{
    const LayoutCase cases[] = {
        {800, 600, 154, 231, {6, 6, 160, 118}, {166, 6, 397, 118}, {403, 6, 557, 118}, {563, 6, 794, 118}, 590},
        {1920, 1080, 378, 567, {6, 6, 384, 214}, {390, 6, 957, 214}, {963, 6, 1341, 214}, {1347, 6, 1914, 214}, 1070},
        // truncation: 771 x 20 % = 154.2, 567 / 5 = 113.4; the lost pixels widen the right and bottom margins
        {801, 603, 154, 231, {6, 6, 160, 119}, {166, 6, 397, 119}, {403, 6, 557, 119}, {563, 6, 794, 119}, 595},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cx << " x " << c.cy);
        BoardLayout layout = LayOutBoard(10, c.cx, c.cy);
        EXPECT_EQ(layout.labelWidth, c.labelWidth);
        EXPECT_EQ(layout.valueWidth, c.valueWidth);
        ASSERT_EQ(layout.rows.size(), 10u);
        EXPECT_EQ(layout.rows[0].label, c.row0Label);
        EXPECT_EQ(layout.rows[0].value, c.row0Value);
        EXPECT_EQ(layout.rows[5].label, c.row5Label);
        EXPECT_EQ(layout.rows[5].value, c.row5Value);
        const int32_t h = c.row0Label.bottom - c.row0Label.top;
        for (int i = 0; i < 5; ++i) {
            // row i and row 5 + i share their line; every line is h + 6 below the last
            const int32_t top = 6 + i * (h + 6);
            for (int r : {i, 5 + i}) {
                EXPECT_EQ(layout.rows[r].label.top, top) << r;
                EXPECT_EQ(layout.rows[r].value.bottom, top + h) << r;
            }
            EXPECT_EQ(layout.rows[i].label, (CellRect{c.row0Label.left, top, c.row0Label.right, top + h}));
            EXPECT_EQ(layout.rows[5 + i].value, (CellRect{c.row5Value.left, top, c.row5Value.right, top + h}));
        }
        EXPECT_EQ(layout.rows[4].label.bottom, c.lastBottom);
        EXPECT_EQ(layout.rows[9].value.bottom, c.lastBottom);
    }
}

TEST(BoardLayout, RightMarginIsSixAndTruncationWidensTheBottom)
{
    // 600 - 36 = 564 = 5 x 112 + 4 and 1080 - 36 = 1044 = 5 x 208 + 4: four pixels go to the bottom
    for (auto size : {std::pair<int32_t, int32_t>{800, 600}, {1920, 1080}}) {
        BoardLayout layout = LayOutBoard(10, size.first, size.second);
        EXPECT_EQ(size.first - layout.rows[9].value.right, 6) << size.first;
        EXPECT_EQ(size.second - layout.rows[9].value.bottom, 10) << size.first;
        EXPECT_EQ(layout.rows[5].label.left - layout.rows[0].value.right, 6) << size.first;
    }
}

TEST(BoardLayout, NarrowWindowGivesEmptyOrInvertedCellsWithoutFailing)
{
    struct Case { int32_t cx, labelWidth, valueWidth; } cases[] = {{30, 0, 0}, {29, 0, 0}, {0, -6, -9}, {-100, -26, -39}};
    for (const Case& c : cases) {
        BoardLayout layout = LayOutBoard(10, c.cx, 600);
        EXPECT_EQ(layout.labelWidth, c.labelWidth) << c.cx;
        EXPECT_EQ(layout.valueWidth, c.valueWidth) << c.cx;
        ASSERT_EQ(layout.rows.size(), 10u);
        EXPECT_EQ(layout.rows[0].label.right - layout.rows[0].label.left, c.labelWidth);
        EXPECT_EQ(layout.rows[7].value.right - layout.rows[7].value.left, c.valueWidth);
    }
}

TEST(BoardLayout, FewerThanTwoRowsHaveNoCells)
{
    for (int32_t count : {-3, 0, 1}) EXPECT_TRUE(LayOutBoard(count, 800, 600).rows.empty()) << count;
    EXPECT_EQ(LayOutBoard(3, 800, 600).rows.size(), 2u);  // an odd last row gets no cells
}

}  // namespace
