// Hostile input from the host: null names, counts out of range, broken GBK, many and long
// names, extreme choices. Each gets a sound answer, no crash, nothing written it should not be.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "gbk.h"
#include "host_call.h"
#include "korvel.h"
#include "list_view.h"
#include "resource.h"

namespace {

class BadInputTest : public testing::TestWithParam<ChoiceExport> {
protected:
    void SetUp() override {
        vars.names = Gbk(L"工况|恒载|活载|风载");
        vars.count = 4;
        vars.columns = 1;
        vars.choice = 2;
        vars.option = 2;
    }
    // Runs the export; the script reads the list, then OK is pressed.
    DialogRun RunAndConfirm(const std::function<void(const ListView&)>& check = nullptr) {
        return RunDialog([&] { CallExport(GetParam(), vars); },
                         [&](DialogDriver& d) {
                             if (check) check(ListView(d.Item(IDC_LIST_BUTTONS)));
                             d.ClickItem(IDOK);
                             EXPECT_TRUE(d.WaitClosed());
                         });
    }
    HostVars vars;
};

TEST_P(BadInputTest, NullNamesAreOneEmptyName) {
    vars.nullNames = true;
    vars.count = 3;
    RunAndConfirm([](const ListView& list) {
        EXPECT_EQ(list.Column0(), (std::vector<std::wstring>{L"1", L"2", L"3"}));
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.choice, 2);
}

TEST_P(BadInputTest, NegativeCountIsAnEmptyList) {
    for (const std::string& names : {Gbk(L"工况|恒载|活载|风载"), Gbk(L"振型"), Gbk(L"组合|C")}) {
        vars.names = names;
        vars.count = -5;
        RunAndConfirm([](const ListView& list) { EXPECT_EQ(list.RowCount(), 0); });
        EXPECT_EQ(vars.result, 0);
        EXPECT_EQ(vars.choice, 2);
    }
}

TEST_P(BadInputTest, HugeCountIsCutToTheNames) {
    vars.count = INT_MAX;
    RunAndConfirm([](const ListView& list) { EXPECT_EQ(list.Column0(), (std::vector<std::wstring>{L"恒载", L"活载", L"风载"})); });
    EXPECT_EQ(vars.result, 0);
}

// Far more items than any model has: every one is shown. Only a garbage count meets the guard
// (KORVEL_MAX_NUMBERED_ITEMS, checked by the unit tests of the name lists).
TEST_P(BadInputTest, LargeNumberedCountShowsEveryItem) {
    static constexpr int kItems = 20000;
    vars.names = "M";
    vars.count = kItems;
    vars.choice = INT_MAX;
    const DWORD start = GetTickCount();
    RunAndConfirm([](const ListView& list) {
        ASSERT_EQ(list.RowCount(), kItems);
        EXPECT_EQ(list.CellText(kItems - 1, 0), L"M" + std::to_wstring(kItems));
    });
    const DWORD elapsed = GetTickCount() - start;
    RecordProperty("open_and_close_ms", static_cast<int>(elapsed));
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.choice, INT_MAX);
}

TEST_P(BadInputTest, NameListEndingInALoneLeadByte) {
    vars.names = Gbk(L"工况|恒载|活载") + "\x81";
    vars.count = 3;
    RunAndConfirm([](const ListView& list) {
        ASSERT_EQ(list.RowCount(), 2);
        EXPECT_EQ(list.CellText(0, 0), L"恒载");
        EXPECT_EQ(list.CellText(1, 0).substr(0, 2), L"活载");
    });
    EXPECT_EQ(vars.result, 0);
}

TEST_P(BadInputTest, TenThousandNames) {
    std::string names = "H";
    for (int i = 1; i < 10000; ++i) names += "|N" + std::to_string(i);
    vars.names = names;
    vars.count = 10000;
    RunAndConfirm([](const ListView& list) {
        ASSERT_EQ(list.RowCount(), 9999);
        EXPECT_EQ(list.CellText(9998, 0), L"N9999");
    });
    EXPECT_EQ(vars.result, 0);
}

TEST_P(BadInputTest, NamesLongerThan259Bytes) {
    const std::wstring longName(400, L'载');
    vars.names = Gbk(L"工况|" + longName + L"|短");
    vars.count = 3;
    RunAndConfirm([&](const ListView& list) {
        ASSERT_EQ(list.RowCount(), 2);
        EXPECT_EQ(list.CellText(0, 0), longName);
    });
    EXPECT_EQ(vars.result, 0);
}

TEST_P(BadInputTest, ExtremeChoicesComeBackUnchanged) {
    for (int choice : {INT_MIN, INT_MAX, -1}) {
        vars.choice = choice;
        RunAndConfirm([](const ListView& list) { EXPECT_TRUE(list.SelectedRows().empty()); });
        EXPECT_EQ(vars.result, 0);
        EXPECT_EQ(vars.choice, choice);
    }
}

INSTANTIATE_TEST_SUITE_P(AllExports, BadInputTest,
                         testing::Values(ChoiceExport::ShowND, ChoiceExport::ShowDH, ChoiceExport::ShowZX,
                                         ChoiceExport::ShowZHNL),
                         [](const testing::TestParamInfo<ChoiceExport>& i) { return std::string(Info(i.param).name); });

}  // namespace
