// The speed group's exchange.
#include "analysis/SpeedChoiceDlg.h"

#include "platform/data_exchange.h"
#include "res/resource.h"

void CSpeedChoiceDlg::DoDataExchange(platform::CDataExchange* pDX) {
    CButtonListDlg::DoDataExchange(pDX);
    platform::DDX_Radio(pDX, IDC_SPEED_SLOW, m_nSpeed);
}
