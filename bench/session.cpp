// The host window receives WM_ENTERIDLE from a modal dialog's loop each time its queue runs dry:
// with no paint pending then, the dialog is painted and idle.
#include "session.h"

#include <commctrl.h>

namespace bench {
namespace {

struct Session {
    Plan plan;
    Timing timing;
    double start = 0;
    double mark = 0;
    bool pressing = false;
    bool closing = false;
    int pressesLeft = 0;
};
Session* g_session = nullptr;

Shape ReadShape(HWND control) {
    Shape shape;
    wchar_t name[32] = L"";
    GetClassNameW(control, name, 32);
    SCROLLINFO scroll{sizeof(scroll), SIF_RANGE, 0, 0, 0, 0, 0};
    if (GetScrollInfo(control, SB_VERT, &scroll)) shape.scrollRows = scroll.nMax;
    if (lstrcmpiW(name, WC_TREEVIEWW) == 0) {
        shape.items = static_cast<int>(SendMessageW(control, TVM_GETCOUNT, 0, 0));
        shape.columns = 1;
        shape.rowHeight = static_cast<int>(SendMessageW(control, TVM_GETITEMHEIGHT, 0, 0));
        return shape;
    }
    shape.items = static_cast<int>(SendMessageW(control, LVM_GETITEMCOUNT, 0, 0));
    HWND header = reinterpret_cast<HWND>(SendMessageW(control, LVM_GETHEADER, 0, 0));
    shape.columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    if (SendMessageW(control, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row))) shape.rowHeight = row.bottom - row.top;
    return shape;
}

// A press as the mouse gives it, on the middle of a row's text.
void PostPress(HWND list, int row) {
    RECT label{LVIR_LABEL, 0, 0, 0};
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&label));
    const LPARAM point = MAKELPARAM((label.left + label.right) / 2, (label.top + label.bottom) / 2);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(list, WM_LBUTTONUP, 0, point);
}

void OnIdle(HWND dialog) {
    Session& s = *g_session;
    if (s.closing || !IsWindowVisible(dialog)) return;
    if (HIWORD(GetQueueStatus(QS_PAINT)) & QS_PAINT) return;
    const double now = NowMs();
    HWND control = GetDlgItem(dialog, s.plan.controlId);
    if (s.timing.openMs < 0) {
        s.timing.openMs = now - s.start;
        s.timing.shape = ReadShape(control);
    } else if (s.pressing) {
        s.timing.pressMs.push_back(now - s.mark);
        s.pressing = false;
    }
    if (s.pressesLeft > 0) {
        PostPress(control, (s.pressesLeft-- % 2) ? 2 : 4);
        s.pressing = true;
        s.mark = NowMs();
        return;
    }
    s.closing = true;
    s.mark = NowMs();
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX && g_session) OnIdle(reinterpret_cast<HWND>(lParam));
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

double NowMs() {
    static const double perMs = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / perMs;
}

HWND HostWindow() {
    static HWND host = [] {
        WNDCLASSW type{};
        type.lpfnWndProc = &HostProc;
        type.hInstance = GetModuleHandleW(nullptr);
        type.lpszClassName = L"KorvelBenchHost";
        RegisterClassW(&type);
        HWND window = CreateWindowW(type.lpszClassName, L"bench host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800,
                                    600, nullptr, nullptr, type.hInstance, nullptr);
        SetForegroundWindow(window);
        SetActiveWindow(window);
        return window;
    }();
    return host;
}

Timing TimeCall(const Plan& plan, const std::function<void()>& call) {
    HostWindow();
    Session session;
    session.plan = plan;
    session.pressesLeft = plan.presses;
    g_session = &session;
    session.start = NowMs();
    call();
    session.timing.closeMs = NowMs() - session.mark;
    g_session = nullptr;
    return session.timing;
}

}  // namespace bench
