// Initialisation shared by the button list dialogs.
#include "analysis/ButtonListDlg.h"

#include "core/names.h"
#include "platform/data_exchange.h"
#include "platform/gbk_text.h"
#include "res/resource.h"

void CButtonListDlg::SetCaption(const char* lpszCaption) {
    m_strCaption = platform::FromGbk(core::HostString(lpszCaption));
    m_bHostCaption = true;
}

void CButtonListDlg::DoDataExchange(platform::CDataExchange* pDX) {
    platform::DDX_Control(pDX, IDC_LIST_BUTTONS, m_listButtons);
}

BOOL CButtonListDlg::OnInitDialog() {
    CDialog::OnInitDialog();  // the first exchange subclasses the list and sets the radio group
    if (m_bHostCaption) SetWindowText(m_strCaption);
    m_listButtons.InitList();
    UpdateData(false);
    return TRUE;
}
