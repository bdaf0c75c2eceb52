// Calls from the wrong place while a dialog is open: from a second thread, or from the host's own
// timer run by the open dialog's loop. Either call is refused with result 1, shows nothing and
// writes nothing else; the open dialog carries on, and the next call works again.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>

#include "dialog_driver.h"
#include "export_param.h"

namespace {

using catalogue::ExportEntry;
using catalogue::HostCall;

class CallingPlaceTest : public testing::TestWithParam<ExportEntry> {};

const ExportEntry& OpenFirst() { return catalogue::Exports().front(); }

TEST_P(CallingPlaceTest, SecondThreadIsRefused) {
    const ExportEntry& which = GetParam();
    HostCall outer = catalogue::SampleCall(OpenFirst());
    HostCall second = catalogue::SampleCall(which);
    const std::string secondBefore = second.DescribeEveryElement();
    RunDialog([&] { OpenFirst().call(outer); },
              [&](DialogDriver& d) {
                  which.call(second);  // the driver's own thread
                  EXPECT_TRUE(d.IsOpen());
                  d.ClickItem(IDOK);
                  EXPECT_TRUE(d.WaitClosed());
              });
    EXPECT_EQ(second.ResultCode(), 1);
    EXPECT_EQ(second.DescribeEveryElement(), secondBefore);
    EXPECT_EQ(outer.ResultCode(), 0) << "the open dialog carries on";
}

struct TimerCall {
    const ExportEntry* which = nullptr;
    HostCall* host = nullptr;
    std::atomic<bool> done{false};
    HANDLE returned = CreateEventW(nullptr, TRUE, FALSE, nullptr);  // set when the call returned
};
TimerCall g_timerCall;

void CALLBACK CallFromTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    g_timerCall.which->call(*g_timerCall.host);
    g_timerCall.done = true;
    SetEvent(g_timerCall.returned);
}

TEST_P(CallingPlaceTest, CallFromInsideAnOpenDialogIsRefused) {
    const ExportEntry& which = GetParam();
    HostCall outer = catalogue::SampleCall(OpenFirst());
    HostCall nested = catalogue::SampleCall(which);
    const std::string nestedBefore = nested.DescribeEveryElement();
    g_timerCall.which = &which;
    g_timerCall.host = &nested;
    g_timerCall.done = false;
    ResetEvent(g_timerCall.returned);
    bool otherDialog = true;
    RunDialog(
        [&] {
            SetTimer(nullptr, 0, 50, &CallFromTimer);
            OpenFirst().call(outer);
        },
        [&](DialogDriver& d) {
            WaitForSingleObject(g_timerCall.returned, 5000);
            otherDialog = d.OtherDialog() != nullptr;
            d.ClickItem(IDOK);
            EXPECT_TRUE(d.WaitClosed());
        });
    EXPECT_TRUE(g_timerCall.done);
    EXPECT_FALSE(otherDialog);
    EXPECT_EQ(nested.ResultCode(), 1);
    EXPECT_EQ(nested.DescribeEveryElement(), nestedBefore);
    EXPECT_EQ(outer.ResultCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryExport, CallingPlaceTest, testing::ValuesIn(catalogue::Exports()), ExportTestName);

}  // namespace
