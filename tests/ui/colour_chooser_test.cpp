// The platform's colour chooser opened from a colour cell of the contour dialog: fully open,
// from the cell's colour, with the custom colours every list shares for the library's life.
#include <gtest/gtest.h>

#include <colordlg.h>

#include <functional>
#include <vector>

#include "colour_dialogs.h"
#include "colour_host_call.h"
#include "dialog_driver.h"
#include "list_view.h"

namespace {

constexpr unsigned long kRed = 0x0000FF, kGreen = 0x00FF00, kOdd = RGB(12, 34, 56);

// Opens the contour dialog with three lines, presses the colour cell of line 2 (kOdd) and runs
// `script` against the chooser; then confirms the contour dialog with OK.
ContourVars RunChooser(const std::function<void(DialogDriver& chooser)>& script, Opening how = Opening::Press) {
    ContourVars vars = Contour(1, {0.5f, 1.0f, 2.0f}, {kRed, kOdd, kGreen});
    RunContour(vars, [&](DialogDriver& d, const ListView& list) {
        HWND chooser = OpenColourCell(d, list, 1, 2, how);
        ASSERT_NE(chooser, nullptr);
        DialogDriver c(chooser);
        script(c);
        ASSERT_TRUE(c.WaitClosed());
    });
    EXPECT_EQ(vars.result, 0);
    return vars;
}

TEST(ColourChooserTest, OpensFullyOpenFromTheCellsColour) {
    // Opened by a press on the colour cell, or by Space on its row.
    for (Opening how : {Opening::Press, Opening::SpaceKey}) {
        const ContourVars vars = RunChooser(
            [](DialogDriver& c) {
                EXPECT_EQ(ChooserColour(c), kOdd);
                EXPECT_TRUE(IsWindowVisible(c.Item(COLOR_RED)));  // the part with the colour boxes is open
                c.ClickItem(IDOK);
            },
            how);
        EXPECT_EQ(vars.colors, (std::vector<unsigned long>{kRed, kOdd, kGreen, kUntouchedColor, kUntouchedColor,
                                                            kUntouchedColor, kUntouchedColor}));
    }
}

TEST(ColourChooserTest, ChosenColourReplacesTheCellsOnOk) {
    ContourVars vars = Contour(1, {0.5f, 1.0f}, {kRed, kOdd});
    RunContour(vars, [](DialogDriver& d, const ListView& list) {
        DialogDriver c(OpenColourCell(d, list, 1, 2));
        TypeChooserColour(c, RGB(200, 100, 50));
        EXPECT_EQ(ChooserColour(c), RGB(200, 100, 50));
        c.ClickItem(IDOK);
        ASSERT_TRUE(c.WaitClosed());
        EXPECT_TRUE(CellShows(list, 1, 2, RGB(200, 100, 50)));
    });
    EXPECT_EQ(vars.colors[0], kRed);
    EXPECT_EQ(vars.colors[1], RGB(200, 100, 50));
}

TEST(ColourChooserTest, CancelKeepsTheCellsColour) {
    const ContourVars vars = RunChooser([](DialogDriver& c) {
        TypeChooserColour(c, RGB(1, 1, 1));
        c.ClickItem(IDCANCEL);
    });
    EXPECT_EQ(vars.colors[1], kOdd);
}

TEST(ColourChooserTest, CustomColoursAreTheBaseColours) {
    RunChooser([](DialogDriver& c) {
        EXPECT_EQ(CustomColours(c), BaseColours());
        ClickCustomColour(c, 12);
        c.ClickItem(IDOK);
    });
}

TEST(ColourChooserTest, ChangedCustomColoursLastAndThePickerSeesThem) {
    SetFirstCustomColour(RGB(1, 2, 3));
    // The change outlives the chooser, even cancelled, and the dialog it was opened from.
    RunChooser([](DialogDriver& c) {
        ClickCustomColour(c, 0);
        EXPECT_EQ(ChooserColour(c), RGB(1, 2, 3));
        c.ClickItem(IDCANCEL);
    });
    // Black is no longer a custom colour: the picker opened from a black cell selects nothing,
    // and OK without a swatch keeps the cell black.
    ColourTableVars table = ColourTable(L"H|A", {0, 0});
    RunColourTable(table, [](DialogDriver& d, const ListView& list) {
        DialogDriver picker(OpenColourCell(d, list, 0, 1));
        EXPECT_TRUE(PreviewShows(picker, GetSysColor(COLOR_BTNFACE)));
        picker.ClickItem(IDOK);
        ASSERT_TRUE(picker.WaitClosed());
        EXPECT_TRUE(CellShows(list, 0, 1, RGB(0, 0, 0)));
    });
    EXPECT_EQ(table.result, 0);
    EXPECT_EQ(table.colors[1], 0);  // the table itself reads the base colours
    SetFirstCustomColour(RGB(0, 0, 0));
    RunChooser([](DialogDriver& c) {
        ClickCustomColour(c, 0);
        EXPECT_EQ(ChooserColour(c), RGB(0, 0, 0));
        c.ClickItem(IDCANCEL);
    });
}

}  // namespace
