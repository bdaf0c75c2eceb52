// What a screen reader is told of the check tree's items: checked for a checked mark, mixed for
// a partial one, neither for an unchecked one, through a property server the library annotates
// on the tree once an accessibility client asks for it (WM_GETOBJECT), until the dialog closes.
// Stand-in property services ask the server as the platform would.
#include <gtest/gtest.h>

#include <ole2.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "gbk.h"
#include "korvel_library.h"
#include "prop_services_recorder.h"
#include "resource.h"
#include "tree_view.h"
#include "window_thread.h"

namespace {

constexpr DWORD kMarkStates = STATE_SYSTEM_CHECKED | STATE_SYSTEM_MIXED;

// The items the stand-in ids name: written before the stand-in is put on the tree's thread.
std::vector<HTREEITEM> g_items;

// Where the platform's tree maps no accessibility ids (Wine's does not), ids are given as the
// tree of common controls 6 gives them: one per item, here its place in display order from 1.
LRESULT CALLBACK StandInIds(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case TVM_MAPACCIDTOHTREEITEM:
        return wParam >= 1 && wParam <= g_items.size() ? reinterpret_cast<LRESULT>(g_items[wParam - 1]) : 0;
    case TVM_MAPHTREEITEMTOACCID:
        for (std::size_t i = 0; i < g_items.size(); ++i)
            if (g_items[i] == reinterpret_cast<HTREEITEM>(wParam)) return static_cast<LRESULT>(i + 1);
        return 0;
    case WM_NCDESTROY: RemoveWindowSubclass(window, &StandInIds, 1); break;
    default: break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void GiveIdsWhereThePlatformDoesNot(DialogDriver& d, HWND tree, const std::vector<HTREEITEM>& items) {
    g_items = items;
    RunOnWindowThread(d, tree, [&] {
        if (!SendMessageW(tree, TVM_MAPHTREEITEMTOACCID, reinterpret_cast<WPARAM>(items.at(0)), 0))
            SetWindowSubclass(tree, &StandInIds, 1, 0);
    });
}

// The state each item's server answers, asked on the tree's thread as the platform asks.
std::vector<std::optional<DWORD>> States(DialogDriver& d, HWND tree, const std::vector<HTREEITEM>& items,
                                         const PropServicesRecorder& recorder) {
    std::vector<std::optional<DWORD>> states;
    RunOnWindowThread(d, tree, [&] {
        for (HTREEITEM item : items) {
            const auto id = static_cast<DWORD>(SendMessageW(tree, TVM_MAPHTREEITEMTOACCID, reinterpret_cast<WPARAM>(item), 0));
            states.push_back(recorder.StateOf(tree, id));
        }
    });
    return states;
}

std::vector<DWORD> Marks(const std::vector<std::optional<DWORD>>& states) {
    std::vector<DWORD> marks;
    for (const auto& state : states) marks.push_back(state ? *state & kMarkStates : ~0u);
    return marks;
}

TEST(ItemStateTest, ScreenReadersAreToldEachMarkWhileTheDialogIsOpen) {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK) << "COM was already initialised";
    std::optional<PropServicesRecorder> recorder;
    recorder.emplace();
    ASSERT_EQ(recorder->Registration(), S_OK);
    int result = -7, count = 5;
    std::vector<int> switches{1, 1, 0, 0, 1};  // marks: partial, checked, unchecked; checked, checked
    const std::string groups = Gbk(L"{梁|配筋|剪力}{柱|轴压比}");
    HWND treeWindow = nullptr;
    RunDialog([&] { KORVEL_EXPORT(SJJG_SHOWZF_DLG)(&result, &count, switches.data(), groups.c_str()); },
              [&](DialogDriver& d) {
                  treeWindow = d.Item(IDC_SWITCH_TREE);
                  const TreeView tree(treeWindow);
                  const std::vector<HTREEITEM> items = tree.Items();
                  ASSERT_EQ(items.size(), 5u);
                  GiveIdsWhereThePlatformDoesNot(d, treeWindow, items);
                  // A screen reader's first contact with the tree.
                  SendMessageW(treeWindow, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT));
                  const DWORD C = STATE_SYSTEM_CHECKED, M = STATE_SYSTEM_MIXED;
                  std::vector<std::optional<DWORD>> states = States(d, treeWindow, items, *recorder);
                  EXPECT_EQ(Marks(states), (std::vector<DWORD>{M, C, 0, C, C}));
                  // The rest is what the platform tells of any tree item.
                  ASSERT_TRUE(states[0] && states[1]);
                  EXPECT_EQ(*states[0] & (STATE_SYSTEM_EXPANDED | STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE),
                            static_cast<DWORD>(STATE_SYSTEM_EXPANDED | STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE));
                  EXPECT_EQ(*states[1] & (STATE_SYSTEM_EXPANDED | STATE_SYSTEM_COLLAPSED), 0u) << "a member has no children";
                  // A press on the group's mark clears the group: the states follow the marks.
                  d.Click(treeWindow, tree.PointOn(items[0], TVHT_ONITEMSTATEICON));
                  EXPECT_EQ(Marks(States(d, treeWindow, items, *recorder)), (std::vector<DWORD>{0, 0, 0, C, C}));
                  // An id that names no item has no state of the library's.
                  std::optional<DWORD> unknown = DWORD{0};
                  RunOnWindowThread(d, treeWindow, [&] { unknown = recorder->StateOf(treeWindow, 999); });
                  EXPECT_FALSE(unknown);
                  d.ClickItem(IDOK);
                  EXPECT_TRUE(d.WaitClosed());
              });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(switches, (std::vector<int>{0, 0, 0, 0, 1}));

    ASSERT_EQ(recorder->ServersSet().size(), 1u);
    const auto& served = recorder->ServersSet()[0];
    EXPECT_EQ(served.control, treeWindow);
    EXPECT_EQ(served.object, static_cast<DWORD>(OBJID_CLIENT));
    EXPECT_EQ(served.child, static_cast<DWORD>(CHILDID_SELF));
    EXPECT_EQ(served.stateProperty, std::vector<bool>{true});
    EXPECT_EQ(served.scope, ANNO_CONTAINER) << "the server answers for the tree's items";
    int stateClears = 0;
    for (const auto& clear : recorder->AnnotationsCleared()) {
        if (clear.stateProperty != std::vector<bool>{true}) continue;
        ++stateClears;
        EXPECT_EQ(clear.control, treeWindow);
        EXPECT_TRUE(clear.windowExisted) << "cleared after its window went";
    }
    EXPECT_EQ(stateClears, 1);
    EXPECT_EQ(recorder->ServersHeld(), 0u);
    EXPECT_EQ(recorder->LiveServices(), 0) << "the services were not released";
    recorder.reset();
    CoUninitialize();
}

}  // namespace
