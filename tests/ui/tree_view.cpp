// Tree view reading through its messages.
#include "tree_view.h"

#include <cstring>

namespace {
HTREEITEM Next(HWND tree, HTREEITEM item, UINT code) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}
}  // namespace

std::vector<HTREEITEM> TreeView::Items() const {
    std::vector<HTREEITEM> items;
    for (HTREEITEM top = Next(m_tree, nullptr, TVGN_ROOT); top; top = Next(m_tree, top, TVGN_NEXT)) {
        items.push_back(top);
        for (HTREEITEM child = Next(m_tree, top, TVGN_CHILD); child; child = Next(m_tree, child, TVGN_NEXT))
            items.push_back(child);
    }
    return items;
}

std::wstring TreeView::Text(HTREEITEM item) const {
    wchar_t buffer[1024] = {};
    TVITEMW info{};
    info.mask = TVIF_TEXT;
    info.hItem = item;
    info.pszText = buffer;
    info.cchTextMax = 1024;
    SendMessageW(m_tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
    return buffer;
}

int TreeView::StateImage(HTREEITEM item) const {
    const auto state = SendMessageW(m_tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_STATEIMAGEMASK);
    return static_cast<int>((state & TVIS_STATEIMAGEMASK) >> 12);
}

std::vector<int> TreeView::StateImages() const {
    std::vector<int> states;
    for (HTREEITEM item : Items()) states.push_back(StateImage(item));
    return states;
}

std::vector<std::wstring> TreeView::Texts() const {
    std::vector<std::wstring> texts;
    for (HTREEITEM item : Items()) texts.push_back(Text(item));
    return texts;
}

HTREEITEM TreeView::Parent(HTREEITEM item) const { return Next(m_tree, item, TVGN_PARENT); }

bool TreeView::Expanded(HTREEITEM item) const {
    return (SendMessageW(m_tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

RECT TreeView::ItemRect(HTREEITEM item, bool label) const {
    // TVM_GETITEMRECT takes the item's handle in the rectangle it fills.
    RECT rect{};
    memcpy(&rect, &item, sizeof item);
    if (!SendMessageW(m_tree, TVM_GETITEMRECT, label, reinterpret_cast<LPARAM>(&rect))) return RECT{};
    return rect;
}

POINT TreeView::PointOn(HTREEITEM item, UINT part) const {
    const RECT row = ItemRect(item, false);
    if (IsRectEmpty(&row)) return POINT{-1, -1};
    const int y = (row.top + row.bottom) / 2;
    // Walk the row from the left; the middle of the run of points on `part` is the press point.
    int first = -1;
    int last = -1;
    for (int x = row.left; x < row.right; ++x) {
        TVHITTESTINFO hit{};
        hit.pt = POINT{x, y};
        const auto at = reinterpret_cast<HTREEITEM>(SendMessageW(m_tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (at == item && (hit.flags & part)) {
            if (first < 0) first = x;
            last = x;
        } else if (first >= 0) {
            break;
        }
    }
    return first < 0 ? POINT{-1, -1} : POINT{(first + last) / 2, y};
}
