// A dialog that cannot be shown, for every export: the system refuses to make its window, and the
// call stores 1 and writes no other variable.
#include <gtest/gtest.h>

#include <string>

#include "dialog_driver.h"
#include "dialog_refusal.h"
#include "export_param.h"

namespace {

class UnshownDialogTest : public testing::TestWithParam<catalogue::ExportEntry> {};

TEST_P(UnshownDialogTest, GivesOneAndWritesNothingElse) {
    catalogue::HostCall host = catalogue::SampleCall(GetParam());
    const std::string before = host.DescribeEveryElement();
    DialogRefusal refusal;
    refusal.RefuseNext();
    RunDialog([&] { GetParam().call(host); }, [](DialogDriver&) {}, Expect::NoDialog);
    EXPECT_TRUE(refusal.Used()) << "no dialog was made to refuse";
    EXPECT_EQ(host.ResultCode(), 1);
    EXPECT_EQ(host.DescribeEveryElement(), before);
}

INSTANTIATE_TEST_SUITE_P(EveryExport, UnshownDialogTest, testing::ValuesIn(catalogue::Exports()), ExportTestName);

}  // namespace
