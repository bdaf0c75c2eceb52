// The hosts' windows share one class.
#include "host_window.h"

HWND CreateHostWindow(int x, int y, int width, int height, HWND owner, DWORD style) {
    static const ATOM cls = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"KorvelTestHost";
        return RegisterClassW(&wc);
    }();
    HWND host = CreateWindowExW(0, MAKEINTATOM(cls), L"host", style, x, y, width, height, owner, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(host);
    return host;
}
