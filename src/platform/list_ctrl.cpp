// Report-view list control messages.
#include "platform/list_ctrl.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/column_hit.h"
#include "platform/image_list.h"
#include "core/dpi_scale.h"
#include "platform/state_image.h"

namespace platform {
namespace {
// The state images of the list's own check boxes (LVS_EX_CHECKBOXES).
constexpr int kUncheckedImage = 1;
constexpr int kCheckedImage = 2;
constexpr int kLabelMarginsAt96 = 12;
}  // namespace

int CListCtrl::LabelMargins() const { return core::ScaleToDpi(kLabelMarginsAt96, Dpi()); }

void CListCtrl::SetExtendedStyle(DWORD style) const {
    // A zero mask replaces every extended style bit (LVM_SETEXTENDEDLISTVIEWSTYLE).
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style));
}

DWORD CListCtrl::GetExtendedStyle() const {
    return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
}

void CListCtrl::SetImageList(HIMAGELIST list, int which) const {
    SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(list));
}

void CListCtrl::SetRowHeight(int height) {
    m_nRowHeight = height;
    ModifyStyle(0, LVS_SHAREIMAGELISTS);
    // The list lets go of the old list before it is destroyed.
    CImageList rows;
    rows.Create(1, core::ScaleToDpi(height, Dpi()), ILC_COLORDDB, 0, 0);
    SetImageList(rows.GetSafeHandle(), LVSIL_STATE);
    m_rowHeightImages = std::move(rows);
}

void CListCtrl::OnDpiChanged(int dpi) {
    CWnd::OnDpiChanged(dpi);
    if (m_nRowHeight > 0) SetRowHeight(m_nRowHeight);
}

int CListCtrl::InsertColumn(int index, const std::wstring& heading, int format, int width,
                            int subItem) const {
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(heading.c_str());
    column.iSubItem = subItem;
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(&column)));
}

int CListCtrl::GetColumnCount() const {
    HWND header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    return header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int CListCtrl::ClientWidthWithoutScrollBar() const {
    const int width = GetClientRect().right;
    if (!(GetStyle() & WS_VSCROLL)) return width;
    // The scroll bar as drawn: its width follows the window's DPI where the system scales the
    // window's frame (per-monitor v2) and the system's DPI where it does not.
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    if (GetScrollBarInfo(m_hWnd, OBJID_VSCROLL, &bar) && !(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE))
        return width + (bar.rcScrollBar.right - bar.rcScrollBar.left);
    return width + GetSystemMetrics(SM_CXVSCROLL);
}

bool CListCtrl::GetColumnFormatAndWidth(int column, int& format, int& width) const {
    LVCOLUMNW info{};
    info.mask = LVCF_FMT | LVCF_WIDTH;
    if (!SendMessage(LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info)))
        return false;
    format = info.fmt;
    width = info.cx;
    return true;
}

int CListCtrl::InsertItem(int index, const std::wstring& text) const {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

int CListCtrl::InsertItem(int index, const std::wstring& text, UINT state, UINT stateMask) const {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_STATE;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.state = state;
    item.stateMask = stateMask;
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

int CListCtrl::InsertItem(int index, const std::wstring& text, LPARAM data) const {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.lParam = data;
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

bool CListCtrl::SetItemText(int item, int subItem, const std::wstring& text) const {
    LVITEMW info{};
    info.iSubItem = subItem;
    info.pszText = const_cast<wchar_t*>(text.c_str());
    return SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)) != 0;
}

std::wstring CListCtrl::GetItemText(int item, int subItem) const {
    // The message reports how much it copied, not how long the text is: grow until it fits.
    std::vector<wchar_t> buffer(64);
    for (;;) {
        LVITEMW info{};
        info.iSubItem = subItem;
        info.pszText = buffer.data();
        info.cchTextMax = static_cast<int>(buffer.size());
        const auto copied = static_cast<std::size_t>(
            SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)));
        if (copied + 1 < buffer.size()) return std::wstring(buffer.data(), copied);
        buffer.resize(buffer.size() * 2);
    }
}

UINT CListCtrl::GetItemState(int item, UINT mask) const {
    return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
}

void CListCtrl::SetItemState(int item, UINT state, UINT mask) const {
    LVITEMW info{};
    info.state = state;
    info.stateMask = mask;
    SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info));
}

int CListCtrl::GetNextItem(int after, UINT flags) const {
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(after), MAKELPARAM(flags, 0)));
}

bool CListCtrl::EnsureVisible(int item, bool partialOk) const {
    return SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), partialOk ? TRUE : FALSE) != 0;
}

bool CListCtrl::GetItemRect(int item, RECT& rect, int code) const {
    rect = RECT{};
    rect.left = code;
    return SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect)) != 0;
}

int CListCtrl::HitTest(POINT point) const {
    LVHITTESTINFO info{};
    info.pt = point;
    return static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
}

int CListCtrl::HitTest(LVHITTESTINFO& info) const {
    return static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
}

bool CListCtrl::GetCheck(int item) const {
    return StateImageIndex(GetItemState(item, LVIS_STATEIMAGEMASK)) == kCheckedImage;
}

void CListCtrl::SetCheck(int item, bool checked) const {
    SetItemState(item, INDEXTOSTATEIMAGEMASK(checked ? kCheckedImage : kUncheckedImage), LVIS_STATEIMAGEMASK);
}

LPARAM CListCtrl::GetItemData(int item) const {
    LVITEMW info{};
    info.mask = LVIF_PARAM;
    info.iItem = item;
    return SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info)) ? info.lParam : 0;
}

bool CListCtrl::SetItemData(int item, LPARAM data) const {
    LVITEMW info{};
    info.mask = LVIF_PARAM;
    info.iItem = item;
    info.lParam = data;
    return SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

bool CListCtrl::GetSubItemRect(int item, int subItem, int code, RECT& rect) const {
    rect = RECT{};
    rect.top = subItem;
    rect.left = code;
    return SendMessage(LVM_GETSUBITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect)) != 0;
}

int CListCtrl::CellFromPoint(POINT point, int* pColumn) const {
    *pColumn = 0;
    const int hit = HitTest(point);
    if ((GetStyle() & LVS_TYPEMASK) != LVS_REPORT) return hit;

    const int top = GetTopIndex();
    // The last, partly visible row counts too.
    const int last = std::min(top + GetCountPerPage(), GetItemCount());
    const int columns = GetColumnCount();
    std::vector<int> widths;
    for (int col = 0; col < columns; ++col) widths.push_back(GetColumnWidth(col));
    for (int row = top; row <= last; ++row) {
        RECT bounds{};
        if (!GetItemRect(row, bounds, LVIR_BOUNDS) || !PtInRect(&bounds, point)) continue;
        const int col = core::ColumnAt(bounds.left, widths, point.x);
        if (col != -1) {
            *pColumn = col;
            return row;
        }
    }
    return -1;
}

}  // namespace platform
