// What the user sees, read from the screen once painting has settled (nothing left in any update
// region), not from a fresh drawing of the window: a press that is not repainted, or a dialog
// placed off the work area, shows here.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "colour_dialogs.h"
#include "dialog_driver.h"
#include "gbk.h"
#include "host_call.h"
#include "host_window.h"
#include "list_view.h"
#include "pixels.h"
#include "resource.h"

namespace {

BOOL CALLBACK AnyToPaint(HWND child, LPARAM pending) {
    if (GetUpdateRect(child, nullptr, FALSE)) *reinterpret_cast<bool*>(pending) = true;
    return TRUE;
}

// Waits until neither the window nor any of its children has an update region left, and the
// dialog's loop has handled what was posted; false if painting did not settle.
bool WaitPainted(DialogDriver& d, HWND window) {
    const DWORD start = GetTickCount();
    for (;;) {
        d.Sync();
        bool pending = GetUpdateRect(window, nullptr, FALSE) != FALSE;
        EnumChildWindows(window, &AnyToPaint, reinterpret_cast<LPARAM>(&pending));
        if (!pending) return true;
        if (GetTickCount() - start > 3000) return false;
        Sleep(10);
    }
}

// The share of the pixels of a rectangle of `window`'s client area that the screen shows in
// `colour`.
double ScreenShare(HWND window, RECT client, COLORREF colour) {
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const Pixels shown = ScreenPixels(client);
    if (shown.colours.empty()) return 0;
    const auto same = std::count(shown.colours.begin(), shown.colours.end(), colour);
    return static_cast<double>(same) / static_cast<double>(shown.colours.size());
}

RECT CellRect(const ListView& list, int row, int col) {
    RECT rect = list.CellBounds(row, col);
    if (col == 0) rect.right = rect.left + list.ColumnWidth(0);  // column 0's bounds are the whole row's
    InflateRect(&rect, -2, -2);  // inside the outline
    return rect;
}

struct PressCase {
    const char* name;
    ChoiceExport which;
    int columns;
    int row, col;          // the cell pressed, or reached with the key
    UINT key;              // 0: a press of the cell; else this key, from the first cell
    int expectedChoice;    // 1-based, counted along the rows
};

class ScreenPressTest : public testing::TestWithParam<PressCase> {};

// The case chosen before (item 1, the first cell) and the one pressed, in a list and in a grid,
// or moved to with a key in the grid (both cells share a row: only the list's own repaint shows
// the change).
TEST_P(ScreenPressTest, PressedCellShowsChosenOnScreen) {
    const PressCase& c = GetParam();
    HostVars vars;
    vars.names = Gbk(L"工况|恒载|活载|风载|雪载|地震|温度");
    vars.count = 7;
    vars.columns = c.columns;
    vars.choice = 1;
    double pressedShare = 0, leftShare = 1;
    bool settled = false;
    RunDialog([&] { CallExport(c.which, vars); },
                                    [&](DialogDriver& d) {
                                        ListView list(d.Item(IDC_LIST_BUTTONS));
                                        if (c.key) d.KeyTo(list.Handle(), c.key);
                                        else d.Click(list.Handle(), list.CellCenter(c.row, c.col));
                                        settled = WaitPainted(d, d.Dialog());
                                        const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
                                        pressedShare = ScreenShare(list.Handle(), CellRect(list, c.row, c.col), highlight);
                                        leftShare = ScreenShare(list.Handle(), CellRect(list, 0, 0), highlight);
                                        d.ClickItem(IDOK);
                                    });
    EXPECT_TRUE(settled);
    EXPECT_GT(pressedShare, 0.5) << "the pressed case is not shown chosen on the screen";
    EXPECT_LT(leftShare, 0.3) << "the case chosen before still shows chosen";
    EXPECT_EQ(vars.choice, c.expectedChoice);
}

INSTANTIATE_TEST_SUITE_P(ListAndGrid, ScreenPressTest,
                         testing::Values(PressCase{"List", ChoiceExport::ShowND, 1, 2, 0, 0, 3},
                                         PressCase{"Grid", ChoiceExport::ShowZHNL, 3, 0, 2, 0, 3},
                                         PressCase{"GridKey", ChoiceExport::ShowZHNL, 3, 0, 1, VK_RIGHT, 2}),
                         [](const testing::TestParamInfo<PressCase>& i) { return std::string(i.param.name); });

// Moves a window where it covers none of `other`: closing it then repaints nothing of `other`.
void MoveClear(HWND window, HWND other) {
    RECT self{}, avoid{};
    GetWindowRect(window, &self);
    GetWindowRect(other, &avoid);
    const int w = self.right - self.left, h = self.bottom - self.top;
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    const POINT places[] = {{0, 0}, {screenW - w, 0}, {0, screenH - h}, {screenW - w, screenH - h}};
    for (POINT at : places) {
        const RECT there{at.x, at.y, at.x + w, at.y + h};
        RECT overlap{};
        if (IntersectRect(&overlap, &there, &avoid)) continue;
        SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
}

TEST(ScreenReadTest, ColourChosenInThePickerShowsOnScreen) {
    ColourTableVars vars = ColourTable(L"H|A|B|C", {3, 12, 14, 9});
    const COLORREF green = BaseColours()[10];
    double share = 0;
    bool settled = false;
    RunColourTable(vars, [&](DialogDriver& d, const ListView& list) {
        DialogDriver picker(OpenColourCell(d, list, 1, 1));
        // Out of the way first: its closing must not be what repaints the cell.
        MoveClear(picker.Dialog(), d.Dialog());
        WaitPainted(d, d.Dialog());
        picker.ClickItem(IDC_SWATCH_FIRST + 10);
        picker.ClickItem(IDOK);
        ASSERT_TRUE(picker.WaitClosed());
        settled = WaitPainted(d, d.Dialog());
        share = ScreenShare(list.Handle(), CellRect(list, 1, 1), green);
    });
    EXPECT_TRUE(settled);
    EXPECT_GT(share, 0.5) << "the cell does not show the colour chosen for it";
    ASSERT_GE(vars.colors.size(), 3u);
    EXPECT_EQ(vars.colors[2], 10);  // row 1 is entry 2: entry 0 is the heading
}

// An owner at the bottom-right corner of the work area: the dialog centred over it would hang
// off the screen, so it is kept inside the work area.
TEST(ScreenReadTest, DialogOverAnOwnerInTheCornerStaysOnTheWorkArea) {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    HWND owner = CreateHostWindow(area.right - 160, area.bottom - 120, 160, 120);
    HostVars vars;
    vars.names = Gbk(L"工况|恒载|活载|风载");
    vars.count = 4;
    RECT placed{};
    RunDialog([&] { CallExport(ChoiceExport::ShowND, vars); },
                                    [&](DialogDriver& d) {
                                        GetWindowRect(d.Dialog(), &placed);
                                        d.ClickItem(IDCANCEL);
                                    });
    DestroyWindow(owner);
    EXPECT_GE(placed.left, area.left);
    EXPECT_GE(placed.top, area.top);
    EXPECT_LE(placed.right, area.right);
    EXPECT_LE(placed.bottom, area.bottom);
}

}  // namespace
