// CTreeCtrl: thin wrapper of a tree-view control (SysTreeView32); one method per message.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/wnd.h"

namespace platform {

class CTreeCtrl : public CWnd {
public:
    void DeleteAllItems() const { SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }
    HTREEITEM InsertItem(const std::wstring& text, HTREEITEM parent, HTREEITEM after = TVI_LAST) const;
    // With its state (state image, expansion) in the same message.
    HTREEITEM InsertItem(const std::wstring& text, HTREEITEM parent, HTREEITEM after, UINT state, UINT stateMask) const;
    UINT GetItemState(HTREEITEM item, UINT mask) const;
    // The item's whole row in client coordinates; false when the item is not shown (under a
    // collapsed parent).
    bool GetItemRect(HTREEITEM item, RECT& rect) const;
    void SetItemState(HTREEITEM item, UINT state, UINT mask) const;
    std::wstring GetItemText(HTREEITEM item) const;
    HTREEITEM GetChildItem(HTREEITEM item) const { return GetNext(item, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNext(item, TVGN_NEXT); }
    HTREEITEM GetParentItem(HTREEITEM item) const { return GetNext(item, TVGN_PARENT); }
    HTREEITEM GetSelectedItem() const { return GetNext(nullptr, TVGN_CARET); }
    bool Expand(HTREEITEM item, UINT code) const {
        return SendMessage(TVM_EXPAND, code, reinterpret_cast<LPARAM>(item)) != 0;
    }
    // The item under a point of the client area, with the TVHT_ flags of where it lies.
    HTREEITEM HitTest(POINT point, UINT* flags) const;
    void SetImageList(HIMAGELIST list, int which) const {
        SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(list));
    }
    int GetItemHeight() const { return static_cast<int>(SendMessage(TVM_GETITEMHEIGHT)); }
    void SetItemHeight(int height) const { SendMessage(TVM_SETITEMHEIGHT, static_cast<WPARAM>(height)); }

private:
    HTREEITEM GetNext(HTREEITEM item, UINT code) const {
        return reinterpret_cast<HTREEITEM>(SendMessage(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
    }
};

}  // namespace platform
