// Tree-view control messages.
#include "platform/tree_ctrl.h"

#include <cstring>
#include <vector>

namespace platform {

HTREEITEM CTreeCtrl::InsertItem(const std::wstring& text, HTREEITEM parent, HTREEITEM after) const {
    return InsertItem(text, parent, after, 0, 0);
}

HTREEITEM CTreeCtrl::InsertItem(const std::wstring& text, HTREEITEM parent, HTREEITEM after, UINT state,
                                UINT stateMask) const {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | (stateMask ? TVIF_STATE : 0);
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.state = state;
    insert.item.stateMask = stateMask;
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

UINT CTreeCtrl::GetItemState(HTREEITEM item, UINT mask) const {
    return static_cast<UINT>(SendMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), mask));
}

bool CTreeCtrl::GetItemRect(HTREEITEM item, RECT& rect) const {
    // The message takes the item in the rectangle it fills.
    static_assert(sizeof(RECT) >= sizeof(HTREEITEM), "an item handle fits in a rectangle");
    std::memcpy(&rect, &item, sizeof item);
    return SendMessage(TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&rect)) != 0;
}

void CTreeCtrl::SetItemState(HTREEITEM item, UINT state, UINT mask) const {
    TVITEMW info{};
    info.mask = TVIF_STATE;
    info.hItem = item;
    info.state = state;
    info.stateMask = mask;
    SendMessage(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&info));
}

std::wstring CTreeCtrl::GetItemText(HTREEITEM item) const {
    // The message does not say how long the text is: grow until it fits.
    std::vector<wchar_t> buffer(64);
    for (;;) {
        TVITEMW info{};
        info.mask = TVIF_TEXT;
        info.hItem = item;
        info.pszText = buffer.data();
        info.cchTextMax = static_cast<int>(buffer.size());
        if (!SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info))) return L"";
        const std::wstring text(info.pszText);
        if (text.size() + 1 < buffer.size()) return text;
        buffer.resize(buffer.size() * 2);
    }
}

HTREEITEM CTreeCtrl::HitTest(POINT point, UINT* flags) const {
    TVHITTESTINFO info{};
    info.pt = point;
    const auto item = reinterpret_cast<HTREEITEM>(SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    if (flags) *flags = info.flags;
    return item;
}

}  // namespace platform
