// Subclassing through comctl32's SetWindowSubclass, which keeps a chain that survives removal in
// any order (unlike swapping GWLP_WNDPROC).
#include "platform/wnd.h"

#include <commctrl.h>

#include <vector>

#include "platform/modal_runs.h"

namespace platform {

CWnd::~CWnd() { Unsubclass(); }

bool CWnd::SubclassDlgItem(int id, HWND parent) { return SubclassWindow(GetDlgItem(parent, id)); }

bool CWnd::SubclassWindow(HWND window) {
    if (m_subclassed || !window) return false;
    const auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (!SetWindowSubclass(window, &CWnd::SubclassProc, reinterpret_cast<UINT_PTR>(this),
                           reinterpret_cast<DWORD_PTR>(this)))
        return false;
    m_hWnd = window;
    m_originalProc = original;
    m_subclassed = true;
    return true;
}

void CWnd::Unsubclass() noexcept {
    if (m_subclassed && m_hWnd)
        RemoveWindowSubclass(m_hWnd, &CWnd::SubclassProc, reinterpret_cast<UINT_PTR>(this));
    m_subclassed = false;
}

void CWnd::ModifyStyle(DWORD remove, DWORD add) {
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style) return;
    // The control learns of the change from WM_STYLECHANGED; nothing is moved or resized.
    SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
}

RECT CWnd::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

std::wstring WindowText(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = ::GetWindowTextW(window, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

std::wstring CWnd::GetWindowText() const { return WindowText(m_hWnd); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(message, wParam, lParam);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (m_subclassed && m_originalProc) return CallWindowProcW(m_originalProc, m_hWnd, message, wParam, lParam);
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (m_subclassed) return DefSubclassProc(m_hWnd, message, wParam, lParam);
    // Past WM_DESTROY the subclass is gone: the control's own procedure handles the rest.
    if (m_originalProc) return CallWindowProcW(m_originalProc, m_hWnd, message, wParam, lParam);
    return DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND /*hwnd*/, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR /*id*/, DWORD_PTR self) {
    auto* wnd = reinterpret_cast<CWnd*>(self);
    // Removed before the control tears itself down: deleting 10,000 tree items sends the tree
    // messages that would otherwise each pass the chain.
    const bool destroying = message == WM_DESTROY || message == WM_NCDESTROY;
    if (destroying) wnd->Unsubclass();
    LRESULT result = 0;
    try {
        result = wnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind into user32, and a handler that failed half-way leaves the control in
        // a state nobody chose: the dialogs end as failures. The default handling is not run
        // again: the handler may have run it already.
        FailOpenDialogs();
    }
    if (destroying) {
        wnd->m_hWnd = nullptr;
        wnd->PostNcDestroy();  // may delete the object: nothing touches it after this
    }
    return result;
}

}  // namespace platform
