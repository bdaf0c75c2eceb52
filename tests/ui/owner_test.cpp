// Whose window a dialog belongs to and where it opens, for every export: the owner is the last
// active pop-up of the calling thread's active window, its top-level window is disabled while the
// dialog runs and enabled again after, and the dialog opens centred over its owner, or over the
// work area when there is none.
#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "dialog_driver.h"
#include "export_param.h"
#include "host_window.h"

namespace {

// A host's window on the test's thread, shown and active.
class HostWindow {
public:
    HostWindow(HWND owner, int x, int y, int w, int h, DWORD style = WS_OVERLAPPEDWINDOW)
        : m_hwnd(CreateHostWindow(x, y, w, h, owner, style | WS_VISIBLE)) {}
    ~HostWindow() { DestroyWindow(m_hwnd); }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND Handle() const noexcept { return m_hwnd; }

private:
    HWND m_hwnd;
};

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT WorkArea() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

// What the host saw while the export's dialog was open.
struct Seen {
    HWND owner = nullptr;
    RECT dialog{};
    std::vector<bool> enabled;  // each watched window
};

// Calls the export with its sample values, notes the dialog's owner and place and whether each
// of `watched` was enabled meanwhile, and cancels the dialog.
Seen ShowAndCancel(const catalogue::ExportEntry& entry, std::initializer_list<HWND> watched = {}) {
    catalogue::HostCall host = catalogue::SampleCall(entry);
    Seen seen;
    RunDialog([&] { entry.call(host); },
              [&](DialogDriver& d) {
                  seen.owner = GetWindow(d.Dialog(), GW_OWNER);
                  seen.dialog = WindowRect(d.Dialog());
                  for (HWND window : watched) seen.enabled.push_back(IsWindowEnabled(window) != FALSE);
                  LeaveBy(d, Leave::CancelButton);
                  EXPECT_TRUE(d.WaitClosed());
              });
    EXPECT_EQ(host.ResultCode(), 1);
    return seen;
}

// The windows' centres within a pixel: halving an odd size rounds.
void ExpectCentredOver(const RECT& dialog, const RECT& over) {
    EXPECT_LE(std::abs((dialog.left + dialog.right) / 2 - (over.left + over.right) / 2), 1);
    EXPECT_LE(std::abs((dialog.top + dialog.bottom) / 2 - (over.top + over.bottom) / 2), 1);
}

// The windows are placed so that every dialog fits inside the work area when centred over any of
// them, with centres apart from each other and from the work area's.
class OwnerTest : public testing::TestWithParam<catalogue::ExportEntry> {};

TEST_P(OwnerTest, ActiveHostWindowOwnsIsDisabledMeanwhileAndHasTheDialogCentred) {
    HostWindow host(nullptr, 60, 40, 1000, 900);
    ASSERT_EQ(GetActiveWindow(), host.Handle());
    const Seen seen = ShowAndCancel(GetParam(), {host.Handle()});
    EXPECT_EQ(seen.owner, host.Handle());
    EXPECT_EQ(seen.enabled, std::vector<bool>{false}) << "the host is disabled while the dialog runs";
    EXPECT_TRUE(IsWindowEnabled(host.Handle())) << "and enabled again after";
    ExpectCentredOver(seen.dialog, WindowRect(host.Handle()));
}

TEST_P(OwnerTest, LastActivePopupOwnsAndTheTopWindowIsDisabled) {
    HostWindow host(nullptr, 60, 40, 1000, 900);
    // A pop-up of the host (a tool window, say), active now.
    HostWindow popup(host.Handle(), 400, 250, 400, 300, WS_POPUP | WS_CAPTION);
    ASSERT_EQ(GetActiveWindow(), popup.Handle());
    const Seen seen = ShowAndCancel(GetParam(), {host.Handle(), popup.Handle()});
    EXPECT_EQ(seen.owner, popup.Handle());
    EXPECT_EQ(seen.enabled, (std::vector<bool>{false, false})) << "host, pop-up: disabled while the dialog runs";
    EXPECT_TRUE(IsWindowEnabled(host.Handle()));
    EXPECT_TRUE(IsWindowEnabled(popup.Handle()));
    ExpectCentredOver(seen.dialog, WindowRect(popup.Handle()));
}

TEST_P(OwnerTest, WithoutAnActiveWindowTheDialogIsUnownedAndCentredOnTheWorkArea) {
    SetActiveWindow(nullptr);
    ASSERT_EQ(GetActiveWindow(), nullptr);
    const Seen seen = ShowAndCancel(GetParam());
    EXPECT_EQ(seen.owner, nullptr);
    ExpectCentredOver(seen.dialog, WorkArea());
}

INSTANTIATE_TEST_SUITE_P(EveryExport, OwnerTest, testing::ValuesIn(catalogue::Exports()), ExportTestName);

}  // namespace
