// The button list's columns and cells.
#include "core/button_list_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

struct FitCase {
    const char* label;
    int asked, clientWidth, widest, columns, columnWidth;
};

class FitColumnsTest : public testing::TestWithParam<FitCase> {};

TEST_P(FitColumnsTest, LowersToWhatFits) {
    const FitCase& c = GetParam();
    const int columns = core::FitColumnCount(c.asked, c.clientWidth, c.widest);
    EXPECT_EQ(columns, c.columns);
    EXPECT_EQ(core::ColumnWidth(c.clientWidth, columns), c.columnWidth);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FitColumnsTest,
    testing::Values(FitCase{"six_asked_four_fit", 6, 300, 70, 4, 75},
                    FitCase{"three_asked_three_fit", 3, 300, 70, 3, 100},
                    FitCase{"one_asked", 1, 300, 70, 1, 300},
                    FitCase{"zero_asked_gives_one", 0, 300, 70, 1, 300},
                    FitCase{"negative_asked_gives_one", -4, 300, 70, 1, 300},
                    FitCase{"texts_wider_than_client_give_one", 5, 300, 400, 1, 300},
                    FitCase{"empty_texts_keep_the_count", 6, 300, 0, 6, 50},
                    FitCase{"empty_texts_at_most_one_per_pixel", INT_MAX, 300, 0, 300, 1},
                    FitCase{"no_client_width", 3, 0, 10, 1, 0}),
    [](const testing::TestParamInfo<FitCase>& info) { return std::string(info.param.label); });

TEST(ButtonListCellsTest, SevenItemsInThreeColumns) {
    EXPECT_EQ(core::RowCount(7, 3), 3);
    const int items = 7;
    std::vector<std::vector<bool>> holds(3, std::vector<bool>(3));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) holds[row][col] = core::CellHoldsItem({row, col}, 3, items);
    const std::vector<std::vector<bool>> expected{{true, true, true}, {true, true, true}, {true, false, false}};
    EXPECT_EQ(holds, expected);
    EXPECT_FALSE(core::CellHoldsItem({-1, 0}, 3, items));
    EXPECT_FALSE(core::CellHoldsItem({0, 3}, 3, items));
    EXPECT_FALSE(core::CellHoldsItem({INT_MAX, 2}, 3, INT_MAX));
}

TEST(ButtonListCellsTest, RowCountOfNothing) {
    EXPECT_EQ(core::RowCount(0, 3), 0);
    EXPECT_EQ(core::RowCount(-5, 3), 0);
    EXPECT_EQ(core::RowCount(12, 4), 3);
}

TEST(ButtonListCellsTest, SelectionAndCellRoundTrip) {
    for (int selected = 0; selected < 20; ++selected) {
        const core::Cell cell = core::SelectionToCell(selected, 4);
        EXPECT_EQ(cell.row, selected / 4);
        EXPECT_EQ(core::CellToSelection(cell, 4), selected);
    }
    // Choice 6 of a 4-column grid is the second cell of the second row.
    const core::Cell sixth = core::SelectionToCell(5, 4);
    EXPECT_EQ(sixth.row, 1);
    EXPECT_EQ(sixth.col, 1);
}

TEST(ButtonListCellsTest, NegativeChoiceNamesNoCell) {
    const core::Cell none = core::SelectionToCell(-1, 3);
    EXPECT_FALSE(core::CellHoldsItem(none, 3, 10));
    EXPECT_EQ(core::CellToSelection(none, 3), -1);
    const core::Cell huge = core::SelectionToCell(INT_MAX, 3);
    EXPECT_FALSE(core::CellHoldsItem(huge, 3, 10));
}

}  // namespace
