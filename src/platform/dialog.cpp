// The modal dialog: owner and centring, dispatch, reflection and the data exchange entry point.
#include "platform/dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "core/dialog_template.h"
#include "platform/call_failure.h"
#include "platform/data_exchange.h"
#include "platform/modal_runs.h"
#include "platform/module.h"
#include "platform/window_dpi.h"

namespace platform {
namespace {

constexpr INT_PTR kFailed = -1;

BOOL CALLBACK SendAfterParent(HWND window, LPARAM) {
    SendMessageW(window, WM_DPICHANGED_AFTERPARENT, 0, 0);
    return TRUE;
}

// With no parent given, the owner is the last active pop-up of the calling thread's active
// window; its top-level window is disabled while the dialog runs (returned in `top`).
HWND FindOwner(HWND& top) {
    HWND owner = GetActiveWindow();
    while (owner && (GetWindowLongPtrW(owner, GWL_STYLE) & WS_CHILD)) owner = GetParent(owner);
    top = owner;
    for (HWND up = owner; up; up = GetParent(up)) top = up;
    if (owner) owner = GetLastActivePopup(owner);
    return owner;
}

// Re-enables the host's top-level window however the dialog ends.
class DisabledTopWindow {
public:
    DisabledTopWindow(HWND top, HWND owner) noexcept {
        if (top && top != owner && IsWindowEnabled(top)) {
            m_top = top;
            EnableWindow(top, FALSE);
        }
    }
    ~DisabledTopWindow() {
        if (m_top) EnableWindow(m_top, TRUE);
    }
    DisabledTopWindow(const DisabledTopWindow&) = delete;
    DisabledTopWindow& operator=(const DisabledTopWindow&) = delete;

private:
    HWND m_top = nullptr;
};

// Centres the dialog over its owner, or over the work area when it has none (or the owner is
// hidden or minimised), and keeps it inside the work area.
void CenterOverOwner(HWND dialog, HWND owner) {
    RECT self{};
    GetWindowRect(dialog, &self);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    HMONITOR nearest = MonitorFromWindow(owner ? owner : dialog, MONITOR_DEFAULTTONEAREST);
    GetMonitorInfoW(nearest, &monitor);
    const RECT area = monitor.rcWork;
    RECT center = area;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &center);

    const LONG width = self.right - self.left;
    const LONG height = self.bottom - self.top;
    LONG left = (center.left + center.right) / 2 - width / 2;
    LONG top = (center.top + center.bottom) / 2 - height / 2;
    left = std::max(area.left, std::min(left, area.right - width));
    top = std::max(area.top, std::min(top, area.bottom - height));
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A copy of template `id` whose lists `lists` are made with LVS_OWNERDATA, or nothing when there
// are none or the template cannot be read or changed (the lists are then made again with it).
// Making a list with the style from the start saves making it twice (about 1.5 ms a list).
std::vector<std::uint8_t> TemplateWithOwnerData(HINSTANCE module, UINT id, const std::vector<int>& lists) {
    if (lists.empty()) return {};
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* bytes = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) return {};
    std::vector<std::uint8_t> copy(bytes, bytes + SizeofResource(module, found));
    for (int list : lists)
        if (!core::AddControlStyle(copy, static_cast<std::uint32_t>(list), LVS_OWNERDATA)) return {};
    return copy;
}

// Why a dialog went without EndDialog: the loop reposts the WM_QUIT it stopped at, and an owner
// destroyed takes its owned windows first.
core::FailureKind WhyDestroyed(HWND owner) {
    MSG quit;
    if (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) return core::FailureKind::Quit;
    if (owner && !IsWindow(owner)) return core::FailureKind::OwnerDestroyed;
    return core::FailureKind::DialogDestroyed;
}

}  // namespace

INT_PTR CDialog::DoModal() {
    HWND top = nullptr;
    m_hWndOwner = FindOwner(top);
    DisabledTopWindow disabled(top, m_hWndOwner);
    m_failed = false;
    m_ended = false;
    m_created = false;
    m_destroyedUnended = false;
    m_reflectTargets.clear();
    const bool nested = ModalRun::AnyOpen();
    ModalRun run(*this);
    const INT_PTR result = RunTemplate();
    const DWORD error = GetLastError();
    m_reflectTargets.clear();
    if (!m_created) {
        const core::Failure failure = core::MakeFailure(core::FailureKind::NotCreated, nullptr, m_nIDTemplate, error);
        // The dialog it was to be opened from stays open and usable.
        if (nested) WriteSurvivedFailure(failure);
        else NoteFailure(failure);
        return kFailed;
    }
    if (m_destroyedUnended) NoteFailure(core::MakeFailure(WhyDestroyed(m_hWndOwner)));
    return m_failed ? kFailed : result;
}

INT_PTR CDialog::RunTemplate() {
    HINSTANCE module = AfxGetResourceHandle();
    const std::vector<std::uint8_t> changed = TemplateWithOwnerData(module, m_nIDTemplate, m_ownerDataLists);
    if (changed.empty())
        return DialogBoxParamW(module, MAKEINTRESOURCEW(m_nIDTemplate), m_hWndOwner, &CDialog::DialogProc,
                               reinterpret_cast<LPARAM>(this));
    return DialogBoxIndirectParamW(module, reinterpret_cast<LPCDLGTEMPLATEW>(changed.data()), m_hWndOwner,
                                   &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return !exchange.Failed();
}

void CDialog::EndDialog(INT_PTR result) {
    m_ended = true;
    ::EndDialog(m_hWnd, result);
}

void CDialog::EndAsFailure() noexcept {
    m_failed = true;
    if (m_hWnd) EndDialog(kFailed);
}

void CDialog::ReflectTo(CWnd& control) {
    if (std::find(m_reflectTargets.begin(), m_reflectTargets.end(), &control) == m_reflectTargets.end())
        m_reflectTargets.push_back(&control);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        reinterpret_cast<CDialog*>(lParam)->m_hWnd = hwnd;
        reinterpret_cast<CDialog*>(lParam)->m_created = true;
    }
    auto* self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self) return FALSE;  // WM_SETFONT and others arrive before WM_INITDIALOG
    INT_PTR result = FALSE;
    try {
        result = self->Dispatch(message, wParam, lParam);
    } catch (...) {
        // An exception must not unwind through user32: every open dialog ends as a failure.
        NoteCaughtException();
        FailOpenDialogs();
    }
    // Destroyed without EndDialog (its owner went, or the loop stopped at WM_QUIT): nobody confirmed.
    if (message == WM_DESTROY && !self->m_ended) {
        self->m_failed = true;
        self->m_destroyedUnended = true;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
    }
    return result;
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return InitDialog();
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (OnCommand(id, code, reinterpret_cast<HWND>(lParam))) return TRUE;
        if (code != BN_CLICKED) return FALSE;
        if (id == IDOK) OnOK();
        else if (id == IDCANCEL) OnCancel();
        else return FALSE;
        return TRUE;
    }
    case WM_NOTIFY: {
        auto& header = *reinterpret_cast<NMHDR*>(lParam);
        LRESULT result = 0;
        const bool handled = ReflectNotify(header, result) || OnNotify(header, result);
        // Notification results go through DWLP_MSGRESULT (DialogProc remarks).
        if (handled) SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
        return handled ? TRUE : FALSE;
    }
    case WM_DRAWITEM:
        return ReflectDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
    case WM_DPICHANGED:
        return DpiChanged(wParam, lParam);
    default:
        return OnMessage(message, wParam, lParam);
    }
}

INT_PTR CDialog::InitDialog() {
    RECT before{};
    GetWindowRect(m_hWnd, &before);
    const BOOL platformFocus = OnInitDialog();
    RECT after{};
    GetWindowRect(m_hWnd, &after);
    // The templates sit at (0, 0): a dialog its initialisation did not move opens centred.
    if (EqualRect(&before, &after)) CenterOverOwner(m_hWnd, m_hWndOwner);
    return platformFocus;
}

INT_PTR CDialog::DpiChanged(WPARAM wParam, LPARAM lParam) {
    if (m_platformDpiChange) return FALSE;  // called from the dialog manager's handling below
    // The controls get the template's font at the new DPI and their new places first; the sizes
    // the library computed follow. The dialog manager does that for a per-monitor-v2 dialog; for
    // any other (a per-monitor-v1 host, or a Windows without v2) the library does it.
    const int dpi = LOWORD(wParam);
    const bool platformLaysOut = DialogManagerFollowsDpi(m_hWnd);
    if (platformLaysOut) {
        m_platformDpiChange = true;
        DefDlgProcW(m_hWnd, WM_DPICHANGED, wParam, lParam);
        m_platformDpiChange = false;
    } else if (lParam) {
        m_layout.ScaleTo(m_hWnd, Dpi(), dpi, *reinterpret_cast<const RECT*>(lParam));
    }
    OnDpiChanged(dpi);
    // What the platform sends a per-monitor-v2 dialog's controls once all is laid out, the
    // library sends those of a dialog it laid out itself: an open edit box follows its cell then.
    if (!platformLaysOut) EnumChildWindows(m_hWnd, &SendAfterParent, 0);
    SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, 0);
    return TRUE;
}

void CDialog::OnDpiChanged(int dpi) {
    CWnd::OnDpiChanged(dpi);
    for (CWnd* target : m_reflectTargets) target->OnDpiChanged(dpi);
}

bool CDialog::ReflectDrawItem(DRAWITEMSTRUCT& item) {
    for (CWnd* target : m_reflectTargets)
        if (target->m_hWnd == item.hwndItem) return target->OnReflectedDrawItem(item);
    return false;
}

bool CDialog::ReflectNotify(NMHDR& header, LRESULT& result) {
    for (CWnd* target : m_reflectTargets)
        if (target->m_hWnd == header.hwndFrom) return target->OnReflectedNotify(header, result);
    return false;
}

}  // namespace platform
