// Animation dialog.
#include "analysis/FXJG_ShowWYDH.h"

#include "platform/data_exchange.h"
#include "res/resource.h"

CFXJG_ShowWYDH::CFXJG_ShowWYDH() noexcept : CButtonListDlg(IDD_FXJG_SHOWDH) {}

void CFXJG_ShowWYDH::DoDataExchange(platform::CDataExchange* pDX) {
    CButtonListDlg::DoDataExchange(pDX);
    platform::DDX_Radio(pDX, IDC_SPEED_SLOW, m_nSpeed);
}
