// The member design switches dialog: four check lists (check boxes and a select-all row) and a
// check tree of fixed items. Only the beam list's switches are the host's: they come back on OK,
// exactly the five entries the dialog read.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "list_view.h"
#include "member_design_host.h"
#include "resource.h"
#include "tree_view.h"

namespace {

constexpr int X = 2, O = 1;        // list check boxes: checked, unchecked
constexpr int U = 1, P = 2, C = 3;  // tree marks
constexpr int kSentinel = kMemberDesignSentinel;

struct ListShown {
    std::wstring heading;
    std::vector<std::wstring> rows;
    std::vector<int> checks;
    std::vector<int> selected;
};

void ExpectList(const ListView& list, const ListShown& shown) {
    EXPECT_EQ(list.HeaderText(0), shown.heading);
    EXPECT_EQ(list.Column0(), shown.rows);
    EXPECT_EQ(list.StateImages(), shown.checks);
    EXPECT_EQ(list.SelectedRows(), shown.selected);
    EXPECT_EQ(list.ExtendedStyle(),
              static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT));
}

TEST(MemberDesignDialogTest, OpensWithItsFixedListsAndTree) {
    MemberDesignHost host;
    RunMemberDesign(host, [](DialogDriver& d) {
        EXPECT_EQ(d.Text(d.Dialog()), L"构件设计结果显示开关");
        EXPECT_EQ(d.Focus(), d.Item(IDOK));
        ExpectList(ListView(d.Item(IDC_LIST_BEAM)), {L"显示主筋", {L"显示负筋", L"显示箍筋", L"显示扭筋", L"显示预应力主筋", L"全选"},
                                             {X, X, O, X, O}, {}});
        ExpectList(ListView(d.Item(IDC_LIST_COLUMN)), {L"显示B向主筋", {L"显示H向主筋", L"显示箍筋", L"全选"}, {X, O, O}, {2}});
        ExpectList(ListView(d.Item(IDC_LIST_WALL)),
                   {L"显示合并墙钢筋", {L"显示顶部钢筋", L"显示底部钢筋", L"显示上连梁钢筋", L"全选"}, {X, O, X, O}, {2}});
        ExpectList(ListView(d.Item(IDC_LIST_SLAB)),
                   {L"显示板配筋",
                    {L"显示顶(是)底(否)配筋", L"显示角点配筋", L"显示边配筋", L"显示形心配筋", L"全选"},
                    {X, X, X, X, O},
                    {2}});

        const TreeView tree(d.Item(IDC_MEMBER_TREE));
        EXPECT_EQ(tree.Texts(),
                  (std::vector<std::wstring>{L"梁显示", L"显示合并梁配筋", L"显示负筋", L"显示正筋", L"显示箍筋", L"显示扭筋",
                                             L"显示预应力主筋", L"柱显示", L"显示B向主筋", L"显示H向主筋", L"显示箍筋",
                                             L"墙显示", L"显示合并墙钢筋", L"显示顶部钢筋", L"显示底部钢筋",
                                             L"显示上连梁钢筋", L"板显示", L"显示板配筋", L"显示顶(是)底(否)配筋",
                                             L"显示角点配筋", L"显示边配筋", L"显示形心配筋"}));
        EXPECT_EQ(tree.StateImages(),
                  (std::vector<int>{P, C, C, C, C, C, U, C, C, C, C, C, C, C, C, C, P, U, C, C, C, C}));
        const auto items = tree.Items();
        for (int group : {0, 7, 11, 16}) {
            EXPECT_EQ(tree.Parent(items[static_cast<std::size_t>(group)]), nullptr) << group;
            EXPECT_TRUE(tree.Expanded(items[static_cast<std::size_t>(group)])) << group;
        }
        EXPECT_EQ(tree.Parent(items[6]), items[0]);
        EXPECT_EQ(tree.Parent(items[21]), items[16]);
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.beams, (std::vector<int>{0, 1, 1, 0, 1, kSentinel, kSentinel}));
}

// What a press on a check list lands on, or the key pressed on its focused row.
enum class Act { Box, Text, DoubleClickBox, SpaceKey, BelowRows };

struct ListPress {
    int row;
    Act act;
};

void Apply(DialogDriver& d, const ListView& list, const ListPress& press) {
    switch (press.act) {
    case Act::Box: d.Click(list.Handle(), list.PointOn(press.row, LVHT_ONITEMSTATEICON)); break;
    case Act::Text: d.Click(list.Handle(), list.PointOn(press.row, LVHT_ONITEMLABEL)); break;
    case Act::DoubleClickBox: d.DoubleClick(list.Handle(), list.PointOn(press.row, LVHT_ONITEMSTATEICON)); break;
    case Act::BelowRows: {
        const RECT bounds = list.RowBounds(press.row);
        d.Click(list.Handle(), POINT{bounds.left + 10, bounds.bottom + 15});
        break;
    }
    case Act::SpaceKey:
        d.Click(list.Handle(), list.PointOn(press.row, LVHT_ONITEMLABEL));  // focus the row first
        d.KeyTo(list.Handle(), VK_SPACE);
        break;
    }
}

struct BeamCase {
    const char* label;
    std::vector<int> given;  // the host's five beam switches
    std::vector<ListPress> presses;
    std::vector<int> checks;  // the five rows afterwards, "全选" last
    std::vector<int> back;    // the host's five entries after OK
};

void PrintTo(const BeamCase& c, std::ostream* os) { *os << c.label; }

class BeamListPressTest : public testing::TestWithParam<BeamCase> {};

TEST_P(BeamListPressTest, ChecksPropagateAndComeBack) {
    const BeamCase& c = GetParam();
    MemberDesignHost host;
    host.beams = c.given;
    host.beams.insert(host.beams.end(), {kSentinel, kSentinel});
    RunMemberDesign(host, [&](DialogDriver& d) {
        const ListView list(d.Item(IDC_LIST_BEAM));
        for (const ListPress& press : c.presses) Apply(d, list, press);
        EXPECT_EQ(list.StateImages(), c.checks);
    });
    EXPECT_EQ(host.result, 0);
    std::vector<int> back = c.back;
    back.insert(back.end(), {kSentinel, kSentinel});
    EXPECT_EQ(host.beams, back);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BeamListPressTest,
    testing::Values(
        BeamCase{"last_unchecked_row_checks_select_all", {0, 1, 1, 0, 1}, {{2, Act::Box}}, {X, X, X, X, X}, {0, 1, 1, 1, 1}},
        BeamCase{"same_row_twice_clears_both", {0, 1, 1, 0, 1}, {{2, Act::Box}, {2, Act::Box}}, {X, X, O, X, O},
                 {0, 1, 1, 0, 1}},
        BeamCase{"select_all_checks_every_row", {0, 0, 1, 0, 0}, {{4, Act::Box}}, {X, X, X, X, X}, {0, 1, 1, 1, 1}},
        BeamCase{"all_checked_select_all_still_starts_unchecked", {0, 1, 1, 1, 1}, {{4, Act::Box}}, {X, X, X, X, X},
                 {0, 1, 1, 1, 1}},
        BeamCase{"select_all_pressed_while_checked_clears_every_row", {0, 1, 0, 1, 1}, {{4, Act::Box}, {4, Act::Box}},
                 {O, O, O, O, O}, {0, 0, 0, 0, 0}},
        BeamCase{"clearing_a_row_clears_select_all", {0, 1, 0, 1, 1}, {{4, Act::Box}, {0, Act::Box}}, {O, X, X, X, O},
                 {0, 0, 1, 1, 1}},
        BeamCase{"texts_change_no_check", {0, 1, 1, 0, 1}, {{0, Act::Text}, {2, Act::Text}, {4, Act::Text}},
                 {X, X, O, X, O}, {0, 1, 1, 0, 1}},
        BeamCase{"presses_below_the_rows_change_no_check", {0, 1, 1, 0, 1}, {{4, Act::BelowRows}}, {X, X, O, X, O},
                 {0, 1, 1, 0, 1}},
        BeamCase{"space_on_the_last_unchecked_row_checks_select_all", {0, 1, 1, 0, 1}, {{2, Act::SpaceKey}},
                 {X, X, X, X, X}, {0, 1, 1, 1, 1}},
        BeamCase{"space_twice_on_select_all_clears_every_row", {0, 1, 0, 1, 1},
                 {{4, Act::SpaceKey}, {4, Act::SpaceKey}}, {O, O, O, O, O}, {0, 0, 0, 0, 0}},
        BeamCase{"space_and_press_on_one_row_clear_it_again", {0, 1, 1, 0, 1}, {{2, Act::SpaceKey}, {2, Act::Box}},
                 {X, X, O, X, O}, {0, 1, 1, 0, 1}},
        BeamCase{"double_click_on_a_box_flips_it_twice", {0, 1, 1, 0, 1}, {{1, Act::DoubleClickBox}},
                 {X, X, O, X, O}, {0, 1, 1, 0, 1}},
        BeamCase{"heading_and_untouched_entries_keep_their_values", {9, 2, -4, 0, 7}, {{2, Act::Box}},
                 {X, X, X, X, X}, {9, 2, -4, 1, 7}},
        BeamCase{"pressed_entries_become_0_or_1", {9, 2, -4, 0, 7}, {{0, Act::Box}, {1, Act::Box}}, {O, O, O, X, O},
                 {9, 0, 0, 0, 7}}),
    [](const testing::TestParamInfo<BeamCase>& info) { return std::string(info.param.label); });

struct StateMaskCase {
    const char* label;
    UINT mask;
};

void PrintTo(const StateMaskCase& c, std::ostream* os) { *os << c.label; }

class MemberDesignCheckStateTest : public testing::TestWithParam<StateMaskCase> {};

// A screen reader reads a row's check box from LVM_GETITEMSTATE, with a mask of its own; the rows
// come from the dialog through LVN_GETDISPINFO. Whatever else the mask asks for, every row of
// every list reports the dialog's check (state image 2 checked, 1 not) and its selection, and
// the beam rows' checks are what OK hands back.
TEST_P(MemberDesignCheckStateTest, EveryRowReportsTheDialogsCheck) {
    const UINT mask = GetParam().mask;
    MemberDesignHost host;  // beam rows X, X, O, X and the select-all row O
    std::vector<int> beamRead;
    RunMemberDesign(host, [&](DialogDriver& d) {
        const ListView beam(d.Item(IDC_LIST_BEAM));
        Apply(d, beam, {2, Act::Box});  // every row checked, the select-all row too
        Apply(d, beam, {0, Act::Box});  // row 0 and the select-all row cleared
        const std::pair<int, std::vector<int>> lists[] = {{IDC_LIST_BEAM, {O, X, X, X, O}},
                                                          {IDC_LIST_COLUMN, {X, O, O}},
                                                          {IDC_LIST_WALL, {X, O, X, O}},
                                                          {IDC_LIST_SLAB, {X, X, X, X, O}}};
        for (const auto& [id, checks] : lists) {
            const ListView list(d.Item(id));
            const std::vector<int> selected = list.SelectedRows();
            std::vector<int> read;
            for (int row = 0; row < list.RowCount(); ++row) {
                const UINT state = list.ItemState(row, mask);
                read.push_back(static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12));
                if (mask & LVIS_SELECTED) {
                    const bool isSelected = std::find(selected.begin(), selected.end(), row) != selected.end();
                    EXPECT_EQ((state & LVIS_SELECTED) != 0, isSelected) << id << " row " << row;
                }
            }
            EXPECT_EQ(read, checks) << id;
            if (id == IDC_LIST_BEAM) beamRead = read;
        }
    });
    EXPECT_EQ(host.result, 0);
    ASSERT_EQ(beamRead.size(), 5u);
    for (std::size_t row = 0; row < 4; ++row)
        EXPECT_EQ(host.beams[row + 1], beamRead[row] == X ? 1 : 0) << "beam row " << row;
}

INSTANTIATE_TEST_SUITE_P(Masks, MemberDesignCheckStateTest,
                         testing::Values(StateMaskCase{"state_image", LVIS_STATEIMAGEMASK},
                                         StateMaskCase{"with_selection_and_focus",
                                                       LVIS_STATEIMAGEMASK | LVIS_SELECTED | LVIS_FOCUSED},
                                         StateMaskCase{"every_state", ~0u}),
                         [](const testing::TestParamInfo<StateMaskCase>& i) { return std::string(i.param.label); });

TEST(MemberDesignDialogTest, NeighbourListsPropagateButHandNothingBack) {
    MemberDesignHost host;
    RunMemberDesign(host, [](DialogDriver& d) {
        const ListView column(d.Item(IDC_LIST_COLUMN));
        Apply(d, column, {1, Act::Box});
        EXPECT_EQ(column.StateImages(), (std::vector<int>{X, X, X}));
        const ListView slab(d.Item(IDC_LIST_SLAB));
        Apply(d, slab, {4, Act::Box});
        EXPECT_EQ(slab.StateImages(), (std::vector<int>{X, X, X, X, X}));
        Apply(d, slab, {4, Act::Box});
        EXPECT_EQ(slab.StateImages(), (std::vector<int>{O, O, O, O, O}));
        const TreeView tree(d.Item(IDC_MEMBER_TREE));
        d.Click(tree.Handle(), tree.PointOn(tree.Items()[0], TVHT_ONITEMSTATEICON));
        EXPECT_EQ(tree.StateImages()[0], U);
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.beams, (std::vector<int>{0, 1, 1, 0, 1, kSentinel, kSentinel}));
}

TEST(MemberDesignDialogTest, OpeningAgainShowsTheFixedStateAgain) {
    for (int run = 0; run < 2; ++run) {
        MemberDesignHost host;
        RunMemberDesign(host, [&](DialogDriver& d) {
            const ListView wall(d.Item(IDC_LIST_WALL));
            const TreeView tree(d.Item(IDC_MEMBER_TREE));
            EXPECT_EQ(wall.StateImages(), (std::vector<int>{X, O, X, O})) << run;
            EXPECT_EQ(tree.StateImages()[16], P) << run;
            Apply(d, wall, {3, Act::Box});
            d.Click(tree.Handle(), tree.PointOn(tree.Items()[16], TVHT_ONITEMSTATEICON));
        });
        EXPECT_EQ(host.result, 0);
    }
}

TEST(MemberDesignBadInputTest, NullBeamSwitchesShowTheDefaultsAndWriteNothing) {
    MemberDesignHost host;
    host.nullBeams = true;
    RunMemberDesign(host, [](DialogDriver& d) {
        const ListView beam(d.Item(IDC_LIST_BEAM));
        EXPECT_EQ(beam.StateImages(), (std::vector<int>{X, O, X, X, O}));
        Apply(d, beam, {4, Act::Box});
        EXPECT_EQ(beam.StateImages(), (std::vector<int>{X, X, X, X, X}));
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.beams, (std::vector<int>{0, 1, 1, 0, 1, kSentinel, kSentinel}));
}

TEST(MemberDesignBadInputTest, SecondArgumentIsNeverRead) {
    for (INT_PTR value : {INT_PTR{0}, INT_PTR{-1}, static_cast<INT_PTR>(INT_MIN)}) {
        MemberDesignHost host;
        host.unused = reinterpret_cast<void*>(value);
        RunMemberDesign(host, [](DialogDriver&) {});
        EXPECT_EQ(host.result, 0);
    }
}

}  // namespace
