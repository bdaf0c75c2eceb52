// RedrawGuard: a window's drawing switched off for one batch of changes, so they are drawn once.
#pragma once
#include <windows.h>

namespace platform {

// WM_SETREDRAW FALSE on construction, TRUE on destruction, on every way out of the scope, and
// then the whole window drawn afresh: turning redraw back on does not promise a repaint. The
// window keeps no count of these, so guards of one window must not nest.
class RedrawGuard {
public:
    explicit RedrawGuard(HWND window) noexcept : m_window(window) { SendMessageW(m_window, WM_SETREDRAW, FALSE, 0); }
    ~RedrawGuard() {
        SendMessageW(m_window, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(m_window, nullptr, TRUE);
    }
    RedrawGuard(const RedrawGuard&) = delete;
    RedrawGuard& operator=(const RedrawGuard&) = delete;

private:
    HWND m_window;
};

}  // namespace platform
