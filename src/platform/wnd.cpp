// Subclassing by swapping the control's window procedure, with this object's address in the
// window's user data. comctl32's SetWindowSubclass keeps its chain in a window property, which
// costs a few round trips to the window server per message under Wine: every mouse, paint and
// timer message of a list would pay them. The user data and the procedure are read in process.
#include "platform/wnd.h"

#include <vector>

#include "platform/call_failure.h"
#include "platform/modal_runs.h"
#include "platform/window_dpi.h"

namespace platform {

namespace {
// Where the control's own procedure is kept when another procedure was set on top of ours
// and ours cannot be taken out of the way.
constexpr wchar_t kOriginalProcProperty[] = L"Korvel.OriginalProc";
}  // namespace

CWnd::~CWnd() { Unsubclass(); }

bool CWnd::SubclassDlgItem(int id, HWND parent) { return SubclassWindow(GetDlgItem(parent, id)); }

bool CWnd::SubclassWindow(HWND window) {
    // A window whose user data is taken belongs to someone else's object.
    if (m_subclassed || !window || GetWindowLongPtrW(window, GWLP_USERDATA)) return false;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    const auto original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    if (!original) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return false;
    }
    m_hWnd = window;
    m_originalProc = original;
    m_subclassed = true;
    return true;
}

void CWnd::Unsubclass() noexcept {
    if (m_subclassed && m_hWnd) {
        // The control's own procedure goes back only while ours is the one in place; a procedure
        // set on top of ours later keeps calling ours, which then passes everything on.
        if (GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc))
            SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
        else
            SetPropW(m_hWnd, kOriginalProcProperty, reinterpret_cast<HANDLE>(m_originalProc));
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    }
    m_subclassed = false;
}

void CWnd::ModifyStyle(DWORD remove, DWORD add) {
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style) return;
    // The control learns of the change from WM_STYLECHANGED; nothing is moved or resized.
    SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
}

int CWnd::Dpi() const {
    if (m_nDpi > 0) return m_nDpi;
    const int dpi = WindowDpi(m_hWnd);
    if (m_hWnd) m_nDpi = dpi;  // before the window exists, the screen's stands in
    return dpi;
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
    // Also past WM_DESTROY, when the subclass is gone: the control's own procedure handles the rest.
    if (m_originalProc) return CallWindowProcW(m_originalProc, m_hWnd, message, wParam, lParam);
    return DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* wnd = reinterpret_cast<CWnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!wnd) {  // detached while another procedure sits on top of ours: pass everything on
        const auto original = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kOriginalProcProperty));
        if (message == WM_NCDESTROY) RemovePropW(hwnd, kOriginalProcProperty);
        return original ? CallWindowProcW(original, hwnd, message, wParam, lParam)
                        : DefWindowProcW(hwnd, message, wParam, lParam);
    }
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
        NoteCaughtException();
        FailOpenDialogs();
    }
    if (destroying) {
        wnd->m_hWnd = nullptr;
        wnd->PostNcDestroy();  // may delete the object: nothing touches it after this
    }
    return result;
}

}  // namespace platform
