// Resource ids of the library: dialog templates, their controls, bitmaps.
#pragma once

// Analysis-result dialogs: templates and controls
#define IDD_FXJG_SHOWDH 1012
#define IDD_FXJG_SHOWND 1013
#define IDD_FXJG_SHOWWY 1014
#define IDD_FXJG_SHOWZB 1015
#define IDD_FXJG_SHOWZX 1016
#define IDD_FXJG_SHOWZHNL 1017

#define IDC_LIST_BUTTONS 1015
#define IDC_SPEED_FAST 1016
#define IDC_SPEED_MEDIUM 1017
#define IDC_SPEED_SLOW 1018
#define IDC_DEFL_ABSOLUTE 1019
#define IDC_DEFL_RELATIVE 1020
#define IDC_DEFL_SPAN_RATIO 1045
#define IDC_LIST_CASES 1016

// The check list's radio images (its radio mode serves the analysis dialogs)
#define IDB_RADIO_IMAGES 1013

// Design-result dialogs: templates, controls, bitmaps
#define IDB_CHECK_IMAGES 1009
#define IDD_SJJG_SHOWZF 1011
#define IDC_SWITCH_TREE 1014
#define IDD_MEMB_DESIGN_INFO 1000
#define IDC_LIST_BEAM 1012
#define IDC_MEMBER_TREE 1013
#define IDC_LIST_COLUMN 1024
#define IDC_LIST_WALL 1025
#define IDC_LIST_SLAB 1026

// Colour dialogs: templates, controls, bitmaps, strings
#define IDD_SDP_SHOWDWY 1021
#define IDD_SDP_SHOWCLR 1022
#define IDD_SDP_SELECTCOLOR 1023

#define IDC_CONTOUR_LIST 1016
#define IDC_COLOR_LIST 1021
#define IDC_CONTOUR_COUNT_LABEL 1024
#define IDC_CONTOUR_COUNT 1025
#define IDC_UPDATE_LIST 1026
#define IDC_SWATCH_FIRST 1028  // sixteen swatches, 1028 to 1043, colour numbers 0 to 15
#define IDC_COLOR_PREVIEW 1044

// The warnings of the dialogs' data exchange
#define IDP_PARSE_INT 0xF110
#define IDP_PARSE_INT_RANGE 0xF111

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
