// Moving the choice of the button list's grid with the keyboard: arrows to a neighbouring cell,
// Home and End to the first and last item, Page Up and Page Down by the rows on a page. The
// choice stops at the grid's edges and never lands on an empty cell of the last row.
#pragma once

namespace core {

enum class GridKey { Left, Right, Up, Down, Home, End, PageUp, PageDown };

// The item chosen after `key`, from the 0-based choice `selected` in a grid of itemCount items
// laid out row by row in `columns` columns, of which rowsPerPage rows are seen at once. A choice
// that is no item moves to the first item (the last for End). Without items it stays as it is.
int GridKeyChoice(GridKey key, int selected, int columns, int itemCount, int rowsPerPage) noexcept;

}  // namespace core
