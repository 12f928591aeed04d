// Cells of one size laid out row by row in a frame with a vertical scroll bar: the logo grid of
// the library browser. Pure arithmetic, in whatever unit the caller measures in.
#pragma once

struct CellSize {
    int width = 0;
    int height = 0;
};

struct CellGrid {
    int cellWidth = 0;
    int cellHeight = 0;
    int count = 0;
    int columns = 0;
    int rows = 0;
    int width = 0;   // columns × cell width
    int height = 0;  // rows × cell height

    struct Place {
        int left = 0;
        int top = 0;
    };
    // Where cell i (0-based) lies within the grid.
    Place CellAt(int i) const;
    // The cell at a point of the grid, or -1 where there is none.
    int CellIndexAt(int x, int y) const;
};

// Grows the cell size so that a picture of `picture` size fits (a null size changes nothing).
void FitCell(CellSize& cell, CellSize picture);

// Lays out `count` cells of the given size in a frame whose inner width is `frameWidth`, beside a
// scroll bar `scrollBarWidth` wide: as many whole cells as fit side by side, at least one. A cell
// size of zero (no picture at all) gives no cells.
CellGrid LayOutCells(CellSize cell, int count, int frameWidth, int scrollBarWidth);

struct ScrollRange {
    bool enabled = false;
    int maximum = 0;
    int singleStep = 0;
    int pageStep = 0;
};

// The scroll bar for a grid of `gridHeight` in a frame of inner height `frameHeight`: disabled
// with maximum 0 when everything fits; otherwise a cell per step and a frame per page.
ScrollRange GridScrollRange(int gridHeight, int frameHeight, int cellHeight);
