// CListCtrl: thin wrapper of a report-view list control (SysListView32); one method per message.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/wnd.h"

namespace platform {

class CListCtrl : public CWnd {
public:
    void SetExtendedStyle(DWORD style) const;
    DWORD GetExtendedStyle() const;
    void DeleteAllItems() const { SendMessage(LVM_DELETEALLITEMS); }
    void SetImageList(HIMAGELIST list, int which) const;
    int InsertColumn(int index, const std::wstring& heading, int format, int width, int subItem) const;
    int GetColumnCount() const;  // items of the header control
    int GetColumnWidth(int column) const { return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, column)); }
    bool GetColumnFormatAndWidth(int column, int& format, int& width) const;

    int InsertItem(int index, const std::wstring& text) const;
    bool SetItemText(int item, int subItem, const std::wstring& text) const;
    std::wstring GetItemText(int item, int subItem) const;
    UINT GetItemState(int item, UINT mask) const;
    void SetItemState(int item, UINT state, UINT mask) const;
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int GetNextItem(int after, UINT flags) const;
    void SetSelectionMark(int item) const { SendMessage(LVM_SETSELECTIONMARK, 0, item); }
    bool EnsureVisible(int item, bool partialOk) const;
    bool GetItemRect(int item, RECT& rect, int code) const;
    int HitTest(POINT point) const;
    int GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }
    int GetCountPerPage() const { return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE)); }
};

}  // namespace platform
