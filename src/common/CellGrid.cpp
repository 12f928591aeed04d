#include "common/CellGrid.h"

#include <algorithm>

CellGrid::Place CellGrid::CellAt(int i) const
{
    if (columns <= 0) return {};
    return {(i % columns) * cellWidth, (i / columns) * cellHeight};
}

int CellGrid::CellIndexAt(int x, int y) const
{
    if (columns <= 0 || x < 0 || y < 0 || x >= width || y >= height) return -1;
    const int i = (y / cellHeight) * columns + x / cellWidth;
    return i < count ? i : -1;
}

void FitCell(CellSize& cell, CellSize picture)
{
    if (picture.width <= 0 || picture.height <= 0) return;
    cell.width = std::max(cell.width, picture.width);
    cell.height = std::max(cell.height, picture.height);
}

CellGrid LayOutCells(CellSize cell, int count, int frameWidth, int scrollBarWidth)
{
    CellGrid grid;
    grid.cellWidth = cell.width;
    grid.cellHeight = cell.height;
    if (cell.width <= 0 || cell.height <= 0 || count <= 0) return grid;
    grid.count = count;
    // A frame narrower than one cell still shows one column rather than none.
    grid.columns = std::max(1, (frameWidth - scrollBarWidth) / cell.width);
    grid.rows = (count + grid.columns - 1) / grid.columns;
    grid.width = grid.columns * cell.width;
    grid.height = grid.rows * cell.height;
    return grid;
}

ScrollRange GridScrollRange(int gridHeight, int frameHeight, int cellHeight)
{
    const int maximum = gridHeight - frameHeight;
    if (maximum < 0) return {};
    return {true, maximum, cellHeight, frameHeight};
}
