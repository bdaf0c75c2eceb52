// CFXJG_ShowWYDH: the load case or mode to animate, from a one-column list, and the animation
// speed (template 1012).
#pragma once
#include "analysis/SpeedChoiceDlg.h"
#include "res/resource.h"

class CFXJG_ShowWYDH : public CSpeedChoiceDlg {
public:
    CFXJG_ShowWYDH() : CSpeedChoiceDlg(IDD_FXJG_SHOWDH) {}
};
