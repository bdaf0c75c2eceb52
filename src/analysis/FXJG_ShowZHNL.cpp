// Combination viewing dialog.
#include "analysis/FXJG_ShowZHNL.h"

#include "res/resource.h"

CFXJG_ShowZHNL::CFXJG_ShowZHNL() noexcept : CButtonListDlg(IDD_FXJG_SHOWZHNL) {}
