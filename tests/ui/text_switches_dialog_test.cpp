// The design-result text switches dialog: a check tree of the host's groups and items, whose
// marks the user presses and whose switches come back on OK.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "client_snapshot.h"
#include "dialog_driver.h"
#include "gbk.h"
#include "korvel_library.h"
#include "library_bitmap.h"
#include "resource.h"
#include "tree_view.h"

namespace {

constexpr int U = 1, P = 2, C = 3;

struct TreeHost {
    int result = -7;
    int count = 0;
    std::vector<int> switches;  // may be longer than count: the entries past it must stay
    std::string groups;
    bool nullSwitches = false, nullGroups = false;

    void Call() {
        auto call = KORVEL_EXPORT(SJJG_SHOWZF_DLG);
        call(&result, &count,
             nullSwitches ? nullptr : switches.data(), nullGroups ? nullptr : groups.c_str());
    }
};

// What a press lands on, or Space on the item (focused first by a press on its text).
enum class Part { Mark, Text, Button, Beside, SpaceKey };

UINT HitPart(Part part) {
    switch (part) {
    case Part::Mark: return TVHT_ONITEMSTATEICON;
    case Part::Text: return TVHT_ONITEMLABEL;
    case Part::Button: return TVHT_ONITEMBUTTON;
    case Part::Beside: return TVHT_ONITEMRIGHT;
    case Part::SpaceKey: return TVHT_ONITEMLABEL;
    }
    return 0;
}

struct Press {
    int item;
    Part part;
};

DialogRun RunTree(TreeHost& host, const std::function<void(DialogDriver&, const TreeView&)>& script,
                  UINT closeWith = IDOK) {
    return RunDialog([&] { host.Call(); },
                     [&](DialogDriver& d) {
                         TreeView tree(d.Item(IDC_SWITCH_TREE));
                         script(d, tree);
                         d.ClickItem(static_cast<int>(closeWith));
                         EXPECT_TRUE(d.WaitClosed());
                     });
}

void PressAll(DialogDriver& d, const TreeView& tree, const std::vector<Press>& presses) {
    for (const Press& press : presses) {
        const POINT at = tree.PointOn(tree.Items().at(static_cast<std::size_t>(press.item)), HitPart(press.part));
        ASSERT_GE(at.x, 0) << "no point on item " << press.item;
        d.Click(tree.Handle(), at);
        if (press.part == Part::SpaceKey) d.KeyTo(tree.Handle(), VK_SPACE);
    }
}

TreeHost TwoGroups() {
    TreeHost host;
    host.groups = Gbk(L"{梁|配筋|剪力}\t\t {柱|轴压比}");
    host.count = 5;
    host.switches = {1, 1, 0, 0, 1};
    return host;
}

TEST(TextSwitchesDialogTest, ShowsGroupsMembersAndMarks) {
    TreeHost host = TwoGroups();
    RunTree(host, [](DialogDriver& d, const TreeView& tree) {
        EXPECT_EQ(d.Text(d.Dialog()), L"设计结果－构件字符显示开关");
        EXPECT_EQ(d.Focus(), d.Item(IDOK));
        EXPECT_EQ(tree.Texts(), (std::vector<std::wstring>{L"梁", L"配筋", L"剪力", L"柱", L"轴压比"}));
        EXPECT_EQ(tree.StateImages(), (std::vector<int>{P, C, U, C, C}));
        const auto items = tree.Items();
        EXPECT_EQ(tree.Parent(items[1]), items[0]);
        EXPECT_EQ(tree.Parent(items[4]), items[3]);
        EXPECT_TRUE(tree.Expanded(items[0]));
        EXPECT_TRUE(tree.Expanded(items[3]));
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.switches, (std::vector<int>{1, 1, 0, 0, 1}));  // untouched entries come back as they went
}

struct PressCase {
    const char* label;
    std::vector<Press> presses;
    std::vector<int> marks;
    std::vector<int> switches;  // after OK
};

class TextSwitchesPressTest : public testing::TestWithParam<PressCase> {};

TEST_P(TextSwitchesPressTest, MarksAndSwitches) {
    const PressCase& c = GetParam();
    TreeHost host = TwoGroups();
    RunTree(host, [&](DialogDriver& d, const TreeView& tree) {
        PressAll(d, tree, c.presses);
        EXPECT_EQ(tree.StateImages(), c.marks);
    });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.switches, c.switches);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextSwitchesPressTest,
    testing::Values(
        PressCase{"partial_group_mark_clears_group_and_members", {{0, Part::Mark}}, {U, U, U, C, C}, {0, 0, 0, 0, 1}},
        PressCase{"group_mark_twice_checks_all", {{0, Part::Mark}, {0, Part::Mark}}, {C, C, C, C, C}, {1, 1, 1, 0, 1}},
        PressCase{"last_unchecked_member_checks_group", {{2, Part::Mark}}, {C, C, C, C, C}, {1, 1, 1, 0, 1}},
        PressCase{"only_checked_member_cleared_clears_group", {{1, Part::Mark}}, {U, U, U, C, C}, {0, 0, 0, 0, 1}},
        PressCase{"one_member_of_two_makes_partial", {{0, Part::Mark}, {2, Part::Mark}}, {P, U, C, C, C}, {1, 0, 1, 0, 1}},
        PressCase{"only_member_cleared_clears_group", {{4, Part::Mark}}, {P, C, U, U, U}, {1, 1, 0, 0, 0}},
        PressCase{"space_on_a_partial_group_clears_group_and_members", {{0, Part::SpaceKey}}, {U, U, U, C, C},
                  {0, 0, 0, 0, 1}},
        PressCase{"space_on_the_last_unchecked_member_checks_group", {{2, Part::SpaceKey}}, {C, C, C, C, C},
                  {1, 1, 1, 0, 1}},
        PressCase{"space_then_press_on_a_group_checks_all", {{0, Part::SpaceKey}, {0, Part::Mark}}, {C, C, C, C, C},
                  {1, 1, 1, 0, 1}},
        PressCase{"text_changes_no_mark", {{1, Part::Text}, {3, Part::Text}}, {P, C, U, C, C}, {1, 1, 0, 0, 1}},
        PressCase{"beside_the_item_changes_no_mark", {{2, Part::Beside}}, {P, C, U, C, C}, {1, 1, 0, 0, 1}},
        PressCase{"expand_button_changes_no_mark", {{3, Part::Button}, {3, Part::Button}}, {P, C, U, C, C},
                  {1, 1, 0, 0, 1}}),
    [](const testing::TestParamInfo<PressCase>& info) { return std::string(info.param.label); });

TEST(TextSwitchesDialogTest, GroupOfCheckedMembersKeepsItsOwnZero) {
    TreeHost host;
    host.groups = Gbk(L"{墙|配筋|轴压比}{板}");
    host.count = 4;
    host.switches = {0, 1, 1, 0};
    RunTree(host, [](DialogDriver&, const TreeView& tree) {
        EXPECT_EQ(tree.StateImages(), (std::vector<int>{C, C, C, C}));  // a group of one name is checked
    });
    EXPECT_EQ(host.switches, (std::vector<int>{0, 1, 1, 0}));
}

TEST(TextSwitchesDialogTest, CountBeyondTheItemsWritesOneEntryPerItem) {
    TreeHost host = TwoGroups();
    host.count = 8;
    host.switches = {1, 1, 0, 0, 1, 7, 7, 7};
    RunTree(host, [](DialogDriver& d, const TreeView& tree) {
        EXPECT_EQ(tree.Items().size(), 5u);
        PressAll(d, tree, {{0, Part::Mark}});
    });
    EXPECT_EQ(host.switches, (std::vector<int>{0, 0, 0, 0, 1, 7, 7, 7}));
}

TEST(TextSwitchesDialogTest, ItemsWithoutAnEntryAreNotShownAndNothingPastTheCountIsTouched) {
    TreeHost host = TwoGroups();
    host.count = 4;
    host.switches = {1, 1, 0, 0, -5};  // the fifth entry lies beyond the host's count
    RunTree(host, [](DialogDriver& d, const TreeView& tree) {
        EXPECT_EQ(tree.Texts(), (std::vector<std::wstring>{L"梁", L"配筋", L"剪力", L"柱"}));
        EXPECT_EQ(tree.StateImages(), (std::vector<int>{P, C, U, C}));
        PressAll(d, tree, {{3, Part::Mark}});
    });
    EXPECT_EQ(host.switches, (std::vector<int>{1, 1, 0, 0, -5}));
}

TEST(TextSwitchesDialogTest, EmptyOrNullGroupStringGivesAnEmptyTree) {
    for (bool nullGroups : {false, true}) {
        TreeHost host;
        host.groups = "";
        host.nullGroups = nullGroups;
        host.count = 3;
        host.switches = {4, 5, 6};
        RunTree(host, [](DialogDriver&, const TreeView& tree) { EXPECT_TRUE(tree.Items().empty()); });
        EXPECT_EQ(host.result, 0);
        EXPECT_EQ(host.switches, (std::vector<int>{4, 5, 6}));
    }
}

TEST(TextSwitchesDialogTest, NegativeCountShowsAnEmptyTreeAndWritesNothing) {
    TreeHost host = TwoGroups();
    host.count = -3;
    RunTree(host, [](DialogDriver&, const TreeView& tree) { EXPECT_TRUE(tree.Items().empty()); });
    EXPECT_EQ(host.result, 0);
    EXPECT_EQ(host.switches, (std::vector<int>{1, 1, 0, 0, 1}));
}

// No entries to read or write: a null switch array is never touched.
TEST(TextSwitchesDialogTest, NullSwitchesWithCountZeroShowAnEmptyTree) {
    TreeHost host = TwoGroups();
    host.count = 0;
    host.nullSwitches = true;
    RunTree(host, [](DialogDriver&, const TreeView& tree) { EXPECT_TRUE(tree.Items().empty()); });
    EXPECT_EQ(host.result, 0);
}

TEST(TextSwitchesDialogTest, GbkBracesInsideNamesDoNotSplitGroups) {
    // "\x81\x7D" is one double-byte character whose second byte is the code of "}".
    TreeHost host;
    host.groups = "{G\x81\x7D|a}{H}";
    host.count = 3;
    host.switches = {0, 0, 1};
    RunTree(host, [](DialogDriver&, const TreeView& tree) {
        ASSERT_EQ(tree.Items().size(), 3u);
        EXPECT_EQ(tree.Text(tree.Items()[1]), L"a");
        EXPECT_EQ(tree.Text(tree.Items()[2]), L"H");
    });
    EXPECT_EQ(host.result, 0);
}

// Each item shows the mark of its state from the library's bitmap IDB_CHECK_IMAGES, left of its
// text, with the bitmap's white transparent.
TEST(CheckImagesTest, MarksAreDrawnFromTheLibrarysBitmapWithWhiteTransparent) {
    constexpr int kMark = 13;  // the tree cuts the bitmap into four marks this wide: unused, U, P, C
    const Pixels strip = LibraryBitmap(IDB_CHECK_IMAGES);
    ASSERT_EQ(strip.width, 4 * kMark);
    ASSERT_EQ(strip.height, kMark);
    TreeHost host = TwoGroups();
    RunTree(host, [&](DialogDriver&, const TreeView& tree) {
        // A background of another colour than white shows whether white pixels are transparent.
        const COLORREF background = RGB(0, 128, 128);
        SendMessageW(tree.Handle(), TVM_SETBKCOLOR, 0, background);
        InvalidateRect(tree.Handle(), nullptr, TRUE);
        const ClientSnapshot snapshot(tree.Handle());
        const auto items = tree.Items();
        for (std::size_t i = 0; i < items.size(); ++i) {
            const int state = tree.StateImage(items[i]);
            RECT area = tree.ItemRect(items[i], false);
            area.right = tree.ItemRect(items[i], true).left;
            const Pixels drawn = ImageOver(strip, state, kMark, RGB(255, 255, 255), background);
            EXPECT_NE(FindImage(snapshot, area, drawn).x, -1) << "item " << i << " shows no mark " << state;
        }
    });
}

}  // namespace
