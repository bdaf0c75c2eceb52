// Design-result text switches dialog.
#include "design/SJJG_ShowZFDlg.h"

#include "platform/data_exchange.h"
#include "res/resource.h"

CSJJG_ShowZFDlg::CSJJG_ShowZFDlg() noexcept : CDialog(IDD_SJJG_SHOWZF) {}

void CSJJG_ShowZFDlg::DoDataExchange(platform::CDataExchange* pDX) {
    platform::DDX_Control(pDX, IDC_SWITCH_TREE, m_tree);
}

BOOL CSJJG_ShowZFDlg::OnInitDialog() {
    CDialog::OnInitDialog();  // the first exchange attaches the tree
    m_tree.InitTree();
    UpdateData(false);
    return TRUE;
}
