// Deflection dialog.
#include "analysis/FXJG_ShowND.h"

#include "platform/data_exchange.h"
#include "res/resource.h"

CFXJG_ShowND::CFXJG_ShowND() : CButtonListDlg(IDD_FXJG_SHOWND) {}

void CFXJG_ShowND::DoDataExchange(platform::CDataExchange* pDX) {
    CButtonListDlg::DoDataExchange(pDX);
    platform::DDX_Radio(pDX, IDC_DEFL_ABSOLUTE, m_nDeflType);
}
