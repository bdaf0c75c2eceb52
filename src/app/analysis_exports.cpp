// The analysis-result exports: check the host's pointers, hand its values to the dialog (1-based to
// 0-based), run it, and on OK write the choices back (0-based to 1-based).
#include "korvel.h"

#include <windows.h>

#include "analysis/FXJG_ShowND.h"
#include "analysis/FXJG_ShowWY.h"
#include "analysis/FXJG_ShowWYDH.h"
#include "analysis/FXJG_ShowZB.h"
#include "analysis/FXJG_ShowZHNL.h"
#include "analysis/FXJG_ShowZX.h"
#include "app/export_call.h"
#include "core/host_values.h"

#include "core/choice_names.h"

static_assert(core::kMaxNumberedItems == KORVEL_MAX_NUMBERED_ITEMS, "korvel.h documents the cap");

using core::ToHostBased;
using core::ToZeroBased;

namespace {
// Gives the button list its names and the host's choice, runs the dialog and, on OK, writes the
// choice back. The caller writes its other outputs only when this returns true.
bool RunChoiceDialog(CButtonListDlg& dlg, int count, int columns, int* pChoice, const char* lpszNames) {
    dlg.m_listButtons.SetListItems(count, columns, ToZeroBased(*pChoice), lpszNames);
    if (dlg.DoModal() != IDOK) return false;
    *pChoice = ToHostBased(dlg.m_listButtons.m_nSelected);
    return true;
}
}  // namespace

extern "C" {

void KORVEL_CALL FXJG_SHOWDH_DLG(int* pResult, int* pCount, int* pChoice, int* pSpeed, const char* lpszNames) {
    RunExport(__func__, pResult, [&] {
        if (!ALL_GIVEN(pCount, pChoice, pSpeed)) return false;
        CFXJG_ShowWYDH dlg;
        dlg.m_nSpeed = ToZeroBased(*pSpeed);
        if (!RunChoiceDialog(dlg, *pCount, 1, pChoice, lpszNames)) return false;
        *pSpeed = ToHostBased(dlg.m_nSpeed);
        return true;
    });
}

void KORVEL_CALL FXJG_SHOWND_DLG(int* pResult, int* pCount, int* pChoice, int* pDeflType, const char* lpszNames) {
    RunExport(__func__, pResult, [&] {
        if (!ALL_GIVEN(pCount, pChoice, pDeflType)) return false;
        CFXJG_ShowND dlg;
        dlg.m_nDeflType = ToZeroBased(*pDeflType);
        if (!RunChoiceDialog(dlg, *pCount, 1, pChoice, lpszNames)) return false;
        *pDeflType = ToHostBased(dlg.m_nDeflType);
        return true;
    });
}

void KORVEL_CALL FXJG_SHOWWY_DLG(int* pResult, int* pKindCount, int* pKind, const char* lpszKinds, int* pCaseCount,
                                 int* pCase, const char* lpszCases, const char* lpszCaption) {
    RunExport(__func__, pResult, [&] {
        if (!ALL_GIVEN(pKindCount, pKind, pCaseCount, pCase)) return false;
        CFXJG_ShowWY dlg;
        dlg.m_strCaption.Set(lpszCaption);
        dlg.m_listKind.SetListItems(*pKindCount, 1, ToZeroBased(*pKind), lpszKinds);
        // The result variable comes in as the count of the numbered combinations.
        dlg.SetCases(*pResult, *pCaseCount, ToZeroBased(*pCase), lpszCases);
        if (dlg.DoModal() != IDOK) return false;
        *pKind = ToHostBased(dlg.m_listKind.m_nSelected);
        *pCase = ToHostBased(dlg.m_listCase.m_nSelected);
        return true;
    });
}

void KORVEL_CALL FXJG_SHOWZB_DLG(int* pResult, int* pCount, int* pChoice, const char* lpszNames, const char* lpszCaption) {
    RunExport(__func__, pResult, [&] {
        if (!ALL_GIVEN(pCount, pChoice)) return false;
        CFXJG_ShowZB dlg;
        dlg.m_strCaption.Set(lpszCaption);
        dlg.m_listItems.SetListItems(*pCount, CCheckListCtrl::kRadioMode, ToZeroBased(*pChoice), nullptr, lpszNames);
        if (dlg.DoModal() != IDOK) return false;
        *pChoice = ToHostBased(dlg.m_listItems.m_nSelected);
        return true;
    });
}

void KORVEL_CALL FXJG_SHOWZHNL_DLG(int* pResult, int* pCount, int* pColumns, int* pChoice, const char* lpszNames,
                                   const char* lpszCaption) {
    RunExport(__func__, pResult, [&] {
        if (!ALL_GIVEN(pCount, pColumns, pChoice)) return false;
        CFXJG_ShowZHNL dlg;
        dlg.m_strCaption.Set(lpszCaption);
        return RunChoiceDialog(dlg, *pCount, *pColumns, pChoice, lpszNames);
    });
}

void KORVEL_CALL FXJG_SHOWZX_DLG(int* pResult, int* pCount, int* pColumns, int* pChoice, int* pSpeed,
                                 const char* lpszNames, const char* lpszCaption) {
    RunExport(__func__, pResult, [&] {
        if (!ALL_GIVEN(pCount, pColumns, pChoice, pSpeed)) return false;
        CFXJG_ShowZX dlg;
        dlg.m_strCaption.Set(lpszCaption);
        dlg.m_nSpeed = ToZeroBased(*pSpeed);
        if (!RunChoiceDialog(dlg, *pCount, *pColumns, pChoice, lpszNames)) return false;
        *pSpeed = ToHostBased(dlg.m_nSpeed);
        return true;
    });
}

}  // extern "C"
