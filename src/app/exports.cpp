// The exported functions: check the host's pointers, hand its values to the dialog (1-based to
// 0-based), run it, and on OK write the choices back (0-based to 1-based).
#include "korvel.h"

#include <windows.h>

#include "analysis/FXJG_ShowND.h"
#include "analysis/FXJG_ShowWYDH.h"
#include "app/export_call.h"
#include "core/host_values.h"

using core::ToHostBased;
using core::ToZeroBased;

namespace {
// The case list with an option radio group: the deflection and the animation dialogs.
template <class Dialog>
bool RunCaseAndOption(int Dialog::*option, int* pCount, int* pChoice, int* pOption, const char* lpszNames) {
    if (!AllGiven(pCount, pChoice, pOption)) return false;
    Dialog dlg;
    dlg.*option = ToZeroBased(*pOption);
    dlg.m_listButtons.SetListItems(*pCount, 1, ToZeroBased(*pChoice), lpszNames);
    if (dlg.DoModal() != IDOK) return false;
    *pChoice = ToHostBased(dlg.m_listButtons.m_nSelected);
    *pOption = ToHostBased(dlg.*option);
    return true;
}
}  // namespace

extern "C" {

void KORVEL_CALL FXJG_SHOWDH_DLG(int* pResult, int* pCount, int* pChoice, int* pSpeed, const char* lpszNames) {
    RunExport(pResult, [&] {
        return RunCaseAndOption(&CFXJG_ShowWYDH::m_nSpeed, pCount, pChoice, pSpeed, lpszNames);
    });
}

void KORVEL_CALL FXJG_SHOWND_DLG(int* pResult, int* pCount, int* pChoice, int* pDeflType, const char* lpszNames) {
    RunExport(pResult, [&] {
        return RunCaseAndOption(&CFXJG_ShowND::m_nDeflType, pCount, pChoice, pDeflType, lpszNames);
    });
}

}  // extern "C"
