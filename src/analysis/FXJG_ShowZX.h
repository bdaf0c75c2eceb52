// CFXJG_ShowZX: the vibration mode to animate, from a grid under the host's title, and the
// animation speed (template 1016).
#pragma once
#include "analysis/SpeedChoiceDlg.h"
#include "res/resource.h"

class CFXJG_ShowZX : public CSpeedChoiceDlg {
public:
    CFXJG_ShowZX() : CSpeedChoiceDlg(IDD_FXJG_SHOWZX) {}
};
