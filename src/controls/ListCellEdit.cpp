// The in-place edit box: keys the dialog must not take, growth while typing, and the end of the
// edit reported to the list.
#include "controls/ListCellEdit.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "platform/handles.h"
#include "platform/input_method.h"
#include "platform/text_width.h"

namespace {
// Pixels the box needs beyond its text's width (its margins and the caret) before it grows.
constexpr int kRoomBesideText = 5;
}  // namespace

CListCellEdit::CListCellEdit(int row, int column, std::wstring text)
    : m_nRow(row), m_nColumn(column), m_strText(std::move(text)) {}

bool CListCellEdit::Open(HWND list, const RECT& rect, DWORD alignment) {
    if (!Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | alignment, rect, list, kControlId)) return false;
    SetFont(platform::WindowFont(list), false);
    SetWindowText(m_strText);
    SetFocus(m_hWnd);
    SetSel(0, -1);
    return true;
}

LRESULT CListCellEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE: return OnGetDlgCode(wParam, lParam);
    case WM_CHAR: return OnChar(wParam, lParam);
    case WM_KILLFOCUS: return OnKillFocus(wParam, lParam);
    case WM_IME_STARTCOMPOSITION: return OnStartComposition(wParam, lParam);
    case WM_DESTROY:
        m_bClosing = true;
        return DefaultProc(message, wParam, lParam);
    default: return DefaultProc(message, wParam, lParam);
    }
}

LRESULT CListCellEdit::OnGetDlgCode(WPARAM wParam, LPARAM lParam) {
    LRESULT code = DefaultProc(WM_GETDLGCODE, wParam, lParam);
    // The dialog manager asks before it acts on a key (WM_GETDLGCODE): Return, Escape, Delete
    // and keys pressed with Control are the box's, so Return does not press the default button
    // and Escape does not cancel the dialog.
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (msg && msg->message == WM_KEYDOWN &&
        (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE || msg->wParam == VK_DELETE || GetKeyState(VK_CONTROL) < 0))
        code |= DLGC_WANTMESSAGE;
    return code;
}

LRESULT CListCellEdit::OnChar(WPARAM wParam, LPARAM lParam) {
    if (wParam == VK_ESCAPE || wParam == VK_RETURN) {
        if (wParam == VK_ESCAPE) m_bCancelled = TRUE;
        // Losing the focus ends the edit, which destroys the box: nothing may touch it after.
        SetFocus(List());
        return 0;
    }
    GrowToFitText();
    return DefaultProc(WM_CHAR, wParam, lParam);
}

void CListCellEdit::GrowToFitText() {
    HWND list = List();
    const std::wstring text = GetWindowText();  // still without the character being typed
    int width = 0;
    {
        platform::ClientDC dc(m_hWnd);
        platform::SelectGuard font(dc.get(), platform::WindowFont(list));
        width = platform::TextWidth(dc.get(), text);
    }
    const int needed = width + kRoomBesideText;
    const RECT client = GetClientRect();
    if (needed <= client.right) return;
    // The window grows to the right, keeping its place and height, and never past the list.
    RECT box{};
    GetWindowRect(m_hWnd, &box);
    MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&box), 2);
    const int frame = (box.right - box.left) - client.right;
    RECT listClient{};
    ::GetClientRect(list, &listClient);
    const LONG right = std::min<LONG>(box.left + needed + frame, listClient.right);
    if (right <= box.right) return;
    MoveWindow(m_hWnd, box.left, box.top, right - box.left, box.bottom - box.top, TRUE);
}

LRESULT CListCellEdit::OnKillFocus(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefaultProc(WM_KILLFOCUS, wParam, lParam);
    if (m_bClosing) return result;
    m_bClosing = true;
    // What the input method still composes belongs to the cell. It is taken from the input
    // method rather than completed: completed now, it would go to the window the focus moved to.
    const std::wstring composed = platform::TakeComposition(m_hWnd);
    if (!composed.empty()) SetWindowText(TextWithComposition(composed));
    SendEndEdit();
    DestroyWindow(m_hWnd);  // the final message deletes this object
    return result;
}

LRESULT CListCellEdit::OnStartComposition(WPARAM wParam, LPARAM lParam) {
    m_strBeforeComposition = GetWindowText();
    GetSel(m_selectionStart, m_selectionEnd);
    m_bComposed = true;
    return DefaultProc(WM_IME_STARTCOMPOSITION, wParam, lParam);
}

void CListCellEdit::GetSel(DWORD& start, DWORD& end) const {
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
}

std::wstring CListCellEdit::TextWithComposition(const std::wstring& composed) const {
    std::wstring text = m_strBeforeComposition;
    DWORD selectionStart = m_selectionStart, selectionEnd = m_selectionEnd;
    if (!m_bComposed) {  // no start was seen: the composition goes where the caret is
        text = GetWindowText();
        GetSel(selectionStart, selectionEnd);
    }
    const std::size_t start = std::min<std::size_t>(selectionStart, text.size());
    const std::size_t end = std::clamp<std::size_t>(selectionEnd, start, text.size());
    return text.substr(0, start) + composed + text.substr(end);
}

void CListCellEdit::SendEndEdit() {
    HWND list = List();
    std::wstring text = GetWindowText();
    NMLVDISPINFOW info{};
    info.hdr.hwndFrom = list;
    info.hdr.idFrom = kControlId;
    info.hdr.code = LVN_ENDLABELEDITW;
    info.item.mask = LVIF_TEXT;
    info.item.iItem = m_nRow;
    info.item.iSubItem = m_nColumn;
    info.item.pszText = m_bCancelled ? nullptr : text.data();  // null: Escape, keep the cell
    info.item.cchTextMax = static_cast<int>(text.size());
    // To the list's parent, which reflects it back to the list (the dialog never handles it).
    ::SendMessageW(GetParent(list), WM_NOTIFY, static_cast<WPARAM>(GetDlgCtrlID(list)),
                   reinterpret_cast<LPARAM>(&info));
}
