// The colour and contour exports: check the host's pointers, hand its colours, values and names
// to the dialog, run it, and write back what the user confirmed.
#include "korvel.h"

#include <windows.h>

#include <algorithm>

#include "app/export_call.h"
#include "colour/SDP_ShowCLR.h"
#include "core/names.h"
#include "platform/gbk_text.h"

extern "C" {

void KORVEL_CALL SDP_SHOWCOLOR_DLG(int* pResult, int* pCount, int* pColors, const char* lpszNames,
                                   const char* lpszCaption) {
    RunExport(pResult, [&] {
        if (!AllGiven(pCount, pColors)) return false;
        CSDP_ShowCLR dlg;
        dlg.m_strCaption = platform::FromGbk(core::HostString(lpszCaption));
        dlg.SetColorTable(*pCount, pColors, lpszNames);
        if (dlg.DoModal() != IDOK) return false;
        std::copy(dlg.m_pColorNumbers.begin(), dlg.m_pColorNumbers.end(), pColors);
        return true;
    });
}

}  // extern "C"
