// Input is posted at hit-tested points of the controls, as the suite's driver does: it goes through
// the controls' own handling. The driver waits for the calling thread's loop between steps.
#include "interaction.h"

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include "posted_input.h"
#include "settle.h"
#include "thread_dialogs.h"

namespace {

int Pick(Rng& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

struct Dialogs {
    std::vector<HWND> all;
    HWND enabled = nullptr;  // the one taking input: the innermost
};

Dialogs DialogsOf(DWORD thread) {
    Dialogs d;
    d.all = korvel_test::ThreadDialogs(thread);
    for (HWND dialog : d.all)
        if (IsWindowEnabled(dialog)) {
            d.enabled = dialog;
            break;
        }
    return d;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lParam) {
    if (IsWindowVisible(hwnd)) reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

// Waits until the calling thread's loop has handled what was posted to `window` (twice: a posted
// key becomes a WM_CHAR queued behind the first marker), or until `window` is gone.
void Settle(DWORD thread, HWND window) {
    const korvel_test::SettleLimits limits{2000, [window] { return !IsWindow(window); }, 1};
    for (int round = 0; round < 2; ++round) korvel_test::Settle(thread, limits);
}

HWND FocusOf(DWORD thread, HWND fallback) {
    HWND focus = korvel_test::FocusOf(thread);
    return focus ? focus : fallback;
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
        if (Pick(rng, 0, 5) == 0) korvel_test::PostDoubleClick(target, at);
        else korvel_test::PostClick(target, at);
        break;
    }
    case 5: case 6: case 7: {  // a key to the focus
        const UINT keys[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_PRIOR, VK_NEXT, VK_SPACE, VK_TAB, VK_F2, VK_DELETE, VK_BACK, 'A', '5'};
        korvel_test::PostKey(FocusOf(thread, dialog), keys[Pick(rng, 0, 14)]);
        break;
    }
    default: {  // typing into whatever has the focus
        const wchar_t* texts[] = {L"12.5", L"-3e40", L"abc", L"0", L"99999999999", L"\x5de5\x51b5", L"1e-50", L"nan", L"."};
        korvel_test::PostText(FocusOf(thread, dialog), texts[Pick(rng, 0, 8)]);
        break;
    }
    }
}

void TakeWayOut(WayOut way, DWORD thread, HWND dialog) {
    switch (way) {
    case WayOut::OkButton: PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); break;
    case WayOut::CancelButton: korvel_test::PostCancel(dialog); break;
    case WayOut::Escape: korvel_test::PostKey(FocusOf(thread, dialog), VK_ESCAPE); break;
    case WayOut::Enter: korvel_test::PostKey(FocusOf(thread, dialog), VK_RETURN); break;
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
        for (HWND d : korvel_test::ThreadDialogs(thread)) korvel_test::PostCancel(d);
        WaitGone(first, 300);
    }
    return !IsWindow(first);
}

// Looks for as long as the call runs: a list of a million rows takes seconds to open.
HWND WaitForDialog(DWORD thread, const std::atomic<bool>& done) {
    while (!done) {
        const std::vector<HWND> dialogs = korvel_test::ThreadDialogs(thread);
        if (!dialogs.empty()) return dialogs.back();
        Sleep(3);
    }
    return nullptr;
}

Interaction Drive(const std::function<void()>& call, const std::function<void(Interaction&, DWORD, HWND)>& script) {
    korvel_test::WatchMarkers();
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
        // The call cannot return to report it: say so now, and the call's deadline ends the run.
        if (seen.hung) std::printf("  the dialog could not be closed; the call stays inside it\n");
    });
    call();
    done = true;
    driver.join();
    // Markers left over must not reach the next call's dialog. A WM_QUIT found here is the host's,
    // taken out for the caller to see.
    if (korvel_test::DropMarkers()) seen.quitPending = true;
    MSG msg;
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
            Settle(thread, target);
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
            korvel_test::PostClick(child, POINT{rect.right / 2, rect.bottom / 3});
            Settle(thread, dialog);
            for (int i = 0; i < 20 && DialogsOf(thread).all.size() > 1; ++i) {
                for (HWND d : DialogsOf(thread).all)
                    if (d != dialog) korvel_test::PostCancel(d);
                Sleep(10);
            }
        }
        seen.openAtWayOut = true;
        TakeWayOut(WayOut::OkButton, thread, dialog);
    });
}
