// The second-thread driver and the hooks that tell it what the dialogs' thread has done: its loop
// caught up with a marker, a window was painted or destroyed, or the export returned.
// The driver waits for these instead of sleeping; timeouts only guard against faults.
#include "dialog_driver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

const UINT kMarker = RegisterWindowMessageW(L"KorvelTestMarker");
// A loop this late is stuck, not slow (a press in a list of 100,000 rows on a busy machine takes
// seconds); once stuck, the run's later waits give up at once.
constexpr DWORD kCatchUpMs = 30000;
std::atomic<bool> g_stuck{false};
std::atomic<LONG> g_markerSeen{0};
std::atomic<LONG> g_markerSent{0};
// The export has returned: nothing on its thread takes markers any more.
std::atomic<bool> g_callDone{true};
// Set whenever something the driver may be waiting for happened on the dialogs' thread.
const HANDLE g_wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);

// Sees every message the dialogs' thread retrieves. A marker means everything posted before it
// has been dispatched; a paint follows a window being shown (a dialog is shown once its loop
// first finds the queue empty, with no other message to tell).
LRESULT CALLBACK GetMessageHook(int code, WPARAM removed, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removed == PM_REMOVE && msg->message == kMarker) {
        g_markerSeen.store(static_cast<LONG>(msg->wParam));
        SetEvent(g_wake);
    } else if (code == HC_ACTION && msg->message == WM_PAINT) {
        SetEvent(g_wake);
    }
    return CallNextHookEx(nullptr, code, removed, lParam);
}

// A window being destroyed: a dialog closing without a marker to tell.
LRESULT CALLBACK WindowHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_DESTROYWND) SetEvent(g_wake);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct FindDialog {
    HWND found = nullptr;
    HWND except = nullptr;  // with `except`, only an enabled dialog other than it counts
    bool visible = true;    // only a shown dialog counts
};

bool IsDialog(HWND hwnd) {
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    return lstrcmpW(cls, L"#32770") == 0;
}

bool IsVisibleDialog(HWND hwnd) { return IsDialog(hwnd) && IsWindowVisible(hwnd); }

BOOL CALLBACK FindThreadDialog(HWND hwnd, LPARAM lParam) {
    auto& find = *reinterpret_cast<FindDialog*>(lParam);
    if (!IsDialog(hwnd) || (find.visible && !IsWindowVisible(hwnd))) return TRUE;
    if (find.except && (hwnd == find.except || !IsWindowEnabled(hwnd))) return TRUE;
    find.found = hwnd;
    return FALSE;
}

HWND ThreadDialog(DWORD thread, HWND except, bool visible) {
    FindDialog find;
    find.except = except;
    find.visible = visible;
    EnumThreadWindows(thread, &FindThreadDialog, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

BOOL CALLBACK CancelVisibleDialog(HWND hwnd, LPARAM) {
    if (IsVisibleDialog(hwnd)) PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return TRUE;
}

// Waits until a dialog of `thread` other than `except` is shown; null once the export returned
// or after `timeoutMs`.
HWND WaitForShownDialog(DWORD thread, HWND except, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND found = ThreadDialog(thread, except, true)) return found;
        const DWORD waited = GetTickCount() - start;
        if (g_callDone.load() || waited >= timeoutMs) return nullptr;
        WaitForSingleObject(g_wake, timeoutMs - waited);
    }
}

void PostPress(HWND window, POINT client, UINT down, UINT up) {
    const LPARAM at = MAKELPARAM(client.x, client.y);
    PostMessageW(window, WM_MOUSEMOVE, 0, at);
    PostMessageW(window, down, MK_LBUTTON, at);
    PostMessageW(window, up, 0, at);
}

}  // namespace

void DialogDriver::Click(HWND window, POINT client) {
    PostPress(window, client, WM_LBUTTONDOWN, WM_LBUTTONUP);
    Sync();
}

void DialogDriver::DoubleClick(HWND window, POINT client) {
    PostPress(window, client, WM_LBUTTONDOWN, WM_LBUTTONUP);
    PostPress(window, client, WM_LBUTTONDBLCLK, WM_LBUTTONUP);
    Sync();
}

void DialogDriver::ClickItem(int id) {
    RECT rect{};
    HWND item = Item(id);
    GetClientRect(item, &rect);
    Click(item, POINT{rect.right / 2, rect.bottom / 2});
}

HWND DialogDriver::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(m_thread, &info);
    return info.hwndFocus;
}

void DialogDriver::Key(UINT vk) {
    HWND target = Focus();
    KeyTo(target ? target : m_dialog, vk);
}

void DialogDriver::KeyTo(HWND target, UINT vk) {
    const UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, vk, MAKELPARAM(1, scan));
    PostMessageW(target, WM_KEYUP, vk, MAKELPARAM(1, scan | KF_REPEAT | KF_UP));
    Sync();
}

void DialogDriver::Type(const std::wstring& text) {
    HWND target = Focus();
    TypeTo(target ? target : m_dialog, text);
}

void DialogDriver::TypeTo(HWND window, const std::wstring& text) {
    for (wchar_t c : text) PostMessageW(window, WM_CHAR, c, 1);
    Sync();
}

void DialogDriver::CloseBox() {
    PostMessageW(m_dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    Sync();
}

bool DialogDriver::CatchUp() {
    // To the thread, not the dialog: a marker must still be taken when the dialog closes
    // meanwhile (the loop of the dialog under it, or none once the export returns).
    const LONG seq = ++g_markerSent;
    if (!PostThreadMessageW(m_thread, kMarker, static_cast<WPARAM>(seq), 0)) return false;
    const DWORD start = GetTickCount();
    while (g_markerSeen.load() < seq) {
        if (g_callDone.load() || g_stuck.load()) return false;
        const DWORD waited = GetTickCount() - start;
        if (waited >= kCatchUpMs) {
            g_stuck = true;
            ADD_FAILURE() << "the dialog's loop handled nothing for " << kCatchUpMs << " ms: it is stuck";
            return false;
        }
        WaitForSingleObject(g_wake, kCatchUpMs - waited);
    }
    return true;
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
        WaitForSingleObject(g_wake, ms - waited);
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
    static const HHOOK messages = SetWindowsHookExW(WH_GETMESSAGE, &GetMessageHook, nullptr, GetCurrentThreadId());
    static const HHOOK windows = SetWindowsHookExW(WH_CBT, &WindowHook, nullptr, GetCurrentThreadId());
    (void)messages;
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
            EnumThreadWindows(mainThread, &CancelVisibleDialog, 0);
            driver.WaitClosed(500);
        }
    });
    call();
    g_callDone = true;
    SetEvent(g_wake);
    driver.join();
    // Markers posted after the dialog closed must not reach the next dialog's loop. A filter
    // does not keep PeekMessage from taking WM_QUIT: that one stays for the host's own loop.
    MSG msg;
    bool quit = false;
    WPARAM quitCode = 0;
    while (PeekMessageW(&msg, nullptr, kMarker, kMarker, PM_REMOVE)) {
        if (msg.message != WM_QUIT) continue;
        quit = true;
        quitCode = msg.wParam;
    }
    if (quit) PostThreadMessageW(GetCurrentThreadId(), WM_QUIT, quitCode, 0);
    if (expect == Expect::Dialog && !run.appeared) ADD_FAILURE() << "the call showed no dialog";
    if (expect == Expect::NoDialog && run.appeared) ADD_FAILURE() << "the call showed a dialog";
    return run;
}

DialogRun RunExpectingNoDialog(const std::function<void()>& call) {
    return RunDialog(call, [](DialogDriver&) {}, Expect::NoDialog);
}
