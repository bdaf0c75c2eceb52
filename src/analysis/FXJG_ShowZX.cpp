// Mode-shape dialog.
#include "analysis/FXJG_ShowZX.h"

#include "platform/data_exchange.h"
#include "res/resource.h"

CFXJG_ShowZX::CFXJG_ShowZX() noexcept : CButtonListDlg(IDD_FXJG_SHOWZX) {}

void CFXJG_ShowZX::DoDataExchange(platform::CDataExchange* pDX) {
    CButtonListDlg::DoDataExchange(pDX);
    platform::DDX_Radio(pDX, IDC_SPEED_SLOW, m_nSpeed);
}
