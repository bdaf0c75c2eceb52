// The colour cell list: colour cells by custom draw, the choosers opened from them, and in-place
// editing of the edit column.
#include "controls/ListCtrlEx.h"

#include <windowsx.h>

#include <algorithm>
#include <memory>

#include "controls/ColorCell.h"
#include "controls/ListCellEdit.h"
#include "core/color_names.h"
#include "core/dpi_scale.h"
#include "platform/color_dialog.h"

namespace {

constexpr int kNarrowestEditedColumn = 5;
// The edit box starts this far right of its cell's left edge at 96 DPI, and is this much narrower
// than its column, so that its right edge lies one pixel past the cell's, over the grid line.
constexpr int kEditBoxLeftInset = 4;
constexpr int kEditBoxNarrowing = 3;

DWORD EditAlignment(int columnFormat) {
    switch (columnFormat & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return ES_RIGHT;
    case LVCFMT_CENTER: return ES_CENTER;
    default: return ES_LEFT;
    }
}

}  // namespace

void CListCtrlEx::SetRowColor(int row, COLORREF color) const {
    SetItemData(row, static_cast<LPARAM>(color));
    if (m_nColorColumn >= 0) SetItemText(row, m_nColorColumn, core::ColorText(color));
}

int CListCtrlEx::ColorColumnWidth() const { return color_cell::ColumnWidth(Dpi()); }

void CListCtrlEx::OnDpiChanged(int dpi) {
    CListCtrl::OnDpiChanged(dpi);
    if (m_hWnd && m_nColorColumn >= 0 && m_nColorColumn < GetColumnCount())
        SetColumnWidth(m_nColorColumn, ColorColumnWidth());
}

LRESULT CListCtrlEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DPICHANGED_AFTERPARENT: {
        // Sent once the dialog and its controls have their new sizes: an open edit box moves
        // over its cell again, in the list's new font.
        const LRESULT result = DefaultProc(message, wParam, lParam);
        FollowOpenEdit();
        return result;
    }
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_KEYDOWN:
        if (OnCellKey(static_cast<UINT>(wParam))) return 0;
        return DefaultProc(message, wParam, lParam);
    case WM_CHAR:
        if (wParam == L' ' && m_nColorColumn >= 0) return 0;  // the space that opened the chooser
        return DefaultProc(message, wParam, lParam);
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
        OnScroll(message, wParam, lParam);
        return 0;
    default:
        return DefaultProc(message, wParam, lParam);
    }
}

bool CListCtrlEx::OnReflectedNotify(NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case NM_CUSTOMDRAW:
        result = color_cell::CustomDraw(*this, reinterpret_cast<const NMLVCUSTOMDRAW&>(header), m_nColorColumn,
                                        [this](int row) { return RowColor(row); });
        return true;
    case LVN_ENDLABELEDITW:
        OnCellEndEdit(reinterpret_cast<const NMLVDISPINFOW&>(header));
        result = 0;
        return true;
    default:
        return false;
    }
}

void CListCtrlEx::OnLButtonDown(UINT flags, POINT point) {
    // The list's own handling first: it selects the row and takes the focus, which ends an edit.
    DefaultProc(WM_LBUTTONDOWN, flags, MAKELPARAM(point.x, point.y));
    if (!m_hWnd) return;
    int column = 0;
    const int row = CellFromPoint(point, &column);
    if (row == -1) return;
    if (column == m_nEditColumn) BeginCellEdit(row, column);
    else if (column == m_nColorColumn) ChooseRowColor(row);
}

bool CListCtrlEx::OnCellKey(UINT vk) {
    // Keys do on the focused row what presses do on its cells: Space on the colour cell, F2 on
    // the edited cell.
    const int row = GetNextItem(-1, LVNI_FOCUSED);
    if (row < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    if (vk == VK_SPACE && m_nColorColumn >= 0) {
        ChooseRowColor(row);
        return true;
    }
    if (vk == VK_F2 && m_nEditColumn >= 0) {
        BeginCellEdit(row, m_nEditColumn);
        return true;
    }
    return false;
}

void CListCtrlEx::OnScroll(UINT message, WPARAM wParam, LPARAM lParam) {
    // An open edit box would stay where the cell was: taking the focus ends the edit first.
    if (GetFocus() != m_hWnd) SetFocus(m_hWnd);
    DefaultProc(message, wParam, lParam);
}

void CListCtrlEx::OnCellEndEdit(const NMLVDISPINFOW& info) const {
    if (info.item.pszText) SetItemText(info.item.iItem, info.item.iSubItem, info.item.pszText);
}

CListCellEdit* CListCtrlEx::BeginCellEdit(int row, int column) {
    RECT rect{};
    DWORD alignment = 0;
    if (!CellEditRect(row, column, rect, alignment)) return nullptr;
    auto edit = std::make_unique<CListCellEdit>(row, column, GetItemText(row, column));
    if (!edit->Open(m_hWnd, rect, alignment)) return nullptr;
    m_editedCell = {row, column};
    return edit.release();  // its window owns it now
}

bool CListCtrlEx::CellEditRect(int row, int column, RECT& rect, DWORD& alignment) {
    if (!EnsureVisible(row, true)) return false;
    int format = 0;
    int width = 0;
    if (column < 0 || column >= GetColumnCount() || !GetColumnFormatAndWidth(column, format, width) ||
        width < kNarrowestEditedColumn)
        return false;
    int offset = 0;
    for (int c = 0; c < column; ++c) offset += GetColumnWidth(c);

    GetItemRect(row, rect, LVIR_BOUNDS);
    const RECT client = GetClientRect();
    // A cell scrolled out of sight sideways is scrolled to the left edge first.
    const int left = rect.left + offset;
    if (left < 0 || left > client.right) {
        Scroll(left, 0);
        rect.left -= left;
    }
    rect.left += offset + core::ScaleToDpi(kEditBoxLeftInset, Dpi());
    rect.right = std::min<LONG>(rect.left + width - core::ScaleToDpi(kEditBoxNarrowing, Dpi()), client.right);
    alignment = EditAlignment(format);
    return true;
}

void CListCtrlEx::FollowOpenEdit() {
    HWND box = GetDlgItem(m_hWnd, CListCellEdit::kControlId);
    RECT rect{};
    DWORD alignment = 0;
    if (!box || !CellEditRect(m_editedCell.first, m_editedCell.second, rect, alignment)) return;
    ::SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(GetFont()), FALSE);
    MoveWindow(box, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void CListCtrlEx::ChooseRowColor(int row) {
    const COLORREF current = RowColor(row);
    const std::optional<COLORREF> chosen = ChooseAnyColor(current);
    if (!chosen) return;
    SetRowColor(row, *chosen);
    RedrawItems(row, row);
}

std::optional<COLORREF> CListCtrlEx::ChooseAnyColor(COLORREF current) const {
    platform::CColorDialog chooser;
    // Fully open from the start, from the row's colour, with the shared custom colours.
    chooser.m_cc.Flags |= CC_RGBINIT | CC_FULLOPEN;
    chooser.m_cc.lpCustColors = color_cell::CustomColors();
    chooser.m_cc.rgbResult = current;
    if (chooser.DoModal(GetAncestor(m_hWnd, GA_ROOT)) != IDOK) return std::nullopt;
    return chooser.GetColor();
}
