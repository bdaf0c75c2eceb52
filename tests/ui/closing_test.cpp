// Every way of leaving a dialog but OK stores result 1 and leaves the host's variables alone,
// even after the user pressed a case and an option.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "dialog_driver.h"
#include "gbk.h"
#include "host_call.h"
#include "list_view.h"

namespace {

enum class Close { CancelButton, Escape, CloseBox };

const char* Name(Close way) {
    switch (way) {
    case Close::CancelButton: return "CancelButton";
    case Close::Escape: return "Escape";
    case Close::CloseBox: return "CloseBox";
    }
    return "";
}

class ClosingTest : public testing::TestWithParam<std::tuple<ChoiceExport, Close>> {};

TEST_P(ClosingTest, StoresOneAndWritesNothingElse) {
    const auto [which, way] = GetParam();
    const ChoiceExportInfo& info = Info(which);
    HostVars vars;
    vars.names = Gbk(L"工况|恒载|活载|风载");
    vars.count = 4;
    vars.columns = 3;
    vars.choice = 1;
    vars.option = 1;
    const DialogRun run = RunDialog([&] { CallExport(which, vars); },
                                    [&](DialogDriver& d) {
                                        ListView list(d.Item(1015));
                                        d.Click(list.Handle(), list.CellCenter(0, info.grid ? 2 : 0));
                                        if (!info.radios.empty()) d.ClickItem(info.radios[2]);
                                        switch (way) {
                                        case Close::CancelButton: d.ClickItem(IDCANCEL); break;
                                        case Close::Escape: d.Key(VK_ESCAPE); break;
                                        case Close::CloseBox: d.CloseBox(); break;
                                        }
                                        EXPECT_TRUE(d.WaitClosed());
                                    });
    EXPECT_TRUE(run.appeared);
    EXPECT_FALSE(run.leftOpen);
    EXPECT_EQ(vars.result, 1);
    EXPECT_EQ(vars.choice, 1);
    EXPECT_EQ(vars.option, 1);
    EXPECT_EQ(vars.count, 4);
    EXPECT_EQ(vars.columns, 3);
}

INSTANTIATE_TEST_SUITE_P(AllWays, ClosingTest,
                         testing::Combine(testing::Values(ChoiceExport::ShowND, ChoiceExport::ShowDH,
                                                          ChoiceExport::ShowZX, ChoiceExport::ShowZHNL),
                                          testing::Values(Close::CancelButton, Close::Escape, Close::CloseBox)),
                         [](const testing::TestParamInfo<std::tuple<ChoiceExport, Close>>& i) {
                             return std::string(Info(std::get<0>(i.param)).name) + "_" + Name(std::get<1>(i.param));
                         });

}  // namespace
