// The virtual list: recreating the template's list with LVS_OWNERDATA, and answering the list's
// questions about its rows.
#include "platform/virtual_list_ctrl.h"

#include <algorithm>

#include "core/row_search.h"

namespace platform {
namespace {

// A list like `list` in every way but LVS_OWNERDATA, in its place; `list` is destroyed. Null if
// the platform refuses, with `list` left as it was.
HWND RecreateWithOwnerData(HWND list) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(list, GWL_STYLE));
    if (style & LVS_OWNERDATA) return list;
    HWND parent = GetParent(list);
    RECT rect{};
    GetWindowRect(list, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    HWND created = CreateWindowExW(
        static_cast<DWORD>(GetWindowLongPtrW(list, GWL_EXSTYLE)), WC_LISTVIEWW, WindowText(list).c_str(),
        style | LVS_OWNERDATA, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(GetDlgCtrlID(list))),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(list, GWLP_HINSTANCE)), nullptr);
    if (!created) return nullptr;
    ::SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(WindowFont(list)), FALSE);
    // Right after the template's list in the tab order, which is the order of the children.
    SetWindowPos(created, list, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DestroyWindow(list);
    return created;
}

}  // namespace

bool CVirtualListCtrl::SubclassDlgItem(int id, HWND parent) {
    if (m_hWnd) return false;
    HWND list = GetDlgItem(parent, id);
    return list && SubclassWindow(RecreateWithOwnerData(list));
}

void CVirtualListCtrl::SetRowCount(int rows) const {
    // Rows that are not there any more must not stay selected or focused.
    DeleteAllItems();
    SetItemCount(std::max(rows, 0));
    Invalidate(true);
}

void CVirtualListCtrl::RedrawVisibleRows() const {
    const int rows = GetItemCount();
    if (rows == 0) return;
    const int top = GetTopIndex();
    RedrawItems(top, std::min(top + GetCountPerPage(), rows - 1));
}

int CVirtualListCtrl::SelectedRow() const {
    const int focused = GetNextItem(-1, LVNI_FOCUSED);
    if (focused >= 0 && (GetItemState(focused, LVIS_SELECTED) & LVIS_SELECTED)) return focused;
    return GetNextItem(-1, LVNI_SELECTED);
}

void CVirtualListCtrl::ClearSelection() const {
    const int selected = SelectedRow();
    if (selected >= 0) SetItemState(selected, 0, LVIS_SELECTED);
}

bool CVirtualListCtrl::OnReflectedNotify(NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case LVN_GETDISPINFOW:
        AnswerDisplayInfo(reinterpret_cast<NMLVDISPINFOW&>(header));
        return true;
    case LVN_ODFINDITEMW:
        result = FindRow(reinterpret_cast<const NMLVFINDITEMW&>(header));
        return true;
    default:
        return OnListNotify(header, result);
    }
}

void CVirtualListCtrl::AnswerDisplayInfo(NMLVDISPINFOW& info) const {
    LVITEMW& item = info.item;
    if (item.iItem < 0 || item.iItem >= GetItemCount()) return;
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        // Cut to the caller's buffer, always terminated.
        const std::wstring text = RowText(item.iItem, item.iSubItem);
        const std::size_t copied = std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
        std::copy_n(text.data(), copied, item.pszText);
        item.pszText[copied] = L'\0';
    }
    if ((item.mask & LVIF_STATE) && item.iSubItem == 0 && (item.stateMask & LVIS_STATEIMAGEMASK)) {
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) | RowStateImage(item.iItem);
    }
}

int CVirtualListCtrl::FindRow(const NMLVFINDITEMW& find) const {
    // Typing the start of a name: the list asks for the row, from the one it names on.
    const LVFINDINFOW& info = find.lvfi;
    if (!(info.flags & (LVFI_STRING | LVFI_PARTIAL)) || !info.psz) return -1;
    const core::RowSearch search{info.psz, (info.flags & LVFI_PARTIAL) != 0, (info.flags & LVFI_WRAP) != 0};
    return core::FindRow(GetItemCount(), find.iStart, search, [this](int row) { return RowText(row, 0); });
}

}  // namespace platform
