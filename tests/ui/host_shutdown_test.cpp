// A host that shuts down while a dialog is open: a WM_QUIT posted to the thread, or the host's
// window destroyed under the dialog. The dialog ends, the export stores 1 and writes nothing
// else, and the quit message is still there for the host's own loop.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "dialog_driver.h"
#include "export_param.h"
#include "host_window.h"

namespace {

// Removes a pending WM_QUIT of this thread; true if there was one.
bool TakeQuitMessage() {
    MSG msg;
    return PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

// Calls `call` on this thread; once its dialog shows, posts WM_QUIT to this thread from another.
// True if a dialog appeared and closed by itself.
bool CallAndQuit(const std::function<void()>& call) {
    const DWORD thread = GetCurrentThreadId();
    bool closed = false;
    RunDialog(call, [&](DialogDriver& d) {
        PostThreadMessageW(thread, WM_QUIT, 3, 0);
        closed = d.WaitClosed(5000);
    });
    return closed;
}

using catalogue::ExportEntry;
using catalogue::HostCall;

class HostShutdownTest : public testing::TestWithParam<ExportEntry> {};

TEST_P(HostShutdownTest, QuitMessageEndsTheDialogAsNotOk) {
    const ExportEntry& which = GetParam();
    HostCall host = catalogue::SampleCall(which);
    const std::string before = host.DescribeEveryElement();
    const bool closed = CallAndQuit([&] { which.call(host); });
    const bool quitKept = TakeQuitMessage();
    EXPECT_TRUE(closed);
    EXPECT_EQ(host.ResultCode(), 1);
    EXPECT_EQ(host.DescribeEveryElement(), before);
    EXPECT_TRUE(quitKept) << "the host's loop must still see its WM_QUIT";
}

TEST_P(HostShutdownTest, DestroyedOwnerEndsTheDialogAsNotOk) {
    const ExportEntry& which = GetParam();
    HostCall host = catalogue::SampleCall(which);
    const std::string before = host.DescribeEveryElement();
    HWND owner = CreateHostWindow(100, 100, 600, 400);
    const DialogRun run = RunDialog([&] { which.call(host); },
                                    [&](DialogDriver& d) {
                                        EXPECT_EQ(GetAncestor(GetWindow(d.Dialog(), GW_OWNER), GA_ROOT), owner);
                                        PostMessageW(owner, WM_CLOSE, 0, 0);  // destroys itself
                                        EXPECT_TRUE(d.WaitClosed());
                                    });
    EXPECT_FALSE(IsWindow(owner));
    if (IsWindow(owner)) DestroyWindow(owner);
    EXPECT_FALSE(run.leftOpen);
    EXPECT_EQ(host.ResultCode(), 1);
    EXPECT_EQ(host.DescribeEveryElement(), before);
}

INSTANTIATE_TEST_SUITE_P(EveryExport, HostShutdownTest, testing::ValuesIn(catalogue::Exports()), ExportTestName);

// The contour dialog's protocol: result 2 asks the host to call again. A host shutting down must
// not be sent round that loop: with its quit message pending, the call ends at once with 1.
TEST(HostShutdown, PendingQuitEndsTheContourProtocol) {
    const ExportEntry& contour = catalogue::ExportNamed("SDP_SHOWDWY_DLG");
    HostCall host = catalogue::SampleCall(contour);
    const std::string before = host.DescribeEveryElement();
    PostQuitMessage(5);
    int calls = 0;
    do {
        contour.call(host);
        ++calls;
    } while (host.ResultCode() == 2 && calls < 10);
    EXPECT_TRUE(TakeQuitMessage());
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(host.ResultCode(), 1);
    EXPECT_EQ(host.DescribeEveryElement(), before);
}

}  // namespace
