/* korvel.h must serve C hosts too: this file is compiled as C and calls every export. A null
   result pointer means nothing can be reported, so each call returns at once without a dialog. */
#include "korvel.h"

int KorvelHeaderDeclaresEveryExportInC(void) {
    int count = 3, columns = 2, choice = 1, option = 1;
    float values[1] = {0.5f};
    unsigned long colors[1] = {0xFF};
    FXJG_SHOWDH_DLG(0, &count, &choice, &option, "a|b|c");
    FXJG_SHOWND_DLG(0, &count, &choice, &option, "a|b|c");
    FXJG_SHOWWY_DLG(0, &count, &choice, "a|b|c", &count, &option, "a|b|c", "title");
    FXJG_SHOWZB_DLG(0, &count, &choice, "a|b|c", "title");
    FXJG_SHOWZHNL_DLG(0, &count, &columns, &choice, "a|b|c", "title");
    FXJG_SHOWZX_DLG(0, &count, &columns, &choice, &option, "a|b|c", "title");
    MEMB_DESIGN_INOF_SHOWDLG(0, 0, &choice);
    SDP_SHOWCOLOR_DLG(0, &count, &choice, "a|b|c", "title");
    SDP_SHOWDWY_DLG(0, &count, &option, values, colors);
    SJJG_SHOWZF_DLG(0, &count, &choice, "{a|b}");
    return count == 3 && columns == 2 && choice == 1 && option == 1 && values[0] == 0.5f && colors[0] == 0xFF &&
           KORVEL_MAX_NUMBERED_ITEMS > 0 && KORVEL_MAX_CONTOUR_LINES == 50;
}
