// Reading the button list's grid as it is drawn: where each cell lies and which cell is drawn in
// the highlight colours.
#pragma once
#include <windows.h>

#include <vector>

#include "list_view.h"

// The cell as the list draws it: cell 0 is the row's label, each further cell as wide as a column.
RECT CellRect(const ListView& list, int row, int col);

POINT Center(const RECT& r);

// Which cells are drawn in the highlight colour, row by row, for the first `rows` rows.
std::vector<std::vector<bool>> HighlightedCells(const ListView& list, int rows);
