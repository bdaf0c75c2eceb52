// Coordinate dialog.
#include "analysis/FXJG_ShowZB.h"

#include "platform/data_exchange.h"
#include "res/resource.h"

CFXJG_ShowZB::CFXJG_ShowZB() : CDialog(IDD_FXJG_SHOWZB) { CreateAsOwnerData(IDC_LIST_CASES); }

void CFXJG_ShowZB::DoDataExchange(platform::CDataExchange* pDX) {
    platform::DDX_Control(pDX, IDC_LIST_CASES, m_listItems);
}

BOOL CFXJG_ShowZB::OnInitDialog() {
    CDialog::OnInitDialog();  // the first exchange subclasses the list
    m_strCaption.ApplyTo(m_hWnd);
    m_listItems.InitList();
    UpdateData(false);
    return TRUE;
}
