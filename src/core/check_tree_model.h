// The check tree's model: a two-level tree of switches (group items and their members) with a
// three-state mark on every item, and the switch array it edits. Items are numbered in the order
// they are shown: a group, its members, the next group ... and item k edits switch entry k.
#pragma once
#include <vector>

namespace core {

enum CheckState : int { kNoMark = 0, kUnchecked = 1, kPartial = 2, kChecked = 3 };

constexpr int StateFromSwitch(int value) noexcept { return value != 0 ? kChecked : kUnchecked; }
constexpr bool IsItemChecked(int state) noexcept { return state == kPartial || state == kChecked; }

class CheckTreeModel {
public:
    struct Item {
        int group = 0;    // index of the group in the group string
        int name = 0;     // index of the name within its group: 0 is the group item
        int parent = -1;  // item number of the group item; -1 for a group item
        int state = kUnchecked;
    };

    CheckTreeModel() = default;
    // groupSizes: the number of names of each group. Items are laid out while switch entries
    // last: an item without an entry is not shown, so the tree never reaches past the array.
    CheckTreeModel(std::vector<int> switches, const std::vector<int>& groupSizes);

    int ItemCount() const noexcept { return static_cast<int>(m_items.size()); }
    const Item& At(int item) const { return m_items[static_cast<std::size_t>(item)]; }
    // Entry k belongs to item k; entries past ItemCount() are not shown and never written.
    const std::vector<int>& Switches() const noexcept { return m_switches; }

    // A press on an item's mark. Returns the items whose marks changed.
    std::vector<int> Toggle(int item);

private:
    bool HasChildren(int item) const;
    void Set(int item, int state, std::vector<int>& changed);

    std::vector<int> m_switches;
    std::vector<Item> m_items;
};

}  // namespace core
