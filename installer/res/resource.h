// Identifiers of the installer's resources and controls.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDR_MAINFRAME            128
#define IDD_ABOUTBOX             100
#define IDS_ABOUTBOX             101
#define IDD_TABLORA_SETUP_DIALOG 102

#define IDC_LANGUAGE             1000
#define IDC_INSTALL_PATH         1001
#define IDC_PROGRESS             1002
#define IDC_START                1003
#define IDC_LANGUAGE_LABEL       1004
#define IDC_PATH_LABEL           1005
#define IDC_PROGRESS_LABEL       1006
#define IDC_BROWSE               1007
#define IDC_FRAME                1008

// The embedded files, resource type "INSTALL".
#define IDR_INSTALL_LANGUAGE_DLL 130
#define IDR_INSTALL_RUNTIME_CXX  132
#define IDR_INSTALL_RUNTIME_GCC  133
#define IDR_INSTALL_RUNTIME_THREAD 134
#define IDR_INSTALL_BOARD_EXE    136
