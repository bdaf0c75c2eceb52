// Reads what a tree view shows, and finds the points a person would press, from the test's
// driver thread.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

class TreeView {
public:
    explicit TreeView(HWND tree) noexcept : m_tree(tree) {}

    // Every item in display order: each top-level item, then its children.
    std::vector<HTREEITEM> Items() const;
    std::wstring Text(HTREEITEM item) const;
    int StateImage(HTREEITEM item) const;  // the mark: 1 unchecked, 2 partial, 3 checked
    std::vector<int> StateImages() const;
    std::vector<std::wstring> Texts() const;
    HTREEITEM Parent(HTREEITEM item) const;
    bool Expanded(HTREEITEM item) const;

    // The item's row, or with `label` its text only, in the tree's client area (TVM_GETITEMRECT);
    // empty when the item is not shown.
    RECT ItemRect(HTREEITEM item, bool label) const;
    // Points in the tree's client area on the part of `item` that the hit test names `part`
    // (TVHT_ONITEMSTATEICON, TVHT_ONITEMLABEL, TVHT_ONITEMBUTTON, TVHT_ONITEMRIGHT);
    // {-1, -1} when there is none.
    POINT PointOn(HTREEITEM item, UINT part) const;
    HWND Handle() const noexcept { return m_tree; }

private:
    HWND m_tree;
};
