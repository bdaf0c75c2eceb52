// CSpeedChoiceDlg: a button-list dialog with the animation speed group ("慢速", "中速", "快速")
// starting at 1018: the animation and the mode-shape dialogs.
#pragma once
#include "analysis/ButtonListDlg.h"

class CSpeedChoiceDlg : public CButtonListDlg {
public:
    int m_nSpeed = -1;  // 0 slow, 1 medium, 2 fast; -1 none

protected:
    explicit CSpeedChoiceDlg(UINT templateId) : CButtonListDlg(templateId) {}
    void DoDataExchange(platform::CDataExchange* pDX) override;
};
