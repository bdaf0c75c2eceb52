// Initialisation shared by the button list dialogs.
#include "analysis/ButtonListDlg.h"

#include "platform/data_exchange.h"
#include "res/resource.h"

CButtonListDlg::CButtonListDlg(UINT templateId) : CDialog(templateId) { CreateAsOwnerData(IDC_LIST_BUTTONS); }

void CButtonListDlg::DoDataExchange(platform::CDataExchange* pDX) {
    platform::DDX_Control(pDX, IDC_LIST_BUTTONS, m_listButtons);
}

BOOL CButtonListDlg::OnInitDialog() {
    CDialog::OnInitDialog();  // the first exchange subclasses the list and sets the radio group
    m_strCaption.ApplyTo(m_hWnd);
    m_listButtons.InitList();
    UpdateData(false);
    return TRUE;
}
