// The second-thread driver and the message hook that tells it when the modal loop caught up.
#include "dialog_driver.h"

#include <atomic>
#include <thread>
#include <vector>

namespace {

const UINT kMarker = RegisterWindowMessageW(L"KorvelTestMarker");
std::atomic<LONG> g_markerSeen{0};
std::atomic<LONG> g_markerSent{0};

// Sees every message the main thread retrieves; a marker means everything posted before it
// has been dispatched.
LRESULT CALLBACK GetMessageHook(int code, WPARAM removed, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removed == PM_REMOVE && msg->message == kMarker)
        g_markerSeen.store(static_cast<LONG>(msg->wParam));
    return CallNextHookEx(nullptr, code, removed, lParam);
}

struct FindDialog {
    HWND found = nullptr;
    HWND except = nullptr;  // with `except`, only an enabled dialog other than it counts
};

bool IsVisibleDialog(HWND hwnd) {
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    return lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(hwnd);
}

BOOL CALLBACK FindVisibleDialog(HWND hwnd, LPARAM lParam) {
    auto& find = *reinterpret_cast<FindDialog*>(lParam);
    if (!IsVisibleDialog(hwnd) || (find.except && (hwnd == find.except || !IsWindowEnabled(hwnd)))) return TRUE;
    find.found = hwnd;
    return FALSE;
}

BOOL CALLBACK CancelVisibleDialog(HWND hwnd, LPARAM) {
    if (IsVisibleDialog(hwnd)) PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return TRUE;
}

HWND WaitForDialog(DWORD threadId, const std::atomic<bool>& callDone, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!callDone.load() && GetTickCount() - start < timeoutMs) {
        FindDialog find;
        EnumThreadWindows(threadId, &FindVisibleDialog, reinterpret_cast<LPARAM>(&find));
        if (find.found) return find.found;
        Sleep(5);
    }
    return nullptr;
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
    GetGUIThreadInfo(GetWindowThreadProcessId(m_dialog, nullptr), &info);
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
    for (wchar_t c : text) PostMessageW(target ? target : m_dialog, WM_CHAR, c, 1);
    Sync();
}

void DialogDriver::CloseBox() {
    PostMessageW(m_dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    Sync();
}

void DialogDriver::Sync() {
    // Twice: a posted key becomes a WM_CHAR that is queued behind the first marker.
    for (int round = 0; round < 2; ++round) {
        const LONG seq = ++g_markerSent;
        if (!PostMessageW(m_dialog, kMarker, static_cast<WPARAM>(seq), 0)) return;
        const DWORD start = GetTickCount();
        while (g_markerSeen.load() < seq && IsWindow(m_dialog) && GetTickCount() - start < 3000) Sleep(1);
    }
}

bool DialogDriver::WaitClosed(DWORD ms) {
    const DWORD start = GetTickCount();
    while (IsWindow(m_dialog)) {
        if (GetTickCount() - start > ms) return false;
        Sleep(2);
    }
    return true;
}

HWND DialogDriver::WaitForOtherDialog(DWORD ms) const {
    const DWORD thread = GetWindowThreadProcessId(m_dialog, nullptr);
    const DWORD start = GetTickCount();
    do {
        FindDialog find;
        find.except = m_dialog;
        EnumThreadWindows(thread, &FindVisibleDialog, reinterpret_cast<LPARAM>(&find));
        if (find.found) return find.found;
        Sleep(5);
    } while (GetTickCount() - start < ms);
    return nullptr;
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
                    DWORD timeoutMs) {
    static HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, &GetMessageHook, nullptr, GetCurrentThreadId());
    (void)hook;
    DialogRun run;
    std::atomic<bool> callDone{false};
    const DWORD mainThread = GetCurrentThreadId();
    std::thread driver([&] {
        HWND dialog = WaitForDialog(mainThread, callDone, timeoutMs);
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
    callDone = true;
    driver.join();
    // Markers posted after the dialog closed must not reach the next dialog's loop.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, kMarker, kMarker, PM_REMOVE)) {
    }
    return run;
}
