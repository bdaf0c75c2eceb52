// The grid's keys: neighbours, edges, the empty cells of the last row, pages, and choices that
// are no item.
#include "core/grid_keys.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using core::GridKey;

struct KeyCase {
    const char* label;
    GridKey key;
    int selected;
    int expected;
};

// Seven items in three columns, two rows to a page:
//   0 1 2
//   3 4 5
//   6 . .
constexpr int kColumns = 3, kItems = 7, kPage = 2;

class GridKeyChoiceTest : public testing::TestWithParam<KeyCase> {};

TEST_P(GridKeyChoiceTest, MovesTheChoice) {
    EXPECT_EQ(core::GridKeyChoice(GetParam().key, GetParam().selected, kColumns, kItems, kPage), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    SevenInThree, GridKeyChoiceTest,
    testing::Values(KeyCase{"right", GridKey::Right, 4, 5}, KeyCase{"left", GridKey::Left, 4, 3},
                    KeyCase{"up", GridKey::Up, 4, 1}, KeyCase{"down", GridKey::Down, 1, 4},
                    KeyCase{"right_stops_at_the_edge", GridKey::Right, 2, 2},
                    KeyCase{"left_stops_at_the_edge", GridKey::Left, 3, 3},
                    KeyCase{"up_stops_at_the_top", GridKey::Up, 1, 1},
                    KeyCase{"down_onto_the_last_item", GridKey::Down, 3, 6},
                    KeyCase{"down_stops_above_an_empty_cell", GridKey::Down, 4, 4},
                    KeyCase{"right_stops_before_an_empty_cell", GridKey::Right, 6, 6},
                    KeyCase{"down_stops_at_the_bottom", GridKey::Down, 6, 6},
                    KeyCase{"home", GridKey::Home, 5, 0}, KeyCase{"end", GridKey::End, 1, 6},
                    KeyCase{"page_down", GridKey::PageDown, 0, 6},
                    KeyCase{"page_down_stops_in_the_last_row_with_an_item", GridKey::PageDown, 2, 5},
                    KeyCase{"page_up", GridKey::PageUp, 5, 2}, KeyCase{"page_up_to_the_top", GridKey::PageUp, 4, 1},
                    KeyCase{"none_chosen_arrow_goes_to_the_first", GridKey::Down, -1, 0},
                    KeyCase{"empty_cell_chosen_arrow_goes_to_the_first", GridKey::Left, 7, 0},
                    KeyCase{"beyond_the_grid_page_goes_to_the_first", GridKey::PageUp, INT_MAX, 0},
                    KeyCase{"none_chosen_end_goes_to_the_last", GridKey::End, -1, 6},
                    KeyCase{"lowest_choice_home", GridKey::Home, INT_MIN, 0}),
    [](const testing::TestParamInfo<KeyCase>& i) { return std::string(i.param.label); });

TEST(GridKeyChoiceTest, PagesMoveByTheRowsSeen) {
    // 100 items in 4 columns: 25 rows; 10 rows seen at once.
    EXPECT_EQ(core::GridKeyChoice(GridKey::PageDown, 1, 4, 100, 10), 41);
    EXPECT_EQ(core::GridKeyChoice(GridKey::PageDown, 81, 4, 100, 10), 97);
    EXPECT_EQ(core::GridKeyChoice(GridKey::PageUp, 81, 4, 100, 10), 41);
    EXPECT_EQ(core::GridKeyChoice(GridKey::PageUp, 81, 4, 100, 0), 77);  // a page of no rows still moves one
    EXPECT_EQ(core::GridKeyChoice(GridKey::PageDown, 3, 4, 100, INT_MAX), 99);
}

TEST(GridKeyChoiceTest, WithoutItemsTheChoiceStays) {
    for (GridKey key : {GridKey::Right, GridKey::Home, GridKey::End, GridKey::PageDown})
        EXPECT_EQ(core::GridKeyChoice(key, 3, 2, 0, 5), 3);
}

TEST(GridKeyChoiceTest, OneColumnMovesByRows) {
    EXPECT_EQ(core::GridKeyChoice(GridKey::Down, 2, 1, 5, 3), 3);
    EXPECT_EQ(core::GridKeyChoice(GridKey::Right, 2, 1, 5, 3), 2);
    EXPECT_EQ(core::GridKeyChoice(GridKey::PageDown, 2, 1, 5, 3), 4);
}

}  // namespace
