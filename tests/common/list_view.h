// Reads what a list view shows, from the test's driver thread.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

class ListView {
public:
    explicit ListView(HWND list) noexcept : m_list(list) {}

    int RowCount() const { return static_cast<int>(SendMessageW(m_list, LVM_GETITEMCOUNT, 0, 0)); }
    int ColumnCount() const;
    int ColumnWidth(int col) const { return static_cast<int>(SendMessageW(m_list, LVM_GETCOLUMNWIDTH, col, 0)); }
    std::wstring CellText(int row, int col) const;
    std::wstring HeaderText(int col) const;
    bool HeaderVisible() const;
    // Every row's text in a column.
    std::vector<std::wstring> Column(int col) const;
    std::vector<std::wstring> Column0() const { return Column(0); }
    // Rows with LVIS_SELECTED, in order.
    std::vector<int> SelectedRows() const;
    // A row's state as LVM_GETITEMSTATE answers for `mask`.
    UINT ItemState(int row, UINT mask) const {
        return static_cast<UINT>(SendMessageW(m_list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), mask));
    }
    // State image index of a row (LVIS_STATEIMAGEMASK): check boxes 1 unchecked, 2 checked.
    int StateImage(int row) const;
    std::vector<int> StateImages() const;  // every row's, in order
    int SelectionMark() const { return static_cast<int>(SendMessageW(m_list, LVM_GETSELECTIONMARK, 0, 0)); }
    // Whether the whole row lies within the list's client area.
    bool RowWhollyVisible(int row) const;
    // The middle of the row's `part` (LVHT_ONITEMSTATEICON, LVHT_ONITEMLABEL) as the list's hit
    // test sees it, in client coordinates; {-1, -1} when there is none.
    POINT PointOn(int row, UINT part) const;
    RECT RowBounds(int row) const;
    RECT RowLabel(int row) const;
    // A cell's rectangle as the list reports it (LVM_GETSUBITEMRECT, LVIR_BOUNDS); col > 0.
    RECT CellBounds(int row, int col) const;
    int TopRow() const { return static_cast<int>(SendMessageW(m_list, LVM_GETTOPINDEX, 0, 0)); }
    int ClientWidth() const;
    // The width of a text in the font the list draws with.
    int TextWidth(const std::wstring& text) const;
    // The middle of a cell, in the list's client coordinates (columns from the row's left edge).
    POINT CellCenter(int row, int col) const;
    DWORD Style() const { return static_cast<DWORD>(GetWindowLongPtrW(m_list, GWL_STYLE)); }
    DWORD ExtendedStyle() const {
        return static_cast<DWORD>(SendMessageW(m_list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    }
    HWND Handle() const noexcept { return m_list; }

private:
    HWND m_list;
};
