// Arithmetic of the button list: how many columns fit, how wide they are and which cell holds
// which item. Items are laid out row by row, left to right.
#pragma once

namespace core {

struct Cell {
    int row = 0;
    int col = 0;
};

// The columns asked for, lowered to what fits: clientWidth / widestText. Never fewer than one
// column, and never more than one per pixel (an empty widest text would otherwise allow any count).
int FitColumnCount(int asked, int clientWidth, int widestText) noexcept;

// Every column is as wide as the client width divided by the column count.
int ColumnWidth(int clientWidth, int columns) noexcept;

// Rows needed for itemCount items in `columns` columns.
int RowCount(int itemCount, int columns) noexcept;

// Row and column of a 0-based item (division truncating towards zero, as a negative choice
// then names no cell).
Cell SelectionToCell(int selected, int columns) noexcept;
int CellToSelection(Cell cell, int columns) noexcept;

// True when the cell holds one of itemCount items; empty cells of the last row hold none.
bool CellHoldsItem(Cell cell, int columns, int itemCount) noexcept;

}  // namespace core
