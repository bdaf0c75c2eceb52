// Every way of leaving a dialog but OK (the Cancel button, Escape, the close box), for each of the
// ten exports: the result is 1 and the host's variables stay as they were, even after the user
// changed what the dialog shows.
#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "colour_dialogs.h"
#include "dialog_driver.h"
#include "every_export.h"
#include "list_view.h"
#include "resource.h"
#include "tree_view.h"

namespace {

// What the user changes in an export's dialog before leaving it.
struct Changes {
    const char* exportName;
    void (*prepare)(SampleHost& host);  // null: the export's sample as it is
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
        {"FXJG_SHOWDH_DLG", nullptr,
         [](DialogDriver& d) {
             PressListCell(d, IDC_LIST_BUTTONS, 0, 0);
             d.ClickItem(IDC_SPEED_FAST);
         }},
        {"FXJG_SHOWND_DLG", nullptr,
         [](DialogDriver& d) {
             PressListCell(d, IDC_LIST_BUTTONS, 0, 0);
             d.ClickItem(IDC_DEFL_SPAN_RATIO);
         }},
        {"FXJG_SHOWWY_DLG", [](SampleHost& h) { h.result = 5; },  // four numbered combinations
         [](DialogDriver& d) {
             PressListCell(d, IDC_LIST_BUTTONS, 1, 0);  // the target combinations
             PressListText(d, IDC_LIST_CASES, 6);
         }},
        {"FXJG_SHOWZB_DLG", nullptr, [](DialogDriver& d) { PressListText(d, IDC_LIST_CASES, 2); }},
        {"FXJG_SHOWZHNL_DLG", nullptr, [](DialogDriver& d) { PressListCell(d, IDC_LIST_BUTTONS, 0, 2); }},
        {"FXJG_SHOWZX_DLG", nullptr,
         [](DialogDriver& d) {
             PressListCell(d, IDC_LIST_BUTTONS, 0, 2);
             d.ClickItem(IDC_SPEED_FAST);
         }},
        {"MEMB_DESIGN_INOF_SHOWDLG", nullptr,
         [](DialogDriver& d) {
             const ListView beam(d.Item(IDC_LIST_BEAM));
             d.Click(beam.Handle(), beam.PointOn(4, LVHT_ONITEMSTATEICON));  // select all
         }},
        {"SDP_SHOWCOLOR_DLG", nullptr,
         [](DialogDriver& d) {
             const ListView list(d.Item(IDC_COLOR_LIST));
             DialogDriver picker(OpenColourCell(d, list, 1, 1));
             picker.ClickItem(IDC_SWATCH_FIRST + 10);
             picker.ClickItem(IDOK);
             ASSERT_TRUE(picker.WaitClosed());
             EXPECT_TRUE(CellShows(list, 1, 1, BaseColours()[10]));
         }},
        {"SDP_SHOWDWY_DLG", nullptr,
         [](DialogDriver& d) {
             const ListView list(d.Item(IDC_CONTOUR_LIST));
             ClickCell(d, list, 0, 1);
             d.Type(L"7");
             d.Key(VK_RETURN);
             EXPECT_EQ(list.CellText(0, 1), L"7");
             ReplaceBoxText(d, IDC_CONTOUR_COUNT, L"9");
         }},
        {"SJJG_SHOWZF_DLG", nullptr,
         [](DialogDriver& d) {
             const TreeView tree(d.Item(IDC_SWITCH_TREE));
             for (std::size_t item : {0, 4})
                 d.Click(tree.Handle(), tree.PointOn(tree.Items().at(item), TVHT_ONITEMSTATEICON));
         }},
    };
    return changes;
}

const SampleExport& ExportNamed(const std::string& name) {
    for (const SampleExport& e : SampleExports())
        if (name == e.name) return e;
    throw std::invalid_argument("no export " + name);
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
    const SampleExport& which = ExportNamed(changes.exportName);
    SampleHost host = which.sample();
    if (changes.prepare) changes.prepare(host);
    const SampleHost before = host;
    const DialogRun run = RunDialog([&] { which.call(host); },
                                    [&](DialogDriver& d) {
                                        changes.press(d);
                                        LeaveBy(d, way);
                                        EXPECT_TRUE(d.WaitClosed());
                                    });
    EXPECT_FALSE(run.leftOpen);
    EXPECT_EQ(host.result, 1);
    EXPECT_TRUE(host.SameVariables(before));
}

INSTANTIATE_TEST_SUITE_P(EveryExport, ClosingTest,
                         testing::Combine(testing::ValuesIn(EveryExportsChanges()), testing::ValuesIn(kEveryWayButOk)),
                         [](const testing::TestParamInfo<std::tuple<Changes, Leave>>& i) {
                             return std::string(std::get<0>(i.param).exportName) + "_" + Name(std::get<1>(i.param));
                         });

}  // namespace
