/* korvel.h must serve C hosts too: this file is compiled as C and links against the exports. */
#include "korvel.h"

typedef void(KORVEL_CALL* CaseOptionFn)(int*, int*, int*, int*, const char*);
typedef void(KORVEL_CALL* GridFn)(int*, int*, int*, int*, const char*, const char*);
typedef void(KORVEL_CALL* GridSpeedFn)(int*, int*, int*, int*, int*, const char*, const char*);

int KorvelHeaderDeclaresEveryExportInC(void) {
    CaseOptionFn dh = FXJG_SHOWDH_DLG;
    CaseOptionFn nd = FXJG_SHOWND_DLG;
    GridFn zhnl = FXJG_SHOWZHNL_DLG;
    GridSpeedFn zx = FXJG_SHOWZX_DLG;
    return dh != 0 && nd != 0 && zhnl != 0 && zx != 0 && KORVEL_MAX_NUMBERED_ITEMS > 0;
}
