/*
 * A C89 host of Korvel.dll: calls every export once with its own variables and prints what
 * came back. Each call shows a dialog; OK writes the user's choices into the variables.
 *
 * The one trap: names and titles must be GBK bytes (code page 936).
 * - A UTF-8 source compiled as it is passes UTF-8 bytes, which the dialogs show as garbage. Fix
 *   it with gcc -fexec-charset=GBK, with MSVC /source-charset:utf-8 /execution-charset:.936, or
 *   by converting with code page 936 at run time (GbkText below).
 * - This file spells the GBK bytes as hex escapes, so it compiles the same everywhere. A hex
 *   escape eats every hex digit after it: "\xd7\xe9\xba\xcf1" is NOT "combination 1" (the last
 *   escape reads \xcf1); close the literal and open another: "\xd7\xe9\xba\xcf" "1".
 */
#include <stdio.h>
#include <windows.h>

#include "korvel.h"

/* "load case" heading, then dead, live and wind load. */
#define CASE_NAMES "\xb9\xa4\xbf\xf6|\xba\xe3\xd4\xd8|\xbb\xee\xd4\xd8|\xb7\xe7\xd4\xd8"

/* The text in code page 936; empty if it does not fit. */
static const char* GbkText(const wchar_t* text, char* buffer, int size) {
    if (WideCharToMultiByte(936, 0, text, -1, buffer, size, NULL, NULL) == 0) buffer[0] = '\0';
    return buffer;
}

static void PrintInts(const char* label, const int* values, int count) {
    int i;
    printf("  %s", label);
    for (i = 0; i < count; ++i) printf(" %d", values[i]);
    printf("\n");
}

int main(void) {
    int result, count, columns, choice, option, kindCount, kind;
    int beamSwitches[5] = {1, 1, 0, 1, 1};
    int colourNumbers[4] = {0, 12, 9, 14};
    int textSwitches[5] = {1, 1, 0, 1, 1};
    float values[3] = {0.1234567f, 2.5f, -40.0f};
    unsigned long colours[3] = {0x0000FFUL, 0x00FF00UL, 0xFF0000UL};
    char caption[64];

    printf("Korvel %s\n", KORVEL_VERSION_STRING);

    count = 4; choice = 2; option = 3;
    FXJG_SHOWDH_DLG(&result, &count, &choice, &option, CASE_NAMES);
    printf("FXJG_SHOWDH_DLG result=%d case=%d speed=%d\n", result, choice, option);

    count = 4; choice = 1; option = 2;
    FXJG_SHOWND_DLG(&result, &count, &choice, &option, CASE_NAMES);
    printf("FXJG_SHOWND_DLG result=%d case=%d deflection=%d\n", result, choice, option);

    /* The first argument is read: 1 or less is plain mode. Never leave it uninitialised. */
    result = 0; kindCount = 3; kind = 1; count = 4; choice = 3;
    FXJG_SHOWWY_DLG(&result, &kindCount, &kind, "\xce\xbb\xd2\xc6|X|Y", &count, &choice, CASE_NAMES,
                    GbkText(L"\x5404\x79cd\x5de5\x51b5\x4f4d\x79fb", caption, sizeof caption));
    printf("FXJG_SHOWWY_DLG result=%d kind=%d case=%d\n", result, kind, choice);

    /* Two names: a heading and the prefix of numbered items, "node 1" to "node 5". */
    count = 6; choice = 5;
    FXJG_SHOWZB_DLG(&result, &count, &choice, "\xbd\xda\xb5\xe3|\xbd\xda\xb5\xe3",
                    GbkText(L"\x663e\x793a\x5750\x6807", caption, sizeof caption));
    printf("FXJG_SHOWZB_DLG result=%d item=%d\n", result, choice);

    count = 4; columns = 3; choice = 1;
    FXJG_SHOWZHNL_DLG(&result, &count, &columns, &choice, CASE_NAMES, "Load combinations");
    printf("FXJG_SHOWZHNL_DLG result=%d item=%d\n", result, choice);

    /* A single name numbers the modes: "mode shape 1" ... "mode shape 12". */
    count = 12; columns = 4; choice = 7; option = 1;
    FXJG_SHOWZX_DLG(&result, &count, &columns, &choice, &option, "\xd5\xf1\xd0\xcd", "Mode shapes");
    printf("FXJG_SHOWZX_DLG result=%d mode=%d speed=%d\n", result, choice, option);

    MEMB_DESIGN_INOF_SHOWDLG(&result, NULL, beamSwitches);
    printf("MEMB_DESIGN_INOF_SHOWDLG result=%d\n", result);
    PrintInts("beam switches", beamSwitches, 5);

    /* Entry 0 of the names and of the colours goes with the heading, which is not shown. */
    count = 4;
    SDP_SHOWCOLOR_DLG(&result, &count, colourNumbers, "-|Beams|Columns|Walls", NULL);
    printf("SDP_SHOWCOLOR_DLG result=%d\n", result);
    PrintInts("colour numbers", colourNumbers, 4);

    count = 3; option = 1;
    SDP_SHOWDWY_DLG(&result, &count, &option, values, colours);
    printf("SDP_SHOWDWY_DLG result=%d lines=%d\n", result, count);
    printf("  values %.7g %.7g %.7g\n", values[0], values[1], values[2]);
    printf("  colours %06lX %06lX %06lX\n", colours[0], colours[1], colours[2]);

    /* Groups "beam" (reinforcement, shear) and "column" (reinforcement): five switches. */
    count = 5;
    SJJG_SHOWZF_DLG(&result, &count, textSwitches,
                    "{\xc1\xba|\xc5\xe4\xbd\xee|\xbc\xf4\xc1\xa6}{\xd6\xf9|\xc5\xe4\xbd\xee}");
    printf("SJJG_SHOWZF_DLG result=%d\n", result);
    PrintInts("text switches", textSwitches, 5);
    return 0;
}
