// A hook on the window's thread runs the work as the loop takes the message posted for it.
#include "window_thread.h"

#include <atomic>

namespace {

const UINT kWork = RegisterWindowMessageW(L"KorvelTestWindowThreadWork");
std::atomic<const std::function<void()>*> g_work{nullptr};
std::atomic<bool> g_done{false};

LRESULT CALLBACK WorkHook(int code, WPARAM removed, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    const std::function<void()>* work = g_work.load();
    if (code == HC_ACTION && removed == PM_REMOVE && msg->message == kWork && work) {
        (*work)();
        g_done = true;
    }
    return CallNextHookEx(nullptr, code, removed, lParam);
}

}  // namespace

bool RunOnWindowThread(DialogDriver& d, HWND window, const std::function<void()>& work) {
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, &WorkHook, nullptr, GetWindowThreadProcessId(window, nullptr));
    if (!hook) return false;
    g_done = false;
    g_work = &work;
    PostMessageW(window, kWork, 0, 0);
    d.Sync();
    // Not taken by now, the message finds no hook: it never runs work that is gone.
    UnhookWindowsHookEx(hook);
    g_work = nullptr;
    return g_done.load();
}
