// The sixteen-colour picker, opened from a colour cell of the colour table: its swatches and
// preview, and what OK and Cancel hand back to the cell.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "client_snapshot.h"
#include "colour_dialogs.h"
#include "colour_host_call.h"
#include "dialog_driver.h"
#include "list_view.h"

namespace {

// Opens the colour table with rows A (red, 12) and B (dark cyan, 3), presses B's colour cell and
// runs `script` against the picker; then confirms the table with OK.
ColourTableVars RunPicker(const std::function<void(DialogDriver& picker)>& script, Opening how = Opening::Press) {
    ColourTableVars vars = ColourTable(L"H|A|B", {0, 12, 3});
    RunDialog([&] { CallColourTable(vars); },
              [&](DialogDriver& d) {
                  ListView list(d.Item(IDC_COLOR_LIST));
                  HWND picker = OpenColourCell(d, list, 1, 1, how);
                  ASSERT_NE(picker, nullptr);
                  DialogDriver p(picker);
                  script(p);
                  ASSERT_TRUE(p.WaitClosed());
                  d.ClickItem(IDOK);
                  EXPECT_TRUE(d.WaitClosed());
              });
    EXPECT_EQ(vars.result, 0);
    return vars;
}

TEST(ColourPickerTest, OpensWithTheCellsColourSelected) {
    // Opened by a press on the colour cell, or by Space on its row.
    for (Opening how : {Opening::Press, Opening::SpaceKey}) {
        const ColourTableVars vars = RunPicker(
            [](DialogDriver& p) {
                EXPECT_EQ(p.Text(p.Dialog()), L"选择颜色");
                EXPECT_TRUE(PreviewShows(p, BaseColours()[3]));
                EXPECT_EQ(p.Focus(), p.Item(IDOK));
                p.ClickItem(IDOK);  // OK without a click: the colour it opened with
            },
            how);
        EXPECT_EQ(vars.colors[2], 3);
    }
}

// The pixels of a swatch's face (inside its one-pixel margin) that are not its colour: the focus
// rectangle, when it shows one.
int MarkedPixels(HWND swatch, COLORREF face) {
    RECT rect{};
    GetClientRect(swatch, &rect);
    const ClientSnapshot snapshot(swatch);
    int marked = 0;
    for (int y = rect.top + 1; y < rect.bottom - 1; ++y)
        for (int x = rect.left + 1; x < rect.right - 1; ++x) marked += snapshot.Pixel(x, y) != face;
    return marked;
}

// From the keyboard alone: Tab reaches the swatches, the arrows move the focus (Left and Right in
// a row, Up and Down between the rows, stopping at the edges), the focused swatch shows it, Space
// selects it and Enter confirms; Escape cancels.
TEST(ColourPickerTest, KeysMoveTheFocusSelectAndConfirm) {
    for (const UINT close : {static_cast<UINT>(VK_RETURN), static_cast<UINT>(VK_ESCAPE)}) {
        const ColourTableVars vars = RunPicker([close](DialogDriver& p) {
            auto swatch = [&](int n) { return p.Item(IDC_SWATCH_FIRST + n); };
            p.Key(VK_TAB);
            p.Key(VK_TAB);
            ASSERT_EQ(p.Focus(), swatch(0)) << "Tab from OK passes Cancel to the first swatch";
            const std::pair<UINT, int> moves[] = {{VK_RIGHT, 1}, {VK_DOWN, 9},  {VK_DOWN, 9}, {VK_UP, 1},
                                                  {VK_LEFT, 0},  {VK_LEFT, 0}, {VK_DOWN, 8}};
            for (const auto& [key, focused] : moves) {
                p.Key(key);
                EXPECT_EQ(p.Focus(), swatch(focused)) << "after key " << key;
            }
            EXPECT_GT(MarkedPixels(swatch(8), BaseColours()[8]), 0) << "the focused swatch shows the focus";
            EXPECT_EQ(MarkedPixels(swatch(0), BaseColours()[0]), 0) << "the others do not";
            p.Key(VK_SPACE);
            EXPECT_TRUE(PreviewShows(p, BaseColours()[8]));
            p.Key(close);
        });
        EXPECT_EQ(vars.colors[2], close == VK_RETURN ? 8 : 3);
    }
}

TEST(ColourPickerTest, SwatchesShowTheBaseColoursInTwoRowsOfEight) {
    RunPicker([](DialogDriver& p) {
        RECT first{};
        GetWindowRect(p.Item(IDC_SWATCH_FIRST), &first);
        for (int n = 0; n < 16; ++n) {
            HWND swatch = p.Item(IDC_SWATCH_FIRST + n);
            RECT face{};
            GetClientRect(swatch, &face);
            // Named after its colour, but the name is never drawn over the face.
            EXPECT_TRUE(ClientSnapshot(swatch).OnlyColor(face, BaseColours()[static_cast<std::size_t>(n)])) << n;
            EXPECT_EQ(p.Text(swatch), BaseColourNames()[static_cast<std::size_t>(n)]);
            RECT at{};
            GetWindowRect(swatch, &at);
            EXPECT_EQ(at.top > first.top, n >= 8) << n;
        }
        p.ClickItem(IDCANCEL);
    });
}

TEST(ColourPickerTest, ClickedSwatchIsPreviewedAndHandedBackOnOk) {
    const ColourTableVars vars = RunPicker([](DialogDriver& p) {
        p.ClickItem(IDC_SWATCH_FIRST + 8);  // the lower row's first: dark grey
        EXPECT_TRUE(PreviewShows(p, RGB(85, 85, 85)));
        p.ClickItem(IDC_SWATCH_FIRST + 8);  // again: nothing changes
        EXPECT_TRUE(PreviewShows(p, RGB(85, 85, 85)));
        p.ClickItem(IDOK);
    });
    EXPECT_EQ(vars.colors, (std::vector<int>{0, 12, 8, kUntouched, kUntouched, kUntouched, kUntouched}));
}

TEST(ColourPickerTest, CancelAfterSeveralSwatchesKeepsTheCellsColour) {
    for (const Leave way : kEveryWayButOk) {
        const ColourTableVars vars = RunPicker([&](DialogDriver& p) {
            p.ClickItem(IDC_SWATCH_FIRST + 14);
            p.ClickItem(IDC_SWATCH_FIRST + 5);
            EXPECT_TRUE(PreviewShows(p, BaseColours()[5]));
            LeaveBy(p, way);
        });
        EXPECT_EQ(vars.colors[2], 3) << static_cast<int>(way);
    }
}

TEST(ColourPickerTest, TheCellShowsThePickedColour) {
    ColourTableVars vars = ColourTable(L"H|A|B", {0, 12, 3});
    RunDialog([&] { CallColourTable(vars); },
              [&](DialogDriver& d) {
                  ListView list(d.Item(IDC_COLOR_LIST));
                  DialogDriver p(OpenColourCell(d, list, 0, 1));
                  p.ClickItem(IDC_SWATCH_FIRST + 13);
                  p.ClickItem(IDOK);
                  ASSERT_TRUE(p.WaitClosed());
                  EXPECT_TRUE(CellShows(list, 0, 1, RGB(255, 0, 255)));
                  EXPECT_TRUE(CellShows(list, 1, 1, BaseColours()[3]));
                  d.ClickItem(IDOK);
                  d.WaitClosed();
              });
    EXPECT_EQ(vars.colors, (std::vector<int>{0, 13, 3, kUntouched, kUntouched, kUntouched, kUntouched}));
}

TEST(ColourPickerTest, NameColumnAndEmptySpaceOpenNothing) {
    ColourTableVars vars = ColourTable(L"H|A|B", {0, 12, 3});
    RunDialog([&] { CallColourTable(vars); },
              [&](DialogDriver& d) {
                  ListView list(d.Item(IDC_COLOR_LIST));
                  ClickCell(d, list, 0, 0);
                  const RECT last = list.CellBounds(1, 1);
                  d.Click(list.Handle(), POINT{(last.left + last.right) / 2, last.bottom + 30});  // below the rows
                  EXPECT_EQ(d.OtherDialog(), nullptr);
                  d.ClickItem(IDOK);
                  d.WaitClosed();
              });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.colors[1], 12);
}

}  // namespace
