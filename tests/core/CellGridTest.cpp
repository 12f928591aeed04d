#include "common/CellGrid.h"

#include <gtest/gtest.h>

TEST(CellGrid, TheLargestPictureSetsTheCellAndCellsFillRowByRow)
{
    CellSize cell;
    FitCell(cell, {120, 30});
    FitCell(cell, {80, 45});

    // (500 - 17) / 120 = 4 columns; 10 cells need 3 rows.
    const CellGrid grid = LayOutCells(cell, 10, 500, 17);
    EXPECT_EQ(grid.columns, 4);
    EXPECT_EQ(grid.rows, 3);
    EXPECT_EQ(grid.width, 480);
    EXPECT_EQ(grid.height, 135);
    EXPECT_EQ(grid.CellAt(3).left, 360);
    EXPECT_EQ(grid.CellAt(4).top, 45);
    EXPECT_EQ(grid.CellAt(9).left, 120);
    EXPECT_EQ(grid.CellAt(9).top, 90);

    EXPECT_EQ(grid.CellIndexAt(125, 50), 5);
    EXPECT_EQ(grid.CellIndexAt(479, 134), -1);  // the last row is not full
    EXPECT_EQ(grid.CellIndexAt(239, 134), 9);
    EXPECT_EQ(grid.CellIndexAt(480, 0), -1);
}

TEST(CellGrid, EdgeCasesGiveNoDivisionByZero)
{
    // No readable picture at all: no cells, whatever the count.
    const CellGrid none = LayOutCells({}, 5, 500, 17);
    EXPECT_EQ(none.columns, 0);
    EXPECT_EQ(none.height, 0);
    EXPECT_EQ(none.CellAt(3).left, 0);
    EXPECT_EQ(none.CellIndexAt(0, 0), -1);

    // A frame narrower than one cell still gives one column.
    const CellGrid narrow = LayOutCells({300, 20}, 3, 200, 17);
    EXPECT_EQ(narrow.columns, 1);
    EXPECT_EQ(narrow.height, 60);
    EXPECT_EQ(narrow.CellAt(2).top, 40);
}

TEST(CellGrid, TheScrollBarCoversWhatDoesNotFit)
{
    const ScrollRange fits = GridScrollRange(100, 300, 20);
    EXPECT_FALSE(fits.enabled);
    EXPECT_EQ(fits.maximum, 0);

    const ScrollRange exact = GridScrollRange(300, 300, 20);
    EXPECT_TRUE(exact.enabled);
    EXPECT_EQ(exact.maximum, 0);

    const ScrollRange tall = GridScrollRange(1000, 300, 20);
    EXPECT_TRUE(tall.enabled);
    EXPECT_EQ(tall.maximum, 700);
    EXPECT_EQ(tall.singleStep, 20);
    EXPECT_EQ(tall.pageStep, 300);
}
