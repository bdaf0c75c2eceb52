// Grid cells as drawn.
#include "button_grid.h"

#include "client_snapshot.h"

RECT CellRect(const ListView& list, int row, int col) {
    RECT cell = list.RowLabel(row);
    for (int c = 1; c <= col; ++c) {
        cell.left = cell.right;
        cell.right = cell.left + list.ColumnWidth(c - 1);
    }
    return cell;
}

POINT Center(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

std::vector<std::vector<bool>> HighlightedCells(const ListView& list, int rows) {
    ClientSnapshot snapshot(list.Handle());
    std::vector<std::vector<bool>> cells;
    for (int row = 0; row < rows; ++row) {
        cells.emplace_back();
        for (int col = 0; col < list.ColumnCount(); ++col)
            cells.back().push_back(snapshot.MostlyColor(CellRect(list, row, col), GetSysColor(COLOR_HIGHLIGHT)));
    }
    return cells;
}
