// The check tree's group string and its press propagation between groups and members.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/check_tree_model.h"
#include "core/group_string.h"
#include "core/names.h"

namespace {

struct GroupCase {
    const char* label;
    std::string groups;
    std::vector<std::string> found;
};

class ParseGroupsTest : public testing::TestWithParam<GroupCase> {};

TEST_P(ParseGroupsTest, FindsGroups) { EXPECT_EQ(core::ParseGroups(GetParam().groups), GetParam().found); }

INSTANTIATE_TEST_SUITE_P(
    Table, ParseGroupsTest,
    testing::Values(GroupCase{"two_groups_text_between_ignored", "{A|a1|a2}\t\t {B|b1}", {"A|a1|a2", "B|b1"}},
                    GroupCase{"no_nesting", "{a{b}c}", {"a{b"}},
                    GroupCase{"unclosed_last_group_dropped", "{A}{B|b1", {"A"}},
                    GroupCase{"empty_group", "x{}y", {""}},
                    GroupCase{"empty_string", "", {}},
                    GroupCase{"no_braces", "A|a1", {}},
                    // 0x81 0x7D and 0x81 0x7B are double-byte characters: their trail bytes are no braces.
                    GroupCase{"gbk_trail_byte_is_no_close", "{\x81\x7D|x}", {"\x81\x7D|x"}},
                    GroupCase{"gbk_trail_byte_is_no_open", "\x81{A}{B}", {"B"}},
                    GroupCase{"lone_lead_byte_at_end", "{A}{\x81", {"A"}}),
    [](const testing::TestParamInfo<GroupCase>& info) { return std::string(info.param.label); });

struct WideGroupCase {
    const char* label;
    std::wstring groups;
    std::vector<std::wstring> found;
};

class WideParseGroupsTest : public testing::TestWithParam<WideGroupCase> {};

TEST_P(WideParseGroupsTest, FindsGroups) { EXPECT_EQ(core::ParseGroups(GetParam().groups), GetParam().found); }

INSTANTIATE_TEST_SUITE_P(
    Table, WideParseGroupsTest,
    testing::Values(WideGroupCase{"two_groups_text_between_ignored", L"{A|a1|a2}\t\t {B|b1}", {L"A|a1|a2", L"B|b1"}},
                    WideGroupCase{"no_nesting", L"{a{b}c}", {L"a{b"}},
                    WideGroupCase{"unclosed_last_group_dropped", L"{A}{B|b1", {L"A"}},
                    WideGroupCase{"empty_group", L"x{}y", {L""}},
                    WideGroupCase{"no_braces", L"A|a1", {}},
                    WideGroupCase{"chinese", L"{\x6881|\x4E3B\x7B4B} {\x67F1}", {L"\x6881|\x4E3B\x7B4B", L"\x67F1"}}),
    [](const testing::TestParamInfo<WideGroupCase>& info) { return std::string(info.param.label); });

// Tree items from a group string, as the control lays them out.
core::CheckTreeModel Model(const std::string& groups, std::vector<int> switches) {
    std::vector<int> sizes;
    for (const auto& group : core::ParseGroups(groups)) sizes.push_back(core::CountNames(group));
    return core::CheckTreeModel(std::move(switches), sizes);
}

std::vector<int> States(const core::CheckTreeModel& model) {
    std::vector<int> states;
    for (int i = 0; i < model.ItemCount(); ++i) states.push_back(model.At(i).state);
    return states;
}

constexpr int U = core::kUnchecked, P = core::kPartial, C = core::kChecked;
const char* const kTwoGroups = "{A|a1|a2}\t\t {B|b1}";

struct PressCase {
    const char* label;
    std::string groups;
    std::vector<int> switches;
    std::vector<int> presses;  // item numbers, in order
    std::vector<int> states;   // marks afterwards, one per item shown
    std::vector<int> entries;  // the switch array afterwards
};

class CheckTreePressTest : public testing::TestWithParam<PressCase> {};

TEST_P(CheckTreePressTest, MarksAndEntries) {
    const PressCase& c = GetParam();
    core::CheckTreeModel model = Model(c.groups, c.switches);
    for (int item : c.presses) model.Toggle(item);
    EXPECT_EQ(States(model), c.states);
    EXPECT_EQ(model.Switches(), c.entries);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckTreePressTest,
    testing::Values(
        // Group marks follow their members; the groups' own entries stay as they came.
        PressCase{"initial_marks", kTwoGroups, {1, 1, 0, 0, 1}, {}, {P, C, U, C, C}, {1, 1, 0, 0, 1}},
        PressCase{"member_value_2_is_checked_but_not_on", "{A|a1|a2}", {0, 2, 1}, {}, {P, C, C}, {0, 2, 1}},
        PressCase{"one_name_group_is_checked", "{A}", {0}, {}, {C}, {0}},
        PressCase{"one_name_group_press_clears_itself", "{A}{B|b1}", {0, 1, 1}, {0}, {U, C, C}, {0, 1, 1}},
        PressCase{"partial_group_press_clears_all", kTwoGroups, {1, 1, 0, 0, 1}, {0}, {U, U, U, C, C}, {0, 0, 0, 0, 1}},
        PressCase{"unchecked_group_press_checks_all", "{A|a1|a2}", {1, 0, 0}, {0}, {C, C, C}, {1, 1, 1}},
        PressCase{"clearing_the_only_checked_member_clears_group", kTwoGroups, {1, 1, 0, 0, 1}, {1},
                  {U, U, U, C, C}, {0, 0, 0, 0, 1}},
        PressCase{"checking_last_unchecked_member_checks_group", kTwoGroups, {1, 1, 0, 0, 1}, {2},
                  {C, C, C, C, C}, {1, 1, 1, 0, 1}},
        PressCase{"checking_one_of_several_makes_partial", "{A|a1|a2}", {0, 0, 0}, {1}, {P, C, U}, {1, 1, 0}},
        PressCase{"press_twice_restores_marks", "{A|a1|a2}", {0, 0, 0}, {1, 1}, {U, U, U}, {0, 0, 0}},
        PressCase{"member_value_2_pressed_clears", "{A|a1|a2}", {0, 2, 1}, {1}, {P, U, C}, {1, 0, 1}},
        // Items without a switch entry are not shown; nothing past the array is read or written.
        PressCase{"fewer_entries_than_items", kTwoGroups, {0, 1, 1, 0}, {3}, {C, C, C, U}, {0, 1, 1, 0}},
        PressCase{"entries_end_inside_a_group", kTwoGroups, {0, 1}, {1}, {U, U}, {0, 0}},
        PressCase{"no_entries_no_items", kTwoGroups, {}, {0}, {}, {}},
        PressCase{"more_entries_than_items", "{A|a1}", {0, 1, 7, 7}, {1}, {U, U}, {0, 0, 7, 7}},
        PressCase{"press_outside_the_items_changes_nothing", "{A|a1}", {0, 1}, {-1, 2, 99}, {C, C}, {0, 1}}),
    [](const testing::TestParamInfo<PressCase>& info) { return std::string(info.param.label); });

TEST(CheckTreeModelTest, ItemsAreNumberedGroupThenMembers) {
    const core::CheckTreeModel model = Model(kTwoGroups, {1, 1, 0, 0, 1});
    ASSERT_EQ(model.ItemCount(), 5);
    const std::vector<std::pair<int, int>> expected{{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}};
    const std::vector<int> parents{-1, 0, 0, -1, 3};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(model.At(i).group, expected[static_cast<std::size_t>(i)].first);
        EXPECT_EQ(model.At(i).name, expected[static_cast<std::size_t>(i)].second);
        EXPECT_EQ(model.At(i).parent, parents[static_cast<std::size_t>(i)]);
    }
}

TEST(CheckTreeModelTest, PressReportsTheChangedItems) {
    core::CheckTreeModel model = Model(kTwoGroups, {1, 1, 0, 0, 1});
    EXPECT_EQ(model.Toggle(0), (std::vector<int>{0, 1}));  // a2 was already unchecked
    EXPECT_EQ(model.Toggle(4), (std::vector<int>{4, 3}));
}

}  // namespace
