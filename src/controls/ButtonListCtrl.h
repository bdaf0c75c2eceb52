// CButtonListCtrl: an owner-drawn report list from which the user picks exactly one item of a host
// name list: a one-column list with a heading, or a headerless grid of equally wide cells. Keeps
// its own copy of the names, so it is set up before its window exists and read after it is gone;
// the list asks it for each cell it draws.
#pragma once
#include <windows.h>

#include "core/button_list_layout.h"
#include "core/choice_names.h"
#include "platform/virtual_list_ctrl.h"

class CButtonListCtrl : public platform::CVirtualListCtrl {
public:
    CButtonListCtrl();

    // Stores the host's data: nCount entries (heading included), the columns asked for (1 gives
    // the list look), the 0-based choice and the GBK name list (read during the call only).
    void SetListItems(int nCount, int nColumns, int nSelected, const char* lpszNames);
    // Decides the look and builds columns and rows; once, after the control is subclassed.
    void InitList();
    // Fits the columns again in the new font and rows; the choice stays.
    void OnDpiChanged(int dpi) override;

    // The row under `point` or -1, with its column in *pColumn.
    int HitTestCell(POINT point, int* pColumn) const;

    BOOL m_bFullRowSel = FALSE;
    BOOL m_bGrid = TRUE;
    int m_nColumns = 2;  // the columns shown
    int m_nColumnsAsked = 2;
    int m_nCount = 0;
    int m_nSelected = 0;  // the choice, read by the dialog after it closed with OK
    int m_nSelRow = 0;
    int m_nSelCol = 0;
    BOOL m_bNumbered = FALSE;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflectedDrawItem(DRAWITEMSTRUCT& item) override;
    std::wstring RowText(int row, int column) const override;
    bool OnListNotify(NMHDR& header, LRESULT& result) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item);
    void DrawListRow(HDC dc, int row, bool focus);
    void DrawGridRow(HDC dc, int row);
    void OnLButtonDown(UINT flags, POINT point);
    void RedrawChoiceRows(int chosenBefore);
    bool OnGridKey(UINT key);
    void OnItemChanged(const NMLISTVIEW& change);
    void KeepChoiceHighlighted();
    void OnFocusChange(HWND other);
    void RedrawSelectedRows();
    void BuildRows();
    void LayOut();
    void ShowChoice();  // the chosen row selected and scrolled into view
    int WidestText() const;
    int TextOffset() const;  // the room FitText leaves beside a text
    void SelectionToCell();
    int CellToSelection();
    RECT RowHighlightRect(int row) const;

    core::ChoiceNames m_names;
    COLORREF m_clrTextBk;
};
