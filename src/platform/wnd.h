// CWnd: a non-owning view of a window, able to subclass a template control so that a member
// object handles its messages and the notifications its parent reflects back to it.
#pragma once
#include <windows.h>

#include <string>

namespace platform {

// The whole text of any window.
std::wstring WindowText(HWND window);
// The font a window draws its text with (WM_GETFONT); null for the system font.
inline HFONT WindowFont(HWND window) { return reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)); }

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const noexcept { return m_hWnd; }

    // Routes the control's messages to WindowProc until the window is destroyed or this object
    // goes (the window's procedure swapped, this object in its user data). False if already
    // attached, or if the window's user data is already taken.
    // The subclass is removed as the window's destruction begins (WM_DESTROY), so the control
    // tears down its items without every message it sends itself passing the chain.
    // A control may take the template's window in another form first (see CVirtualListCtrl).
    virtual bool SubclassDlgItem(int id, HWND parent);
    // The same for a window the library created itself.
    bool SubclassWindow(HWND window);

    // The DPI the window lays itself out for: its window's (WindowDpi, asked once: rows ask it
    // as they draw) until a DPI change names another.
    int Dpi() const;
    // The dialog moved to a screen of another DPI (`dpi`, from WM_DPICHANGED): after the platform
    // has re-fonted and moved the controls, each redoes the sizes it computed itself.
    virtual void OnDpiChanged(int dpi) { m_nDpi = dpi; }

    // Notifications the parent dialog hands back to the control that sent them.
    virtual bool OnReflectedDrawItem(DRAWITEMSTRUCT& /*item*/) { return false; }
    virtual bool OnReflectedNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }

    DWORD GetStyle() const { return static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    // Changes the style bits without moving the window.
    void ModifyStyle(DWORD remove, DWORD add);
    RECT GetClientRect() const;
    void Invalidate(bool erase = true) const { InvalidateRect(m_hWnd, nullptr, erase ? TRUE : FALSE); }
    void SetWindowText(const std::wstring& text) const { ::SetWindowTextW(m_hWnd, text.c_str()); }
    std::wstring GetWindowText() const;
    HFONT GetFont() const { return WindowFont(m_hWnd); }
    // The window draws its text with `font` (WM_SETFONT), which the caller keeps alive.
    void SetFont(HFONT font, bool redraw = true) const {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
    }
    // The library's own messages to its control go straight to the control's own procedure:
    // WindowProc sees what the user, the platform and other windows send, never what this
    // object asks of its own control (a fill of 10,000 rows would pass it 10,000 times).
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

protected:
    // Messages of a subclassed control; the default passes them to the control's own procedure.
    // WM_DESTROY arrives here after the subclass is gone; PostNcDestroy follows it.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) const;
    // Called last, after the window's WM_DESTROY was handled and this object detached from it:
    // an object that owns itself deletes itself here.
    virtual void PostNcDestroy() {}

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Unsubclass() noexcept;
    mutable int m_nDpi = 0;  // the window's, asked once it exists; then the one a DPI change names
    bool m_subclassed = false;
    WNDPROC m_originalProc = nullptr;  // the control's own procedure, from before the subclass
};

}  // namespace platform
