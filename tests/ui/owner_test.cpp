// Whose window a dialog belongs to and where it opens: the owner is the last active pop-up of the
// calling thread's active window, its top-level window is disabled while the dialog runs, and the
// dialog opens centred over its owner, or over the work area when there is none.
#include <gtest/gtest.h>

#include <cstdlib>

#include "dialog_driver.h"
#include "gbk.h"
#include "host_call.h"
#include "host_window.h"

namespace {

// A host's main window on the test's thread, shown and active.
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

POINT Center(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

struct Seen {
    HWND owner = nullptr;
    bool hostEnabled = true;
    POINT center{};
};

Seen ShowAndCancel(ChoiceExport which) {
    HostVars vars;
    vars.names = Gbk(L"工况|恒载|活载");
    vars.count = 3;
    vars.columns = 3;
    Seen seen;
    RunDialog([&] { CallExport(which, vars); },
              [&](DialogDriver& d) {
                  seen.owner = GetWindow(d.Dialog(), GW_OWNER);
                  seen.center = Center(d.Dialog());
                  d.ClickItem(IDCANCEL);
                  d.WaitClosed();
              });
    return seen;
}

class OwnerTest : public testing::TestWithParam<ChoiceExport> {};

TEST_P(OwnerTest, ActiveHostWindowOwnsTheDialogAndIsDisabledMeanwhile) {
    HostWindow host(nullptr, 100, 80, 700, 560);
    ASSERT_EQ(GetActiveWindow(), host.Handle());
    HostVars vars;
    vars.names = Gbk(L"工况|恒载|活载");
    vars.count = 3;
    bool enabledWhileOpen = true;
    HWND owner = nullptr;
    POINT center{};
    RunDialog([&] { CallExport(GetParam(), vars); },
              [&](DialogDriver& d) {
                  owner = GetWindow(d.Dialog(), GW_OWNER);
                  enabledWhileOpen = IsWindowEnabled(host.Handle()) != FALSE;
                  center = Center(d.Dialog());
                  d.ClickItem(IDCANCEL);
                  d.WaitClosed();
              });
    EXPECT_EQ(owner, host.Handle());
    EXPECT_FALSE(enabledWhileOpen);
    EXPECT_TRUE(IsWindowEnabled(host.Handle()));
    const POINT hostCenter = Center(host.Handle());
    EXPECT_LE(std::abs(center.x - hostCenter.x), 1);
    EXPECT_LE(std::abs(center.y - hostCenter.y), 1);
}

TEST_P(OwnerTest, LastActivePopupOwnsAndTheTopWindowIsDisabled) {
    HostWindow host(nullptr, 50, 50, 800, 600);
    // A pop-up of the host (a tool window, say), active now.
    HostWindow popup(host.Handle(), 300, 200, 300, 200, WS_POPUP | WS_CAPTION);
    ASSERT_EQ(GetActiveWindow(), popup.Handle());
    bool hostEnabled = true;
    bool popupEnabled = true;
    HWND owner = nullptr;
    HostVars vars;
    vars.names = Gbk(L"工况|恒载|活载");
    vars.count = 3;
    RunDialog([&] { CallExport(GetParam(), vars); },
              [&](DialogDriver& d) {
                  owner = GetWindow(d.Dialog(), GW_OWNER);
                  hostEnabled = IsWindowEnabled(host.Handle()) != FALSE;
                  popupEnabled = IsWindowEnabled(popup.Handle()) != FALSE;
                  d.ClickItem(IDCANCEL);
                  d.WaitClosed();
              });
    EXPECT_EQ(owner, popup.Handle());
    EXPECT_FALSE(popupEnabled);
    EXPECT_FALSE(hostEnabled);
    EXPECT_TRUE(IsWindowEnabled(host.Handle()));
    EXPECT_TRUE(IsWindowEnabled(popup.Handle()));
}

TEST_P(OwnerTest, WithoutAnActiveWindowTheDialogIsUnownedAndCentredOnTheWorkArea) {
    SetActiveWindow(nullptr);
    ASSERT_EQ(GetActiveWindow(), nullptr);
    const Seen seen = ShowAndCancel(GetParam());
    EXPECT_EQ(seen.owner, nullptr);
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_LE(std::abs(seen.center.x - (area.left + area.right) / 2), 1);
    EXPECT_LE(std::abs(seen.center.y - (area.top + area.bottom) / 2), 1);
}

INSTANTIATE_TEST_SUITE_P(AllExports, OwnerTest,
                         testing::Values(ChoiceExport::ShowND, ChoiceExport::ShowDH, ChoiceExport::ShowZX,
                                         ChoiceExport::ShowZHNL),
                         [](const testing::TestParamInfo<ChoiceExport>& i) { return std::string(Info(i.param).name); });

}  // namespace
