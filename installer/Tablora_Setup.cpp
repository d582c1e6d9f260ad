#include "Tablora_Setup.h"

#include "Tablora_SetupDlg.h"

#include <commctrl.h>
#include <objbase.h>

namespace {

// The installer runs elevated, often from a downloads folder: before any
// other code of the process runs, library loading is restricted to the
// system folder, so that no DLL lying beside the installer (or in the
// current folder) is ever loaded into the elevated process. Looked up at run
// time because systems without the call still exist; there the current
// folder is at least taken out of the search.
__attribute__((constructor(101))) void RestrictLibrarySearch()
{
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    void* entry = kernel ? reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")) : nullptr;
    if (!entry || !reinterpret_cast<SetDefaultDllDirectoriesFn>(entry)(LOAD_LIBRARY_SEARCH_SYSTEM32))
        ::SetDllDirectoryW(L"");
}

}  // namespace

CTablora_SetupApp theApp;

BOOL CTablora_SetupApp::InitInstance()
{
    // One copy only: a second start ends at once, silently. The handle
    // stays open until the process ends.
    HANDLE mutex = ::CreateMutexW(nullptr, TRUE, AppName());
    if (mutex && ::GetLastError() == ERROR_ALREADY_EXISTS) return FALSE;

    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    // Restart by the system's restart manager only (no recovery).
    ::RegisterApplicationRestart(nullptr, RESTART_NO_CRASH | RESTART_NO_HANG | RESTART_NO_REBOOT);
    // The folder-browse dialog is a shell object and wants COM on its thread.
    HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    CTablora_SetupDlg dialog;
    dialog.DoModal();

    if (SUCCEEDED(com)) ::CoUninitialize();
    return FALSE;
}
