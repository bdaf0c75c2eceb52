// The colour table: the host's items in their base colours, colour numbers validated and read
// back from the rows' colours, and the host's array read and written only as far as it is used.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "client_snapshot.h"
#include "colour_dialogs.h"
#include "colour_host_call.h"
#include "dialog_driver.h"
#include "list_view.h"

namespace {

constexpr int kRowHeight = 20;
constexpr int kColourColumnWidth = 80;

// The room the list leaves beside a cell's text, both sides together.
constexpr int kLabelMargins = 12;

TEST(ColourTableDialogTest, ShowsTheItemsInTheirColoursAndHandsThemBack) {
    ColourTableVars vars = ColourTable(L"H|A|B|C", {3, 12, 14, 9});
    RunColourTable(vars, [](DialogDriver& d, const ListView& list) {
        EXPECT_EQ(d.Text(d.Dialog()), L"选择颜色");
        EXPECT_EQ(list.HeaderText(0), L"项目");
        EXPECT_EQ(list.HeaderText(1), L"颜色");
        EXPECT_EQ(list.Column0(), (std::vector<std::wstring>{L"A", L"B", L"C"}));
        EXPECT_EQ(list.ExtendedStyle(), static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
        // The 20-pixel rows of the state images; the platform may add one for the grid line.
        const RECT row = list.RowBounds(1);
        EXPECT_GE(row.bottom - row.top, kRowHeight);
        EXPECT_LE(row.bottom - row.top, kRowHeight + 1);
        EXPECT_EQ(list.SelectedRows(), std::vector<int>{0});
        EXPECT_TRUE(CellShows(list, 0, 1, RGB(255, 0, 0)));
        EXPECT_TRUE(CellShows(list, 1, 1, RGB(255, 255, 0)));
        EXPECT_TRUE(CellShows(list, 2, 1, RGB(0, 0, 255)));
        // Nothing of the cell's text or selection: a one-pixel outline around the colour.
        const RECT cell = list.CellBounds(0, 1);
        EXPECT_EQ(ClientSnapshot(list.Handle()).Pixel(cell.left + 1, cell.top + 5), RGB(0, 0, 0));
        EXPECT_EQ(ClientSnapshot(list.Handle()).Pixel(cell.left + 2, cell.top + 5), RGB(255, 0, 0));
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.colors, (std::vector<int>{3, 12, 14, 9, kUntouched, kUntouched, kUntouched, kUntouched}));
}

TEST(ColourTableDialogTest, NumbersOutsideTheTableAreShownAndHandedBackAsDarkBlue) {
    ColourTableVars vars = ColourTable(L"H|A|B|C", {-1, 12, 20, 9});
    RunColourTable(vars, [](DialogDriver&, const ListView& list) {
        EXPECT_TRUE(CellShows(list, 1, 1, RGB(0, 0, 170)));
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.colors, (std::vector<int>{1, 12, 1, 9, kUntouched, kUntouched, kUntouched, kUntouched}));
}

TEST(ColourTableDialogTest, EveryBaseColourIsShownAsItsNumberSays) {
    std::vector<int> numbers(17);
    std::wstring names = L"H";
    for (int n = 0; n < 16; ++n) {
        numbers[static_cast<std::size_t>(n) + 1] = n;
        names += L"|" + std::to_wstring(n);
    }
    ColourTableVars vars = ColourTable(names, numbers);
    RunColourTable(vars, [](DialogDriver&, const ListView& list) {
        ASSERT_EQ(list.RowCount(), 16);
        for (int n = 0; n < 16; ++n) {
            SendMessageW(list.Handle(), LVM_ENSUREVISIBLE, n, FALSE);
            EXPECT_TRUE(CellShows(list, n, 1, BaseColours()[static_cast<std::size_t>(n)])) << n;
        }
    });
    EXPECT_EQ(std::vector<int>(vars.colors.begin(), vars.colors.begin() + 17), numbers);
}

TEST(ColourTableDialogTest, NameColumnTakesTheRestOrTheWidestNameHeadingIncluded) {
    const std::wstring longHeading(40, L'标');
    for (const std::wstring& heading : {std::wstring(L"H"), longHeading}) {
        ColourTableVars vars = ColourTable(heading + L"|A|B", {0, 1, 2});
        RunColourTable(vars, [&](DialogDriver&, const ListView& list) {
            // Measured in the font the list draws the names in.
            const int rest = list.ClientWidth() - kColourColumnWidth;
            const int widest = list.TextWidth(heading) + kLabelMargins;
            EXPECT_EQ(list.ColumnWidth(0), std::max(rest, widest));
            EXPECT_EQ(list.ColumnWidth(1), kColourColumnWidth);
            if (heading == longHeading) {
                EXPECT_GT(widest, rest);  // the heading, never shown, widens the column
            }
        });
        EXPECT_EQ(vars.result, 0);
    }
}

TEST(ColourTableDialogTest, CaptionIsKeptButNotShown) {
    ColourTableVars vars = ColourTable(L"H|A", {0, 5});
    const std::string caption = "\xB1\xEA\xCC\xE2";  // GBK 标题
    vars.caption = caption.c_str();
    RunColourTable(vars, [](DialogDriver& d, const ListView&) { EXPECT_EQ(d.Text(d.Dialog()), L"选择颜色"); });
    EXPECT_EQ(vars.result, 0);
}

struct CountCase {
    const char* label;
    std::wstring names;
    std::vector<int> colors;  // the host's array (the whole of it)
    int count;
    std::vector<std::wstring> rows;
    std::vector<int> after;  // the host's array after OK
};

class ColourTableCountTest : public testing::TestWithParam<CountCase> {};

TEST_P(ColourTableCountTest, ReadsAndWritesOnlyTheEntriesInUse) {
    const CountCase& c = GetParam();
    ColourTableVars vars = ColourTable(c.names, c.colors, 0);
    vars.count = c.count;
    vars.nullNames = c.names == L"<null>";
    RunColourTable(vars, [&](DialogDriver&, const ListView& list) { EXPECT_EQ(list.Column0(), c.rows); });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.colors, c.after);
    EXPECT_EQ(vars.count, c.count);
}

constexpr int U = kUntouched;

INSTANTIATE_TEST_SUITE_P(
    Table, ColourTableCountTest,
    testing::Values(
        // The count beyond the names: cut to the four names, so entries 4 on are neither read nor written.
        CountCase{"count_beyond_the_names", L"H|A|B|C", {3, 12, 14, 9, 99, U}, 10, {L"A", L"B", L"C"}, {3, 12, 14, 9, 99, U}},
        CountCase{"more_names_than_the_count", L"H|A|B|C|D", {3, 20, U, U}, 2, {L"A"}, {3, 1, U, U}},
        CountCase{"count_one_is_the_heading_only", L"H|A|B", {-5, 4, U}, 1, {}, {1, 4, U}},
        CountCase{"count_zero_writes_nothing", L"H|A|B", {-5, 20, U}, 0, {}, {-5, 20, U}},
        CountCase{"negative_count_writes_nothing", L"H|A|B", {-5, 20, U}, -3, {}, {-5, 20, U}},
        CountCase{"huge_count", L"H|A", {2, 3, U}, 2147483647, {L"A"}, {2, 3, U}},
        CountCase{"null_names_are_one_empty_name", L"<null>", {20, 4, U}, 3, {}, {1, 4, U}}),
    [](const testing::TestParamInfo<CountCase>& i) { return std::string(i.param.label); });

}  // namespace
