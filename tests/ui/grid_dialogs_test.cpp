// The mode-shape and combination viewing dialogs: the button list as a grid of cells under the
// host's title.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "button_grid.h"
#include "dialog_driver.h"
#include "gbk.h"
#include "host_call.h"
#include "list_view.h"
#include "resource.h"

namespace {

std::vector<std::vector<std::wstring>> CellTexts(const ListView& list) {
    std::vector<std::vector<std::wstring>> texts;
    for (int row = 0; row < list.RowCount(); ++row) {
        texts.emplace_back();
        for (int col = 0; col < list.ColumnCount(); ++col) texts.back().push_back(list.CellText(row, col));
    }
    return texts;
}

class GridDialogTest : public testing::TestWithParam<ChoiceExport> {
protected:
    void SetUp() override {
        vars.names = "M";  // a short prefix: every asked-for column fits
        vars.count = 12;
        vars.columns = 4;
        vars.choice = 6;
        vars.option = 1;
        vars.caption = caption.c_str();
    }
    DialogRun Run(const std::function<void(DialogDriver&)>& script) {
        return RunDialog([&] { CallExport(GetParam(), vars); }, script);
    }
    void PressAndConfirm(int row, int col) {
        Run([&](DialogDriver& d) {
            ListView list(d.Item(IDC_LIST_BUTTONS));
            d.Click(list.Handle(), Center(CellRect(list, row, col)));
            d.ClickItem(IDOK);
            EXPECT_TRUE(d.WaitClosed());
        });
    }
    std::string caption = Gbk(L"第一振型");
    HostVars vars;
};

TEST_P(GridDialogTest, LaysOutNumberedItemsRowByRow) {
    Run([&](DialogDriver& d) {
        ListView list(d.Item(IDC_LIST_BUTTONS));
        EXPECT_EQ(d.Text(d.Dialog()), L"第一振型");
        EXPECT_FALSE(list.HeaderVisible());
        EXPECT_EQ(list.ExtendedStyle(), static_cast<DWORD>(LVS_EX_GRIDLINES));
        ASSERT_EQ(list.ColumnCount(), 4);
        for (int col = 0; col < 4; ++col) EXPECT_EQ(list.ColumnWidth(col), list.ClientWidth() / 4);
        const std::vector<std::vector<std::wstring>> expected{{L"M1", L"M2", L"M3", L"M4"},
                                                              {L"M5", L"M6", L"M7", L"M8"},
                                                              {L"M9", L"M10", L"M11", L"M12"}};
        EXPECT_EQ(CellTexts(list), expected);
        // Choice 6: the second cell of the second row, and no other.
        const std::vector<std::vector<bool>> chosen{
            {false, false, false, false}, {false, true, false, false}, {false, false, false, false}};
        EXPECT_EQ(HighlightedCells(list, 3), chosen);
        d.ClickItem(IDOK);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.choice, 6);
}

TEST_P(GridDialogTest, PressedCellIsTheChoice) {
    PressAndConfirm(2, 2);
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.choice, 11);
}

TEST_P(GridDialogTest, EmptyCellsOfTheLastRowCannotBeChosen) {
    vars.columns = 5;
    Run([&](DialogDriver& d) {
        ListView list(d.Item(IDC_LIST_BUTTONS));
        ASSERT_EQ(list.ColumnCount(), 5);
        ASSERT_EQ(list.RowCount(), 3);
        EXPECT_EQ(CellTexts(list)[2], (std::vector<std::wstring>{L"M11", L"M12", L"", L"", L""}));
        for (int col = 2; col < 5; ++col) d.Click(list.Handle(), Center(CellRect(list, 2, col)));
        EXPECT_EQ(HighlightedCells(list, 3)[1][0], true);  // choice 6 is still the one drawn
        d.ClickItem(IDOK);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.choice, 6);
}

TEST_P(GridDialogTest, PressOnTheBorderChoosesTheLeftCell) {
    Run([&](DialogDriver& d) {
        ListView list(d.Item(IDC_LIST_BUTTONS));
        const RECT left = CellRect(list, 2, 1);
        d.Click(list.Handle(), POINT{left.right, Center(left).y});
        EXPECT_EQ(HighlightedCells(list, 3)[2], (std::vector<bool>{false, true, false, false}));
        d.ClickItem(IDOK);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.choice, 10);
}

TEST_P(GridDialogTest, ChosenCellIsDrawnWithoutTheFocus) {
    Run([&](DialogDriver& d) {
        ListView list(d.Item(IDC_LIST_BUTTONS));
        d.Click(list.Handle(), Center(CellRect(list, 0, 3)));
        d.Key(VK_TAB);  // the focus leaves the list
        EXPECT_NE(d.Focus(), list.Handle());
        EXPECT_EQ(HighlightedCells(list, 1)[0], (std::vector<bool>{false, false, false, true}));
        d.ClickItem(IDOK);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.choice, 4);
}

TEST_P(GridDialogTest, OneColumnGivesTheListWithItsHeading) {
    vars.names = Gbk(L"振型");
    vars.count = 3;
    vars.columns = 1;
    vars.choice = 1;
    Run([&](DialogDriver& d) {
        ListView list(d.Item(IDC_LIST_BUTTONS));
        EXPECT_TRUE(list.HeaderVisible());
        EXPECT_EQ(list.HeaderText(0), L"振型");
        EXPECT_EQ(list.Column0(), (std::vector<std::wstring>{L"振型1", L"振型2", L"振型3"}));
        EXPECT_TRUE(list.ExtendedStyle() & LVS_EX_FULLROWSELECT);
        d.Click(list.Handle(), list.CellCenter(2, 0));
        d.ClickItem(IDOK);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.choice, 3);
}

TEST_P(GridDialogTest, NullCaptionGivesAnEmptyTitle) {
    vars.caption = nullptr;
    Run([&](DialogDriver& d) {
        EXPECT_EQ(d.Text(d.Dialog()), L"");
        d.ClickItem(IDOK);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.result, 0);
}

// The room a grid cell's drawing leaves beside its text, both sides together, at 96 DPI.
constexpr int kCellPadding = 12;

struct WideCase {
    const char* label;
    std::wstring names;
    int count;
    std::wstring widest;  // the text that must fit a column whole
};

class WideGridTest : public testing::TestWithParam<std::tuple<ChoiceExport, WideCase>> {};

// Texts are measured in the font the cells are drawn in, with the cell's padding: as many columns
// as hold the widest text whole, all equally wide, and never one that cuts it.
TEST_P(WideGridTest, ColumnsHoldTheWidestTextWhole) {
    const WideCase& c = std::get<1>(GetParam());
    HostVars vars;
    vars.names = Gbk(c.names);
    vars.count = c.count;
    vars.columns = 8;
    vars.choice = 1;
    vars.option = 1;
    RunDialog([&] { CallExport(std::get<0>(GetParam()), vars); }, [&](DialogDriver& d) {
        ListView list(d.Item(IDC_LIST_BUTTONS));
        const int needed = list.TextWidth(c.widest) + kCellPadding;
        // Laid out before the rows were in: without the vertical scroll bar they may bring.
        const int width = list.ClientWidth() + ((list.Style() & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0);
        const int fits = std::max(1, width / needed);
        ASSERT_LT(fits, 8);
        EXPECT_EQ(list.ColumnCount(), fits);
        for (int col = 0; col < fits; ++col) {
            EXPECT_EQ(list.ColumnWidth(col), width / fits);
            EXPECT_GE(list.ColumnWidth(col), needed) << "column " << col;
        }
        d.ClickItem(IDOK);
        EXPECT_TRUE(d.WaitClosed());
    });
    EXPECT_EQ(vars.result, 0);
}

const std::wstring kWide = L"恒载与活载与风载组合";
INSTANTIATE_TEST_SUITE_P(
    Exports, WideGridTest,
    testing::Combine(testing::Values(ChoiceExport::ShowZX, ChoiceExport::ShowZHNL),
                     testing::Values(WideCase{"long_chinese_names",
                                              L"组合|" + kWide + L"1|" + kWide + L"2|" + kWide + L"3|" + kWide + L"4",
                                              5, kWide + L"1"},
                                     WideCase{"numbered_100000", L"组合", 100000, L"组合100000"})),
    [](const testing::TestParamInfo<std::tuple<ChoiceExport, WideCase>>& i) {
        return std::string(Info(std::get<0>(i.param)).name) + "_" + std::get<1>(i.param).label;
    });

TEST_P(GridDialogTest, NoUsableColumnCountStillGivesOneWorkingColumn) {
    for (int columns : {0, -3}) {
        vars.columns = columns;
        vars.count = 4;
        vars.choice = 1;
        Run([&](DialogDriver& d) {
            ListView list(d.Item(IDC_LIST_BUTTONS));
            EXPECT_EQ(list.ColumnCount(), 1) << columns;
            EXPECT_EQ(list.ColumnWidth(0), list.ClientWidth());
            EXPECT_FALSE(list.HeaderVisible());  // the grid look: anything but one column asked
            EXPECT_EQ(list.Column0(), (std::vector<std::wstring>{L"M1", L"M2", L"M3", L"M4"}));
            d.Click(list.Handle(), Center(CellRect(list, 2, 0)));
            d.ClickItem(IDOK);
            d.WaitClosed();
        });
        EXPECT_EQ(vars.result, 0);
        EXPECT_EQ(vars.choice, 3) << columns;
    }
}

TEST_P(GridDialogTest, NamesWiderThanTheGridGiveOneColumn) {
    const std::wstring wide(60, L'载');
    vars.names = Gbk(L"组合|" + wide + L"|" + wide + L"2|" + wide + L"3");
    vars.count = 4;
    vars.choice = 1;
    Run([&](DialogDriver& d) {
        ListView list(d.Item(IDC_LIST_BUTTONS));
        EXPECT_EQ(list.ColumnCount(), 1);
        EXPECT_EQ(list.ColumnWidth(0), list.ClientWidth());
        EXPECT_EQ(list.RowCount(), 3);
        d.Click(list.Handle(), Center(CellRect(list, 1, 0)));
        d.ClickItem(IDOK);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.choice, 2);
}

TEST_P(GridDialogTest, ChoiceBeyondTheLastItemShowsNoCellAndComesBack) {
    vars.choice = 40;
    Run([&](DialogDriver& d) {
        ListView list(d.Item(IDC_LIST_BUTTONS));
        for (const auto& row : HighlightedCells(list, 3)) EXPECT_EQ(row, std::vector<bool>(4, false));
        d.ClickItem(IDOK);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.choice, 40);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, GridDialogTest, testing::Values(ChoiceExport::ShowZX, ChoiceExport::ShowZHNL),
                         [](const testing::TestParamInfo<ChoiceExport>& i) { return std::string(Info(i.param).name); });

TEST(ModeShapeDialogTest, SpeedComesBackWithTheMode) {
    HostVars vars;
    vars.names = Gbk(L"振型");
    vars.count = 12;
    vars.columns = 4;
    vars.choice = 1;
    vars.option = 2;
    RunDialog([&] { CallExport(ChoiceExport::ShowZX, vars); },
              [&](DialogDriver& d) {
                  EXPECT_TRUE(d.Checked(IDC_SPEED_MEDIUM));
                  d.ClickItem(IDC_SPEED_FAST);
                  d.ClickItem(IDOK);
                  d.WaitClosed();
              });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.option, 3);
    EXPECT_EQ(vars.choice, 1);
}

TEST(CombinationDialogTest, TwoNamesNumberAfterTheHeading) {
    HostVars vars;
    vars.names = Gbk(L"组合|C");
    vars.count = 31;
    vars.columns = 6;
    vars.choice = 1;
    RunDialog([&] { CallExport(ChoiceExport::ShowZHNL, vars); }, [&](DialogDriver& d) {
        ListView list(d.Item(IDC_LIST_BUTTONS));
        ASSERT_EQ(list.ColumnCount(), 6);
        ASSERT_EQ(list.RowCount(), 5);
        EXPECT_EQ(list.CellText(0, 0), L"C1");
        EXPECT_EQ(list.CellText(4, 5), L"C30");
        d.Click(list.Handle(), Center(CellRect(list, 4, 5)));
        d.ClickItem(IDOK);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.choice, 30);
}

}  // namespace
