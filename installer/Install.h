// The installation procedure: what the start button sets off and the worker
// thread that writes the install folder.
#pragma once

#include <windows.h>

class CTablora_SetupDlg;

// The main dialog of a running board program (it carries the window property
// "CKXM_TabloraDlg"), or null.
HWND FindRunningBoard();
// The worker: writes the five embedded files, copies the data files, records
// the board program's path; reports nine steps and the end to the dialog.
DWORD WINAPI InstallThreadProc(LPVOID dialog);
// True only if the whole resource was written to `path`.
bool ExtractResourceToFile(HRSRC resource, const wchar_t* path);
// The data-file steps: cfg.ini (only into a folder without one) and the three
// language files (always replaced).
void CopyDataFiles(HWND dialog);
// HKEY_CURRENT_USER\Software\KXM_IOT "TlrPath": the board program's full path
// in the thread's ANSI code page.
void WriteInstallPathToRegistry();
