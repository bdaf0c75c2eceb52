// The check tree: laying out groups and members, drawing marks as state images, and presses on
// the marks or Space on the focused item (presses anywhere else change no check).
#include "controls/CheckTree.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "core/group_string.h"
#include "core/names.h"
#include "platform/host_text.h"
#include "platform/state_image.h"
#include "platform/redraw_guard.h"
#include "res/resource.h"

namespace {
constexpr int kStateImageWidth = 13;
constexpr int kFirstMark = 1;  // image 0 is never shown: the marks are state images 1 to 3
constexpr COLORREF kMaskColor = RGB(255, 255, 255);
}  // namespace

void CCheckTree::SetSwitches(int count, const int* states, const char* groups) {
    std::vector<std::vector<std::wstring>> names;
    for (const std::string& group : core::ParseGroups(core::HostString(groups)))
        names.push_back(platform::SplitGbkNames(group));
    StoreSwitches(count, states, std::move(names));
}

void CCheckTree::SetSwitches(int count, const int* states, std::wstring_view groups) {
    std::vector<std::vector<std::wstring>> names;
    for (const std::wstring& group : core::ParseGroups(groups)) names.push_back(core::SplitNames(group));
    StoreSwitches(count, states, std::move(names));
}

void CCheckTree::StoreSwitches(int count, const int* states, std::vector<std::vector<std::wstring>> groups) {
    m_groups = std::move(groups);
    std::vector<int> groupSizes;
    std::size_t names = 0;
    for (const auto& group : m_groups) {
        groupSizes.push_back(static_cast<int>(group.size()));
        names += group.size();
    }
    // Only the entries of items the tree can show are read (and written back): a count larger
    // than the host's array reaches no further than the tree's names.
    const std::size_t entries = (count > 0 && states) ? std::min(static_cast<std::size_t>(count), names) : 0;
    std::vector<int> switches(states, states + entries);
    m_nGroupCount = static_cast<int>(m_groups.size());
    m_model = core::CheckTreeModel(std::move(switches), groupSizes);
    m_nItemCount = static_cast<int>(entries);
}

void CCheckTree::InitTree() {
    // With drawing off the tree lays itself out once, after the last item.
    const platform::RedrawGuard noRedraw(m_hWnd);
    DeleteAllItems();
    UseMarksForDpi();
    BuildItems();
}

void CCheckTree::OnDpiChanged(int dpi) {
    CTreeCtrl::OnDpiChanged(dpi);
    if (!m_hWnd) return;
    UseMarksForDpi();
    Invalidate(true);
}

void CCheckTree::UseMarksForDpi() {
    // The marks are drawn for 96 DPI; the tree shows them the size of the platform's check box.
    platform::CImageList marks;
    marks.CreateMarks(IDB_CHECK_IMAGES, kStateImageWidth, kMaskColor, Dpi(), kFirstMark);
    SetImageList(marks.GetSafeHandle(), TVSIL_STATE);
    m_stateImages = std::move(marks);  // the tree let go of the marks before
    // The rows are one pixel taller than the tree makes them for its font and marks: a pixel
    // more space between the marks of neighbouring items. The template's TVS_NONEVENHEIGHT keeps
    // an odd height (TVM_SETITEMHEIGHT rounds it down to even without that style). -1 first
    // gives the tree's own height for the font and marks it has now.
    SetItemHeight(-1);
    SetItemHeight(GetItemHeight() + 1);
}

void CCheckTree::BuildItems() {
    // Each item is inserted once with its mark, and each group with members already expanded.
    const int count = m_model.ItemCount();
    std::vector<bool> hasMembers(static_cast<std::size_t>(count), false);
    for (int k = 0; k < count; ++k)
        if (m_model.At(k).parent >= 0) hasMembers[static_cast<std::size_t>(m_model.At(k).parent)] = true;
    m_pItems.clear();
    m_pItems.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        const core::CheckTreeModel::Item& item = m_model.At(k);
        const std::wstring& text = m_groups[static_cast<std::size_t>(item.group)][static_cast<std::size_t>(item.name)];
        const bool root = item.parent < 0;
        HTREEITEM parent = root ? TVI_ROOT : m_pItems[static_cast<std::size_t>(item.parent)];
        const UINT expanded = root && hasMembers[static_cast<std::size_t>(k)] ? TVIS_EXPANDED : 0;
        m_pItems.push_back(InsertItem(text, parent, TVI_LAST,
                                      INDEXTOSTATEIMAGEMASK(static_cast<UINT>(item.state)) | expanded,
                                      TVIS_STATEIMAGEMASK | TVIS_EXPANDED));
    }
    m_nItemCount = count;
}

void CCheckTree::GetSwitches(int* out) const {
    const auto& switches = m_model.Switches();
    const auto items = std::min(static_cast<std::size_t>(std::max(m_nItemCount, 0)), switches.size());
    std::copy(switches.begin(), switches.begin() + static_cast<std::ptrdiff_t>(items), out);
}

LRESULT CCheckTree::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: OnLButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); break;
    case WM_KEYDOWN:
        // Space does what a press on the focused item's mark does.
        if (wParam == VK_SPACE) {
            ToggleItem(GetSelectedItem());
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == L' ') return 0;  // no item's name starts with the space
        break;
    case WM_GETOBJECT:
        // The tree draws its marks as state images, of which the platform's proxy knows no
        // meaning: the items' states are annotated when an accessibility client first asks for
        // the tree (a call no one reads pays nothing for them), before the proxy is made.
        if (!m_accessibleStates.IsSet())
            m_accessibleStates.Set(m_hWnd, [this](DWORD child, DWORD& state) { return AccessibleState(child, state); });
        break;
    case WM_DESTROY: m_accessibleStates.Clear(); break;
    default: break;
    }
    return DefaultProc(message, wParam, lParam);
}

void CCheckTree::OnLButtonDown(POINT point) {
    UINT flags = 0;
    HTREEITEM item = HitTest(point, &flags);
    if (item && (flags & TVHT_ONITEMSTATEICON)) ToggleItem(item);
}

BOOL CCheckTree::ToggleItem(HTREEITEM item) {
    if (!item) return FALSE;
    for (int changed : m_model.Toggle(FindItemIndex(&item)))
        SetItemCheckState(m_pItems[static_cast<std::size_t>(changed)], m_model.At(changed).state);
    return TRUE;
}

int CCheckTree::FindItemIndex(const HTREEITEM* item) const {
    const auto found = std::find(m_pItems.begin(), m_pItems.end(), *item);
    return found == m_pItems.end() ? -1 : static_cast<int>(found - m_pItems.begin());
}

bool CCheckTree::AccessibleState(DWORD child, DWORD& state) const {
    // Through the window procedure: whatever stands between the tree and its callers answers too.
    HTREEITEM item = reinterpret_cast<HTREEITEM>(::SendMessageW(m_hWnd, TVM_MAPACCIDTOHTREEITEM, child, 0));
    const int k = item ? FindItemIndex(&item) : -1;
    if (k < 0) return false;
    const UINT shown = GetItemState(item, TVIS_SELECTED | TVIS_EXPANDED);
    state = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (shown & TVIS_SELECTED) state |= STATE_SYSTEM_SELECTED | (GetFocus() == m_hWnd ? STATE_SYSTEM_FOCUSED : 0);
    if (GetChildItem(item)) state |= (shown & TVIS_EXPANDED) ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED;
    RECT row{};
    if (!GetItemRect(item, row)) {
        state |= STATE_SYSTEM_INVISIBLE;  // under a collapsed group
    } else {
        const RECT client = GetClientRect();
        if (row.bottom <= client.top || row.top >= client.bottom) state |= STATE_SYSTEM_OFFSCREEN;
    }
    switch (m_model.At(k).state) {
    case core::kChecked: state |= STATE_SYSTEM_CHECKED; break;
    case core::kPartial: state |= STATE_SYSTEM_MIXED; break;
    default: break;
    }
    return true;
}

BOOL CCheckTree::IsItemChecked(HTREEITEM item) const {
    return core::IsItemChecked(platform::StateImageIndex(GetItemState(item, TVIS_STATEIMAGEMASK))) ? TRUE : FALSE;
}

BOOL CCheckTree::SetItemCheckState(HTREEITEM item, int state) const {
    if (!item) return FALSE;
    SetItemState(item, INDEXTOSTATEIMAGEMASK(static_cast<UINT>(state)), TVIS_STATEIMAGEMASK);
    return TRUE;
}
