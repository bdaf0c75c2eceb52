// The button list: reading the names, laying out list and grid, drawing rows and cells, and the
// choice by mouse press or keys. In the list the choice follows the platform's selection, so the
// highlighted row is the one handed back; in the grid the keys move the chosen cell.
#include "controls/ButtonListCtrl.h"

#include <windowsx.h>

#include <algorithm>
#include <string_view>

#include "controls/RowHeight.h"
#include "core/dpi_scale.h"
#include "core/fit_text.h"
#include "core/grid_keys.h"
#include "core/names.h"
#include "platform/handles.h"
#include "platform/host_text.h"
#include "platform/redraw_guard.h"
#include "platform/text_width.h"

using platform::ClientDC;
using platform::FillSolidRect;
using platform::TextColorsGuard;
using platform::TextWidth;

namespace {
constexpr DWORD kGridStyle = LVS_EX_GRIDLINES;
constexpr DWORD kListStyle = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_REGIONAL;
// A row or cell draws at most 259 bytes of its text in GBK, what a 260-byte buffer holds with
// its terminating zero: the length the dialogs have always drawn. GetItemText hands back the
// whole text, so the cut is made here, on purpose.
constexpr std::size_t kMaxDrawnBytes = 259;
// Room FitText leaves beside a text at 96 DPI, half of it on either side.
constexpr int kListTextOffset = 4;
constexpr int kGridTextOffset = 12;
// A numbered list is measured by its prefix and four digits, or its last number if longer.
const std::wstring kNumberSample = L"1234";

std::wstring FitText(HDC dc, std::wstring_view text, int width, int offset) {
    return core::FitText(core::CutToGbkBytes(text, kMaxDrawnBytes), width, offset,
                         [dc](std::wstring_view part) { return TextWidth(dc, part); });
}

// The keys that move the grid's choice; false for any other key.
bool GridKeyOf(UINT vk, core::GridKey& key) {
    switch (vk) {
    case VK_LEFT: key = core::GridKey::Left; return true;
    case VK_RIGHT: key = core::GridKey::Right; return true;
    case VK_UP: key = core::GridKey::Up; return true;
    case VK_DOWN: key = core::GridKey::Down; return true;
    case VK_HOME: key = core::GridKey::Home; return true;
    case VK_END: key = core::GridKey::End; return true;
    case VK_PRIOR: key = core::GridKey::PageUp; return true;
    case VK_NEXT: key = core::GridKey::PageDown; return true;
    default: return false;
    }
}
}  // namespace

CButtonListCtrl::CButtonListCtrl() : m_clrTextBk(GetSysColor(COLOR_WINDOW)) {}

void CButtonListCtrl::SetListItems(int nCount, int nColumns, int nSelected, const char* lpszNames) {
    m_nColumns = nColumns;
    m_nSelected = nSelected;
    m_names = core::ChoiceNames(platform::SplitGbkNames(core::HostString(lpszNames)), nCount);
    m_nCount = m_names.Count();
    m_bNumbered = m_names.Numbered() ? TRUE : FALSE;
}

void CButtonListCtrl::InitList() {
    BuildRows();
    // The list scrolls to the chosen row only with its drawing on.
    ShowChoice();
}

void CButtonListCtrl::BuildRows() {
    // With drawing off the list lays itself out once, not after each step.
    const platform::RedrawGuard noRedraw(m_hWnd);
    ModifyStyle(0, LVS_OWNERDRAWFIXED);
    m_nColumnsAsked = m_nColumns;
    // The look follows the columns asked for; fitting may lower the count later, not the look.
    if (m_nColumns == 1) m_bGrid = FALSE;
    if (m_bGrid) {
        ModifyStyle(0, LVS_NOCOLUMNHEADER);
        m_bFullRowSel = FALSE;
        SetExtendedStyle(kGridStyle);
    } else {
        ModifyStyle(LVS_NOCOLUMNHEADER, 0);
        m_bFullRowSel = TRUE;
        SetExtendedStyle(kListStyle);
    }

    LayOut();
}

void CButtonListCtrl::OnDpiChanged(int dpi) {
    CVirtualListCtrl::OnDpiChanged(dpi);  // the rows' height
    if (!m_hWnd || GetColumnCount() == 0) return;
    // The columns are fitted again in the new font; the choice stays.
    while (GetColumnCount() > 0 && DeleteColumn(0)) {
    }
    LayOut();
    ShowChoice();
    Invalidate(true);
}

void CButtonListCtrl::LayOut() {
    const int clientWidth = GetClientRect().right;
    // One column or fewer asked for is one column whatever the texts: they are measured only
    // where more columns might fit. A column holds a text with the room the drawing leaves
    // beside it.
    m_nColumns = m_nColumnsAsked > 1
                     ? core::FitColumnCount(m_nColumnsAsked, clientWidth, WidestText() + TextOffset())
                     : 1;
    const int columnWidth = core::ColumnWidth(clientWidth, m_nColumns);

    SetRowHeight(kRowHeight);
    for (int col = 0; col < m_nColumns; ++col)
        InsertColumn(col, m_names.EntryOrEmpty(col), LVCFMT_CENTER, columnWidth, col);
    SetRowCount(core::RowCount(m_names.ItemCount(), m_nColumns));
}

void CButtonListCtrl::ShowChoice() {
    SelectionToCell();
    if (!m_bGrid && m_nSelRow >= 0) {
        // A choice of none (-1) highlights no row: -1 would select every row. The chosen row
        // also takes the focus state, so that the arrow keys move on from it.
        SetSelectionMark(m_nSelRow);
        SetItemState(m_nSelRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    if (m_nSelRow >= 0) EnsureVisible(m_nSelRow, false);
}

int CButtonListCtrl::WidestText() const {
    // In the font the rows are drawn in.
    ClientDC dc(m_hWnd);
    const HFONT font = GetFont();
    platform::SelectGuard useFont(dc.get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
    if (m_bNumbered) return platform::WidestText(dc.get(), m_names.NumberedSamples(kNumberSample), 2);
    return platform::WidestText(dc.get(), m_names.Entries(), m_nCount);
}

int CButtonListCtrl::TextOffset() const {
    return core::ScaleToDpi(m_bGrid ? kGridTextOffset : kListTextOffset, Dpi());
}

std::wstring CButtonListCtrl::RowText(int row, int column) const {
    const core::Cell cell{row, column};
    if (column < 0 || column >= m_nColumns || !core::CellHoldsItem(cell, m_nColumns, m_names.ItemCount())) return {};
    return m_names.ItemText(core::CellToSelection(cell, m_nColumns));
}

void CButtonListCtrl::SelectionToCell() {
    const core::Cell cell = core::SelectionToCell(m_nSelected, m_nColumns);
    m_nSelRow = cell.row;
    m_nSelCol = cell.col;
}

int CButtonListCtrl::CellToSelection() {
    m_nSelected = core::CellToSelection({m_nSelRow, m_nSelCol}, m_nColumns);
    return m_nSelected;
}

LRESULT CButtonListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_KEYDOWN:
        if (m_bGrid && OnGridKey(static_cast<UINT>(wParam))) return 0;
        [[fallthrough]];
    case WM_CHAR:
    case WM_RBUTTONDOWN: {
        // The platform may clear the selection (a press on empty space, Ctrl+Space): the choice
        // stays, and so does its highlight. It moves the selection fast only from none.
        ClearSelection();
        const LRESULT result = DefaultProc(message, wParam, lParam);
        KeepChoiceHighlighted();
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        OnFocusChange(reinterpret_cast<HWND>(wParam));
        return result;
    }
    default:
        return DefaultProc(message, wParam, lParam);
    }
}

void CButtonListCtrl::OnLButtonDown(UINT flags, POINT point) {
    int col = 0;
    const int row = HitTestCell(point, &col);
    const int chosenBefore = m_nSelRow;
    // The choice changes before the platform sees the press, so a parent reacting to the
    // platform's LVN_ITEMCHANGED already finds the new choice.
    if (row != -1 && core::CellHoldsItem({row, col}, m_nColumns, m_names.ItemCount())) {
        m_nSelRow = row;
        m_nSelCol = col;
        CellToSelection();
    }
    ClearSelection();  // the platform moves the selection fast only from none
    DefaultProc(WM_LBUTTONDOWN, flags, MAKELPARAM(point.x, point.y));
    KeepChoiceHighlighted();
    if (m_hWnd) RedrawChoiceRows(chosenBefore);
}

void CButtonListCtrl::RedrawChoiceRows(int chosenBefore) {
    // Only the rows of the old and the new choice look different now (the platform repaints
    // the rows whose selection it changed itself).
    RedrawRow(chosenBefore);
    if (m_nSelRow != chosenBefore) RedrawRow(m_nSelRow);
}

bool CButtonListCtrl::OnGridKey(UINT vk) {
    core::GridKey key{};
    if (!GridKeyOf(vk, key)) return false;
    const int chosenBefore = m_nSelRow;
    m_nSelected = core::GridKeyChoice(key, m_nSelected, m_nColumns, m_names.ItemCount(), GetCountPerPage());
    SelectionToCell();
    if (m_nSelRow >= 0) EnsureVisible(m_nSelRow, false);
    RedrawChoiceRows(chosenBefore);  // drawn as a press draws it
    return true;
}

bool CButtonListCtrl::OnListNotify(NMHDR& header, LRESULT& /*result*/) {
    if (header.code == LVN_ITEMCHANGED) OnItemChanged(*reinterpret_cast<const NMLISTVIEW*>(&header));
    return false;  // the dialog sees the change too, after the choice has followed it
}

void CButtonListCtrl::OnItemChanged(const NMLISTVIEW& change) {
    // In the list the highlighted row is the choice: it follows the platform's selection however
    // that moved (arrows, Home, End, Page keys, typing a name's start).
    const bool nowSelected = (change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) &&
                             !(change.uOldState & LVIS_SELECTED);
    if (m_bGrid || !nowSelected || change.iItem < 0) return;
    m_nSelected = change.iItem;
    SelectionToCell();
}

void CButtonListCtrl::KeepChoiceHighlighted() {
    if (m_bGrid || !m_hWnd || m_nSelRow < 0 || m_nSelRow >= GetItemCount()) return;
    if (SelectedRow() == -1) SetItemState(m_nSelRow, LVIS_SELECTED, LVIS_SELECTED);
}

void CButtonListCtrl::OnFocusChange(HWND other) {
    if (other && IsChild(m_hWnd, other)) return;
    if (m_bFullRowSel && (GetStyle() & LVS_TYPEMASK) == LVS_REPORT) RedrawSelectedRows();
}

int CButtonListCtrl::HitTestCell(POINT point, int* pColumn) const { return CellFromPoint(point, pColumn); }

RECT CButtonListCtrl::RowHighlightRect(int row) const {
    RECT bounds{};
    RECT label{};
    GetItemRect(row, bounds, LVIR_BOUNDS);
    GetItemRect(row, label, LVIR_LABEL);
    bounds.left = label.left;
    return bounds;
}

void CButtonListCtrl::RedrawSelectedRows() {
    const int focused = GetNextItem(-1, LVNI_FOCUSED);
    if (focused != -1) {
        const RECT rect = RowHighlightRect(focused);
        InvalidateRect(m_hWnd, &rect, FALSE);
    }
    if (!(GetStyle() & LVS_SHOWSELALWAYS)) {
        for (int row = GetNextItem(-1, LVNI_SELECTED); row != -1; row = GetNextItem(row, LVNI_SELECTED)) {
            const RECT rect = RowHighlightRect(row);
            InvalidateRect(m_hWnd, &rect, FALSE);
        }
    }
    UpdateWindow(m_hWnd);
}

bool CButtonListCtrl::OnReflectedDrawItem(DRAWITEMSTRUCT& item) {
    DrawItem(item);
    return true;
}

void CButtonListCtrl::DrawItem(const DRAWITEMSTRUCT& item) {
    const int row = static_cast<int>(item.itemID);
    if (m_bGrid) DrawGridRow(item.hDC, row);
    else DrawListRow(item.hDC, row, GetFocus() == m_hWnd);
}

void CButtonListCtrl::DrawListRow(HDC dc, int row, bool focus) {
    // Only the states the list keeps for a list whose rows are its owner's: any other bit it
    // reports is not the row's (Wine leaves them as its stack held them).
    const UINT state = GetItemState(row, LVIS_SELECTED | LVIS_FOCUSED);
    const bool selected = (focus || (GetStyle() & LVS_SHOWSELALWAYS)) && (state & LVIS_SELECTED);
    const RECT all = RowHighlightRect(row);
    RECT label{};
    GetItemRect(row, label, LVIR_LABEL);
    const int offset = TextOffset();
    const std::wstring text = FitText(dc, RowText(row, 0), label.right - label.left, offset);

    auto drawText = [&] {
        RECT textRect = label;
        InflateRect(&textRect, -offset / 2, 0);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                  DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_VCENTER);
        if ((state & LVIS_FOCUSED) && focus) DrawFocusRect(dc, &all);
    };
    if (selected) {
        TextColorsGuard colors(dc, GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT));
        FillSolidRect(dc, all, GetSysColor(COLOR_HIGHLIGHT));
        drawText();
    } else {
        FillSolidRect(dc, all, m_clrTextBk);
        drawText();
    }
}

void CButtonListCtrl::DrawGridRow(HDC dc, int row) {
    RECT cell{};
    GetItemRect(row, cell, LVIR_LABEL);  // the cell of column 0
    int format = 0;
    int width = 0;
    const int offset = TextOffset();
    for (int col = 0; GetColumnFormatAndWidth(col, format, width); ++col) {
        const bool chosen = row == m_nSelRow && col == m_nSelCol;
        auto drawCell = [&] {
            const std::wstring text = RowText(row, col);
            if (text.empty()) return;
            const std::wstring fitted = FitText(dc, text, cell.right - cell.left, offset);
            RECT textRect = cell;
            InflateRect(&textRect, -offset / 2, 0);
            DrawTextW(dc, fitted.c_str(), static_cast<int>(fitted.size()), &textRect,
                      DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_VCENTER);
        };
        if (chosen) {
            TextColorsGuard colors(dc, GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT));
            FillSolidRect(dc, cell, GetSysColor(COLOR_HIGHLIGHT));
            DrawFocusRect(dc, &cell);
            drawCell();
        } else {
            FillSolidRect(dc, cell, m_clrTextBk);
            drawCell();
        }
        // The next cell begins at this one's right edge; the columns are equally wide.
        cell.left = cell.right;
        cell.right = cell.left + width;
    }
}
