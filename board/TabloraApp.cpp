#include "TabloraApp.h"

#include "KXM_TabloraDlg.h"

#include <commctrl.h>

CKXM_TabloraApp theApp;

BOOL CKXM_TabloraApp::InitInstance()
{
    // One copy only: a second start ends at once, silently. The handle
    // stays open until the process ends.
    HANDLE mutex = ::CreateMutexW(nullptr, TRUE, AppName());
    if (mutex && ::GetLastError() == ERROR_ALREADY_EXISTS) return FALSE;

    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    // Restart by the system's restart manager only (no recovery); the
    // program keeps no settings in the registry.
    ::RegisterApplicationRestart(nullptr, RESTART_NO_CRASH | RESTART_NO_HANG | RESTART_NO_REBOOT);

    CKXM_TabloraDlg dialog;
    dialog.DoModal();
    return FALSE;
}
