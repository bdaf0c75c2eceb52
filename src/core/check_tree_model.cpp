// Laying out the tree and propagating presses between a group and its members.
#include "core/check_tree_model.h"

#include <utility>

namespace core {

CheckTreeModel::CheckTreeModel(std::vector<int> switches, const std::vector<int>& groupSizes)
    : m_switches(std::move(switches)) {
    const std::size_t entries = m_switches.size();
    for (std::size_t g = 0; g < groupSizes.size() && m_items.size() < entries; ++g) {
        const int groupItem = ItemCount();
        m_items.push_back({static_cast<int>(g), 0, -1, kUnchecked});
        int members = 0;
        int on = 0;
        for (int name = 1; name < groupSizes[g] && m_items.size() < entries; ++name) {
            const int value = m_switches[m_items.size()];
            m_items.push_back({static_cast<int>(g), name, groupItem, StateFromSwitch(value)});
            ++members;
            if (value == 1) ++on;  // a value of 2 shows checked but is not "on" for the group
        }
        // The group's mark follows its members; its own entry is left as it came.
        m_items[static_cast<std::size_t>(groupItem)].state =
            on == members ? kChecked : (on == 0 ? kUnchecked : kPartial);
    }
}

bool CheckTreeModel::HasChildren(int item) const {
    return item + 1 < ItemCount() && At(item + 1).parent == item;
}

void CheckTreeModel::Set(int item, int state, std::vector<int>& changed) {
    Item& target = m_items[static_cast<std::size_t>(item)];
    if (target.state != state) changed.push_back(item);
    target.state = state;
}

std::vector<int> CheckTreeModel::Toggle(int item) {
    std::vector<int> changed;
    if (item < 0 || item >= ItemCount()) return changed;
    const int pressed = IsItemChecked(At(item).state) ? kUnchecked : kChecked;
    const int value = pressed == kChecked ? 1 : 0;
    Set(item, pressed, changed);
    m_switches[static_cast<std::size_t>(item)] = value;

    if (HasChildren(item)) {
        for (int child = item + 1; child < ItemCount() && At(child).parent == item; ++child) {
            Set(child, pressed, changed);
            m_switches[static_cast<std::size_t>(child)] = value;
        }
        return changed;
    }
    const int parent = At(item).parent;
    if (parent < 0) return changed;
    int children = 0;
    int same = 0;
    for (int child = parent + 1; child < ItemCount() && At(child).parent == parent; ++child) {
        ++children;
        if (At(child).state == pressed) ++same;
    }
    if (same == children) {
        Set(parent, pressed, changed);
        m_switches[static_cast<std::size_t>(parent)] = value;
    } else {
        Set(parent, kPartial, changed);
        m_switches[static_cast<std::size_t>(parent)] = 1;
    }
    return changed;
}

}  // namespace core
