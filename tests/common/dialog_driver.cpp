// The second-thread driver and the hooks that tell it what the dialogs' thread has done: its loop
// caught up with a marker, a window was painted or destroyed, or the export returned.
// The driver waits for these instead of sleeping; timeouts only guard against faults.
#include "dialog_driver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "posted_input.h"
#include "settle.h"
#include "thread_dialogs.h"

namespace {

using korvel_test::Settled;

// A loop this late is stuck, not slow (a press in a list of 100,000 rows on a busy machine takes
// seconds); once stuck, the run's later waits give up at once.
constexpr DWORD kCatchUpMs = 30000;
std::atomic<bool> g_stuck{false};
// The export has returned: nothing on its thread takes markers any more.
std::atomic<bool> g_callDone{true};
// Set whenever something the driver may be waiting for happened on the dialogs' thread: a marker
// taken, a window painted or destroyed, the export returned.
HANDLE Wake() { return korvel_test::SettleWake(); }

// A paint follows a window being shown (a dialog is shown once its loop first finds the queue
// empty, with no other message to tell).
LRESULT CALLBACK PaintHook(int code, WPARAM removed, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && msg->message == WM_PAINT) SetEvent(Wake());
    return CallNextHookEx(nullptr, code, removed, lParam);
}

// A window being destroyed: a dialog closing without a marker to tell.
LRESULT CALLBACK WindowHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_DESTROYWND) SetEvent(Wake());
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The first dialog of `thread` (only a shown one when `visible`); with `except`, only an enabled
// dialog other than it counts.
HWND ThreadDialog(DWORD thread, HWND except, bool visible) {
    for (HWND dialog : korvel_test::ThreadDialogs(thread, visible))
        if (!except || (dialog != except && IsWindowEnabled(dialog))) return dialog;
    return nullptr;
}

// Waits until a dialog of `thread` other than `except` is shown; null once the export returned
// or after `timeoutMs`.
HWND WaitForShownDialog(DWORD thread, HWND except, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND found = ThreadDialog(thread, except, true)) return found;
        const DWORD waited = GetTickCount() - start;
        if (g_callDone.load() || waited >= timeoutMs) return nullptr;
        WaitForSingleObject(Wake(), timeoutMs - waited);
    }
}

}  // namespace

void DialogDriver::Click(HWND window, POINT client) {
    korvel_test::PostClick(window, client);
    Sync();
}

void DialogDriver::DoubleClick(HWND window, POINT client) {
    korvel_test::PostDoubleClick(window, client);
    Sync();
}

void DialogDriver::ClickItem(int id) {
    RECT rect{};
    HWND item = Item(id);
    GetClientRect(item, &rect);
    Click(item, POINT{rect.right / 2, rect.bottom / 2});
}

HWND DialogDriver::Focus() const { return korvel_test::FocusOf(m_thread); }

void DialogDriver::Key(UINT vk) {
    HWND target = Focus();
    KeyTo(target ? target : m_dialog, vk);
}

void DialogDriver::KeyTo(HWND target, UINT vk) {
    korvel_test::PostKey(target, vk);
    Sync();
}

void DialogDriver::Type(const std::wstring& text) {
    HWND target = Focus();
    TypeTo(target ? target : m_dialog, text);
}

void DialogDriver::TypeTo(HWND window, const std::wstring& text) {
    korvel_test::PostText(window, text);
    Sync();
}

void DialogDriver::CloseBox() {
    PostMessageW(m_dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    Sync();
}

bool DialogDriver::CatchUp() {
    // To the thread: a marker must still be taken when the dialog closes meanwhile (by the loop of
    // the dialog under it, or by none once the export returns).
    const korvel_test::SettleLimits limits{kCatchUpMs, [] { return g_callDone.load() || g_stuck.load(); }};
    const Settled settled = korvel_test::Settle(m_thread, limits);
    if (settled == Settled::TimedOut) {
        g_stuck = true;
        ADD_FAILURE() << "the dialog's loop handled nothing for " << kCatchUpMs << " ms: it is stuck";
    }
    return settled == Settled::Taken;
}

void DialogDriver::Sync() {
    // Twice: a posted key becomes a WM_CHAR that is queued behind the first marker.
    for (int round = 0; round < 2; ++round)
        if (!CatchUp()) return;
}

bool DialogDriver::WaitClosed(DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        // A dialog that was told to close has been destroyed once its loop caught up.
        if (!IsWindow(m_dialog)) return true;
        const bool pumping = CatchUp();
        if (!IsWindow(m_dialog)) return true;
        const DWORD waited = GetTickCount() - start;
        if (!pumping || waited >= ms) return false;
        WaitForSingleObject(Wake(), ms - waited);
    }
}

HWND DialogDriver::OtherDialog() {
    Sync();
    return ThreadDialog(m_thread, m_dialog, false);
}

HWND DialogDriver::WaitForOtherDialog(DWORD ms) { return WaitForShownDialog(m_thread, m_dialog, ms); }

void LeaveBy(DialogDriver& d, Leave way) {
    switch (way) {
    case Leave::CancelButton: d.ClickItem(IDCANCEL); break;
    case Leave::Escape: d.Key(VK_ESCAPE); break;
    case Leave::CloseBox: d.CloseBox(); break;
    }
}

std::wstring DialogDriver::Text(HWND window) const {
    const int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextW(window, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

bool DialogDriver::Checked(int id) const {
    return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

DialogRun RunDialog(const std::function<void()>& call, const std::function<void(DialogDriver&)>& script,
                    Expect expect, DWORD timeoutMs) {
    korvel_test::WatchMarkers();
    static const HHOOK paints = SetWindowsHookExW(WH_GETMESSAGE, &PaintHook, nullptr, GetCurrentThreadId());
    static const HHOOK windows = SetWindowsHookExW(WH_CBT, &WindowHook, nullptr, GetCurrentThreadId());
    (void)paints;
    (void)windows;
    DialogRun run;
    g_callDone = false;
    g_stuck = false;
    const DWORD mainThread = GetCurrentThreadId();
    std::thread driver([&] {
        HWND dialog = WaitForShownDialog(mainThread, nullptr, timeoutMs);
        if (!dialog) return;
        run.appeared = true;
        DialogDriver driver(dialog);
        script(driver);
        if (!driver.IsOpen()) return;
        run.leftOpen = true;
        const DWORD start = GetTickCount();
        while (driver.IsOpen() && GetTickCount() - start < timeoutMs) {
            // Dialogs it opened run their own loops: they must end before it can.
            for (HWND open : korvel_test::ThreadDialogs(mainThread)) korvel_test::PostCancel(open);
            driver.WaitClosed(500);
        }
    });
    call();
    g_callDone = true;
    SetEvent(Wake());
    driver.join();
    // Markers posted after the dialog closed must not reach the next dialog's loop; a WM_QUIT
    // taken with them stays for the host's own loop.
    if (const auto quit = korvel_test::DropMarkers()) PostThreadMessageW(GetCurrentThreadId(), WM_QUIT, *quit, 0);
    if (expect == Expect::Dialog && !run.appeared) ADD_FAILURE() << "the call showed no dialog";
    if (expect == Expect::NoDialog && run.appeared) ADD_FAILURE() << "the call showed a dialog";
    return run;
}

DialogRun RunExpectingNoDialog(const std::function<void()>& call) {
    return RunDialog(call, [](DialogDriver&) {}, Expect::NoDialog);
}
