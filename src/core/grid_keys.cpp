// Grid keys.
#include "core/grid_keys.h"

#include <algorithm>

#include "core/button_list_layout.h"

namespace core {
namespace {

// The lowest row at or above `row` whose cell in column `col` holds an item: only the last row
// can end early, so at most one step up.
int RowWithItem(int row, int col, int columns, int itemCount) noexcept {
    while (row > 0 && !CellHoldsItem({row, col}, columns, itemCount)) --row;
    return row;
}

}  // namespace

int GridKeyChoice(GridKey key, int selected, int columns, int itemCount, int rowsPerPage) noexcept {
    if (itemCount <= 0 || columns <= 0) return selected;
    const int lastItem = itemCount - 1;
    if (key == GridKey::Home) return 0;
    if (key == GridKey::End) return lastItem;
    if (selected < 0 || selected > lastItem) return 0;

    const Cell at = SelectionToCell(selected, columns);
    const int lastRow = SelectionToCell(lastItem, columns).row;
    const int page = std::max(rowsPerPage, 1);
    Cell to = at;
    switch (key) {
    case GridKey::Left: to.col = std::max(at.col - 1, 0); break;
    case GridKey::Right: to.col = std::min(at.col + 1, columns - 1); break;
    case GridKey::Up: to.row = std::max(at.row - 1, 0); break;
    case GridKey::Down: to.row = std::min(at.row + 1, lastRow); break;
    case GridKey::PageUp: to.row = at.row - std::min(page, at.row); break;
    case GridKey::PageDown: to.row = at.row + std::min(page, lastRow - at.row); break;
    default: break;
    }
    // A step onto an empty cell of the last row: sideways it does not move, downwards it stops in
    // the row above.
    if (!CellHoldsItem(to, columns, itemCount)) {
        if (to.row == at.row) return selected;
        to.row = RowWithItem(to.row, to.col, columns, itemCount);
    }
    return CellToSelection(to, columns);
}

}  // namespace core
