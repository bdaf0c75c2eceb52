// The catcher's hook, timer and steps. Neither callback lets an exception through to user32.
#include "dialog_catcher.h"

namespace demo {
namespace {

constexpr UINT kTickMs = 50;
constexpr DWORD kFlushMs = 100;  // after the forced repaint, for the screen to show it

// Hooks and thread timers carry no context of their own: the thread's catcher is found here.
thread_local DialogCatcher* t_catcher = nullptr;

bool IsDialogWindow(HWND hwnd) {
    wchar_t className[16] = {};
    GetClassNameW(hwnd, className, 16);
    return lstrcmpW(className, L"#32770") == 0;
}

BOOL CALLBACK FindShownDialog(HWND hwnd, LPARAM found) {
    if (!IsDialogWindow(hwnd) || !IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

// A shown dialog of this thread, for a dialog that became visible without being activated.
HWND ShownDialogOfThread() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindShownDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

void PressButton(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

}  // namespace

DialogCatcher::DialogCatcher(Timing timing)
    : m_timing(timing), m_since(GetTickCount()), m_previous(t_catcher) {
    t_catcher = this;
    m_hook.reset(SetWindowsHookExW(WH_CBT, &DialogCatcher::CbtProc, nullptr, GetCurrentThreadId()));
    m_timer = SetTimer(nullptr, 0, kTickMs, &DialogCatcher::TimerProc);
}

DialogCatcher::~DialogCatcher() {
    if (m_timer) KillTimer(nullptr, m_timer);
    m_hook.reset();
    t_catcher = m_previous;
}

std::string DialogCatcher::Problem() const {
    if (!m_problem.empty()) return m_problem;
    if (!m_dialog) return "no dialog appeared";
    if (!Closed()) return "the dialog did not close";
    return {};
}

bool DialogCatcher::Closed() const noexcept {
    return (m_state == State::Closing || m_state == State::Closed) && !IsWindow(m_dialog);
}

LRESULT CALLBACK DialogCatcher::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && t_catcher && !t_catcher->m_dialog) {
        HWND activated = reinterpret_cast<HWND>(wParam);
        if (IsDialogWindow(activated)) t_catcher->m_dialog = activated;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK DialogCatcher::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    // A WM_TIMER already queued when its timer was killed still arrives (KillTimer remarks).
    if (t_catcher && t_catcher->m_timer == id) t_catcher->Step();
}

void DialogCatcher::Step() noexcept {
    try {
        const DWORD now = GetTickCount();
        switch (m_state) {
        case State::Waiting: StepWaiting(now); break;
        case State::Settling: StepSettling(now); break;
        case State::Capturing: StepCapturing(now); break;
        case State::Closing: StepClosing(now); break;
        case State::Closed:
        case State::GaveUp: break;
        }
    } catch (...) {
        Fail("the picture could not be taken");
        if (m_dialog && IsWindow(m_dialog)) EndDialog(m_dialog, IDCANCEL);
    }
}

void DialogCatcher::StepWaiting(DWORD now) {
    if (!m_dialog) m_dialog = ShownDialogOfThread();
    if (m_dialog && IsWindowVisible(m_dialog)) {
        m_state = State::Settling;
        m_since = now;
    } else if (now - m_since > m_timing.appearMs) {
        Fail("no dialog appeared");
    }
}

void DialogCatcher::StepSettling(DWORD now) {
    if (!IsWindow(m_dialog)) return Fail("the dialog closed before its picture was taken");
    if (now - m_since < m_timing.settleMs) return;
    // A modal dialog is the active window; should a desktop process have taken the activation
    // meanwhile, the picture would show an inactive title bar.
    if (GetForegroundWindow() != m_dialog) SetForegroundWindow(m_dialog);
    // Whatever is still invalid is painted now, frame included; the screen shows it a moment later.
    RedrawWindow(m_dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    m_state = State::Capturing;
    m_since = now;
}

void DialogCatcher::StepCapturing(DWORD now) {
    if (!IsWindow(m_dialog)) return Fail("the dialog closed before its picture was taken");
    if (now - m_since < kFlushMs) return;
    if (m_takeInner) {
        m_picture = m_takeInner(m_dialog, m_problem);
    } else {
        RECT rect{};
        GetWindowRect(m_dialog, &rect);
        m_picture = CaptureScreen(rect);
    }
    if (!Captured() && m_problem.empty()) m_problem = "the screen could not be read";
    PressButton(m_dialog, IDOK);
    m_state = State::Closing;
    m_since = now;
}

void DialogCatcher::StepClosing(DWORD now) {
    if (Closed()) {
        m_state = State::Closed;
        return;
    }
    if (now - m_since <= m_timing.closeMs) return;
    m_forced = true;
    if (!m_cancelPosted) {
        m_problem = "the dialog did not close on OK";
        PressButton(m_dialog, IDCANCEL);
        m_cancelPosted = true;
        m_since = now;
    } else {
        // Same thread as the dialog's modal loop, so ending it here is allowed (EndDialog remarks).
        EndDialog(m_dialog, IDCANCEL);
    }
}

void DialogCatcher::Fail(const char* problem) {
    if (m_problem.empty()) m_problem = problem;
    m_state = State::GaveUp;
}

}  // namespace demo
