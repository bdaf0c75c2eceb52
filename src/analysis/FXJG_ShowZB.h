// CFXJG_ShowZB: one item whose coordinates are shown, chosen from a radio list of the host's
// names under the host's title (template 1015).
#pragma once
#include "controls/CheckListCtrl.h"
#include "platform/dialog.h"
#include "platform/host_caption.h"

class CFXJG_ShowZB : public platform::CDialog {
public:
    CFXJG_ShowZB();

    CCheckListCtrl m_listItems;
    platform::HostCaption m_strCaption;  // the window title

protected:
    void DoDataExchange(platform::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
