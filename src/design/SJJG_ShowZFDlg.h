// CSJJG_ShowZFDlg: which design-result texts are written on the members, as one check tree of
// the host's groups and items (template 1011).
#pragma once
#include "controls/CheckTree.h"
#include "platform/dialog.h"

class CSJJG_ShowZFDlg : public platform::CDialog {
public:
    CSJJG_ShowZFDlg() noexcept;
    CCheckTree m_tree;

protected:
    void DoDataExchange(platform::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
