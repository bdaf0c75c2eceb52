// Button-list layout for any sizes: at least one column, no wider than the client, every item in
// a cell that holds it and back again, and no cell beyond the last item holds one.
#include <climits>
#include <cstddef>
#include <cstdint>

#include "core/button_list_layout.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const int asked = in.Take<int>();
    const int clientWidth = in.Take<int>() % 100000;
    const int widest = in.Take<int>() % 100000;
    const int itemCount = in.Take<std::uint16_t>();
    const int columns = core::FitColumnCount(asked, clientWidth, widest);
    FUZZ_CHECK(columns >= 1);
    if (clientWidth > 0) FUZZ_CHECK(columns <= clientWidth || columns == 1);
    if (widest > 0 && clientWidth >= widest) FUZZ_CHECK(columns <= clientWidth / widest);
    const int width = core::ColumnWidth(clientWidth, columns);
    if (clientWidth >= 0) FUZZ_CHECK(static_cast<long long>(width) * columns <= clientWidth);
    const int rows = core::RowCount(itemCount, columns);
    FUZZ_CHECK(static_cast<long long>(rows) * columns >= itemCount);
    FUZZ_CHECK(static_cast<long long>(rows - 1) * columns < itemCount || itemCount == 0);
    for (int probe = 0; probe < 8; ++probe) {
        const int selected = in.Take<std::uint16_t>();
        const core::Cell cell = core::SelectionToCell(selected, columns);
        FUZZ_CHECK(cell.col >= 0 && cell.col < columns);
        FUZZ_CHECK(core::CellToSelection(cell, columns) == selected);
        FUZZ_CHECK(core::CellHoldsItem(cell, columns, itemCount) == (selected < itemCount));
    }
    return 0;
}
