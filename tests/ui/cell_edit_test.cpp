// Editing a value cell of the contour dialog in place: the box over the cell, the keys that end
// it, the ways it loses the focus, and the value read back from the text on OK.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "colour_dialogs.h"
#include "colour_host_call.h"
#include "dialog_driver.h"
#include "list_view.h"

namespace {

ContourVars ThreeLines() { return Contour(1, {0.5f, 1.0f, 2.25f}, {0x0000FF, 0x00FF00, 0xFF0000}); }

class ColourCellOpenTest : public testing::TestWithParam<Opening> {};

// A press on a value, or F2 on its row, opens the same box.
TEST_P(ColourCellOpenTest, OpensABoxOverTheCellWithItsTextSelected) {
    ContourVars vars = ThreeLines();
    RunContour(vars, [](DialogDriver& d, const ListView& list) {
        OpenCell(d, list, 2, 1, GetParam());
        HWND box = CellEditBox(list);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(d.Focus(), box);
        EXPECT_EQ(d.Text(box), L"2.25");
        DWORD start = 1, end = 0;
        SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 4u);
        EXPECT_EQ(SendMessageW(box, WM_GETFONT, 0, 0), SendMessageW(list.Handle(), WM_GETFONT, 0, 0));
        // From four pixels into the cell, as wide as the column less three, as high as the row.
        const RECT cell = list.CellBounds(2, 1);
        const RECT at = RectIn(box, list.Handle());
        EXPECT_EQ(at.left, cell.left + 4);
        EXPECT_EQ(at.right - at.left, list.ColumnWidth(1) - 3);
        EXPECT_EQ(at.top, cell.top);
        EXPECT_EQ(at.bottom, cell.bottom);
        d.ClickItem(IDCANCEL);
    });
}

INSTANTIATE_TEST_SUITE_P(Ways, ColourCellOpenTest, testing::Values(Opening::Press, Opening::F2Key),
                         [](const testing::TestParamInfo<Opening>& i) {
                             return std::string(i.param == Opening::Press ? "press" : "f2_key");
                         });

TEST(ColourCellEditTest, ReturnStoresTheTextAndKeepsTheDialogOpen) {
    ContourVars vars = ThreeLines();
    RunContour(vars, [](DialogDriver& d, const ListView& list) {
        ClickCell(d, list, 1, 1);
        d.Type(L"7.5");
        d.Key(VK_RETURN);
        EXPECT_TRUE(d.IsOpen());
        EXPECT_EQ(CellEditBox(list), nullptr);
        EXPECT_EQ(d.Focus(), list.Handle());
        EXPECT_EQ(list.CellText(1, 1), L"7.5");
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.values[1], 7.5f);
}

TEST(ColourCellEditTest, EscapeKeepsTheOldTextAndTheDialogOpen) {
    ContourVars vars = ThreeLines();
    RunContour(vars, [](DialogDriver& d, const ListView& list) {
        ClickCell(d, list, 1, 1);
        d.Type(L"9");
        d.Key(VK_ESCAPE);
        EXPECT_TRUE(d.IsOpen());
        EXPECT_EQ(CellEditBox(list), nullptr);
        EXPECT_EQ(list.CellText(1, 1), L"1");
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.values[1], 1.0f);
}

TEST(ColourCellEditTest, ClearedTextIsStoredAndReadsAsZero) {
    ContourVars vars = ThreeLines();
    RunContour(vars, [](DialogDriver& d, const ListView& list) {
        ClickCell(d, list, 0, 1);
        d.Key(VK_DELETE);  // the selected text goes: Delete reaches the box
        d.Key(VK_RETURN);
        EXPECT_EQ(list.CellText(0, 1), L"");
    });
    EXPECT_EQ(vars.values[0], 0.0f);
}

TEST(ColourCellEditTest, DeleteAndControlCharactersReachTheBox) {
    ContourVars vars = ThreeLines();
    RunContour(vars, [](DialogDriver& d, const ListView& list) {
        ClickCell(d, list, 2, 1);
        HWND box = CellEditBox(list);
        d.Key(VK_HOME);
        d.Key(VK_DELETE);
        EXPECT_EQ(d.Text(box), L".25");
        SendMessageW(box, EM_SETSEL, 0, -1);
        d.Type(L"\x18");  // Control+X: cut to the clipboard
        EXPECT_EQ(d.Text(box), L"");
        d.Type(L"\x16\x16");  // Control+V twice
        EXPECT_EQ(d.Text(box), L".25.25");
        d.Key(VK_RETURN);
    });
    EXPECT_EQ(vars.values[2], 0.25f);
}

TEST(ColourCellEditTest, AnyLossOfTheFocusStoresTheText) {
    enum class Way { OtherRow, CountBox, Tab, OtherValue };
    for (const Way way : {Way::OtherRow, Way::CountBox, Way::Tab, Way::OtherValue}) {
        ContourVars vars = ThreeLines();
        RunContour(vars, [&](DialogDriver& d, const ListView& list) {
            ClickCell(d, list, 0, 1);
            d.Type(L"42");
            switch (way) {
            case Way::OtherRow: ClickCell(d, list, 2, 0); break;
            case Way::CountBox: d.ClickItem(IDC_CONTOUR_COUNT); break;
            case Way::Tab: d.Key(VK_TAB); break;
            case Way::OtherValue: ClickCell(d, list, 1, 1); break;
            }
            EXPECT_EQ(list.CellText(0, 1), L"42") << static_cast<int>(way);
            // Only one box at a time: the one just opened, over the other value.
            EXPECT_EQ(CellEditBox(list) != nullptr, way == Way::OtherValue);
        });
        EXPECT_EQ(vars.result, 0);
        EXPECT_EQ(vars.values[0], 42.0f) << static_cast<int>(way);
    }
}

TEST(ColourCellEditTest, OkWhileEditingStoresTheValueFirst) {
    ContourVars vars = ThreeLines();
    RunContour(vars, [](DialogDriver& d, const ListView& list) {
        ClickCell(d, list, 2, 1);
        d.Type(L"-3.25");
        d.ClickItem(IDOK);
        EXPECT_TRUE(d.WaitClosed());
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.values[2], -3.25f);
}

TEST(ColourCellEditTest, ClosingWhileEditingWritesNothing) {
    ContourVars vars = ThreeLines();
    const ContourVars before = vars;
    RunContour(vars, [](DialogDriver& d, const ListView& list) {
        ClickCell(d, list, 2, 1);
        d.Type(L"8");
        d.CloseBox();
        EXPECT_TRUE(d.WaitClosed());
    });
    EXPECT_EQ(vars.result, 1);
    EXPECT_EQ(vars.values, before.values);
}

TEST(ColourCellEditTest, TheBoxGrowsToTheRightWhileTypingButNeverPastTheList) {
    ContourVars vars = ThreeLines();
    RunContour(vars, [](DialogDriver& d, const ListView& list) {
        ClickCell(d, list, 0, 1);
        HWND box = CellEditBox(list);
        const RECT opened = RectIn(box, list.Handle());
        RECT last = opened;
        for (int i = 0; i < 40; ++i) {
            d.Type(L"0");
            const RECT now = RectIn(box, list.Handle());
            EXPECT_EQ(now.left, opened.left);
            EXPECT_EQ(now.top, opened.top);
            EXPECT_EQ(now.bottom, opened.bottom);
            EXPECT_GE(now.right, last.right);
            last = now;
        }
        EXPECT_GT(last.right, opened.right);
        EXPECT_EQ(last.right, list.ClientWidth());
        d.Key(VK_RETURN);
        EXPECT_EQ(list.CellText(0, 1), std::wstring(40, L'0'));
    });
    EXPECT_EQ(vars.values[0], 0.0f);
}

TEST(ColourCellEditTest, ScrollingEndsTheEditFirst) {
    for (const bool wheel : {false, true}) {
        ContourVars vars = Contour(1, std::vector<float>(50, 1.0f), std::vector<unsigned long>(50, 0));
        RunContour(vars, [&](DialogDriver& d, const ListView& list) {
            ClickCell(d, list, 0, 1);
            d.Type(L"6");
            // What the scroll bar sends, or the wheel turned over the list (Windows hands the
            // wheel to the window under the pointer).
            if (wheel) PostMessageW(list.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
            else PostMessageW(list.Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
            d.Sync();
            EXPECT_EQ(CellEditBox(list), nullptr) << wheel;
            EXPECT_EQ(list.CellText(0, 1), L"6") << wheel;
            EXPECT_GT(list.TopRow(), 0) << wheel;
        });
        EXPECT_EQ(vars.values[0], 6.0f) << wheel;
    }
}

TEST(ColourCellEditTest, LineNamesAreNotEdited) {
    ContourVars vars = ThreeLines();
    RunContour(vars, [](DialogDriver& d, const ListView& list) {
        ClickCell(d, list, 1, 0);
        EXPECT_EQ(CellEditBox(list), nullptr);
        EXPECT_EQ(d.OtherDialog(), nullptr);
    });
    EXPECT_EQ(vars.result, 0);
}

struct TypedCase {
    const char* label;
    std::wstring typed;
    float value;
};

class ColourTypedValueTest : public testing::TestWithParam<TypedCase> {};

TEST_P(ColourTypedValueTest, IsReadAsAtofReadsIt) {
    ContourVars vars = ThreeLines();
    RunContour(vars, [](DialogDriver& d, const ListView& list) {
        ClickCell(d, list, 0, 1);
        d.Type(GetParam().typed);
        d.Key(VK_RETURN);
        EXPECT_EQ(list.CellText(0, 1), GetParam().typed);  // stored as typed
    });
    EXPECT_EQ(vars.values[0], GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Table, ColourTypedValueTest,
                         testing::Values(TypedCase{"letters", L"abc", 0.0f}, TypedCase{"number_then_letters", L"12abc", 12.0f},
                                         TypedCase{"exponent", L"1.5e2", 150.0f},
                                         TypedCase{"leading_blanks", L"  0.75", 0.75f},
                                         TypedCase{"beyond_float", L"1e39", std::numeric_limits<float>::infinity()}),
                         [](const testing::TestParamInfo<TypedCase>& i) { return std::string(i.param.label); });

}  // namespace
