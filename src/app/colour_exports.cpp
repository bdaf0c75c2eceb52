// The colour and contour exports: check the host's pointers, hand its colours, values and names
// to the dialog, run it, and write back what the user confirmed.
#include "korvel.h"

#include <windows.h>

#include <algorithm>

#include "app/export_call.h"
#include "colour/SDP_ShowCLR.h"
#include "colour/SDP_ShowDWY.h"
#include "core/contour_text.h"

static_assert(core::kMaxContourLines == KORVEL_MAX_CONTOUR_LINES, "korvel.h documents the cap");
static_assert(sizeof(COLORREF) == sizeof(unsigned long), "korvel.h passes colours as unsigned long");

extern "C" {

void KORVEL_CALL SDP_SHOWCOLOR_DLG(int* pResult, int* pCount, int* pColors, const char* lpszNames,
                                   const char* lpszCaption) {
    RunExport(__func__, pResult, [&] {
        if (!ALL_GIVEN(pCount, pColors)) return false;
        CSDP_ShowCLR dlg;
        dlg.m_strCaption.Set(lpszCaption);
        dlg.SetColorTable(*pCount, pColors, lpszNames);
        if (dlg.DoModal() != IDOK) return false;
        std::copy(dlg.m_pColorNumbers.begin(), dlg.m_pColorNumbers.end(), pColors);
        return true;
    });
}

void KORVEL_CALL SDP_SHOWDWY_DLG(int* pResult, int* pCount, int* pMode, float* pValues, unsigned long* pColors) {
    RunExportWithCode(__func__, pResult, [&] {
        if (!ALL_GIVEN(pCount, pMode, pValues, pColors)) return kResultNotOk;
        CSDP_ShowDWY dlg;
        dlg.SetContourData(*pCount, *pMode, pValues, pColors);
        if (dlg.DoModal() != IDOK) return kResultNotOk;
        if (dlg.m_nRows != dlg.m_nCount) {
            // The host prepares that many values and calls again; the lines shown are dropped.
            *pCount = dlg.m_nCount;
            return kResultNewLineCount;
        }
        // A negative count is no lines: nothing comes back.
        if (*pCount >= 0) dlg.GetContourData(pCount, pValues, pColors);
        return kResultOk;
    });
}

}  // extern "C"
