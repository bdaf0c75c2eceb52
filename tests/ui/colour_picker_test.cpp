// The sixteen-colour picker, opened from a colour cell of the colour table: its swatches and
// preview, and what OK and Cancel hand back to the cell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "client_snapshot.h"
#include "colour_dialogs.h"
#include "colour_host_call.h"
#include "dialog_driver.h"
#include "list_view.h"

namespace {

// Opens the colour table with rows A (red, 12) and B (dark cyan, 3), presses B's colour cell and
// runs `script` against the picker; then confirms the table with OK.
ColourTableVars RunPicker(const std::function<void(DialogDriver& picker)>& script) {
    ColourTableVars vars = ColourTable(L"H|A|B", {0, 12, 3});
    RunDialog([&] { CallColourTable(vars); },
              [&](DialogDriver& d) {
                  ListView list(d.Item(IDC_COLOR_LIST));
                  HWND picker = OpenColourCell(d, list, 1, 1);
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
    const ColourTableVars vars = RunPicker([](DialogDriver& p) {
        EXPECT_EQ(p.Text(p.Dialog()), L"选择颜色");
        EXPECT_TRUE(PreviewShows(p, BaseColours()[3]));
        EXPECT_EQ(p.Focus(), p.Item(IDOK));
        p.ClickItem(IDOK);  // OK without a click: the colour it opened with
    });
    EXPECT_EQ(vars.colors[2], 3);
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
