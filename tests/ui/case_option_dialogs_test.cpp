// The deflection and animation dialogs: a one-column list of cases and a group of three options.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_driver.h"
#include "gbk.h"
#include "host_call.h"
#include "list_view.h"
#include "resource.h"

namespace {

const std::vector<std::wstring> kCases{L"恒载", L"活载", L"风载"};

class CaseOptionTest : public testing::TestWithParam<ChoiceExport> {
protected:
    void SetUp() override {
        vars.names = Gbk(L"工况|恒载|活载|风载");
        vars.count = 4;
        vars.choice = 2;
        vars.option = 1;
    }
    const ChoiceExportInfo& info() const { return Info(GetParam()); }
    DialogRun Run(const std::function<void(DialogDriver&)>& script) {
        return RunDialog([&] { CallExport(GetParam(), vars); }, script);
    }
    HostVars vars;
};

TEST_P(CaseOptionTest, ShowsHeadingCasesAndTemplateTitle) {
    Run([&](DialogDriver& d) {
        ListView list(d.Item(IDC_LIST_BUTTONS));
        EXPECT_EQ(d.Text(d.Dialog()), info().templateTitle);
        EXPECT_TRUE(list.HeaderVisible());
        EXPECT_EQ(list.HeaderText(0), L"工况");
        EXPECT_EQ(list.ColumnCount(), 1);
        EXPECT_EQ(list.ColumnWidth(0), list.ClientWidth());
        EXPECT_EQ(list.Column0(), kCases);
        EXPECT_EQ(list.SelectedRows(), std::vector<int>{1});  // the host's choice 2
        EXPECT_TRUE(list.ExtendedStyle() & LVS_EX_FULLROWSELECT);
        EXPECT_TRUE(d.Checked(info().radios[0]));
        d.ClickItem(IDOK);
        EXPECT_TRUE(d.WaitClosed());
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.choice, 2);
    EXPECT_EQ(vars.option, 1);
}

TEST_P(CaseOptionTest, PressedCaseAndCheckedOptionComeBackOnOk) {
    vars.option = 3;
    Run([&](DialogDriver& d) {
        ListView list(d.Item(IDC_LIST_BUTTONS));
        EXPECT_TRUE(d.Checked(info().radios[2]));
        EXPECT_FALSE(d.Checked(info().radios[0]));
        d.Click(list.Handle(), list.CellCenter(2, 0));
        d.ClickItem(info().radios[1]);
        EXPECT_TRUE(d.Checked(info().radios[1]));
        EXPECT_FALSE(d.Checked(info().radios[2]));
        EXPECT_EQ(list.SelectedRows(), std::vector<int>{2});
        d.ClickItem(IDOK);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.choice, 3);
    EXPECT_EQ(vars.option, 2);
}

TEST_P(CaseOptionTest, ReturnKeyConfirms) {
    Run([&](DialogDriver& d) {
        ListView list(d.Item(IDC_LIST_BUTTONS));
        d.Click(list.Handle(), list.CellCenter(0, 0));
        d.Key(VK_RETURN);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.choice, 1);
}

TEST_P(CaseOptionTest, ArrowKeysMoveTheHighlightAndTheChoice) {
    Run([&](DialogDriver& d) {
        ListView list(d.Item(IDC_LIST_BUTTONS));
        d.Click(list.Handle(), list.CellCenter(0, 0));
        d.Key(VK_DOWN);
        d.Key(VK_DOWN);
        EXPECT_EQ(list.SelectedRows(), std::vector<int>{2});
        d.ClickItem(IDOK);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.choice, 3);
}

TEST_P(CaseOptionTest, KeysWithoutAPressChooseTheHighlightedRow) {
    vars.choice = 3;
    Run([&](DialogDriver& d) {
        ListView list(d.Item(IDC_LIST_BUTTONS));
        d.KeyTo(list.Handle(), VK_HOME);
        EXPECT_EQ(list.SelectedRows(), std::vector<int>{0});
        d.ClickItem(IDOK);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.choice, 1);
}

TEST_P(CaseOptionTest, DoubleClickChoosesAndLeavesTheDialogOpen) {
    Run([&](DialogDriver& d) {
        ListView list(d.Item(IDC_LIST_BUTTONS));
        d.DoubleClick(list.Handle(), list.CellCenter(2, 0));
        EXPECT_TRUE(d.IsOpen());
        d.ClickItem(IDOK);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.choice, 3);
}

TEST_P(CaseOptionTest, PressBelowTheLastRowKeepsTheChoice) {
    Run([&](DialogDriver& d) {
        ListView list(d.Item(IDC_LIST_BUTTONS));
        const RECT last = list.RowBounds(2);
        d.Click(list.Handle(), POINT{last.left + 5, last.bottom + 30});
        d.ClickItem(IDOK);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.choice, 2);
}

TEST_P(CaseOptionTest, SingleNameNumbersTheCases) {
    vars.names = Gbk(L"振型");
    vars.count = 6;
    Run([&](DialogDriver& d) {
        ListView list(d.Item(IDC_LIST_BUTTONS));
        EXPECT_EQ(list.HeaderText(0), L"振型");
        EXPECT_EQ(list.Column0(),
                  (std::vector<std::wstring>{L"振型1", L"振型2", L"振型3", L"振型4", L"振型5", L"振型6"}));
        d.Click(list.Handle(), list.CellCenter(5, 0));
        d.ClickItem(IDOK);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.choice, 6);
}

TEST_P(CaseOptionTest, OptionOutsideTheGroupChecksNoneAndReturnsZero) {
    for (int option : {0, 4, -1}) {
        vars.option = option;
        Run([&](DialogDriver& d) {
            for (int id : info().radios) EXPECT_FALSE(d.Checked(id)) << option;
            d.ClickItem(IDOK);
            d.WaitClosed();
        });
        EXPECT_EQ(vars.result, 0);
        EXPECT_EQ(vars.option, 0) << option;
    }
}

TEST_P(CaseOptionTest, ChoiceOfNoneHighlightsNothingAndComesBackAsNone) {
    vars.choice = 0;
    Run([&](DialogDriver& d) {
        EXPECT_TRUE(ListView(d.Item(IDC_LIST_BUTTONS)).SelectedRows().empty());
        d.ClickItem(IDOK);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.choice, 0);
}

TEST_P(CaseOptionTest, ChoiceBeyondTheCasesComesBackUnchanged) {
    vars.choice = 10;
    Run([&](DialogDriver& d) {
        EXPECT_TRUE(ListView(d.Item(IDC_LIST_BUTTONS)).SelectedRows().empty());
        d.ClickItem(IDOK);
        d.WaitClosed();
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.choice, 10);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, CaseOptionTest, testing::Values(ChoiceExport::ShowND, ChoiceExport::ShowDH),
                         [](const testing::TestParamInfo<ChoiceExport>& i) { return std::string(Info(i.param).name); });

}  // namespace
