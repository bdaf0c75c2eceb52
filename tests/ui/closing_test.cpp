// Every way of leaving a dialog but OK (the Cancel button, Escape, the close box), for each of the
// ten exports: the result is 1 and the host's variables stay as they were, even after the user
// changed what the dialog shows.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue/export_table.h"
#include "colour_dialogs.h"
#include "dialog_driver.h"
#include "list_view.h"
#include "resource.h"
#include "tree_view.h"

namespace {

// What the user changes in an export's dialog, opened with its sample, before leaving it.
struct Changes {
    const char* exportName;
    void (*press)(DialogDriver& d);
};

void PrintTo(const Changes& c, std::ostream* os) { *os << c.exportName; }

void PressListCell(DialogDriver& d, int list, int row, int col) {
    const ListView view(d.Item(list));
    d.Click(view.Handle(), view.CellCenter(row, col));
}

void PressListText(DialogDriver& d, int list, int row) {
    const ListView view(d.Item(list));
    d.Click(view.Handle(), view.PointOn(row, LVHT_ONITEMLABEL));
}

const std::vector<Changes>& EveryExportsChanges() {
    static const std::vector<Changes> changes{
        {"FXJG_SHOWDH_DLG",
         [](DialogDriver& d) {
             PressListCell(d, IDC_LIST_BUTTONS, 0, 0);
             d.ClickItem(IDC_SPEED_FAST);
         }},
        {"FXJG_SHOWND_DLG",
         [](DialogDriver& d) {
             PressListCell(d, IDC_LIST_BUTTONS, 0, 0);
             d.ClickItem(IDC_DEFL_SPAN_RATIO);
         }},
        {"FXJG_SHOWWY_DLG",  // in combination mode
         [](DialogDriver& d) {
             PressListCell(d, IDC_LIST_BUTTONS, 1, 0);  // the target combinations
             PressListText(d, IDC_LIST_CASES, 6);
         }},
        {"FXJG_SHOWZB_DLG", [](DialogDriver& d) { PressListText(d, IDC_LIST_CASES, 4); }},
        {"FXJG_SHOWZHNL_DLG", [](DialogDriver& d) { PressListCell(d, IDC_LIST_BUTTONS, 1, 0); }},
        {"FXJG_SHOWZX_DLG",
         [](DialogDriver& d) {
             PressListCell(d, IDC_LIST_BUTTONS, 0, 2);
             d.ClickItem(IDC_SPEED_FAST);
         }},
        {"MEMB_DESIGN_INOF_SHOWDLG",
         [](DialogDriver& d) {
             const ListView beam(d.Item(IDC_LIST_BEAM));
             d.Click(beam.Handle(), beam.PointOn(4, LVHT_ONITEMSTATEICON));  // select all
         }},
        {"SDP_SHOWCOLOR_DLG",
         [](DialogDriver& d) {
             const ListView list(d.Item(IDC_COLOR_LIST));
             DialogDriver picker(OpenColourCell(d, list, 1, 1));
             picker.ClickItem(IDC_SWATCH_FIRST + 10);
             picker.ClickItem(IDOK);
             ASSERT_TRUE(picker.WaitClosed());
             EXPECT_TRUE(CellShows(list, 1, 1, BaseColours()[10]));
         }},
        {"SDP_SHOWDWY_DLG",
         [](DialogDriver& d) {
             const ListView list(d.Item(IDC_CONTOUR_LIST));
             ClickCell(d, list, 0, 1);
             d.Type(L"7");
             d.Key(VK_RETURN);
             EXPECT_EQ(list.CellText(0, 1), L"7");
             ReplaceBoxText(d, IDC_CONTOUR_COUNT, L"9");
         }},
        {"SJJG_SHOWZF_DLG",
         [](DialogDriver& d) {
             const TreeView tree(d.Item(IDC_SWITCH_TREE));
             for (std::size_t item : {0, 4})
                 d.Click(tree.Handle(), tree.PointOn(tree.Items().at(item), TVHT_ONITEMSTATEICON));
         }},
    };
    return changes;
}

const char* Name(Leave way) {
    switch (way) {
    case Leave::CancelButton: return "CancelButton";
    case Leave::Escape: return "Escape";
    case Leave::CloseBox: return "CloseBox";
    }
    return "";
}

class ClosingTest : public testing::TestWithParam<std::tuple<Changes, Leave>> {};

TEST_P(ClosingTest, StoresOneAndWritesNothingElse) {
    const auto& [changes, way] = GetParam();
    const catalogue::ExportEntry& which = catalogue::ExportNamed(changes.exportName);
    catalogue::HostCall host = catalogue::SampleCall(which);
    const std::string before = host.DescribeEveryElement();
    const DialogRun run = RunDialog([&] { which.call(host); },
                                    [&](DialogDriver& d) {
                                        changes.press(d);
                                        LeaveBy(d, way);
                                        EXPECT_TRUE(d.WaitClosed());
                                    });
    EXPECT_FALSE(run.leftOpen);
    EXPECT_EQ(host.ResultCode(), 1);
    EXPECT_EQ(host.DescribeEveryElement(), before);
}

INSTANTIATE_TEST_SUITE_P(EveryExport, ClosingTest,
                         testing::Combine(testing::ValuesIn(EveryExportsChanges()), testing::ValuesIn(kEveryWayButOk)),
                         [](const testing::TestParamInfo<std::tuple<Changes, Leave>>& i) {
                             return std::string(std::get<0>(i.param).exportName) + "_" + Name(std::get<1>(i.param));
                         });

}  // namespace
