// CFXJG_ShowZX: the vibration mode to animate, from a grid, and the speed (template 1016).
#pragma once
#include "analysis/ButtonListDlg.h"

class CFXJG_ShowZX : public CButtonListDlg {
public:
    CFXJG_ShowZX() noexcept;
    int m_nSpeed = -1;  // 0 slow, 1 medium, 2 fast; -1 none

protected:
    void DoDataExchange(platform::CDataExchange* pDX) override;
};
