// Member design result switches dialog, and the items it shows.
#include "design/MembDesignInfoDlg.h"

#include <string>
#include <string_view>
#include <vector>

#include "platform/data_exchange.h"
#include "res/resource.h"

namespace {

// One check list's fixed items: its names (the first is the heading, never a row), the checks
// numbered like the names, and the row selected when it opens.
struct FixedList {
    std::wstring_view names;
    int states[5];
    int count;
    int selected;
};

constexpr int kCheck = CCheckListCtrl::kCheckMode;

constexpr std::wstring_view kBeamNames = L"显示主筋|显示负筋|显示箍筋|显示扭筋|显示预应力主筋";
constexpr int kDefaultBeamSwitches[CMembDesignInfoDlg::kBeamSwitchCount] = {1, 1, 0, 1, 1};
constexpr int kBeamSelected = 5;  // no row: the last row is 4, the select-all row

constexpr FixedList kColumn{L"显示B向主筋|显示H向主筋|显示箍筋", {1, 1, 0}, 3, 2};
constexpr FixedList kWall{L"显示合并墙钢筋|显示顶部钢筋|显示底部钢筋|显示上连梁钢筋", {1, 1, 0, 1}, 4, 2};
constexpr FixedList kSlab{L"显示板配筋|显示顶(是)底(否)配筋|显示角点配筋|显示边配筋|显示形心配筋", {0, 1, 1, 1, 1}, 5, 2};

// The tree: the four kinds as groups, each group's own switch ahead of its members'.
constexpr std::wstring_view kTreeGroups =
    L"{梁显示|显示合并梁配筋|显示负筋|显示正筋|显示箍筋|显示扭筋|显示预应力主筋}\t\t\t\t\t "
    L"{柱显示|显示B向主筋|显示H向主筋|显示箍筋}\t\t\t\t\t "
    L"{墙显示|显示合并墙钢筋|显示顶部钢筋|显示底部钢筋|显示上连梁钢筋}\t\t\t\t\t "
    L"{板显示|显示板配筋|显示顶(是)底(否)配筋|显示角点配筋|显示边配筋|显示形心配筋}";
constexpr int kTreeSwitches[] = {0, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 1, 1, 1};
constexpr int kTreeSwitchCount = static_cast<int>(sizeof kTreeSwitches / sizeof kTreeSwitches[0]);

void SetUpList(CCheckListCtrl& list, const FixedList& fixed) {
    list.SetListItems(fixed.count, kCheck, fixed.selected, fixed.states, fixed.names);
}

}  // namespace

CMembDesignInfoDlg::CMembDesignInfoDlg() : CDialog(IDD_MEMB_DESIGN_INFO) {
    for (int list : {IDC_LIST_BEAM, IDC_LIST_COLUMN, IDC_LIST_WALL, IDC_LIST_SLAB}) CreateAsOwnerData(list);
}

void CMembDesignInfoDlg::SetUp(const int* pBeamSwitches) {
    m_listBeam.SetListItems(kBeamSwitchCount, kCheck, kBeamSelected,
                            pBeamSwitches ? pBeamSwitches : kDefaultBeamSwitches, kBeamNames);
    SetUpList(m_listColumn, kColumn);
    SetUpList(m_listWall, kWall);
    SetUpList(m_listSlab, kSlab);
    m_tree.SetSwitches(kTreeSwitchCount, kTreeSwitches, kTreeGroups);
}

void CMembDesignInfoDlg::DoDataExchange(platform::CDataExchange* pDX) {
    platform::DDX_Control(pDX, IDC_MEMBER_TREE, m_tree);
    platform::DDX_Control(pDX, IDC_LIST_WALL, m_listWall);
    platform::DDX_Control(pDX, IDC_LIST_SLAB, m_listSlab);
    platform::DDX_Control(pDX, IDC_LIST_COLUMN, m_listColumn);
    platform::DDX_Control(pDX, IDC_LIST_BEAM, m_listBeam);
}

BOOL CMembDesignInfoDlg::OnInitDialog() {
    CDialog::OnInitDialog();  // the first exchange attaches the four lists and the tree
    m_listBeam.InitList();
    m_listColumn.InitList();
    m_listWall.InitList();
    m_listSlab.InitList();
    m_tree.InitTree();
    UpdateData(false);
    NameControls();
    return TRUE;
}

void CMembDesignInfoDlg::NameControls() {
    std::vector<platform::AccessibleNames::Name> names;
    for (const platform::CWnd* list : {&m_listBeam, &m_listColumn, &m_listWall, &m_listSlab})
        names.push_back({list->m_hWnd, platform::FollowingLabel(list->m_hWnd)});
    // The tree has no label: it holds all four kinds, and the title names them together.
    names.push_back({m_tree.m_hWnd, GetWindowText()});
    m_names.Set(names);
}

INT_PTR CMembDesignInfoDlg::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    // Sent before the controls go: the names are taken back while their windows exist.
    if (message == WM_DESTROY) m_names.Clear();
    return FALSE;
}
