// The button list with the keyboard alone: in both looks the keys move the highlight and the
// choice together, a press on empty space keeps both, and Enter confirms what is highlighted.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "button_grid.h"
#include "dialog_driver.h"
#include "gbk.h"
#include "host_call.h"
#include "list_view.h"
#include "resource.h"

namespace {

constexpr UINT kPressBelowRows = 0;  // not a key: a press on the empty space below the last row

struct KeyCase {
    const char* label;
    int choice;               // the host's 1-based choice; 0 for none
    std::vector<UINT> steps;  // keys posted to the list, or kPressBelowRows
    int highlighted;          // the 0-based item drawn as chosen afterwards
    int returned;             // what OK (pressed with Enter) hands back
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.label; }

void PressBelowRows(DialogDriver& d, const ListView& list) {
    RECT client{};
    GetClientRect(list.Handle(), &client);
    const RECT last = list.RowBounds(list.RowCount() - 1);
    ASSERT_LT(last.bottom + 4, client.bottom) << "no empty space below the rows";
    d.Click(list.Handle(), POINT{last.left + 5, client.bottom - 4});
}

// Opens the dialog with the host's choice, lets `act` work the list and `check` read what it
// shows, then confirms with Enter; OK must hand back `returned` (1-based).
void RunAndConfirm(ChoiceExport which, HostVars& vars, int choice, int returned,
                   const std::function<void(DialogDriver&, const ListView&)>& act,
                   const std::function<void(const ListView&)>& check) {
    vars.choice = choice;
    RunDialog([&] { CallExport(which, vars); },
              [&](DialogDriver& d) {
                  const ListView list(d.Item(IDC_LIST_BUTTONS));
                  act(d, list);
                  check(list);
                  d.KeyTo(list.Handle(), VK_RETURN);
                  EXPECT_TRUE(d.WaitClosed());
              });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.choice, returned);
}

// Runs the steps, lets `check` read what the list shows, then confirms with Enter.
void RunSteps(ChoiceExport which, HostVars& vars, const KeyCase& c, const std::function<void(const ListView&)>& check) {
    RunAndConfirm(which, vars, c.choice, c.returned,
                  [&](DialogDriver& d, const ListView& list) {
                      for (UINT step : c.steps) {
                          if (step == kPressBelowRows) PressBelowRows(d, list);
                          else d.KeyTo(list.Handle(), step);
                      }
                  },
                  check);
}

class ListLookKeyTest : public testing::TestWithParam<KeyCase> {};

// Five cases in one column: all on one page.
TEST_P(ListLookKeyTest, HighlightAndChoiceMoveTogether) {
    HostVars vars;
    vars.names = Gbk(L"工况|恒载|活载|风载|温度|地震");
    vars.count = 6;
    RunSteps(ChoiceExport::ShowND, vars, GetParam(), [](const ListView& list) {
        EXPECT_EQ(list.SelectedRows(), std::vector<int>{GetParam().highlighted});
    });
}

INSTANTIATE_TEST_SUITE_P(
    Table, ListLookKeyTest,
    testing::Values(KeyCase{"down", 2, {VK_DOWN}, 2, 3}, KeyCase{"up", 2, {VK_UP}, 0, 1},
                    KeyCase{"home", 4, {VK_HOME}, 0, 1}, KeyCase{"end", 1, {VK_END}, 4, 5},
                    KeyCase{"down_at_the_bottom", 5, {VK_DOWN}, 4, 5}, KeyCase{"up_at_the_top", 1, {VK_UP}, 0, 1},
                    KeyCase{"down_down_up", 1, {VK_DOWN, VK_DOWN, VK_UP}, 1, 2},
                    KeyCase{"page_down", 1, {VK_NEXT}, 4, 5}, KeyCase{"page_up", 4, {VK_PRIOR}, 0, 1},
                    KeyCase{"press_below_the_rows", 3, {kPressBelowRows}, 2, 3},
                    KeyCase{"key_then_press_below_the_rows", 1, {VK_DOWN, kPressBelowRows}, 1, 2},
                    KeyCase{"none_chosen_down", 0, {VK_DOWN}, 0, 1}),
    [](const testing::TestParamInfo<KeyCase>& i) { return std::string(i.param.label); });

struct TypingCase {
    const char* label;
    int choice;           // the host's 1-based choice
    const wchar_t* typed;
    int highlighted;      // the 0-based row highlighted afterwards
};

void PrintTo(const TypingCase& c, std::ostream* os) { *os << c.label; }

class ListLookTypingTest : public testing::TestWithParam<TypingCase> {};

// Typing the start of a name highlights the first row from the one after the highlight on (the
// list wraps) that starts so, case ignored; Enter hands that row back.
TEST_P(ListLookTypingTest, TypedNameIsHighlightedAndComesBack) {
    const TypingCase& c = GetParam();
    HostVars vars;
    vars.names = Gbk(L"工况|Dead|Live|Wind|Wood|地震");
    vars.count = 6;
    RunAndConfirm(
        ChoiceExport::ShowND, vars, c.choice, c.highlighted + 1,
        [&](DialogDriver& d, const ListView& list) { d.TypeTo(list.Handle(), c.typed); },
        [&](const ListView& list) { EXPECT_EQ(list.SelectedRows(), std::vector<int>{c.highlighted}); });
}

INSTANTIATE_TEST_SUITE_P(
    Table, ListLookTypingTest,
    testing::Values(TypingCase{"first_letter", 1, L"l", 1}, TypingCase{"two_letters", 1, L"wo", 3},
                    TypingCase{"capital", 1, L"W", 2}, TypingCase{"wraps_to_the_top", 5, L"d", 0},
                    TypingCase{"double_byte", 1, L"地", 4}, TypingCase{"no_name_starts_so", 3, L"x", 2}),
    [](const testing::TestParamInfo<TypingCase>& i) { return std::string(i.param.label); });

class GridLookKeyTest : public testing::TestWithParam<KeyCase> {};

// Twelve items in five columns:
//   M1  M2  M3  M4  M5
//   M6  M7  M8  M9  M10
//   M11 M12  .   .   .
TEST_P(GridLookKeyTest, ChosenCellMovesAndIsDrawnChosen) {
    HostVars vars;
    const std::string caption = Gbk(L"组合");
    vars.names = "M";
    vars.count = 12;
    vars.columns = 5;
    vars.caption = caption.c_str();
    RunSteps(ChoiceExport::ShowZHNL, vars, GetParam(), [](const ListView& list) {
        ASSERT_EQ(list.ColumnCount(), 5);
        std::vector<std::vector<bool>> expected(3, std::vector<bool>(5, false));
        expected[GetParam().highlighted / 5][GetParam().highlighted % 5] = true;
        EXPECT_EQ(HighlightedCells(list, 3), expected);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Table, GridLookKeyTest,
    testing::Values(KeyCase{"right", 7, {VK_RIGHT}, 7, 8}, KeyCase{"left", 7, {VK_LEFT}, 5, 6},
                    KeyCase{"up", 7, {VK_UP}, 1, 2}, KeyCase{"down", 2, {VK_DOWN}, 6, 7},
                    KeyCase{"right_stops_at_the_edge", 5, {VK_RIGHT}, 4, 5},
                    KeyCase{"left_stops_at_the_edge", 6, {VK_LEFT}, 5, 6},
                    KeyCase{"up_stops_at_the_top", 3, {VK_UP}, 2, 3},
                    KeyCase{"down_onto_the_last_row", 7, {VK_DOWN}, 11, 12},
                    KeyCase{"down_stops_above_an_empty_cell", 8, {VK_DOWN}, 7, 8},
                    KeyCase{"right_stops_before_an_empty_cell", 12, {VK_RIGHT}, 11, 12},
                    KeyCase{"home", 9, {VK_HOME}, 0, 1}, KeyCase{"end", 2, {VK_END}, 11, 12},
                    KeyCase{"page_down_stops_above_an_empty_cell", 3, {VK_NEXT}, 7, 8},
                    KeyCase{"page_up", 12, {VK_PRIOR}, 1, 2},
                    KeyCase{"right_down_left", 1, {VK_RIGHT, VK_DOWN, VK_LEFT}, 5, 6},
                    KeyCase{"none_chosen_right", 0, {VK_RIGHT}, 0, 1},
                    KeyCase{"press_below_the_rows", 7, {kPressBelowRows}, 6, 7}),
    [](const testing::TestParamInfo<KeyCase>& i) { return std::string(i.param.label); });

// Two hundred items in four columns, more rows than a page: the chosen cell is scrolled into view.
TEST(GridLookScrollTest, KeysScrollTheChosenCellIntoView) {
    HostVars vars;
    const std::string caption = Gbk(L"振型");
    vars.names = "M";
    vars.count = 200;
    vars.columns = 4;
    vars.choice = 1;
    vars.caption = caption.c_str();
    int page = 0;  // rows seen at once
    RunDialog([&] { CallExport(ChoiceExport::ShowZX, vars); },
              [&](DialogDriver& d) {
                  ListView list(d.Item(IDC_LIST_BUTTONS));
                  ASSERT_EQ(list.ColumnCount(), 4);
                  page = static_cast<int>(SendMessageW(list.Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
                  ASSERT_GT(page, 0);
                  ASSERT_LT(page, 49);
                  auto expectChosen = [&](int item) {
                      const int row = item / 4;
                      EXPECT_TRUE(list.RowWhollyVisible(row)) << item;
                      EXPECT_EQ(HighlightedCells(list, row + 1)[static_cast<std::size_t>(row)],
                                (std::vector<bool>{item % 4 == 0, item % 4 == 1, item % 4 == 2, item % 4 == 3}))
                          << item;
                  };
                  d.KeyTo(list.Handle(), VK_END);
                  expectChosen(199);
                  d.KeyTo(list.Handle(), VK_PRIOR);
                  expectChosen(199 - 4 * page);
                  d.KeyTo(list.Handle(), VK_HOME);
                  expectChosen(0);
                  EXPECT_EQ(list.TopRow(), 0);
                  d.KeyTo(list.Handle(), VK_NEXT);
                  d.KeyTo(list.Handle(), VK_RIGHT);
                  expectChosen(4 * page + 1);
                  d.KeyTo(list.Handle(), VK_RETURN);
                  EXPECT_TRUE(d.WaitClosed());
              });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.choice, 4 * page + 2);
}

}  // namespace
