// The contour values dialog: lines named after the mode, values shown with six significant
// digits and read back from their text, colours kept, the count cut to 50, and what comes back
// to the host on each way out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "colour_dialogs.h"
#include "colour_host_call.h"
#include "dialog_driver.h"
#include "list_view.h"

namespace {

constexpr unsigned long kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

TEST(ColourContourDialogTest, ShowsTheLinesAndHandsThemBackUnchanged) {
    ContourVars vars = Contour(1, {0.5f, 1.0f, 2.25f}, {kRed, kGreen, kBlue});
    const ContourVars before = vars;
    RunContour(vars, [](DialogDriver& d, const ListView& list) {
        EXPECT_EQ(d.Text(d.Dialog()), L"等位移值");
        EXPECT_EQ(d.ItemText(IDC_CONTOUR_COUNT_LABEL), L"等位移值个数(<50)");
        EXPECT_EQ(d.ItemText(IDC_CONTOUR_COUNT), L"3");
        EXPECT_EQ(list.HeaderText(0), L"序号");
        EXPECT_EQ(list.HeaderText(1), L"等位移值");
        EXPECT_EQ(list.HeaderText(2), L"线颜色");
        EXPECT_EQ(list.Column0(), (std::vector<std::wstring>{L"等位移线1", L"等位移线2", L"等位移线3"}));
        EXPECT_EQ(list.Column(1), (std::vector<std::wstring>{L"0.5", L"1", L"2.25"}));
        EXPECT_EQ(list.ExtendedStyle(), static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
        const int other = std::max((list.ClientWidth() - 80) / 2, 80);
        EXPECT_EQ(list.ColumnWidth(0), other);
        EXPECT_EQ(list.ColumnWidth(1), other);
        EXPECT_EQ(list.ColumnWidth(2), 80);
        EXPECT_TRUE(CellShows(list, 0, 2, RGB(255, 0, 0)));
        EXPECT_TRUE(CellShows(list, 1, 2, RGB(0, 255, 0)));
        EXPECT_TRUE(CellShows(list, 2, 2, RGB(0, 0, 255)));
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.count, 3);
    EXPECT_EQ(vars.values, before.values);
    EXPECT_EQ(vars.colors, before.colors);
}

class ColourContourModeTest : public testing::TestWithParam<int> {};

TEST_P(ColourContourModeTest, AnyModeButOneIsStress) {
    ContourVars vars = Contour(GetParam(), {0.5f, 1.0f}, {kRed, kGreen});
    RunContour(vars, [](DialogDriver& d, const ListView& list) {
        EXPECT_EQ(d.Text(d.Dialog()), L"等位移值");  // the caption stays the template's
        EXPECT_EQ(d.ItemText(IDC_CONTOUR_COUNT_LABEL), L"等应力值个数(<50)");
        EXPECT_EQ(list.HeaderText(1), L"等应力值");
        EXPECT_EQ(list.Column0(), (std::vector<std::wstring>{L"等应力线1", L"等应力线2"}));
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.mode, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Modes, ColourContourModeTest, testing::Values(0, 2, -1));

TEST(ColourContourDialogTest, ValuesComeBackThroughTheirSixDigitText) {
    ContourVars vars = Contour(1, {0.1234567f, 1e-7f, 1e20f, -0.0f, 123456789.0f}, {kRed, kRed, kRed, kRed, kRed});
    RunContour(vars, [](DialogDriver&, const ListView& list) {
        EXPECT_EQ(list.Column(1), (std::vector<std::wstring>{L"0.123457", L"1e-07", L"1e+20", L"-0", L"1.23457e+08"}));
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.values[0], 0.123457f);
    EXPECT_EQ(vars.values[1], 1e-7f);
    EXPECT_EQ(vars.values[2], 1e20f);
    EXPECT_TRUE(std::signbit(vars.values[3]));
    EXPECT_EQ(vars.values[4], 123457000.0f);
}

TEST(ColourContourDialogTest, ValuesThatAreNotFiniteAreShownAsPrintedAndComeBack) {
    const float inf = std::numeric_limits<float>::infinity();
    ContourVars vars = Contour(1, {std::numeric_limits<float>::quiet_NaN(), inf, -inf}, {kRed, kRed, kRed});
    RunContour(vars, [](DialogDriver&, const ListView& list) {
        EXPECT_EQ(list.Column(1), (std::vector<std::wstring>{L"nan", L"inf", L"-inf"}));
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_TRUE(std::isnan(vars.values[0]));
    EXPECT_EQ(vars.values[1], inf);
    EXPECT_EQ(vars.values[2], -inf);
}

TEST(ColourContourDialogTest, MoreThanFiftyLinesAreCutToFifty) {
    std::vector<float> values(60);
    std::vector<unsigned long> colors(60);
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = static_cast<float>(i) + 0.5f;
        colors[i] = static_cast<unsigned long>(i);
    }
    ContourVars vars = Contour(1, values, colors);
    RunContour(vars, [](DialogDriver& d, const ListView& list) {
        EXPECT_EQ(list.RowCount(), 50);
        EXPECT_EQ(list.CellText(49, 0), L"等位移线50");
        EXPECT_EQ(d.ItemText(IDC_CONTOUR_COUNT), L"50");
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.count, 50);
    // The first fifty come back; the host's others were neither shown nor written.
    EXPECT_EQ(std::vector<float>(vars.values.begin(), vars.values.begin() + 60), values);
    EXPECT_EQ(std::vector<unsigned long>(vars.colors.begin(), vars.colors.begin() + 60), colors);
}

TEST(ColourContourDialogTest, NegativeCountIsNoLinesAndOkWritesNothing) {
    for (const int button : {IDOK, IDC_UPDATE_LIST}) {
        ContourVars vars = Contour(1, {}, {});
        vars.count = -3;
        RunContour(vars, [&](DialogDriver& d, const ListView& list) {
            EXPECT_EQ(list.RowCount(), 0);
            EXPECT_EQ(d.ItemText(IDC_CONTOUR_COUNT), L"0");
            ReplaceBoxText(d, IDC_CONTOUR_COUNT, L"5");
            d.ClickItem(button);
            EXPECT_TRUE(d.WaitClosed());
        });
        if (button == IDOK) {
            EXPECT_EQ(vars.result, 0);
            EXPECT_EQ(vars.count, -3);
        } else {
            EXPECT_EQ(vars.result, 2);  // the user asked for five lines: the host must know
            EXPECT_EQ(vars.count, 5);
        }
        EXPECT_EQ(vars.values, std::vector<float>(4, kUntouchedValue));
        EXPECT_EQ(vars.colors, std::vector<unsigned long>(4, kUntouchedColor));
    }
}

}  // namespace
