// The displacement dialog: a kind list (button list) and a case list (check list, radio mode).
// In plain mode the case list shows the host's cases; in combination mode the kind decides what
// it shows, and every change of kind rebuilds it from the host's initial row.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "gbk.h"
#include "korvel.h"
#include "korvel_library.h"
#include "list_view.h"
#include "resource.h"

namespace {

constexpr int kOff = 2, kOn = 3;  // radio state images

const std::vector<std::wstring> kHostCases{L"恒载", L"活载", L"风载"};
const std::vector<std::wstring> kTargets{L"Fxmin组合", L"Fymin组合", L"Fzmin组合", L"Mxmin组合", L"Mymin组合", L"Mzmin组合",
                                         L"Fxmax组合", L"Fymax组合", L"Fzmax组合", L"Mxmax组合", L"Mymax组合", L"Mzmax组合"};

struct DisplacementHost {
    int result = 1;  // in: 1 or less plain mode, N + 1 for N numbered combinations
    int kindCount = 4;
    int kind = 1;
    std::string kinds = Gbk(L"位移|工况|目标组合|组合");
    int caseCount = 4;
    int caseRow = 2;
    std::string cases = Gbk(L"工况|恒载|活载|风载");
    std::string caption = Gbk(L"节点位移");
    bool nullKinds = false, nullCases = false, nullCaption = false;

    void Call() {
        auto call = KORVEL_EXPORT(FXJG_SHOWWY_DLG);
        call(&result, &kindCount, &kind, nullKinds ? nullptr : kinds.c_str(), &caseCount, &caseRow,
             nullCases ? nullptr : cases.c_str(), nullCaption ? nullptr : caption.c_str());
    }
};

// What the case list shows: heading, rows and radio images.
struct CaseList {
    std::wstring heading;
    std::vector<std::wstring> rows;
    int radioOn;  // 0-based row, -1 for none

    static CaseList Read(const ListView& list) {
        CaseList shown{list.HeaderText(0), list.Column0(), -1};
        const std::vector<int> images = list.StateImages();
        for (std::size_t row = 0; row < images.size(); ++row) {
            if (images[row] == kOn) shown.radioOn = static_cast<int>(row);
            else EXPECT_EQ(images[row], kOff) << "row " << row;
        }
        return shown;
    }
    bool operator==(const CaseList& other) const {
        return heading == other.heading && rows == other.rows && radioOn == other.radioOn;
    }
};

void PrintTo(const CaseList& c, std::ostream* os) {
    *os << "heading " << testing::PrintToString(c.heading) << ", " << c.rows.size() << " rows from "
        << testing::PrintToString(c.rows.empty() ? std::wstring() : c.rows.front()) << ", radio on " << c.radioOn;
}

std::vector<std::wstring> Numbered(const std::wstring& prefix, int n) {
    std::vector<std::wstring> rows;
    for (int i = 1; i <= n; ++i) rows.push_back(prefix + std::to_wstring(i));
    return rows;
}

// The dialog's two lists, and presses on them as a person makes them.
struct Lists {
    explicit Lists(DialogDriver& driver) : d(driver), kinds(d.Item(IDC_LIST_BUTTONS)), cases(d.Item(IDC_LIST_CASES)) {}
    void PressKind(int row) { d.Click(kinds.Handle(), kinds.CellCenter(row, 0)); }
    void PressCase(int row) { d.Click(cases.Handle(), cases.PointOn(row, LVHT_ONITEMLABEL)); }
    CaseList Shown() const { return CaseList::Read(cases); }
    DialogDriver& d;
    ListView kinds;
    ListView cases;
};

DialogRun RunDisplacement(DisplacementHost& host, const std::function<void(Lists&)>& script, int closeWith = IDOK) {
    return RunDialog([&] { host.Call(); },
                     [&](DialogDriver& d) {
                         Lists lists(d);
                         script(lists);
                         d.ClickItem(closeWith);
                         EXPECT_TRUE(d.WaitClosed());
                     });
}

class PlainModeTest : public testing::TestWithParam<int> {};

TEST_P(PlainModeTest, KindsChangeNothingInTheCaseListAndBothComeBack) {
    DisplacementHost host;
    host.result = GetParam();
    RunDisplacement(host, [](Lists& l) {
        EXPECT_EQ(l.d.Text(l.d.Dialog()), L"节点位移");
        EXPECT_EQ(l.kinds.HeaderText(0), L"位移");
        EXPECT_EQ(l.kinds.Column0(), (std::vector<std::wstring>{L"工况", L"目标组合", L"组合"}));
        EXPECT_EQ(l.kinds.SelectedRows(), std::vector<int>{0});
        const CaseList hosts{L"工况", kHostCases, 1};
        EXPECT_EQ(l.Shown(), hosts);
        l.PressKind(1);
        EXPECT_EQ(l.Shown(), hosts);
        l.PressKind(2);
        EXPECT_EQ(l.Shown(), hosts);
        l.PressCase(2);
        EXPECT_EQ(l.Shown(), (CaseList{L"工况", kHostCases, 2}));
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.kind, 3);
    EXPECT_EQ(host.caseRow, 3);
}

INSTANTIATE_TEST_SUITE_P(ResultAtMostOne, PlainModeTest, testing::Values(1, 0, -3, INT_MIN));

struct OpeningCase {
    const char* label;
    int result;
    int kind;
    int caseRow;
    CaseList shown;
};

void PrintTo(const OpeningCase& c, std::ostream* os) { *os << c.label; }

class CombinationOpeningTest : public testing::TestWithParam<OpeningCase> {};

TEST_P(CombinationOpeningTest, OpensWithTheCaseListOfTheHostsKind) {
    const OpeningCase& c = GetParam();
    DisplacementHost host;
    host.result = c.result;
    host.kind = c.kind;
    host.caseRow = c.caseRow;
    RunDisplacement(host, [&](Lists& l) {
        EXPECT_EQ(l.Shown(), c.shown);
        if (c.shown.radioOn >= 0) {
            EXPECT_EQ(l.cases.SelectedRows(), std::vector<int>{c.shown.radioOn});
            EXPECT_TRUE(l.cases.RowWhollyVisible(c.shown.radioOn));
        }
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.kind, c.kind);
    EXPECT_EQ(host.caseRow, c.caseRow);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CombinationOpeningTest,
    testing::Values(OpeningCase{"host_cases", 5, 1, 2, {L"工况", kHostCases, 1}},
                    OpeningCase{"target_combinations", 5, 2, 12, {L"选择目标组合", kTargets, 11}},
                    OpeningCase{"four_numbered_combinations", 5, 3, 1, {L"选择组合", Numbered(L"组合", 4), 0}},
                    OpeningCase{"forty_numbered_combinations", 41, 3, 40, {L"选择组合", Numbered(L"组合", 40), 39}},
                    OpeningCase{"row_beyond_the_targets", 5, 2, 20, {L"选择目标组合", kTargets, -1}},
                    OpeningCase{"kind_beyond_the_kinds_no_list", 5, 9, 2, {L"", {}, -1}},
                    OpeningCase{"kind_of_none_no_list", 5, 0, 2, {L"", {}, -1}}),
    [](const testing::TestParamInfo<OpeningCase>& info) { return std::string(info.param.label); });

TEST(CombinationModeTest, SwitchingKindsBackAndForthStartsFromTheHostsRow) {
    DisplacementHost host;
    host.result = 5;
    RunDisplacement(host, [](Lists& l) {
        l.PressCase(2);
        EXPECT_EQ(l.Shown(), (CaseList{L"工况", kHostCases, 2}));
        l.PressKind(1);
        EXPECT_EQ(l.Shown(), (CaseList{L"选择目标组合", kTargets, 1}));
        l.PressKind(2);
        EXPECT_EQ(l.Shown(), (CaseList{L"选择组合", Numbered(L"组合", 4), 1}));
        l.PressKind(0);
        EXPECT_EQ(l.Shown(), (CaseList{L"工况", kHostCases, 1}));
        EXPECT_EQ(l.cases.SelectedRows(), std::vector<int>{1});
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.kind, 1);
    EXPECT_EQ(host.caseRow, 2);
}

TEST(CombinationModeTest, ChosenTargetCombinationComesBackByItsNumber) {
    DisplacementHost host;
    host.result = 5;
    RunDisplacement(host, [](Lists& l) {
        l.PressKind(1);
        l.PressCase(11);
        EXPECT_EQ(l.cases.CellText(11, 0), L"Mzmax组合");
        EXPECT_EQ(l.Shown().radioOn, 11);
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.kind, 2);
    EXPECT_EQ(host.caseRow, 12);
}

TEST(CombinationModeTest, KindBeyondTheThreeKeepsWhatTheListWasLastGiven) {
    DisplacementHost host;
    host.result = 5;
    host.kinds = Gbk(L"位移|工况|目标组合|组合|其他");
    host.kindCount = 5;
    host.kind = 3;
    RunDisplacement(host, [](Lists& l) {
        l.PressCase(3);
        l.PressKind(3);
        EXPECT_EQ(l.Shown(), (CaseList{L"选择组合", Numbered(L"组合", 4), 3}));
    });
    EXPECT_EQ(host.kind, 4);
    EXPECT_EQ(host.caseRow, 4);
}

TEST(CombinationModeTest, KeysInTheKindListRebuildTheCaseListToo) {
    DisplacementHost host;
    host.result = 5;
    RunDisplacement(host, [](Lists& l) {
        l.PressCase(0);
        EXPECT_EQ(l.Shown().radioOn, 0);
        // The kind follows the highlighted row: the numbered combinations, from the host's row.
        l.d.KeyTo(l.kinds.Handle(), VK_END);
        EXPECT_EQ(l.kinds.SelectedRows(), std::vector<int>{2});
        EXPECT_EQ(l.Shown(), (CaseList{L"选择组合", Numbered(L"组合", 4), 1}));
    });
    EXPECT_EQ(host.kind, 3);
    EXPECT_EQ(host.caseRow, 2);
}

TEST(CombinationModeTest, PressesThatLeaveTheKindKeepTheCasePick) {
    DisplacementHost host;
    host.result = 5;
    host.kind = 2;
    RunDisplacement(host, [](Lists& l) {
        l.PressCase(6);
        const CaseList picked{L"选择目标组合", kTargets, 6};
        EXPECT_EQ(l.Shown(), picked);
        l.PressKind(1);  // the kind already chosen
        EXPECT_EQ(l.Shown(), picked);
        RECT client{};
        GetClientRect(l.kinds.Handle(), &client);
        ASSERT_GT(client.bottom - 4, l.kinds.RowBounds(2).bottom);
        l.d.Click(l.kinds.Handle(), POINT{l.kinds.CellCenter(0, 0).x, client.bottom - 4});  // below the rows
        EXPECT_EQ(l.Shown(), picked);
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.kind, 2);
    EXPECT_EQ(host.caseRow, 7);
}

TEST(CombinationModeTest, ChoosingAKindBeyondTheKindsAtOpeningFillsTheList) {
    DisplacementHost host;
    host.result = 5;
    host.kind = 9;
    RunDisplacement(host, [](Lists& l) {
        l.PressKind(1);
        EXPECT_EQ(l.Shown(), (CaseList{L"选择目标组合", kTargets, 1}));
        l.PressCase(4);
    });
    EXPECT_EQ(host.kind, 2);
    EXPECT_EQ(host.caseRow, 5);
}

TEST(DisplacementBadInputTest, NullNamesAndCaption) {
    for (int mode : {1, 5}) {
        DisplacementHost host;
        host.result = mode;
        host.nullKinds = host.nullCases = host.nullCaption = true;
        host.kindCount = 2;
        host.caseCount = 3;
        RunDisplacement(host, [](Lists& l) {
            EXPECT_EQ(l.d.Text(l.d.Dialog()), L"");
            EXPECT_EQ(l.kinds.Column0(), (std::vector<std::wstring>{L"1", L"2"}));
            EXPECT_EQ(l.Shown(), (CaseList{L"", {L"1", L"2", L"3"}, 1}));
        });
        EXPECT_EQ(host.result, 0);
        EXPECT_EQ(host.caseRow, 2);
    }
}

// More cases than the hundred entries of the state array the lists were once handed.
TEST(DisplacementBadInputTest, ManyCasesInBothModes) {
    std::string names = "H";
    for (int i = 1; i <= 150; ++i) names += "|C" + std::to_string(i);
    for (int mode : {1, 5}) {
        DisplacementHost host;
        host.result = mode;
        host.cases = names;
        host.caseCount = 151;
        host.caseRow = 120;
        RunDisplacement(host, [](Lists& l) {
            ASSERT_EQ(l.cases.RowCount(), 150);
            EXPECT_EQ(l.Shown().radioOn, 119);
            l.cases.Handle();
            SendMessageW(l.cases.Handle(), LVM_ENSUREVISIBLE, 140, FALSE);
            l.PressCase(140);
        });
        EXPECT_EQ(host.result, 0);
        EXPECT_EQ(host.caseRow, 141) << mode;
    }
}

// Far more combinations than any model has: every one is shown and the last can be chosen.
TEST(DisplacementBadInputTest, LargeCombinationCountShowsEveryCombination) {
    static constexpr int kCombinations = 20000;
    DisplacementHost host;
    host.result = kCombinations + 1;
    host.kind = 3;
    host.caseRow = kCombinations;
    RunDisplacement(host, [](Lists& l) {
        ASSERT_EQ(l.cases.RowCount(), kCombinations);
        EXPECT_EQ(l.cases.CellText(kCombinations - 1, 0), L"组合" + std::to_wstring(kCombinations));
        EXPECT_EQ(l.cases.StateImage(kCombinations - 1), kOn);
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.caseRow, kCombinations);
}

TEST(DisplacementBadInputTest, NegativeAndHugeCounts) {
    for (int count : {-5, 0, INT_MIN}) {
        DisplacementHost host;
        host.result = 5;
        host.kindCount = count;
        host.caseCount = count;
        RunDisplacement(host, [](Lists& l) {
            EXPECT_EQ(l.kinds.RowCount(), 0);
            EXPECT_EQ(l.cases.RowCount(), 0);
        });
        EXPECT_EQ(host.result, 0);
        EXPECT_EQ(host.kind, 1);
        EXPECT_EQ(host.caseRow, 2);
    }
    DisplacementHost host;
    host.kindCount = INT_MAX;
    host.caseCount = INT_MAX;
    RunDisplacement(host, [](Lists& l) {
        EXPECT_EQ(l.kinds.RowCount(), 3);
        EXPECT_EQ(l.Shown(), (CaseList{L"工况", kHostCases, 1}));
    });
    EXPECT_EQ(host.result, 0);
}

TEST(DisplacementBadInputTest, ExtremeChoicesComeBackUnchanged) {
    for (int mode : {1, 5}) {
        for (int choice : {INT_MIN, -1, INT_MAX}) {
            DisplacementHost host;
            host.result = mode;
            host.kind = choice;
            host.caseRow = choice;
            RunDisplacement(host, [](Lists& l) {
                EXPECT_TRUE(l.kinds.SelectedRows().empty());
                EXPECT_EQ(l.Shown().radioOn, -1);
            });
            EXPECT_EQ(host.result, 0);
            EXPECT_EQ(host.kind, choice);
            EXPECT_EQ(host.caseRow, choice);
        }
    }
}

}  // namespace
