// CListCtrlEx: a report list whose rows carry a colour (the item data), drawn in a colour
// column, and whose cells of one other column are edited in place (the contour table). A press on
// a colour cell, or Space on the focused row, opens the platform's colour chooser; a press on the
// edit column, or F2, opens a CListCellEdit over the cell.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <utility>

#include "platform/list_ctrl.h"

class CListCellEdit;

class CListCtrlEx : public platform::CListCtrl {
public:
    // The width the dialogs give a colour column: 80 pixels at 96 DPI.
    int ColorColumnWidth() const;
    // The colour column and the rows follow the new DPI (the dialog lays out its other columns).
    void OnDpiChanged(int dpi) override;

    // Set by the owner after inserting the columns; -1 (the default) means none.
    void SetEditColumn(int column) noexcept { m_nEditColumn = column; }
    void SetColorColumn(int column) noexcept { m_nColorColumn = column; }

    // Gives a row its colour (the item data, which the owner reads back) and the colour cell the
    // colour's name as its text: never drawn, it is what a screen reader reads for the cell.
    // After SetColorColumn.
    void SetRowColor(int row, COLORREF color) const;

    // Opens an edit box over the cell and returns it, or null when none could be opened. The
    // box owns itself; only one exists at a time (opening one takes the focus from the last).
    CListCellEdit* BeginCellEdit(int row, int column);

    int m_nEditColumn = -1;
    int m_nColorColumn = -1;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflectedNotify(NMHDR& header, LRESULT& result) override;

private:
    void OnLButtonDown(UINT flags, POINT point);
    bool OnCellKey(UINT vk);
    void OnScroll(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCellEndEdit(const NMLVDISPINFOW& info) const;
    bool CellEditRect(int row, int column, RECT& rect, DWORD& alignment);
    void FollowOpenEdit();
    void ChooseRowColor(int row);
    std::optional<COLORREF> ChooseAnyColor(COLORREF current) const;
    COLORREF RowColor(int row) const { return static_cast<COLORREF>(GetItemData(row)); }

    std::pair<int, int> m_editedCell{-1, -1};  // row and column of the last edit box opened
};
