// CFXJG_ShowZHNL: one item, such as a load combination, from a grid under the host's title
// (template 1017).
#pragma once
#include "analysis/ButtonListDlg.h"
#include "res/resource.h"

class CFXJG_ShowZHNL : public CButtonListDlg {
public:
    CFXJG_ShowZHNL() : CButtonListDlg(IDD_FXJG_SHOWZHNL) {}
};
