// Posted mouse, key and character messages.
#include "posted_input.h"

namespace korvel_test {
namespace {

void PostPress(HWND window, POINT client, UINT down, UINT up) {
    const LPARAM at = MAKELPARAM(client.x, client.y);
    PostMessageW(window, WM_MOUSEMOVE, 0, at);
    PostMessageW(window, down, MK_LBUTTON, at);
    PostMessageW(window, up, 0, at);
}

}  // namespace

void PostClick(HWND window, POINT client) { PostPress(window, client, WM_LBUTTONDOWN, WM_LBUTTONUP); }

void PostDoubleClick(HWND window, POINT client) {
    PostPress(window, client, WM_LBUTTONDOWN, WM_LBUTTONUP);
    PostPress(window, client, WM_LBUTTONDBLCLK, WM_LBUTTONUP);
}

void PostKey(HWND window, UINT vk) {
    const UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, vk, MAKELPARAM(1, scan));
    PostMessageW(window, WM_KEYUP, vk, MAKELPARAM(1, scan | KF_REPEAT | KF_UP));
}

void PostText(HWND window, const std::wstring& text) {
    for (wchar_t c : text) PostMessageW(window, WM_CHAR, c, 1);
}

HWND FocusOf(DWORD thread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread, &info);
    return info.hwndFocus;
}

}  // namespace korvel_test
