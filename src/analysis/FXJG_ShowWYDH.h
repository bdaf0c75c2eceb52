// CFXJG_ShowWYDH: the load case or mode to animate, and the animation speed (template 1012).
#pragma once
#include "analysis/ButtonListDlg.h"

class CFXJG_ShowWYDH : public CButtonListDlg {
public:
    CFXJG_ShowWYDH() noexcept;
    int m_nSpeed = -1;  // 0 slow, 1 medium, 2 fast; -1 none

protected:
    void DoDataExchange(platform::CDataExchange* pDX) override;
};
