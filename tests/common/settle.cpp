// The marker, its hook and the wait for it.
#include "settle.h"

#include <algorithm>
#include <atomic>

namespace korvel_test {
namespace {

const UINT kMarker = RegisterWindowMessageW(L"KorvelTestMarker");
std::atomic<LONG> g_taken{0};
std::atomic<LONG> g_sent{0};

LRESULT CALLBACK MarkerHook(int code, WPARAM removed, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removed == PM_REMOVE && msg->message == kMarker) {
        g_taken.store(static_cast<LONG>(msg->wParam));
        SetEvent(SettleWake());
    }
    return CallNextHookEx(nullptr, code, removed, lParam);
}

}  // namespace

void WatchMarkers() {
    static const HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, &MarkerHook, nullptr, GetCurrentThreadId());
    (void)hook;
}

HANDLE SettleWake() {
    // Made on first use, whatever order the program's static objects are made in.
    static const HANDLE wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    return wake;
}

Settled Settle(DWORD thread, const SettleLimits& limits) {
    const LONG seq = ++g_sent;
    if (!PostThreadMessageW(thread, kMarker, static_cast<WPARAM>(seq), 0)) return Settled::NotPosted;
    const DWORD start = GetTickCount();
    while (g_taken.load() < seq) {
        if (limits.giveUp && limits.giveUp()) return Settled::GaveUp;
        const DWORD waited = GetTickCount() - start;
        if (waited >= limits.ms) return Settled::TimedOut;
        WaitForSingleObject(SettleWake(), std::min(limits.ms - waited, limits.recheckMs));
    }
    return Settled::Taken;
}

std::optional<WPARAM> DropMarkers() {
    std::optional<WPARAM> quit;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, kMarker, kMarker, PM_REMOVE))
        if (msg.message == WM_QUIT) quit = msg.wParam;
    return quit;
}

}  // namespace korvel_test
