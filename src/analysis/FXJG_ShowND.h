// CFXJG_ShowND: the load case whose deflection is shown, and the kind of deflection (template 1013).
#pragma once
#include "analysis/ButtonListDlg.h"

class CFXJG_ShowND : public CButtonListDlg {
public:
    CFXJG_ShowND();
    int m_nDeflType = -1;  // 0 absolute, 1 relative, 2 span-to-deflection ratio; -1 none

protected:
    void DoDataExchange(platform::CDataExchange* pDX) override;
};
