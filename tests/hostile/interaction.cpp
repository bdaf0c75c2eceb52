// Input is posted at hit-tested points of the controls, as the suite's driver does: it goes through
// the controls' own handling. The driver waits for the calling thread's loop between steps.
#include "interaction.h"

#include <atomic>
#include <thread>
#include <vector>

namespace {

int Pick(Rng& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

bool IsDialog(HWND hwnd) {
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    return lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(hwnd);
}

struct Dialogs {
    std::vector<HWND> all;
    HWND enabled = nullptr;  // the one taking input: the innermost
};

BOOL CALLBACK CollectDialog(HWND hwnd, LPARAM lParam) {
    auto& d = *reinterpret_cast<Dialogs*>(lParam);
    if (!IsDialog(hwnd)) return TRUE;
    d.all.push_back(hwnd);
    if (IsWindowEnabled(hwnd) && !d.enabled) d.enabled = hwnd;
    return TRUE;
}

Dialogs DialogsOf(DWORD thread) {
    Dialogs d;
    EnumThreadWindows(thread, &CollectDialog, reinterpret_cast<LPARAM>(&d));
    return d;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lParam) {
    if (IsWindowVisible(hwnd)) reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

// A marker posted behind the input: once the calling thread's loop has taken it, everything
// posted before it has been handled. Seen by a message hook on the calling thread.
const UINT kMarker = RegisterWindowMessageW(L"KorvelHostileMarker");
std::atomic<LONG> g_markerSeen{0};
std::atomic<LONG> g_markerSent{0};

LRESULT CALLBACK WatchMarkers(int code, WPARAM removed, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removed == PM_REMOVE && msg->message == kMarker)
        g_markerSeen.store(static_cast<LONG>(msg->wParam));
    return CallNextHookEx(nullptr, code, removed, lParam);
}

// Waits until the calling thread's loop has handled what was posted to `window` (twice: a posted
// key becomes a WM_CHAR queued behind the first marker).
void Settle(HWND window) {
    for (int round = 0; round < 2; ++round) {
        const LONG seq = ++g_markerSent;
        if (!PostMessageW(window, kMarker, static_cast<WPARAM>(seq), 0)) return;
        const DWORD start = GetTickCount();
        while (g_markerSeen.load() < seq && IsWindow(window) && GetTickCount() - start < 2000) Sleep(1);
    }
}

void PostClick(HWND window, POINT at, bool twice) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    PostMessageW(window, WM_MOUSEMOVE, 0, where);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageW(window, WM_LBUTTONUP, 0, where);
    if (!twice) return;
    PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
    PostMessageW(window, WM_LBUTTONUP, 0, where);
}

HWND FocusOf(DWORD thread, HWND fallback) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread, &info);
    return info.hwndFocus ? info.hwndFocus : fallback;
}

void PostKey(HWND target, UINT vk) {
    const UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, vk, MAKELPARAM(1, scan));
    PostMessageW(target, WM_KEYUP, vk, MAKELPARAM(1, scan | KF_REPEAT | KF_UP));
}

void RandomAction(Rng& rng, DWORD thread, HWND dialog) {
    std::vector<HWND> children;
    EnumChildWindows(dialog, &CollectChild, reinterpret_cast<LPARAM>(&children));
    switch (Pick(rng, 0, 9)) {
    case 0: case 1: case 2: case 3: case 4: {  // a press somewhere in a control, or the dialog
        HWND target = children.empty() || Pick(rng, 0, 5) == 0 ? dialog : children[Pick(rng, 0, int(children.size()) - 1)];
        RECT rect{};
        GetClientRect(target, &rect);
        const POINT at{Pick(rng, 0, std::max(0L, rect.right - 1)), Pick(rng, 0, std::max(0L, rect.bottom - 1))};
        PostClick(target, at, Pick(rng, 0, 5) == 0);
        break;
    }
    case 5: case 6: case 7: {  // a key to the focus
        const UINT keys[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_PRIOR, VK_NEXT, VK_SPACE, VK_TAB, VK_F2, VK_DELETE, VK_BACK, 'A', '5'};
        PostKey(FocusOf(thread, dialog), keys[Pick(rng, 0, 14)]);
        break;
    }
    default: {  // typing into whatever has the focus
        const wchar_t* texts[] = {L"12.5", L"-3e40", L"abc", L"0", L"99999999999", L"\x5de5\x51b5", L"1e-50", L"nan", L"."};
        HWND focus = FocusOf(thread, dialog);
        for (const wchar_t* c = texts[Pick(rng, 0, 8)]; *c; ++c) PostMessageW(focus, WM_CHAR, *c, 1);
        break;
    }
    }
}

void TakeWayOut(WayOut way, DWORD thread, HWND dialog) {
    switch (way) {
    case WayOut::OkButton: PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); break;
    case WayOut::CancelButton: PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); break;
    case WayOut::Escape: PostKey(FocusOf(thread, dialog), VK_ESCAPE); break;
    case WayOut::Enter: PostKey(FocusOf(thread, dialog), VK_RETURN); break;
    case WayOut::CloseBox: PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case WayOut::Quit: PostThreadMessageW(thread, WM_QUIT, 0, 0); break;
    case WayOut::Count: break;
    }
}

bool WaitGone(HWND dialog, DWORD ms) {
    const DWORD start = GetTickCount();
    while (IsWindow(dialog) && GetTickCount() - start < ms) Sleep(5);
    return !IsWindow(dialog);
}

// Cancels every dialog of the thread, innermost first, until the first one has gone.
bool ForceClosed(DWORD thread, HWND first) {
    const DWORD start = GetTickCount();
    while (IsWindow(first) && GetTickCount() - start < 10000) {
        for (HWND d : DialogsOf(thread).all) PostMessageW(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        WaitGone(first, 300);
    }
    return !IsWindow(first);
}

// Looks for as long as the call runs: a list of a million rows takes seconds to open.
HWND WaitForDialog(DWORD thread, const std::atomic<bool>& done) {
    while (!done) {
        const Dialogs d = DialogsOf(thread);
        if (!d.all.empty()) return d.all.back();
        Sleep(3);
    }
    return nullptr;
}

Interaction Drive(const std::function<void()>& call, const std::function<void(Interaction&, DWORD, HWND)>& script) {
    static HHOOK markers = SetWindowsHookExW(WH_GETMESSAGE, &WatchMarkers, nullptr, GetCurrentThreadId());
    (void)markers;
    Interaction seen;
    const DWORD thread = GetCurrentThreadId();
    std::atomic<bool> done{false};
    std::thread driver([&] {
        HWND dialog = WaitForDialog(thread, done);
        if (!dialog) return;
        seen.appeared = true;
        script(seen, thread, dialog);
        if (WaitGone(dialog, 3000)) return;
        seen.forced = true;
        seen.hung = !ForceClosed(thread, dialog);
    });
    call();
    done = true;
    driver.join();
    // Markers left over must not reach the next call's dialog. A peek takes a WM_QUIT whatever
    // its filter: one found here is the host's, kept for the caller to see.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, kMarker, kMarker, PM_REMOVE))
        if (msg.message == WM_QUIT) seen.quitPending = true;
    if (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) seen.quitPending = true;
    return seen;
}

}  // namespace

const char* Name(WayOut way) {
    const char* names[] = {"OK", "Cancel", "Escape", "Enter", "close box", "WM_QUIT", ""};
    return names[static_cast<int>(way)];
}

Interaction Interact(const std::function<void()>& call, Rng rng, int actions, WayOut way) {
    return Drive(call, [&](Interaction& seen, DWORD thread, HWND dialog) {
        seen.way = way;
        for (int i = 0; i < actions && IsWindow(dialog); ++i) {
            const Dialogs d = DialogsOf(thread);
            HWND target = d.enabled ? d.enabled : dialog;
            RandomAction(rng, thread, target);
            Settle(target);
        }
        if (!IsWindow(dialog)) return;
        const Dialogs d = DialogsOf(thread);
        seen.openAtWayOut = d.all.size() == 1 && d.enabled == dialog;
        TakeWayOut(way, thread, d.enabled ? d.enabled : dialog);
    });
}

Interaction PressAndOk(const std::function<void()>& call) {
    return Drive(call, [](Interaction& seen, DWORD thread, HWND dialog) {
        seen.way = WayOut::OkButton;
        std::vector<HWND> children;
        EnumChildWindows(dialog, &CollectChild, reinterpret_cast<LPARAM>(&children));
        for (HWND child : children) {
            wchar_t cls[32] = {};
            GetClassNameW(child, cls, 32);
            if (lstrcmpW(cls, L"SysListView32") != 0 && lstrcmpW(cls, L"SysTreeView32") != 0) continue;
            RECT rect{};
            GetClientRect(child, &rect);
            PostClick(child, POINT{rect.right / 2, rect.bottom / 3}, false);
            Settle(dialog);
            for (int i = 0; i < 20 && DialogsOf(thread).all.size() > 1; ++i) {
                for (HWND d : DialogsOf(thread).all)
                    if (d != dialog) PostMessageW(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                Sleep(10);
            }
        }
        seen.openAtWayOut = true;
        TakeWayOut(WayOut::OkButton, thread, dialog);
    });
}
