// The colour table's list: rows from the owner's names and colour numbers, the colour cells, and
// the picker opened from them.
#include "controls/ColorTableList.h"

#include <windowsx.h>

#include "controls/ColorCell.h"
#include "core/color_names.h"
#include "core/palette.h"

void CColorTableList::SetRows(const std::vector<std::wstring>& names, std::vector<int>& colorNumbers, int rows) {
    m_names = &names;
    m_colorNumbers = &colorNumbers;
    SetRowCount(rows);
}

int CColorTableList::ColorColumnWidth() const { return color_cell::ColumnWidth(Dpi()); }

void CColorTableList::OnDpiChanged(int dpi) {
    CVirtualListCtrl::OnDpiChanged(dpi);  // the rows' height
    if (m_hWnd && kColorColumn < GetColumnCount()) SetColumnWidth(kColorColumn, ColorColumnWidth());
}

std::wstring CColorTableList::RowText(int row, int column) const {
    // The colour cell's text is never drawn: it is what a screen reader reads for the cell.
    if (column == kColorColumn) return std::wstring(core::ColorName(RowColorNumber(row)));
    return column == 0 ? (*m_names)[static_cast<std::size_t>(row) + 1] : std::wstring();
}

bool CColorTableList::OnListNotify(NMHDR& header, LRESULT& result) {
    if (header.code != NM_CUSTOMDRAW) return false;
    result = color_cell::CustomDraw(*this, reinterpret_cast<const NMLVCUSTOMDRAW&>(header), kColorColumn,
                                    [this](int row) { return core::BaseColor(RowColorNumber(row)); });
    return true;
}

LRESULT CColorTableList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        OnLButtonDown(wParam, lParam);
        return 0;
    case WM_KEYDOWN:
    case WM_CHAR:
        return OnKey(message, wParam, lParam);
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
        // As in every colour cell list, scrolling takes the focus first.
        if (GetFocus() != m_hWnd) SetFocus(m_hWnd);
        return DefaultProc(message, wParam, lParam);
    default:
        return DefaultProc(message, wParam, lParam);
    }
}

void CColorTableList::OnLButtonDown(WPARAM flags, LPARAM point) {
    // The list's own handling first: it selects the row and takes the focus. It moves the
    // selection fast only from none.
    ClearSelection();
    DefaultProc(WM_LBUTTONDOWN, flags, point);
    if (!m_hWnd) return;
    int column = 0;
    const int row = CellFromPoint(POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)}, &column);
    if (row != -1 && column == kColorColumn) PickRowColor(row);
}

LRESULT CColorTableList::OnKey(UINT message, WPARAM wParam, LPARAM lParam) {
    // Space on the focused row does what a press on its colour cell does; the space character
    // that follows is no name's start.
    if (message == WM_CHAR && wParam == L' ') return 0;
    if (message == WM_KEYDOWN && wParam == VK_SPACE && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
        const int focused = GetNextItem(-1, LVNI_FOCUSED);
        if (focused >= 0) {
            PickRowColor(focused);
            return 0;
        }
    }
    // The list moves the selection fast only from none; a key that moves nothing leaves the row
    // selected as it was.
    const int before = SelectedRow();
    ClearSelection();
    const LRESULT result = DefaultProc(message, wParam, lParam);
    if (before >= 0 && SelectedRow() == -1) SetItemState(before, LVIS_SELECTED, LVIS_SELECTED);
    return result;
}

void CColorTableList::PickRowColor(int row) {
    const std::optional<COLORREF> chosen = color_cell::PickBaseColor(core::BaseColor(RowColorNumber(row)));
    if (!chosen) return;
    RowColorNumber(row) = core::FindColorNumber(*chosen);
    RedrawItems(row, row);
}
