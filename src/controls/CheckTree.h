// CCheckTree: a two-level tree of switches (groups and their members) with a three-state mark on
// every item, drawn as state images. Keeps its own copy of the host's switch array, edits it as
// the user presses marks, and hands it back after the dialog closed with OK.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/check_tree_model.h"
#include "platform/accessible_state.h"
#include "platform/image_list.h"
#include "platform/tree_ctrl.h"

class CCheckTree : public platform::CTreeCtrl {
public:
    // count switch entries (read from `states`, which must hold that many when count > 0) and
    // the GBK group string. Items are shown only while there are entries for them.
    void SetSwitches(int count, const int* states, const char* groups);
    // The same for a group string of the library's own.
    void SetSwitches(int count, const int* states, std::wstring_view groups);
    // Builds the items; once, after the control is subclassed. Once an accessibility client has
    // asked for the tree, screen readers are told each item's mark, until the window goes.
    void InitTree();
    // Marks and rows for the new DPI and font; the items and their marks stay.
    void OnDpiChanged(int dpi) override;
    // Writes one entry per item shown (m_nItemCount); later entries of `out` are left alone.
    void GetSwitches(int* out) const;

    BOOL ToggleItem(HTREEITEM item);
    int FindItemIndex(const HTREEITEM* item) const;
    BOOL IsItemChecked(HTREEITEM item) const;
    BOOL SetItemCheckState(HTREEITEM item, int state) const;
    static int StateFromSwitch(int value) noexcept { return core::StateFromSwitch(value); }
    // What a screen reader reads as the state of the item with this accessibility id: the
    // platform proxy's states of a tree item, with checked for a checked mark and mixed for a
    // partial one. False for an id that names no item.
    bool AccessibleState(DWORD child, DWORD& state) const;

    int m_nGroupCount = 0;
    int m_nItemCount = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void StoreSwitches(int count, const int* states, std::vector<std::vector<std::wstring>> groups);
    void OnLButtonDown(POINT point);
    void BuildItems();
    void UseMarksForDpi();

    core::CheckTreeModel m_model;
    std::vector<std::vector<std::wstring>> m_groups;  // each group's names; the first is the group item
    std::vector<HTREEITEM> m_pItems;                  // item k's handle
    platform::CImageList m_stateImages;
    platform::AccessibleStates m_accessibleStates;
};
