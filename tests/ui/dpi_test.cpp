// The dialogs at the screen's DPI: rows 20 pixels high at 96 DPI and as much higher as the DPI is,
// never lower than their text, and the check box, radio and check tree images enlarged by the
// nearest whole factor. Runs at 96 DPI with the other tests and again in a Wine prefix of its own
// whose screen has 192 DPI (KORVEL_DPI names the DPI a run is for).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "every_export.h"

namespace {

constexpr int kRowHeight = 20;      // at 96 DPI
constexpr int kRadioImage = 20;     // the radio images, square
constexpr int kTreeImage = 13;      // the check tree's marks, square

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int Scaled(int pixels) { return MulDiv(pixels, ScreenDpi(), 96); }
int WholeFactor() { return std::max(1, (ScreenDpi() + 48) / 96); }

SIZE ImageSize(HIMAGELIST images) {
    int cx = 0;
    int cy = 0;
    if (!images || !ImageList_GetIconSize(images, &cx, &cy)) return SIZE{0, 0};
    return SIZE{cx, cy};
}

// The check boxes the platform makes for a list of its own: the size the library's are enlarged from.
SIZE PlatformCheckBoxes() {
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", LVS_REPORT, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    const SIZE size = ImageSize(reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_STATE, 0)));
    DestroyWindow(list);
    return size;
}

int TextHeight(HWND control) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::vector<HWND> Children(HWND dialog, const wchar_t* className) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == className) found.push_back(child);
    return found;
}

// The state images a list should have: 1 pixel wide and as high as the 20-pixel rows scaled (a
// list whose state images only set its row height), or the radio images or check boxes enlarged.
SIZE ExpectedStateImages(HWND list, SIZE shown) {
    if (SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES) {
        const SIZE platform = PlatformCheckBoxes();
        return SIZE{platform.cx * WholeFactor(), platform.cy * WholeFactor()};
    }
    if (shown.cx == 1) return SIZE{1, Scaled(kRowHeight)};
    return SIZE{kRadioImage * WholeFactor(), kRadioImage * WholeFactor()};
}

// Rows at least as high as their state images (which set the height of a list's rows) and as
// their text; the platform adds a little padding of its own.
void ExpectRowHeight(int height, int image, int text) {
    EXPECT_GE(height, image);
    EXPECT_GE(height, text);
}

void CheckList(HWND list) {
    SCOPED_TRACE("list " + std::to_string(GetDlgCtrlID(list)));
    const SIZE image = ImageSize(reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_STATE, 0)));
    const SIZE expected = ExpectedStateImages(list, image);
    EXPECT_EQ(image.cx, expected.cx);
    EXPECT_EQ(image.cy, expected.cy);
    ASSERT_GT(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    ASSERT_TRUE(SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)));
    ExpectRowHeight(row.bottom - row.top, image.cy, TextHeight(list));
}

void CheckTree(HWND tree) {
    const SIZE image = ImageSize(reinterpret_cast<HIMAGELIST>(SendMessageW(tree, TVM_GETIMAGELIST, TVSIL_STATE, 0)));
    EXPECT_EQ(image.cx, kTreeImage * WholeFactor());
    EXPECT_EQ(image.cy, kTreeImage * WholeFactor());
    ExpectRowHeight(static_cast<int>(SendMessageW(tree, TVM_GETITEMHEIGHT, 0, 0)), image.cy, TextHeight(tree));
}

TEST(DpiTest, ScreenHasTheDpiOfTheRun) {
    const char* asked = std::getenv("KORVEL_DPI");
    EXPECT_EQ(ScreenDpi(), asked ? std::atoi(asked) : 96);
}

class DpiDialogTest : public testing::TestWithParam<SampleExport> {};

TEST_P(DpiDialogTest, RowsAndImagesFollowTheScreen) {
    SampleHost host = GetParam().sample();
    const DialogRun run = RunDialog([&] { GetParam().call(host); },
                                    [](DialogDriver& d) {
                                        for (HWND list : Children(d.Dialog(), WC_LISTVIEWW)) CheckList(list);
                                        for (HWND tree : Children(d.Dialog(), WC_TREEVIEWW)) CheckTree(tree);
                                        d.ClickItem(IDOK);
                                        EXPECT_TRUE(d.WaitClosed());
                                    });
    EXPECT_TRUE(run.appeared);
}

INSTANTIATE_TEST_SUITE_P(Exports, DpiDialogTest, testing::ValuesIn(SampleExports()),
                         [](const testing::TestParamInfo<SampleExport>& i) { return SampleExportName(i.param); });

}  // namespace
