// The check list's press logic: which checks a sequence of presses leaves, the select-all row,
// and which of the caller's entries are read and handed back.
#include "core/check_states.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

std::vector<bool> Checks(const core::CheckStates& states) {
    std::vector<bool> checks;
    for (int row = 0; row < states.RowCount(); ++row) checks.push_back(states.IsChecked(row));
    return checks;
}

std::vector<int> Out(const core::CheckStates& states) {
    std::vector<int> out(static_cast<std::size_t>(states.ReadCount()), -99);
    states.CopyOut(out.data());
    return out;
}

struct PressCase {
    const char* label;
    std::vector<int> given;  // the caller's entries, heading first
    int namedRows;
    std::vector<int> presses;  // rows whose check box is pressed, in order
    std::vector<bool> checks;  // every row afterwards, the select-all row last
    std::vector<int> out;      // what is handed back
};

void PrintTo(const PressCase& c, std::ostream* os) { *os << c.label; }

class CheckPressTest : public testing::TestWithParam<PressCase> {};

TEST_P(CheckPressTest, LeavesChecksAndHandsBackTheCallersEntries) {
    const PressCase& c = GetParam();
    core::CheckStates states(c.given.data(), static_cast<int>(c.given.size()), c.namedRows);
    for (int row : c.presses) states.Press(row);
    EXPECT_EQ(Checks(states), c.checks);
    EXPECT_EQ(Out(states), c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckPressTest,
    testing::Values(
        PressCase{"opens_with_the_callers_checks", {0, 1, 1, 0}, 3, {}, {true, true, false, false}, {0, 1, 1, 0}},
        PressCase{"last_unchecked_row_checks_select_all", {0, 1, 1, 0}, 3, {2}, {true, true, true, true}, {0, 1, 1, 1}},
        PressCase{"pressed_again_clears_both", {0, 1, 1, 0}, 3, {2, 2}, {true, true, false, false}, {0, 1, 1, 0}},
        PressCase{"all_checked_still_opens_without_select_all", {0, 1, 1}, 2, {}, {true, true, false}, {0, 1, 1}},
        PressCase{"select_all_checks_every_row", {0, 1, 1}, 2, {2}, {true, true, true}, {0, 1, 1}},
        PressCase{"select_all_pressed_while_checked_clears_every_row", {0, 1, 0, 1}, 3, {3, 3},
                  {false, false, false, false}, {0, 0, 0, 0}},
        PressCase{"clearing_a_row_clears_select_all", {0, 0, 0}, 2, {2, 0}, {false, true, false}, {0, 0, 1}},
        PressCase{"heading_entry_comes_back_unchanged", {7, 0, 0}, 2, {2}, {true, true, true}, {7, 1, 1}},
        PressCase{"untouched_entries_keep_their_values", {5, 2, -3, 0}, 3, {2}, {true, true, true, true},
                  {5, 2, -3, 1}},
        PressCase{"a_pressed_nonzero_entry_becomes_0", {0, 2, 0}, 2, {0}, {false, false, false}, {0, 0, 0}},
        PressCase{"no_named_rows_only_select_all", {4}, 0, {0}, {true}, {4}},
        PressCase{"fewer_entries_than_rows_last_row_unchecked", {0, 1, 1}, 3, {}, {true, true, false, false},
                  {0, 1, 1}},
        PressCase{"fewer_entries_pressing_the_unread_row", {0, 1, 1}, 3, {2}, {true, true, true, true}, {0, 1, 1}},
        PressCase{"more_entries_than_rows_reads_only_the_rows", {0, 1, 0, 9, 9}, 2, {1}, {true, true, true},
                  {0, 1, 1}}),
    [](const testing::TestParamInfo<PressCase>& info) { return std::string(info.param.label); });

TEST(CheckStatesTest, NothingGivenStartsUncheckedAndHandsBackNothing) {
    for (int given : {0, -5, INT_MIN}) {
        const std::vector<int> caller{1, 1, 1};
        const core::CheckStates states(caller.data(), given, 2);
        EXPECT_EQ(Checks(states), (std::vector<bool>{false, false, false})) << given;
        EXPECT_EQ(states.ReadCount(), 0) << given;
    }
    const core::CheckStates none(nullptr, 3, 2);
    EXPECT_EQ(Checks(none), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(none.ReadCount(), 0);
}

TEST(CheckStatesTest, HugeCountReadsOnlyTheRowsEntries) {
    const std::vector<int> caller{0, 1, 0, 1};
    const core::CheckStates states(caller.data(), INT_MAX, 3);
    EXPECT_EQ(states.ReadCount(), 4);
    EXPECT_EQ(Checks(states), (std::vector<bool>{true, false, true, false}));
}

TEST(CheckStatesTest, NegativeRowCountIsNoNamedRow) {
    const core::CheckStates states(nullptr, 0, -4);
    EXPECT_EQ(states.NamedRowCount(), 0);
    EXPECT_EQ(states.RowCount(), 1);
    EXPECT_EQ(states.SelectAllRow(), 0);
}

TEST(CheckStatesTest, CopyOutWritesNothingBeyondWhatWasRead) {
    const std::vector<int> caller{0, 1, 1, 1, 1};
    core::CheckStates states(caller.data(), 5, 4);
    states.Press(states.SelectAllRow());
    std::vector<int> out(7, -1);
    states.CopyOut(out.data());
    EXPECT_EQ(out, (std::vector<int>{0, 1, 1, 1, 1, -1, -1}));
}

}  // namespace
