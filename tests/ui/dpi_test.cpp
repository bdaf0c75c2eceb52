// The dialogs at the DPI of their window: rows 20 pixels high at 96 DPI and as much higher as the
// DPI is, and every check box, radio and tree mark drawn the size of the check box the platform
// draws for a list of its own at that DPI. Runs at 96 DPI with the other tests and again in Wine
// prefixes of their own whose screens have 144 and 192 DPI (KORVEL_DPI names the DPI of a run).
//
// A DPI change is sent as Windows sends it to a dialog moved to a screen of another DPI (Wine has
// none of its own): to a per-monitor-v2 dialog, WM_DPICHANGED_BEFOREPARENT to every descendant, the
// template's font at the new DPI to every control, WM_DPICHANGED to the dialog,
// WM_DPICHANGED_AFTERPARENT to every descendant; to a per-monitor-v1 dialog, WM_DPICHANGED alone,
// so that the dialog re-fonts and moves its controls itself. Changed there and back, every size is
// again what the dialog opened with, and what the user did before the change comes back with OK.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "button_grid.h"
#include "client_snapshot.h"
#include "colour_dialogs.h"
#include "dialog_driver.h"
#include "export_param.h"
#include "list_view.h"
#include "pixels.h"
#include "resource.h"
#include "tree_view.h"

namespace {

using catalogue::ExportEntry;
using catalogue::HostCall;

constexpr int kRowHeight = 20;  // of the lists whose rows the library sizes, at 96 DPI
constexpr int kInkTolerance = 2;

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int Scaled(int pixels, int dpi) { return MulDiv(pixels, dpi, 96); }

// The DPI the round trip of a change goes to: another than the run's.
int OtherDpi() { return ScreenDpi() == 96 ? 144 : 96; }

// The bounding box of the pixels of `area` that are not its background, its larger side: how
// many pixels across a mark's ink is as it shows. The background is the colour of most of the
// area's corners, which a mark in the middle of a taller row leaves free.
template <class Picture>
int InkAcross(const Picture& pixels, RECT area) {
    if (area.right <= area.left || area.bottom <= area.top) return 0;
    std::map<COLORREF, int> counts;
    for (LONG y : {area.top, area.bottom - 1})
        for (LONG x : {area.left, area.right - 1}) ++counts[pixels.Pixel(x, y)];
    const COLORREF background =
        std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
    RECT ink{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (pixels.Pixel(x, y) != background) {
                ink.left = std::min<LONG>(ink.left, x);
                ink.top = std::min<LONG>(ink.top, y);
                ink.right = std::max<LONG>(ink.right, x + 1);
                ink.bottom = std::max<LONG>(ink.bottom, y + 1);
            }
    return ink.right > ink.left ? std::max(ink.right - ink.left, ink.bottom - ink.top) : 0;
}

// The check box a plain list with LVS_EX_CHECKBOXES draws on this screen, its ink measured the
// same way: the size every mark of the library must have.
int PlatformCheckBoxInk() {
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_POPUP | LVS_REPORT, 0, 0, 200, 100, nullptr, nullptr, nullptr,
                                nullptr);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_STATE, 0));
    int cx = 0;
    int cy = 0;
    ImageList_GetIconSize(images, &cx, &cy);
    const Pixels drawn = DrawnPixels(2 * cx, cy, [&](HDC dc) {
        HBRUSH background = CreateSolidBrush(RGB(0, 128, 128));
        const RECT all{0, 0, 2 * cx, cy};
        FillRect(dc, &all, background);
        DeleteObject(background);
        for (int i = 0; i < 2; ++i) ImageList_Draw(images, i, dc, i * cx, 0, ILD_TRANSPARENT);
    });
    DestroyWindow(list);
    int across = 0;
    for (int i = 0; i < 2; ++i) across = std::max(across, InkAcross(drawn, RECT{i * cx, 0, (i + 1) * cx, cy}));
    return across;
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

SIZE StateImageSize(HWND control, UINT message, WPARAM which) {
    int cx = 0;
    int cy = 0;
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageW(control, message, which, 0)), &cx, &cy);
    return SIZE{cx, cy};
}

// A list whose state images are marks (check boxes or radios), not a 1-pixel strip that only
// sets the rows' height.
bool HasMarks(HWND list) { return StateImageSize(list, LVM_GETIMAGELIST, LVSIL_STATE).cx > 1; }

// Where a row's or item's mark is drawn: the run of points the hit test puts on the state icon
// along the middle of the row, the row's height high, less a pixel above and below (grid lines).
template <class HitTest>
RECT MarkCell(RECT row, HitTest onStateIcon) {
    const int y = (row.top + row.bottom) / 2;
    int first = -1;
    int last = -1;
    for (int x = std::max<LONG>(row.left, 0); x < row.right; ++x) {
        if (onStateIcon(POINT{x, y})) {
            if (first < 0) first = x;
            last = x;
        } else if (first >= 0) {
            break;
        }
    }
    return first < 0 ? RECT{} : RECT{first, row.top + 1, last + 1, row.bottom - 1};
}

RECT ListMarkCell(const ListView& list, int row) {
    return MarkCell(list.RowBounds(row), [&](POINT p) {
        LVHITTESTINFO hit{};
        hit.pt = p;
        return SendMessageW(list.Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == row &&
               (hit.flags & LVHT_ONITEMSTATEICON);
    });
}

RECT TreeMarkCell(const TreeView& tree, HTREEITEM item) {
    RECT row{};
    memcpy(&row, &item, sizeof item);
    SendMessageW(tree.Handle(), TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&row));
    return MarkCell(row, [&](POINT p) {
        TVHITTESTINFO hit{};
        hit.pt = p;
        return reinterpret_cast<HTREEITEM>(SendMessageW(tree.Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))) ==
                   item &&
               (hit.flags & TVHT_ONITEMSTATEICON);
    });
}

// Every size the library computes for a dialog's lists and trees, and the marks as they show.
struct Sizes {
    std::vector<int> rowHeights;
    std::vector<std::vector<int>> columnWidths;
    std::vector<SIZE> stateImages;
    std::vector<int> treeItemHeights;
    std::vector<int> marks;  // ink across, of each list's first two rows and each tree's first two items
    std::vector<int> fonts;  // the height of each list's and tree's font
    std::vector<RECT> controls;      // every control's rectangle in the dialog's client area
    std::vector<int> controlFonts;   // and its font's height

    // Every size in words, so that a failure says which differ.
    std::string Text() const {
        std::string text = "rows";
        for (int h : rowHeights) text += " " + std::to_string(h);
        text += "; columns";
        for (const auto& widths : columnWidths) {
            text += " [";
            for (int w : widths) text += " " + std::to_string(w);
            text += " ]";
        }
        text += "; state images";
        for (SIZE size : stateImages) text += " " + std::to_string(size.cx) + "x" + std::to_string(size.cy);
        text += "; tree rows";
        for (int h : treeItemHeights) text += " " + std::to_string(h);
        text += "; marks";
        for (int ink : marks) text += " " + std::to_string(ink);
        text += "; fonts";
        for (int f : fonts) text += " " + std::to_string(f);
        text += "; controls";
        for (std::size_t i = 0; i < controls.size(); ++i)
            text += " (" + std::to_string(controls[i].left) + "," + std::to_string(controls[i].top) + " " +
                    std::to_string(controls[i].right - controls[i].left) + "x" +
                    std::to_string(controls[i].bottom - controls[i].top) + " font " +
                    std::to_string(controlFonts[i]) + ")";
        return text;
    }
};

int FontHeight(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

Sizes Measure(HWND dialog) {
    Sizes sizes;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        sizes.controls.push_back(rect);
        sizes.controlFonts.push_back(FontHeight(child));
    }
    for (HWND handle : Children(dialog, WC_LISTVIEWW)) {
        const ListView list(handle);
        if (list.RowCount() == 0) continue;
        const RECT row = list.RowBounds(0);
        sizes.rowHeights.push_back(row.bottom - row.top);
        std::vector<int> widths;
        for (int col = 0; col < list.ColumnCount(); ++col) widths.push_back(list.ColumnWidth(col));
        sizes.columnWidths.push_back(widths);
        sizes.stateImages.push_back(StateImageSize(handle, LVM_GETIMAGELIST, LVSIL_STATE));
        sizes.fonts.push_back(FontHeight(handle));
        if (!HasMarks(handle)) continue;
        const ClientSnapshot snapshot(handle);
        for (int r = 0; r < std::min(2, list.RowCount()); ++r) sizes.marks.push_back(InkAcross(snapshot, ListMarkCell(list, r)));
    }
    for (HWND handle : Children(dialog, WC_TREEVIEWW)) {
        const TreeView tree(handle);
        sizes.treeItemHeights.push_back(static_cast<int>(SendMessageW(handle, TVM_GETITEMHEIGHT, 0, 0)));
        sizes.stateImages.push_back(StateImageSize(handle, TVM_GETIMAGELIST, TVSIL_STATE));
        sizes.fonts.push_back(FontHeight(handle));
        const ClientSnapshot snapshot(handle);
        const std::vector<HTREEITEM> items = tree.Items();
        for (std::size_t i = 0; i < std::min<std::size_t>(2, items.size()); ++i)
            sizes.marks.push_back(InkAcross(snapshot, TreeMarkCell(tree, items[i])));
    }
    return sizes;
}

// Each mark shows, on the row the press selected and on one it did not, as large as the
// platform's check box at `dpi` (from the one it draws at the screen's DPI), and all alike.
void ExpectMarksOfTheDpi(const Sizes& sizes, int dpi) {
    const int expected = MulDiv(PlatformCheckBoxInk(), dpi, ScreenDpi());
    for (int ink : sizes.marks) EXPECT_NEAR(ink, expected, kInkTolerance) << "at " << dpi << " DPI";
    if (sizes.marks.empty()) return;
    const auto [least, most] = std::minmax_element(sizes.marks.begin(), sizes.marks.end());
    EXPECT_LE(*most - *least, kInkTolerance) << "marks of one dialog differ";
}

// Rows of the lists the library sizes itself are 20 pixels at 96 DPI, scaled (the platform may
// add a pixel); marked rows are at least as high as their marks.
void ExpectRowsOfTheDpi(HWND dialog, int dpi) {
    for (HWND handle : Children(dialog, WC_LISTVIEWW)) {
        const ListView list(handle);
        if (list.RowCount() == 0) continue;
        const RECT row = list.RowBounds(0);
        if (HasMarks(handle))
            EXPECT_GE(row.bottom - row.top, StateImageSize(handle, LVM_GETIMAGELIST, LVSIL_STATE).cy);
        else
            EXPECT_NEAR(row.bottom - row.top, Scaled(kRowHeight, dpi) + 0.5, 0.5) << "list " << GetDlgCtrlID(handle);
    }
}

// Selects row 0 (item 0) of every list and tree with marks by a press on its text, so that the
// marks are seen on a selected and an unselected row.
void PressFirstLabels(DialogDriver& d) {
    for (HWND handle : Children(d.Dialog(), WC_LISTVIEWW)) {
        const ListView list(handle);
        if (HasMarks(handle) && list.RowCount() > 1) d.Click(handle, list.PointOn(0, LVHT_ONITEMLABEL));
    }
    for (HWND handle : Children(d.Dialog(), WC_TREEVIEWW)) {
        const TreeView tree(handle);
        if (!tree.Items().empty()) d.Click(handle, tree.PointOn(tree.Items()[0], TVHT_ONITEMLABEL));
    }
}

// What Windows sends a per-monitor-v2 dialog moved to a screen of `dpi`, in its order. The new
// font is the dialog's own at the new DPI; `fonts` keeps it alive until the test ends.
using Fonts = std::vector<std::unique_ptr<void, decltype(&DeleteObject)>>;

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

// How a dialog learns of a move to a screen of another DPI: as a per-monitor-v2 window, or as a
// per-monitor-v1 one (WM_DPICHANGED alone).
enum class Awareness { PerMonitorV2, PerMonitorV1 };

void ChangeDpi(HWND dialog, int from, int dpi, Fonts& fonts, Awareness awareness) {
    std::vector<HWND> descendants;
    if (awareness == Awareness::PerMonitorV2) {
        EnumChildWindows(dialog, &CollectWindow, reinterpret_cast<LPARAM>(&descendants));
        for (HWND child : descendants) SendMessageW(child, WM_DPICHANGED_BEFOREPARENT, 0, 0);

        // The dialog's font, as the template made it at the screen's DPI, at the new DPI.
        LOGFONTW logFont{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof logFont, &logFont);
        logFont.lfHeight = MulDiv(logFont.lfHeight, dpi, ScreenDpi());
        HFONT font = CreateFontIndirectW(&logFont);
        fonts.emplace_back(font, &DeleteObject);
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }

    RECT suggested{};
    GetWindowRect(dialog, &suggested);
    suggested.right = suggested.left + MulDiv(suggested.right - suggested.left, dpi, from);
    suggested.bottom = suggested.top + MulDiv(suggested.bottom - suggested.top, dpi, from);
    SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    for (HWND child : descendants) SendMessageW(child, WM_DPICHANGED_AFTERPARENT, 0, 0);
}

// Every control where a per-monitor-v1 dialog opened at the screen's DPI puts it at `dpi`: its
// rectangle and its font's height scaled.
void ExpectControlsScaled(const Sizes& now, const Sizes& opened, int dpi) {
    ASSERT_EQ(now.controls.size(), opened.controls.size());
    const auto scaled = [&](LONG v) { return static_cast<LONG>(MulDiv(v, dpi, ScreenDpi())); };
    for (std::size_t i = 0; i < now.controls.size(); ++i) {
        const RECT& was = opened.controls[i];
        const RECT& is = now.controls[i];
        EXPECT_EQ(is.left, scaled(was.left)) << "control " << i;
        EXPECT_EQ(is.top, scaled(was.top)) << "control " << i;
        EXPECT_EQ(is.right - is.left, scaled(was.right - was.left)) << "control " << i;
        EXPECT_EQ(is.bottom - is.top, scaled(was.bottom - was.top)) << "control " << i;
        EXPECT_EQ(now.controlFonts[i], MulDiv(opened.controlFonts[i], dpi, ScreenDpi())) << "control " << i;
    }
}

// Runs the call on a thread that is per-monitor-v2 aware, as a host that declares it is: the
// library then takes the DPI from GetDpiForWindow. (Wine takes only the older contexts.)
class PerMonitorAware {
public:
    PerMonitorAware() {
        using SetContext = HANDLE(WINAPI*)(HANDLE);
        m_set = reinterpret_cast<SetContext>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
        // Per-monitor v2, else per-monitor, else system-aware: what the system knows.
        for (LONG_PTR context : {-4, -3, -2})
            if (m_set && !m_before) m_before = m_set(reinterpret_cast<HANDLE>(context));
    }
    ~PerMonitorAware() {
        if (m_set && m_before) m_set(m_before);
    }
    bool Active() const { return m_set && m_before; }

private:
    HANDLE(WINAPI* m_set)(HANDLE) = nullptr;
    HANDLE m_before = nullptr;
};

TEST(DpiTest, ScreenHasTheDpiOfTheRun) {
    const char* asked = std::getenv("KORVEL_DPI");
    EXPECT_EQ(ScreenDpi(), asked ? std::atoi(asked) : 96);
}

TEST(DpiTest, PlatformCheckBoxGrowsWithTheScreen) {
    // The reference itself: about 13 pixels at 96 DPI, as many more as the DPI.
    EXPECT_NEAR(PlatformCheckBoxInk(), Scaled(13, ScreenDpi()), kInkTolerance);
}

class DpiDialogTest : public testing::TestWithParam<ExportEntry> {};

TEST_P(DpiDialogTest, RowsAndMarksAreThoseOfTheScreen) {
    HostCall host = catalogue::SampleCall(GetParam());
    RunDialog([&] { GetParam().call(host); },
              [](DialogDriver& d) {
                  PressFirstLabels(d);
                  ExpectRowsOfTheDpi(d.Dialog(), ScreenDpi());
                  ExpectMarksOfTheDpi(Measure(d.Dialog()), ScreenDpi());
                  d.ClickItem(IDCANCEL);
                  EXPECT_TRUE(d.WaitClosed());
              });
    EXPECT_EQ(host.ResultCode(), 1);
}

// Changed to another DPI, the sizes are those of that DPI; changed back, they are those the
// dialog opened with, to the pixel. A per-monitor-v1 dialog re-fonts and moves its controls
// itself: each is where the dialog opened it, scaled, in the dialog's font at that DPI.
class DpiChangeTest : public testing::TestWithParam<std::tuple<ExportEntry, Awareness>> {};

TEST_P(DpiChangeTest, EverySizeFollowsADpiChangeThereAndBack) {
    const auto& [entry, awareness] = GetParam();
    HostCall host = catalogue::SampleCall(entry);
    Fonts fonts;
    const PerMonitorAware aware;
    ASSERT_TRUE(aware.Active()) << "the system has no DPI awareness contexts";
    RunDialog([&] { entry.call(host); },
              [&, awareness = awareness](DialogDriver& d) {
                  PressFirstLabels(d);
                  const Sizes opened = Measure(d.Dialog());
                  ChangeDpi(d.Dialog(), ScreenDpi(), OtherDpi(), fonts, awareness);
                  d.Sync();
                  const Sizes there = Measure(d.Dialog());
                  ExpectRowsOfTheDpi(d.Dialog(), OtherDpi());
                  ExpectMarksOfTheDpi(there, OtherDpi());
                  if (awareness == Awareness::PerMonitorV1) ExpectControlsScaled(there, opened, OtherDpi());
                  ChangeDpi(d.Dialog(), OtherDpi(), ScreenDpi(), fonts, awareness);
                  d.Sync();
                  EXPECT_EQ(Measure(d.Dialog()).Text(), opened.Text());
                  d.ClickItem(IDCANCEL);
                  EXPECT_TRUE(d.WaitClosed());
              });
    EXPECT_EQ(host.ResultCode(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Exports, DpiChangeTest,
    testing::Combine(testing::ValuesIn(catalogue::Exports()),
                     testing::Values(Awareness::PerMonitorV2, Awareness::PerMonitorV1)),
    [](const testing::TestParamInfo<std::tuple<ExportEntry, Awareness>>& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) == Awareness::PerMonitorV2 ? "_v2" : "_v1");
    });

INSTANTIATE_TEST_SUITE_P(Exports, DpiDialogTest, testing::ValuesIn(catalogue::Exports()), ExportTestName);

// What the user does before a DPI change, what is left to do after it, and what OK then hands
// back to the host.
struct KeptCase {
    const char* label;
    const char* exportName;
    void (*before)(DialogDriver& d);
    void (*after)(DialogDriver& d);
    bool (*kept)(HostCall& host);
};

void Nothing(DialogDriver&) {}

const KeptCase kKeptCases[] = {
    {"grid_choice", "FXJG_SHOWZX_DLG",
     [](DialogDriver& d) {
         const ListView list(d.Item(IDC_LIST_BUTTONS));
         d.Click(list.Handle(), Center(CellRect(list, 0, 2)));
     },
     Nothing, [](HostCall& h) { return *h.Int(2) == 3; }},  // pChoice
    {"radio_choice", "FXJG_SHOWZB_DLG",
     [](DialogDriver& d) {
         const ListView list(d.Item(IDC_LIST_CASES));
         d.Click(list.Handle(), list.PointOn(4, LVHT_ONITEMSTATEICON));
     },
     Nothing, [](HostCall& h) { return *h.Int(1) == 5; }},  // pChoice
    {"tree_mark", "SJJG_SHOWZF_DLG",
     [](DialogDriver& d) {
         const TreeView tree(d.Item(IDC_SWITCH_TREE));
         d.Click(tree.Handle(), tree.PointOn(tree.Items()[2], TVHT_ONITEMSTATEICON));
     },
     // The third entry of the first group was off: now the whole group is on.
     Nothing,
     [](HostCall& h) {
         const int* on = h.Ints(1);  // pSwitches
         return on[0] == 1 && on[1] == 1 && on[2] == 1 && on[3] == 1;
     }},
    {"open_value_edit", "SDP_SHOWDWY_DLG",
     [](DialogDriver& d) {
         const ListView list(d.Item(IDC_CONTOUR_LIST));
         ClickCell(d, list, 0, 1);
         d.Type(L"2.5");
     },
     [](DialogDriver& d) {
         // Still open over its cell, in the list's font of the new DPI.
         const ListView list(d.Item(IDC_CONTOUR_LIST));
         HWND box = CellEditBox(list);
         ASSERT_NE(box, nullptr);
         EXPECT_EQ(SendMessageW(box, WM_GETFONT, 0, 0), SendMessageW(list.Handle(), WM_GETFONT, 0, 0));
         RECT boxRect{};
         GetWindowRect(box, &boxRect);
         MapWindowPoints(nullptr, list.Handle(), reinterpret_cast<POINT*>(&boxRect), 2);
         const RECT cell = list.CellBounds(0, 1);
         EXPECT_GE(boxRect.left, cell.left);
         EXPECT_LE(boxRect.left, cell.left + Scaled(8, ScreenDpi()));
         EXPECT_EQ(boxRect.top, cell.top);
         d.Key(VK_RETURN);
     },
     [](HostCall& h) { return h.Floats(2)[0] == 2.5f; }},  // pValues
};

class DpiChangeKeepsTest : public testing::TestWithParam<std::tuple<KeptCase, Awareness>> {};

TEST_P(DpiChangeKeepsTest, WhatTheUserDidComesBackWithOk) {
    const auto& [c, awareness] = GetParam();
    const ExportEntry& call = catalogue::ExportNamed(c.exportName);
    HostCall host = catalogue::SampleCall(call);
    Fonts fonts;
    RunDialog([&] { call.call(host); },
              [&, awareness = awareness](DialogDriver& d) {
                  c.before(d);
                  ChangeDpi(d.Dialog(), ScreenDpi(), OtherDpi(), fonts, awareness);
                  ChangeDpi(d.Dialog(), OtherDpi(), ScreenDpi(), fonts, awareness);
                  ChangeDpi(d.Dialog(), ScreenDpi(), OtherDpi(), fonts, awareness);
                  d.Sync();
                  c.after(d);
                  d.ClickItem(IDOK);
                  EXPECT_TRUE(d.WaitClosed());
              });
    EXPECT_EQ(host.ResultCode(), 0);
    EXPECT_TRUE(c.kept(host)) << host.Describe();
}

INSTANTIATE_TEST_SUITE_P(Cases, DpiChangeKeepsTest,
                         testing::Combine(testing::ValuesIn(kKeptCases),
                                          testing::Values(Awareness::PerMonitorV2, Awareness::PerMonitorV1)),
                         [](const testing::TestParamInfo<std::tuple<KeptCase, Awareness>>& i) {
                             return std::string(std::get<0>(i.param).label) +
                                    (std::get<1>(i.param) == Awareness::PerMonitorV2 ? "_v2" : "_v1");
                         });

}  // namespace
