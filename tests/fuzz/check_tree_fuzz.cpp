// Group strings and the check tree: the groups are pieces of the host's text; the tree built
// from them and a switch array, pressed in any order, keeps every group's mark matching its
// members, writes only 0 and 1, and never reaches past the array. A group nobody pressed yet
// takes its mark from its members' entries, where only a 1 counts as on (a 2 shows checked but
// leaves the group partial); once pressed, from its members' marks.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/check_tree_model.h"
#include "core/group_string.h"
#include "core/names.h"
#include "fuzz_input.h"

namespace {

// pressedGroups[g]: an item of the group whose group item is g was pressed.
void CheckGroupMarks(const core::CheckTreeModel& tree, const std::vector<bool>& pressedGroups) {
    for (int item = 0; item < tree.ItemCount(); ++item) {
        if (tree.At(item).parent >= 0) continue;
        const bool pressed = pressedGroups[static_cast<std::size_t>(item)];
        int members = 0, on = 0;
        for (int m = item + 1; m < tree.ItemCount() && tree.At(m).parent == item; ++m) {
            ++members;
            const bool memberOn = pressed ? tree.At(m).state == core::kChecked
                                          : tree.Switches()[static_cast<std::size_t>(m)] == 1;
            if (memberOn) ++on;
        }
        if (members == 0) continue;  // a group alone keeps its own mark
        const int expected = on == members ? core::kChecked : on == 0 ? core::kUnchecked : core::kPartial;
        FUZZ_CHECK(tree.At(item).state == expected);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const int entries = in.Small(40);
    std::vector<int> switches(static_cast<std::size_t>(entries));
    for (int& s : switches) s = in.Small(3) - 1;  // -1, 0, 1, 2: nonzero is on
    const int presses = in.Small(30);
    std::vector<int> pressed;
    for (int i = 0; i < presses; ++i) pressed.push_back(in.Small(60));
    const std::string groups = in.Rest();

    std::vector<int> sizes;
    for (const std::string& group : core::ParseGroups(groups)) {
        FUZZ_CHECK(groups.find(group) != std::string::npos);
        sizes.push_back(static_cast<int>(core::SplitNames(group).size()));
    }
    core::CheckTreeModel tree(switches, sizes);
    FUZZ_CHECK(tree.ItemCount() <= entries);
    std::vector<bool> touched(static_cast<std::size_t>(entries), false);
    std::vector<bool> pressedGroups(static_cast<std::size_t>(entries), false);
    CheckGroupMarks(tree, pressedGroups);
    for (int item : pressed) {
        if (item >= tree.ItemCount()) continue;
        const int group = tree.At(item).parent >= 0 ? tree.At(item).parent : item;
        pressedGroups[static_cast<std::size_t>(group)] = true;
        touched[static_cast<std::size_t>(item)] = true;
        // Written whether its mark changed or not: a group item's press, every member's entry;
        // a member's press, its group item's entry.
        touched[static_cast<std::size_t>(group)] = true;
        for (int k = group + 1; item == group && k < tree.ItemCount() && tree.At(k).parent == group; ++k)
            touched[static_cast<std::size_t>(k)] = true;
        for (int changed : tree.Toggle(item)) {
            FUZZ_CHECK(changed >= 0 && changed < tree.ItemCount());
            touched[static_cast<std::size_t>(changed)] = true;
        }
        CheckGroupMarks(tree, pressedGroups);
    }
    FUZZ_CHECK(tree.Switches().size() == switches.size());
    for (std::size_t k = 0; k < switches.size(); ++k) {
        const int now = tree.Switches()[k];
        if (touched[k]) FUZZ_CHECK(now == 0 || now == 1);
        else FUZZ_CHECK(now == switches[k]);
    }
    return 0;
}
