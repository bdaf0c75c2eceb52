// The coordinate dialog: the check list in radio mode. Presses on a row's text or radio image
// choose it; presses beside the rows and keys change no choice; OK hands the chosen row back.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "dialog_driver.h"
#include "gbk.h"
#include "korvel.h"
#include "korvel_library.h"
#include "list_view.h"
#include "resource.h"

namespace {

constexpr int kOff = 2, kOn = 3;  // radio state images

struct CoordinateHost {
    int result = -7;
    int count = 4;
    int choice = 2;
    std::string names = Gbk(L"坐标|X向|Y向|Z向");
    std::string caption = Gbk(L"节点坐标");
    bool nullNames = false, nullCaption = false;

    void Call() {
        auto call = KORVEL_EXPORT(FXJG_SHOWZB_DLG);
        call(&result, &count, &choice,
             nullNames ? nullptr : names.c_str(), nullCaption ? nullptr : caption.c_str());
    }
};

// Runs the dialog, lets the script look and press, then closes it with `closeWith`.
DialogRun RunCoordinates(CoordinateHost& host, const std::function<void(DialogDriver&, const ListView&)>& script,
              int closeWith = IDOK) {
    return RunDialog([&] { host.Call(); },
                     [&](DialogDriver& d) {
                         const ListView list(d.Item(IDC_LIST_CASES));
                         script(d, list);
                         d.ClickItem(closeWith);
                         EXPECT_TRUE(d.WaitClosed());
                     });
}

TEST(CoordinateDialogTest, ShowsHeadingRowsRadiosAndHostTitle) {
    CoordinateHost host;
    RunCoordinates(host, [](DialogDriver& d, const ListView& list) {
        EXPECT_EQ(d.Text(d.Dialog()), L"节点坐标");
        ASSERT_EQ(list.ColumnCount(), 1);
        EXPECT_EQ(list.HeaderText(0), L"坐标");
        EXPECT_EQ(list.Column0(), (std::vector<std::wstring>{L"X向", L"Y向", L"Z向"}));
        EXPECT_EQ(list.StateImages(), (std::vector<int>{kOff, kOn, kOff}));
        EXPECT_EQ(list.SelectedRows(), std::vector<int>{1});
        EXPECT_EQ(list.SelectionMark(), 1);
        EXPECT_EQ(list.ExtendedStyle(), static_cast<DWORD>(LVS_EX_FULLROWSELECT));
        EXPECT_EQ(list.ColumnWidth(0), list.ClientWidth());  // short names: the client width
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.choice, 2);
}

// What a press lands on.
enum class Spot { Text, Radio, Beside, BelowRows };

struct PressCase {
    const char* label;
    int row;
    Spot spot;
    bool doubleClick;
    std::vector<int> radios;  // what the rows show afterwards
    int choice;               // what OK hands back
};

void PrintTo(const PressCase& c, std::ostream* os) { *os << c.label; }

class CoordinatePressTest : public testing::TestWithParam<PressCase> {};

POINT Where(const ListView& list, int row, Spot spot) {
    const RECT bounds = list.RowBounds(row);
    switch (spot) {
    case Spot::Text: return list.PointOn(row, LVHT_ONITEMLABEL);
    case Spot::Radio: return list.PointOn(row, LVHT_ONITEMSTATEICON);
    case Spot::Beside: return POINT{list.ClientWidth() - 3, (bounds.top + bounds.bottom) / 2};
    case Spot::BelowRows: return POINT{bounds.left + 30, bounds.bottom + 40};
    }
    return POINT{-1, -1};
}

TEST_P(CoordinatePressTest, ChoosesByTextOrRadioOnly) {
    const PressCase& c = GetParam();
    CoordinateHost host;
    RunCoordinates(host, [&](DialogDriver& d, const ListView& list) {
        const POINT at = Where(list, c.row, c.spot);
        ASSERT_GE(at.x, 0);
        if (c.doubleClick) d.DoubleClick(list.Handle(), at);
        else d.Click(list.Handle(), at);
        EXPECT_TRUE(d.IsOpen());
        EXPECT_EQ(list.StateImages(), c.radios);
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.choice, c.choice);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CoordinatePressTest,
    testing::Values(PressCase{"text_of_the_third_row", 2, Spot::Text, false, {kOff, kOff, kOn}, 3},
                    PressCase{"radio_of_the_first_row", 0, Spot::Radio, false, {kOn, kOff, kOff}, 1},
                    PressCase{"right_end_of_the_first_row", 0, Spot::Beside, false, {kOn, kOff, kOff}, 1},
                    PressCase{"below_the_last_row", 2, Spot::BelowRows, false, {kOff, kOn, kOff}, 2},
                    PressCase{"double_click_on_a_text", 0, Spot::Text, true, {kOn, kOff, kOff}, 1}),
    [](const testing::TestParamInfo<PressCase>& info) { return std::string(info.param.label); });

TEST(CoordinateDialogTest, KeysMoveTheSelectionAndTheChoice) {
    CoordinateHost host;
    RunCoordinates(host, [](DialogDriver& d, const ListView& list) {
        d.Click(list.Handle(), list.PointOn(0, LVHT_ONITEMLABEL));
        d.Key(VK_END);
        d.Key(VK_SPACE);
        EXPECT_EQ(list.SelectedRows(), std::vector<int>{2});
        EXPECT_EQ(list.StateImages(), (std::vector<int>{kOff, kOff, kOn}));
        d.Key(VK_UP);
        EXPECT_EQ(list.SelectedRows(), std::vector<int>{1});
        EXPECT_EQ(list.StateImages(), (std::vector<int>{kOff, kOn, kOff}));
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.choice, 2);
}

TEST(CoordinateDialogTest, KeysWithoutAPressStartFromTheHostsRow) {
    CoordinateHost host;  // row 2 of 3 chosen
    RunCoordinates(host, [](DialogDriver& d, const ListView& list) {
        d.KeyTo(list.Handle(), VK_UP);
        EXPECT_EQ(list.SelectedRows(), std::vector<int>{0});
        EXPECT_EQ(list.StateImages(), (std::vector<int>{kOn, kOff, kOff}));
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.choice, 1);
}

struct ReadCase {
    const char* label;
    std::wstring names;
    bool nullNames;
    int count;
    std::wstring heading;
    std::vector<std::wstring> rows;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.label; }

class CoordinateNamesTest : public testing::TestWithParam<ReadCase> {};

TEST_P(CoordinateNamesTest, ShowsTheHeadingAndRows) {
    const ReadCase& c = GetParam();
    CoordinateHost host;
    host.names = Gbk(c.names);
    host.nullNames = c.nullNames;
    host.count = c.count;
    host.choice = 7;
    RunCoordinates(host, [&](DialogDriver&, const ListView& list) {
        EXPECT_EQ(list.HeaderText(0), c.heading);
        EXPECT_EQ(list.Column0(), c.rows);
        EXPECT_EQ(list.StateImages(), std::vector<int>(c.rows.size(), kOff));  // choice 7 is no row
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.choice, 7);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CoordinateNamesTest,
    testing::Values(
        ReadCase{"count_cut_to_the_names", L"坐标|X向|Y向|Z向", false, 9, L"坐标", {L"X向", L"Y向", L"Z向"}},
        ReadCase{"count_cut_to_13_names", L"选择目标组合|Fxmin组合|Fymin组合", false, 13, L"选择目标组合",
                 {L"Fxmin组合", L"Fymin组合"}},
        ReadCase{"two_names_count_1_only_the_heading", L"选择组合|组合", false, 1, L"选择组合", {}},
        ReadCase{"two_names_number_after_the_heading", L"选择组合|组合", false, 4, L"选择组合",
                 {L"组合1", L"组合2", L"组合3"}},
        ReadCase{"one_name_is_heading_and_prefix", L"层", false, 3, L"层", {L"层1", L"层2", L"层3"}},
        ReadCase{"null_names_give_bare_numbers", L"", true, 3, L"", {L"1", L"2", L"3"}},
        ReadCase{"negative_count_no_rows", L"坐标|X向|Y向|Z向", false, -5, L"坐标", {}},
        ReadCase{"count_0_no_rows", L"层", false, -1, L"层", {}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.label); });

TEST(CoordinateDialogTest, WideNamesWidenTheColumnSoTheyShowWhole) {
    CoordinateHost host;
    const std::wstring wide = L"X向节点坐标与恒载活载风载地震组合后的位移";
    host.names = Gbk(L"坐标|" + wide + L"|Y向");
    host.count = 3;
    RunCoordinates(host, [&](DialogDriver&, const ListView& list) {
        const int text = static_cast<int>(
            SendMessageW(list.Handle(), LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(wide.c_str())));
        EXPECT_GT(list.ColumnWidth(0), list.ClientWidth());
        const RECT label = list.RowLabel(0);
        EXPECT_GE(label.right - label.left, text);
    });
}

// A numbered list is as wide as its prefix with three digits, or with its last number where
// that is longer, so no row's number is cut.
TEST(CoordinateDialogTest, NumberedRowsAreMeasuredAsThePrefixAndThreeDigitsOrTheLastNumber) {
    const std::wstring prefix = L"恒载活载风载地震作用组合下的节点号";
    for (const auto& [count, measured] : {std::pair{3, prefix + L"123"}, std::pair{100000, prefix + L"100000"}}) {
        CoordinateHost host;
        host.names = Gbk(prefix);
        host.count = count;
        RunCoordinates(host, [&](DialogDriver&, const ListView& list) {
            const int text = static_cast<int>(
                SendMessageW(list.Handle(), LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(measured.c_str())));
            EXPECT_GT(list.ColumnWidth(0), list.ClientWidth());
            const RECT label = list.RowLabel(0);
            EXPECT_GE(label.right - label.left, text) << count;
        });
    }
}

TEST(CoordinateDialogTest, ChosenRowIsScrolledWhollyIntoView) {
    CoordinateHost host;
    host.names = Gbk(L"节点");
    host.count = 60;
    host.choice = 45;
    RunCoordinates(host, [](DialogDriver&, const ListView& list) {
        ASSERT_EQ(list.RowCount(), 60);
        EXPECT_EQ(list.StateImage(44), kOn);
        EXPECT_EQ(list.SelectedRows(), std::vector<int>{44});
        EXPECT_TRUE(list.RowWhollyVisible(44));
        EXPECT_FALSE(list.RowWhollyVisible(0));
    });
    EXPECT_EQ(host.choice, 45);
}

TEST(CoordinateDialogTest, NullCaptionGivesAnEmptyTitle) {
    CoordinateHost host;
    host.nullCaption = true;
    RunCoordinates(host, [](DialogDriver& d, const ListView&) { EXPECT_EQ(d.Text(d.Dialog()), L""); });
    EXPECT_EQ(host.result, 0);
}

// Every item of a numbered list is shown, however many: the last of a million can be chosen.
TEST(CoordinateDialogTest, MillionNumberedRowsOpenAndThePressedLastComesBack) {
    static constexpr int kRows = KORVEL_MAX_NUMBERED_ITEMS;
    CoordinateHost host;
    host.names = Gbk(L"节点");
    host.count = kRows;
    RunCoordinates(host, [](DialogDriver& d, const ListView& list) {
        ASSERT_EQ(list.RowCount(), kRows);
        EXPECT_EQ(list.CellText(kRows - 1, 0), L"节点" + std::to_wstring(kRows));
        SendMessageW(list.Handle(), LVM_ENSUREVISIBLE, kRows - 1, FALSE);
        d.Click(list.Handle(), list.PointOn(kRows - 1, LVHT_ONITEMLABEL));
        EXPECT_EQ(list.StateImage(kRows - 1), kOn);
        EXPECT_EQ(list.StateImage(1), kOff);
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.choice, kRows);
}

// Typing a name's start moves the selection, and the radio goes with it.
TEST(CoordinateDialogTest, TypedNameTakesTheRadioAndComesBack) {
    CoordinateHost host;
    RunCoordinates(host, [](DialogDriver& d, const ListView& list) {
        d.TypeTo(list.Handle(), L"z");
        EXPECT_EQ(list.SelectedRows(), std::vector<int>{2});
        EXPECT_EQ(list.StateImages(), (std::vector<int>{kOff, kOff, kOn}));
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.choice, 3);
}

TEST(CoordinateDialogTest, ExtremeChoicesShowNoRowAndComeBackUnchanged) {
    for (int choice : {INT_MIN, -1, 0, 4, INT_MAX}) {
        CoordinateHost host;
        host.choice = choice;
        RunCoordinates(host, [&](DialogDriver&, const ListView& list) {
            EXPECT_EQ(list.StateImages(), (std::vector<int>{kOff, kOff, kOff})) << choice;
            EXPECT_TRUE(list.SelectedRows().empty()) << choice;
        });
        EXPECT_EQ(host.result, 0);
        EXPECT_EQ(host.choice, choice);
    }
}

}  // namespace
