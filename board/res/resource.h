// Identifiers of the board program's resources and controls.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDR_MAINFRAME          128
#define IDD_ABOUTBOX           100
#define IDS_ABOUTBOX           101
#define IDD_KXM_TABLORA_DIALOG 102
#define IDD_TABLORA_BOARD      129
#define IDD_SETUP              130
#define IDD_DISPLAY_SET        131

#define IDC_BOARD_SETTINGS     1000
#define IDC_FONT_SIZE_LIST     1001
#define IDC_DISP_X             1002
#define IDC_DISP_WIDTH         1003
#define IDC_DISP_HEIGHT        1004
#define IDC_DISPLAY_SETTINGS   1005
#define IDC_VERSION_LIST       1006
#define IDC_LANGUAGE_LIST      1007
#define IDC_VERSION_LABEL      1008
#define IDC_LANGUAGE_LABEL     1009
#define IDC_FONT_SIZE_LABEL    1010
#define IDC_DISP_X_LABEL       1011
#define IDC_DISP_WIDTH_LABEL   1012
#define IDC_DISP_HEIGHT_LABEL  1013
#define IDC_DISP_Y_LABEL       1014
#define IDC_DISP_Y             1015
