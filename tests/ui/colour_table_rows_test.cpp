// The colour table's rows at any number: a row far down shows its name, its colour and its colour's
// name once scrolled to, a colour picked there is what OK hands back for that entry alone, and the
// keys move the one selected row as in any list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "colour_dialogs.h"
#include "colour_host_call.h"
#include "dialog_driver.h"
#include "list_view.h"

namespace {

constexpr int kColourColumn = 1;

// Items "1" to "rows", item i in colour number i % 16; entry 0 is the heading.
ColourTableVars Numbered(int rows) {
    std::wstring names = L"H";
    std::vector<int> numbers{0};
    for (int i = 1; i <= rows; ++i) {
        names += L"|" + std::to_wstring(i);
        numbers.push_back(i % 16);
    }
    return ColourTable(names, numbers);
}

TEST(ColourTableRowsTest, ScrolledRowShowsItsColourAndTakesAPick) {
    constexpr int kRows = 5000;
    constexpr int kRow = 4321;  // item 4322: colour number 2
    constexpr int kPicked = 13;
    ColourTableVars vars = Numbered(kRows);
    const std::vector<int> given = vars.colors;
    RunColourTable(vars, [&](DialogDriver& d, const ListView& list) {
        ASSERT_EQ(list.RowCount(), kRows);
        SendMessageW(list.Handle(), LVM_ENSUREVISIBLE, kRow, FALSE);
        d.Sync();
        EXPECT_EQ(list.CellText(kRow, 0), L"4322");
        EXPECT_EQ(list.CellText(kRow, kColourColumn), BaseColourNames()[2]);
        EXPECT_TRUE(CellShows(list, kRow, kColourColumn, BaseColours()[2]));

        DialogDriver picker(OpenColourCell(d, list, kRow, kColourColumn));
        ASSERT_NE(picker.Dialog(), nullptr);
        picker.ClickItem(IDC_SWATCH_FIRST + kPicked);
        picker.ClickItem(IDOK);
        ASSERT_TRUE(picker.WaitClosed());
        d.Sync();
        EXPECT_EQ(list.SelectedRows(), std::vector<int>{kRow});
        EXPECT_EQ(list.CellText(kRow, kColourColumn), BaseColourNames()[kPicked]);
        EXPECT_TRUE(CellShows(list, kRow, kColourColumn, BaseColours()[kPicked]));
        EXPECT_TRUE(CellShows(list, kRow - 1, kColourColumn, BaseColours()[1]));  // the row above
    });
    EXPECT_EQ(vars.result, 0);
    std::vector<int> expected = given;
    expected[kRow + 1] = kPicked;
    EXPECT_EQ(vars.colors, expected);
}

struct KeyCase {
    const char* label;
    std::vector<UINT> keys;  // pressed on the list in turn, after a press on the first row's name
    std::wstring typed;      // then typed
    std::vector<int> selected;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.label; }

class ColourTableKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(ColourTableKeyTest, KeysMoveTheOneSelectedRowAndChooseNoColour) {
    const KeyCase& c = GetParam();
    ColourTableVars vars = ColourTable(L"H|apple|banana|cherry|blueberry", {0, 4, 5, 6, 7});
    RunColourTable(vars, [&](DialogDriver& d, const ListView& list) {
        ASSERT_EQ(list.SelectedRows(), std::vector<int>{0});
        ClickCell(d, list, 0, 0);
        for (UINT vk : c.keys) d.KeyTo(list.Handle(), vk);
        if (!c.typed.empty()) d.TypeTo(list.Handle(), c.typed);
        d.Sync();
        EXPECT_EQ(list.SelectedRows(), c.selected);
        EXPECT_EQ(d.OtherDialog(), nullptr);
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.colors, (std::vector<int>{0, 4, 5, 6, 7, kUntouched, kUntouched, kUntouched, kUntouched}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ColourTableKeyTest,
    testing::Values(KeyCase{"down", {VK_DOWN}, L"", {1}},
                    KeyCase{"down_twice_then_up", {VK_DOWN, VK_DOWN, VK_UP}, L"", {1}},
                    KeyCase{"up_at_the_top_keeps_the_row", {VK_UP}, L"", {0}},
                    KeyCase{"end", {VK_END}, L"", {3}},
                    KeyCase{"typed_start_of_a_name", {}, L"ch", {2}},
                    KeyCase{"typed_start_of_no_name_keeps_the_row", {VK_DOWN}, L"x", {1}}),
    [](const testing::TestParamInfo<KeyCase>& i) { return std::string(i.param.label); });

}  // namespace
