// CMembDesignInfoDlg: which reinforcement results of beams, columns, walls and slabs are drawn:
// four check lists and a check tree of the same four kinds, all of fixed items (template 1000).
// Only the beam list's switches are the host's; the others start from the library's own values
// every time and are not handed back.
// Each list's label follows it in the template, where the platform would take the label before
// it: the lists and the tree are given their names for screen readers while the dialog is open.
#pragma once
#include "controls/CheckListCtrl.h"
#include "controls/CheckTree.h"
#include "platform/accessible_name.h"
#include "platform/dialog.h"

class CMembDesignInfoDlg : public platform::CDialog {
public:
    // Entries of the host's beam switches: the heading's and the four beam rows'.
    static constexpr int kBeamSwitchCount = 5;

    CMembDesignInfoDlg();

    // Gives every list and the tree its items: the host's beam switches (kBeamSwitchCount
    // entries; null shows the library's defaults), and the fixed items of the rest.
    void SetUp(const int* pBeamSwitches);

    CCheckTree m_tree;
    CCheckListCtrl m_listWall;
    CCheckListCtrl m_listSlab;
    CCheckListCtrl m_listColumn;
    CCheckListCtrl m_listBeam;

protected:
    void DoDataExchange(platform::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void NameControls();

    platform::AccessibleNames m_names;
};
