// The deflection and animation dialogs: a list of cases and a group of three options.
#include <gtest/gtest.h>

#include "dialog_driver.h"
#include "gbk.h"
#include "korvel_library.h"
#include "list_view.h"

namespace {

constexpr int kList = 1015;

TEST(SmokeTest, OpensAndConfirms) {
    const std::string names = Gbk(L"工况|恒载|活载|风载");
    int result = -1, count = 4, choice = 1, defl = 1;
    std::wstring title;
    std::vector<std::wstring> rows;
    const DialogRun run = RunDialog(
        [&] { KorvelLibrary::Get().FXJG_SHOWND_DLG(&result, &count, &choice, &defl, names.c_str()); },
        [&](DialogDriver& d) {
            title = d.Text(d.Dialog());
            ListView list(d.Item(kList));
            rows = list.Column0();
            d.Click(list.Handle(), list.CellCenter(2, 0));
            d.ClickItem(1020);
            d.ClickItem(IDOK);
            EXPECT_TRUE(d.WaitClosed());
        });
    EXPECT_TRUE(run.appeared);
    EXPECT_FALSE(run.leftOpen);
    EXPECT_EQ(title, L"各种工况挠度");
    EXPECT_EQ(rows, (std::vector<std::wstring>{L"恒载", L"活载", L"风载"}));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(choice, 3);
    EXPECT_EQ(defl, 2);
}

}  // namespace
