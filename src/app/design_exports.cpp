// The design-result exports: check the host's pointers, hand its switches to the dialog, run
// it, and on OK write the switches back.
#include "korvel.h"

#include <windows.h>

#include "app/export_call.h"
#include "design/MembDesignInfoDlg.h"
#include "design/SJJG_ShowZFDlg.h"

extern "C" {

void KORVEL_CALL MEMB_DESIGN_INOF_SHOWDLG(int* pResult, void* /*pUnused*/, int* pBeamSwitches) {
    RunExport(__func__, pResult, [&] {
        CMembDesignInfoDlg dlg;
        dlg.SetUp(pBeamSwitches);
        if (dlg.DoModal() != IDOK) return false;
        if (pBeamSwitches) dlg.m_listBeam.GetCheckStates(pBeamSwitches);
        return true;
    });
}

void KORVEL_CALL SJJG_SHOWZF_DLG(int* pResult, int* pCount, int* pSwitches, const char* lpszGroups) {
    RunExport(__func__, pResult, [&] {
        // The switch array may be null only when it has no entries to read or write.
        if (!ALL_GIVEN(pCount) || (*pCount > 0 && !ALL_GIVEN(pSwitches))) return false;
        CSJJG_ShowZFDlg dlg;
        dlg.m_tree.SetSwitches(*pCount, pSwitches, lpszGroups);
        if (dlg.DoModal() != IDOK) return false;
        dlg.m_tree.GetSwitches(pSwitches);
        return true;
    });
}

}  // extern "C"
