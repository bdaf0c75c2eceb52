/* Linked against Korvel.lib, the import library made for MSVC: the program starts only if the
   loader resolves every import by name against Korvel.dll. */
#include "korvel.h"

int KorvelHeaderDeclaresEveryExportInC(void);

int main(void) { return KorvelHeaderDeclaresEveryExportInC() ? 0 : 1; }
