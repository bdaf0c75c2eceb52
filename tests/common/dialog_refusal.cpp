// The veto of a dialog window's creation.
#include "dialog_refusal.h"

#include <gtest/gtest.h>

#include <atomic>

#include "thread_dialogs.h"

namespace {

std::atomic<bool> g_refuseNext{false};
std::atomic<bool> g_refused{false};  // a dialog was refused since the last arming

LRESULT CALLBACK RefuseDialog(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && korvel_test::IsDialogBox(reinterpret_cast<HWND>(wParam)) &&
        g_refuseNext.exchange(false)) {
        g_refused = true;
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

DialogRefusal::DialogRefusal() : m_hook(SetWindowsHookExW(WH_CBT, &RefuseDialog, nullptr, GetCurrentThreadId())) {
    EXPECT_NE(m_hook, nullptr) << "the refusing hook could not be set";
}

DialogRefusal::~DialogRefusal() {
    g_refuseNext = false;
    if (m_hook) UnhookWindowsHookEx(m_hook);
}

void DialogRefusal::RefuseNext() noexcept {
    g_refused = false;
    g_refuseNext = true;
}

bool DialogRefusal::Used() const noexcept { return g_refused; }
