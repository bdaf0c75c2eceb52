// Button list arithmetic.
#include "core/button_list_layout.h"

#include <algorithm>

namespace core {

int FitColumnCount(int asked, int clientWidth, int widestText) noexcept {
    const int width = std::max(clientWidth, 1);
    const int fits = width / std::max(widestText, 1);
    return std::max(1, std::min(asked, fits));
}

int ColumnWidth(int clientWidth, int columns) noexcept { return clientWidth / std::max(columns, 1); }

int RowCount(int itemCount, int columns) noexcept {
    if (itemCount <= 0) return 0;
    columns = std::max(columns, 1);
    return itemCount / columns + (itemCount % columns != 0 ? 1 : 0);
}

Cell SelectionToCell(int selected, int columns) noexcept {
    columns = std::max(columns, 1);
    return {selected / columns, selected % columns};
}

int CellToSelection(Cell cell, int columns) noexcept { return cell.row * columns + cell.col; }

bool CellHoldsItem(Cell cell, int columns, int itemCount) noexcept {
    if (cell.row < 0 || cell.col < 0 || cell.col >= columns) return false;
    const long long item = static_cast<long long>(cell.row) * columns + cell.col;
    return item < itemCount;
}

}  // namespace core
