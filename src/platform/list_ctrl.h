// CListCtrl: thin wrapper of a report-view list control (SysListView32); one method per message.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/image_list.h"
#include "platform/wnd.h"

namespace platform {

class CListCtrl : public CWnd {
public:
    void SetExtendedStyle(DWORD style) const;
    DWORD GetExtendedStyle() const;
    void DeleteAllItems() const { SendMessage(LVM_DELETEALLITEMS); }
    bool DeleteColumn(int column) const { return SendMessage(LVM_DELETECOLUMN, static_cast<WPARAM>(column)) != 0; }
    HIMAGELIST GetImageList(int which) const {
        return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, static_cast<WPARAM>(which)));
    }
    void SetImageList(HIMAGELIST list, int which) const;
    // Rows `height` pixels high at 96 DPI, as many more as the list's DPI asks for, again after
    // each DPI change. A report list makes its rows as high as its tallest image: this gives it a
    // state image list 1 pixel wide and that high, without images, which the list shares
    // (LVS_SHAREIMAGELISTS) and this object keeps.
    void SetRowHeight(int height);
    void OnDpiChanged(int dpi) override;
    int InsertColumn(int index, const std::wstring& heading, int format, int width, int subItem) const;
    int GetColumnCount() const;  // items of the header control
    // The client width the list has when it shows no vertical scroll bar.
    int ClientWidthWithoutScrollBar() const;
    // The room a cell the list draws itself leaves beside its text, both sides together
    // (LVM_GETSTRINGWIDTH remarks: the string width alone truncates the text).
    int LabelMargins() const;
    // Width of a text in the list's own font, without the margins a cell adds around it.
    int GetStringWidth(const std::wstring& text) const {
        return static_cast<int>(SendMessage(LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int GetColumnWidth(int column) const { return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, column)); }
    void SetColumnWidth(int column, int width) const {
        SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0));
    }
    bool GetColumnFormatAndWidth(int column, int& format, int& width) const;

    int InsertItem(int index, const std::wstring& text) const;
    // With its state from the start (a new item sends no change notifications).
    int InsertItem(int index, const std::wstring& text, UINT state, UINT stateMask) const;
    // With its value (the item's lParam) in the same message.
    int InsertItem(int index, const std::wstring& text, LPARAM data) const;
    bool SetItemText(int item, int subItem, const std::wstring& text) const;
    std::wstring GetItemText(int item, int subItem) const;
    UINT GetItemState(int item, UINT mask) const;
    void SetItemState(int item, UINT state, UINT mask) const;
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    // Makes room for `count` items before they are inserted one by one (LVM_SETITEMCOUNT).
    void SetItemCount(int count) const { SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(count)); }
    // Repaints rows first to last; a changed item value alone does not promise a repaint.
    bool RedrawItems(int first, int last) const {
        return SendMessage(LVM_REDRAWITEMS, static_cast<WPARAM>(first), last) != 0;
    }
    // Repaints one row; nothing for a row the list does not have (-1: none).
    void RedrawRow(int row) const {
        if (row >= 0 && row < GetItemCount()) RedrawItems(row, row);
    }
    int GetNextItem(int after, UINT flags) const;
    void SetSelectionMark(int item) const { SendMessage(LVM_SETSELECTIONMARK, 0, item); }
    bool EnsureVisible(int item, bool partialOk) const;
    bool GetItemRect(int item, RECT& rect, int code) const;
    int HitTest(POINT point) const;
    int HitTest(LVHITTESTINFO& info) const;  // fills in what the point lies on (info.flags)
    // Check boxes are state image 2 (checked) and 1 (not checked).
    bool GetCheck(int item) const;
    void SetCheck(int item, bool checked) const;
    int GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }
    int GetCountPerPage() const { return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE)); }
    // The row's own value, which the list keeps for its owner (the item's lParam).
    LPARAM GetItemData(int item) const;
    bool SetItemData(int item, LPARAM data) const;
    bool GetSubItemRect(int item, int subItem, int code, RECT& rect) const;
    bool Scroll(int dx, int dy) const { return SendMessage(LVM_SCROLL, static_cast<WPARAM>(dx), dy) != 0; }
    // The row under a point of the client area, or -1, with its column in *pColumn (0 when
    // none). In report view only the visible rows count; both edges of a column count as
    // inside and the left column wins, so a point on a border belongs to the left cell.
    int CellFromPoint(POINT point, int* pColumn) const;

private:
    CImageList m_rowHeightImages;
    int m_nRowHeight = 0;  // at 96 DPI; 0 until SetRowHeight
};

}  // namespace platform
