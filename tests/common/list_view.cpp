// List view reading through its messages.
#include "list_view.h"

#include <algorithm>

int ListView::ColumnCount() const {
    HWND header = reinterpret_cast<HWND>(SendMessageW(m_list, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::wstring ListView::CellText(int row, int col) const {
    std::vector<wchar_t> buffer(2048);
    LVITEMW item{};
    item.iSubItem = col;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    const auto copied = SendMessageW(m_list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return std::wstring(buffer.data(), static_cast<std::size_t>(copied));
}

std::wstring ListView::HeaderText(int col) const {
    std::vector<wchar_t> buffer(1024);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = buffer.data();
    column.cchTextMax = static_cast<int>(buffer.size());
    if (!SendMessageW(m_list, LVM_GETCOLUMNW, col, reinterpret_cast<LPARAM>(&column))) return L"";
    return buffer.data();
}

bool ListView::HeaderVisible() const {
    HWND header = reinterpret_cast<HWND>(SendMessageW(m_list, LVM_GETHEADER, 0, 0));
    return !(Style() & LVS_NOCOLUMNHEADER) && header && IsWindowVisible(header);
}

std::vector<std::wstring> ListView::Column(int col) const {
    std::vector<std::wstring> texts;
    for (int row = 0; row < RowCount(); ++row) texts.push_back(CellText(row, col));
    return texts;
}

std::vector<int> ListView::SelectedRows() const {
    std::vector<int> rows;
    for (int row = -1;;) {
        row = static_cast<int>(SendMessageW(m_list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED));
        if (row == -1) return rows;
        rows.push_back(row);
    }
}

RECT ListView::RowBounds(int row) const {
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    SendMessageW(m_list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

RECT ListView::RowLabel(int row) const {
    RECT rect{};
    rect.left = LVIR_LABEL;
    SendMessageW(m_list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

RECT ListView::CellBounds(int row, int col) const {
    RECT rect{};
    rect.top = col;
    rect.left = LVIR_BOUNDS;
    SendMessageW(m_list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

int ListView::ClientWidth() const {
    RECT rect{};
    GetClientRect(m_list, &rect);
    return rect.right;
}

int ListView::TextWidth(const std::wstring& text) const {
    HDC dc = GetDC(m_list);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(m_list, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(m_list, dc);
    return size.cx;
}

POINT ListView::CellCenter(int row, int col) const {
    const RECT bounds = RowBounds(row);
    int left = bounds.left;
    for (int c = 0; c < col; ++c) left += ColumnWidth(c);
    return POINT{left + ColumnWidth(col) / 2, (bounds.top + bounds.bottom) / 2};
}

int ListView::StateImage(int row) const {
    return static_cast<int>((ItemState(row, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) >> 12);
}

std::vector<int> ListView::StateImages() const {
    std::vector<int> images;
    for (int row = 0; row < RowCount(); ++row) images.push_back(StateImage(row));
    return images;
}

bool ListView::RowWhollyVisible(int row) const {
    RECT client{};
    GetClientRect(m_list, &client);
    const RECT bounds = RowBounds(row);
    RECT both{};
    IntersectRect(&both, &client, &bounds);
    return both.top == bounds.top && both.bottom == bounds.bottom;
}

POINT ListView::PointOn(int row, UINT part) const {
    // The middle of the first run of points on the part and on no other part of the row (at its
    // very left edge Wine's hit test names icon, label and state icon at once).
    const RECT bounds = RowBounds(row);
    const int y = (bounds.top + bounds.bottom) / 2;
    const int right = std::min(static_cast<int>(bounds.right), ClientWidth());
    int first = -1;
    int last = -1;
    for (int x = std::max(0, static_cast<int>(bounds.left)); x < right; ++x) {
        LVHITTESTINFO hit{};
        hit.pt = POINT{x, y};
        const bool on = SendMessageW(m_list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == row &&
                        (hit.flags & LVHT_ONITEM) == part;
        if (on && first < 0) first = x;
        if (on) last = x;
        if (!on && first >= 0) break;
    }
    return first < 0 ? POINT{-1, -1} : POINT{(first + last) / 2, y};
}
