/*
 * korvel.h - Korvel.dll: modal dialogs with which the user of a structural-analysis
 * post-processor chooses what the 3-D view shows.
 *
 * Conventions shared by every function
 * - Every argument is a pointer to a variable of the host. Nothing is returned by value.
 * - pResult (the first argument) receives 0 when the user pressed OK and 1 otherwise (Cancel,
 *   Escape, the close box, or a dialog that could not be shown).
 * - Choices and option numbers are 1-based; 0 means none and comes back as 0 when the user
 *   confirms without choosing. A value the user leaves untouched comes back as it went in.
 * - Every variable except pResult is written only when the user pressed OK.
 * - Strings are GBK (code page 936) and are read during the call only. A name list packs names
 *   separated by "|": k separators give k+1 entries; empty entries count.
 * - Call from the host's user-interface thread. The dialog is owned by the last active pop-up of
 *   the thread's active window, whose top-level window is disabled while the dialog runs.
 *   The dialog opens centred over its owner (over the screen when there is none).
 * - One call at a time: a call made while another call's dialog is open - from another thread,
 *   or from the host's own code that the open dialog's message loop runs (a timer, a window
 *   procedure) - stores 1 at once, shows nothing and writes no other variable.
 * - Only OK gives 0. A WM_QUIT arriving while a dialog is open (the host shutting down) ends the
 *   dialog with 1 and stays in the thread's queue for the host's own loop; so does the
 *   destruction of the dialog's owner. A C++ exception inside the library (memory running
 *   out, for one) ends its dialog with 1. A hardware fault inside it (an access violation) is
 *   not caught: the host sees it as it would see one in its own code. Where the fault happens
 *   in a window procedure, 64-bit Windows (and WOW64) may end the process or swallow it instead
 *   (see WNDPROC in the Windows documentation). See docs/conventions.md.
 * - Why a call gave 1: a call that stores 1 for another reason than the user's Cancel, Escape or
 *   close box, or is given a null pResult, writes one line of debug output (OutputDebugStringW)
 *   naming the export and the cause, e.g.
 *   "Korvel: FXJG_SHOWND_DLG: pCount is null; nothing shown, result 1". Nothing else is stored
 *   anywhere. A debugger or a debug-output viewer shows the lines; under Wine,
 *   WINEDEBUG=warn+seh prints them on stderr. See docs/conventions.md.
 * - The library registers the common-control classes its dialogs use (list view and tree view,
 *   InitCommonControlsEx, once per process before its first dialog); the host need not.
 * - This header is plain ASCII: the library's own texts are quoted below as GBK bytes in C escapes
 *   (e.g. "\xc2\xfd\xcb\xd9" is slow), with their meaning in English.
 *
 * How a name list is read by the case lists
 * - Entry 0 is the heading, never an item; the count passed with the list includes it, so a
 *   count of N gives N-1 items.
 * - Three or more names: the count is cut to the number of names; surplus names are ignored.
 * - One or two names: a numbered list. Entry 1 (or the single name) is a prefix, and the items
 *   are the prefix followed by 1, 2, ... A single name raises the count by one. A numbered list
 *   shows every item its count asks for, up to KORVEL_MAX_NUMBERED_ITEMS (1,000,000): a guard
 *   only a garbage count reaches, which is cut to that.
 *
 * Bad input
 * - A null pResult: no result can be stored, so nothing is shown and no variable is written; only
 *   the debug line tells.
 * - A null pointer among the other int arguments: *pResult = 1, no dialog, nothing else written.
 *   The same for a null colour or value array of the SDP_ functions, whatever the count.
 * - A null name list is one empty name. A count of 0 or less gives an empty list.
 * - A name list may end in a lone GBK lead byte; it is read as one character and nothing past
 *   the terminating zero is read. Names longer than 259 bytes are drawn cut to 259 bytes.
 * - A choice beyond the last item shows no item chosen and comes back unchanged unless the user
 *   presses an item.
 */
#ifndef KORVEL_H
#define KORVEL_H

/* KORVEL_VERSION_MAJOR, _MINOR, _PATCH, _TWEAK and KORVEL_VERSION_STRING. */
#include "korvel_version.h"

/* Calling convention of every export: the caller removes the arguments. */
#ifdef _WIN32
#define KORVEL_CALL __cdecl
#else
#define KORVEL_CALL
#endif

#if defined(KORVEL_BUILDING_DLL)
#define KORVEL_API
#else
#define KORVEL_API __declspec(dllimport)
#endif

#define KORVEL_MAX_NUMBERED_ITEMS 1000000
#define KORVEL_MAX_CONTOUR_LINES 50

#ifdef __cplusplus
extern "C" {
#endif

/*
 * FXJG_SHOWDH_DLG (ordinal 1): "\xb8\xf7\xd6\xd6\xb9\xa4\xbf\xf6\xce\xbb\xd2\xc6\xa1\xa2\xd5\xf1\xd0\xcd"
 * (displacement and mode shape of each case) - the load case or mode to animate and the
 * animation speed.
 *   pResult   out     0 OK, 1 otherwise.
 *   pCount    in      name-list entries, heading included.
 *   pChoice   in/out  1-based case: shown chosen when the dialog opens; the case chosen last,
 *                     by a press or with the keys.
 *   pSpeed    in/out  1 slow ("\xc2\xfd\xcb\xd9"), 2 medium ("\xd6\xd0\xcb\xd9"), 3 fast
 *                     ("\xbf\xec\xcb\xd9"); another value checks no button; 0 comes back
 *                     when no button is checked.
 *   lpszNames in      name list: entry 0 is the list's heading, the rest the cases.
 */
KORVEL_API void KORVEL_CALL FXJG_SHOWDH_DLG(int* pResult, int* pCount, int* pChoice, int* pSpeed,
                                            const char* lpszNames);

/*
 * FXJG_SHOWND_DLG (ordinal 2): "\xb8\xf7\xd6\xd6\xb9\xa4\xbf\xf6\xc4\xd3\xb6\xc8" (deflection of each case) -
 * the load case whose deflection is shown and the kind of deflection.
 *   pResult   out     0 OK, 1 otherwise.
 *   pCount    in      name-list entries, heading included.
 *   pChoice   in/out  1-based case: shown chosen when the dialog opens; the case chosen last,
 *                     by a press or with the keys.
 *   pDeflType in/out  1 absolute ("\xbe\xf8\xb6\xd4\xc4\xd3\xb6\xc8"), 2 relative
 *                     ("\xcf\xe0\xb6\xd4\xc4\xd3\xb6\xc8"), 3 ratio of span to deflection
 *                     ("\xbf\xe7\xb6\xc8\xd3\xeb\xc4\xd3\xb6\xc8\xd6\xae\xb1\xc8"); another value checks no
 *                     button; 0 comes back when no button is checked.
 *   lpszNames in      name list: entry 0 is the list's heading, the rest the cases.
 */
KORVEL_API void KORVEL_CALL FXJG_SHOWND_DLG(int* pResult, int* pCount, int* pChoice, int* pDeflType,
                                            const char* lpszNames);

/*
 * FXJG_SHOWWY_DLG (ordinal 3): "\xb8\xf7\xd6\xd6\xb9\xa4\xbf\xf6\xce\xbb\xd2\xc6" (displacement of each case) -
 * which displacement is shown: a kind from the left list and a load case or load combination
 * from the right one, a list with a radio image on each row, under the host's title.
 *   pResult     in/out  READ FIRST, unlike every other export: 2 or more selects combination
 *                       mode and counts the numbered load combinations, heading included
 *                       (N combinations: N+1); 1 or less selects plain mode. Set it before
 *                       every call: an uninitialised variable silently picks combination mode.
 *                       Out: 0 OK, 1 otherwise.
 *   pKindCount  in      kind-list entries, heading included.
 *   pKind       in/out  1-based kind: shown chosen when the dialog opens; the kind chosen last,
 *                       by a press or with the keys.
 *   lpszKinds   in      name list of the kinds: entry 0 is the kind list's heading.
 *   pCaseCount  in      entries of the host's case name list, heading included.
 *   pCase       in/out  1-based row of the case list: shown chosen when the dialog opens and
 *                       again whenever the kind changes; on OK the row chosen last in the list
 *                       then shown, by a press or with the keys (a host case, a target
 *                       combination 1 to 12, or a combination number), or the host's value when
 *                       no row was chosen.
 *   lpszCases   in      the host's case name list: entry 0 is the case list's heading.
 *   lpszCaption in      the window title; null gives an empty title.
 * Plain mode: the case list shows the host's cases; the kind is only handed back.
 * Combination mode: kind 1 shows the host's cases, kind 2 the twelve target combinations
 * Fxmin, Fymin, Fzmin, Mxmin, Mymin, Mzmin, Fxmax, Fymax, Fzmax, Mxmax, Mymax, Mzmax, each
 * followed by "\xd7\xe9\xba\xcf" (combination), under "\xd1\xa1\xd4\xf1\xc4\xbf\xb1\xea\xd7\xe9\xba\xcf"
 * (choose a target combination), kind 3 the combinations "\xd7\xe9\xba\xcf" "1" to "\xd7\xe9\xba\xcf" "N"
 * under "\xd1\xa1\xd4\xf1\xd7\xe9\xba\xcf" (choose a combination); a press on any other kind leaves
 * the case list as it is.
 * Bad input: in combination mode a kind that is no row of the kind list opens with an empty case
 * list; OK then hands the host's kind and case back unchanged.
 */
KORVEL_API void KORVEL_CALL FXJG_SHOWWY_DLG(int* pResult, int* pKindCount, int* pKind, const char* lpszKinds,
                                            int* pCaseCount, int* pCase, const char* lpszCases,
                                            const char* lpszCaption);

/*
 * FXJG_SHOWZB_DLG (ordinal 4): "\xcf\xd4\xca\xbe\xd7\xf8\xb1\xea" (show coordinates) - the item whose
 * coordinates are shown, from a list of the host's names with a radio image on each row, under
 * the host's title.
 *   pResult     out     0 OK, 1 otherwise.
 *   pCount      in      name-list entries, heading included.
 *   pChoice     in/out  1-based row: shown chosen (radio on, selected, scrolled into view) when
 *                       the dialog opens; the row chosen last, by a press on its text or radio
 *                       image or with the keys.
 *   lpszNames   in      name list: entry 0 is the list's heading, the rest the rows.
 *   lpszCaption in      the window title; null gives an empty title.
 */
KORVEL_API void KORVEL_CALL FXJG_SHOWZB_DLG(int* pResult, int* pCount, int* pChoice, const char* lpszNames,
                                            const char* lpszCaption);

/*
 * FXJG_SHOWZHNL_DLG (ordinal 5): one item, such as a load combination, from a grid of the host's
 * names under the host's title.
 *   pResult     out     0 OK, 1 otherwise.
 *   pCount      in      name-list entries, heading included.
 *   pColumns    in      grid columns asked for; 1 gives a one-column list under the heading.
 *                       Fewer columns are shown when the texts are too wide; 0 or less, or texts
 *                       wider than the grid, give one column.
 *   pChoice     in/out  1-based item, counted along the grid's rows; the item chosen last,
 *                       by a press or with the keys.
 *                       Empty cells at the end of the last row cannot be chosen.
 *   lpszNames   in      name list: entry 0 is the heading (shown only in the one-column list).
 *   lpszCaption in      the window title; null gives an empty title.
 */
KORVEL_API void KORVEL_CALL FXJG_SHOWZHNL_DLG(int* pResult, int* pCount, int* pColumns, int* pChoice,
                                              const char* lpszNames, const char* lpszCaption);

/*
 * FXJG_SHOWZX_DLG (ordinal 6): the vibration mode to animate, from a grid, and the animation
 * speed, under the host's title.
 *   pResult     out     0 OK, 1 otherwise.
 *   pCount      in      name-list entries, heading included.
 *   pColumns    in      grid columns asked for, as for FXJG_SHOWZHNL_DLG.
 *   pChoice     in/out  1-based mode, counted along the grid's rows; the mode chosen last,
 *                       by a press or with the keys.
 *   pSpeed      in/out  1 slow ("\xc2\xfd\xcb\xd9"), 2 medium ("\xd6\xd0\xcb\xd9"), 3 fast
 *                       ("\xbf\xec\xcb\xd9"); another value checks no button; 0 comes back
 *                       when no button is checked.
 *   lpszNames   in      name list; a single name (a word for mode) numbers the modes: the name
 *                       followed by 1, 2, ...
 *   lpszCaption in      the window title; null gives an empty title.
 */
KORVEL_API void KORVEL_CALL FXJG_SHOWZX_DLG(int* pResult, int* pCount, int* pColumns, int* pChoice, int* pSpeed,
                                            const char* lpszNames, const char* lpszCaption);

/*
 * MEMB_DESIGN_INOF_SHOWDLG (ordinal 7):
 * "\xb9\xb9\xbc\xfe\xc9\xe8\xbc\xc6\xbd\xe1\xb9\xfb\xcf\xd4\xca\xbe\xbf\xaa\xb9\xd8" (member design result switches) - which
 * reinforcement results of beams, columns, walls and slabs are drawn: four check lists
 * ("\xc1\xba\xbd\xe1\xb9\xfb\xcf\xd4\xca\xbe" beam, "\xd6\xf9\xbd\xe1\xb9\xfb\xcf\xd4\xca\xbe" column,
 * "\xc7\xbd\xbd\xe1\xb9\xfb\xcf\xd4\xca\xbe" wall, "\xb0\xe5\xbd\xe1\xb9\xfb\xcf\xd4\xca\xbe" slab results), each with a
 * last row "\xc8\xab\xd1\xa1" (select all) that checks or clears all its other rows, and beside them a tree of the same four kinds.
 *   pResult       out     0 OK, 1 otherwise.
 *   pUnused       -       not read; any value.
 *   pBeamSwitches in/out  five ints, the beam list's switches in the order
 *                         "\xcf\xd4\xca\xbe\xd6\xf7\xbd\xee" main bars (the list's heading: not shown,
 *                         comes back as it went in), "\xcf\xd4\xca\xbe\xb8\xba\xbd\xee" top bars,
 *                         "\xcf\xd4\xca\xbe\xb9\xbf\xbd\xee" stirrups,
 *                         "\xcf\xd4\xca\xbe\xc5\xa4\xbd\xee" torsion bars,
 *                         "\xcf\xd4\xca\xbe\xd4\xa4\xd3\xa6\xc1\xa6\xd6\xf7\xbd\xee" prestressed main bars;
 *                         nonzero is on. On OK exactly these five entries are written: 0 or 1
 *                         where the user changed a check (a press on its box, or Space on its
 *                         row), as they came elsewhere.
 * The column, wall and slab lists and the tree open with the library's own items and switches
 * every time; what the user changes in them is not handed back.
 * Bad input: a null pBeamSwitches shows the beam switches 1, 1, 0, 1, 1 and writes nothing.
 */
KORVEL_API void KORVEL_CALL MEMB_DESIGN_INOF_SHOWDLG(int* pResult, void* pUnused, int* pBeamSwitches);

/*
 * SDP_SHOWCOLOR_DLG (ordinal 8): "\xd1\xa1\xd4\xf1\xd1\xd5\xc9\xab" (choose colours) - one of sixteen
 * colours for each display item. A press on an item's colour cell, or Space on its row, opens a
 * picker of the sixteen colours (the arrow keys move between them, Space selects, Enter confirms).
 *   pResult     out     0 OK, 1 otherwise.
 *   pCount      in      entries of pColors and of the name list, entry 0 included. Cut to the
 *                       number of names; 0 or less gives an empty list and writes nothing.
 *   pColors     in/out  colour numbers, numbered like the name list: 0 black, 1 dark blue,
 *                       2 dark green, 3 dark cyan, 4 dark red, 5 dark magenta, 6 dark yellow,
 *                       7 light grey, 8 dark grey, 9 blue, 10 green, 11 cyan, 12 red,
 *                       13 magenta, 14 yellow, 15 white. Only the entries in use (the count as
 *                       cut) are read, and written on OK, entry 0 included; a number outside
 *                       0...15 is shown as 1 and written back as 1.
 *   lpszNames   in      name list: entry 0 is never shown, entries 1... are the items.
 *   lpszCaption in      kept but not shown: the title is always "\xd1\xa1\xd4\xf1\xd1\xd5\xc9\xab".
 *                       May be null.
 */
KORVEL_API void KORVEL_CALL SDP_SHOWCOLOR_DLG(int* pResult, int* pCount, int* pColors, const char* lpszNames,
                                              const char* lpszCaption);

/*
 * SDP_SHOWDWY_DLG (ordinal 9): "\xb5\xc8\xce\xbb\xd2\xc6\xd6\xb5" (contour values) - the values and
 * colours of the contour lines of equal displacement or equal stress. A press on a value, or F2 on
 * its row, edits it in place; a press on a colour, or Space on its row, opens the system's colour
 * dialog, whose sixteen custom colours start as the colours of SDP_SHOWCOLOR_DLG and keep the
 * user's changes until the library is unloaded.
 *   pResult  out     0 OK, 1 otherwise, 2 the user asked for another number of lines: the host
 *                    prepares that many values and colours and calls again.
 *   pCount   in/out  number of lines, also shown in the dialog's count box: more than
 *                    KORVEL_MAX_CONTOUR_LINES shows the first 50 lines, 0 or a negative count none
 *                    (the box shows 0). OK and the update button close the dialog only while
 *                    the box holds 1...50: with a count of 0 or less OK is refused with the
 *                    range prompt (an integer between 1 and 50) until the user types one.
 *                    Written with result 0 (the lines shown, so 0 after such an OK; not when
 *                    the count was negative) and with result 2 (the number asked for, 1...50).
 *   pMode    in      1 equal displacement ("\xb5\xc8\xce\xbb\xd2\xc6"), any other value equal stress
 *                    ("\xb5\xc8\xd3\xa6\xc1\xa6").
 *   pValues  in/out  one value per line shown: only those are read, and written with result 0.
 *                    A value comes back through its text of six significant digits ("%g"), so
 *                    0.1234567 comes back as 0.123457. Typed text is read as atof reads a
 *                    decimal number ("12abc" is 12, "abc" is 0, and so are "inf" and "nan");
 *                    beyond the range of a float it is an infinity. Full-width digits, signs
 *                    and points typed with an input method read as their ASCII forms, and the
 *                    ideographic full stop as a decimal point (in the count box too).
 *                    Infinities and NaNs are shown as "inf", "-inf", "nan" and come back
 *                    unchanged unless edited.
 *   pColors  in/out  one colour per line shown, 0x00BBGGRR (a COLORREF); read and written as
 *                    pValues.
 */
KORVEL_API void KORVEL_CALL SDP_SHOWDWY_DLG(int* pResult, int* pCount, int* pMode, float* pValues,
                                            unsigned long* pColors);

/*
 * SJJG_SHOWZF_DLG (ordinal 10):
 * "\xc9\xe8\xbc\xc6\xbd\xe1\xb9\xfb\xa3\xad\xb9\xb9\xbc\xfe\xd7\xd6\xb7\xfb\xcf\xd4\xca\xbe\xbf\xaa\xb9\xd8" (design results - member
 * text switches) - which design-result texts are written on the members, as a tree of groups and
 * their items with a check mark on each.
 *   pResult    out     0 OK, 1 otherwise.
 *   pCount     in      entries of the switch array.
 *   pSwitches  in/out  one int per tree item, in the order of the names in lpszGroups (each
 *                      group's own entry first, then its members'); nonzero is on. On OK one
 *                      entry per item shown is written, 0 or 1 where the user changed a mark (a
 *                      press on it, or Space on its item), as it came elsewhere; later entries are
 *                      left alone.
 *   lpszGroups in      the group string: one brace-enclosed name list per group, the first name
 *                      the group's, e.g. "{\xc1\xba|\xc5\xe4\xbd\xee|\xbc\xf4\xc1\xa6}{\xd6\xf9|\xc5\xe4\xbd\xee}"
 *                      ({beam|reinforcement|shear}{column|reinforcement}). Text between
 *                      groups is ignored, braces do not nest, a last group without its "}" is
 *                      dropped.
 * A group's mark follows its members: checked when all are on (1), partial when some are.
 * Bad input: items beyond pCount entries are not shown, so nothing past the array is read or
 * written; entries beyond the tree's items are neither read nor written either, so a count
 * larger than the array does no harm as long as the array has an entry for every item. A null group string is an empty tree; a count of 0 or less shows an empty tree and
 * writes nothing; a null pCount, or a null pSwitches with a positive count, gives *pResult = 1
 * without a dialog.
 */
KORVEL_API void KORVEL_CALL SJJG_SHOWZF_DLG(int* pResult, int* pCount, int* pSwitches, const char* lpszGroups);

#ifdef __cplusplus
}
#endif

#endif /* KORVEL_H */
