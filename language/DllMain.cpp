// Load-time set-up of the library: the folder of the process's program file
// becomes the current directory and the first folder searched for libraries.
// It runs under the loader lock, so it only calls KERNEL32 and allocates
// nothing.
#include <windows.h>

namespace {
// Long enough for any path the system can hand out.
wchar_t g_programFolder[32768];
}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    ::DisableThreadLibraryCalls(instance);
    const DWORD size = sizeof g_programFolder / sizeof g_programFolder[0];
    DWORD length = ::GetModuleFileNameW(nullptr, g_programFolder, size);
    if (length == 0 || length >= size) return TRUE;  // no path, or cut short
    DWORD cut = length;
    while (cut > 0 && g_programFolder[cut - 1] != L'\\') --cut;
    if (cut == 0) return TRUE;
    g_programFolder[cut] = L'\0';  // keeps the backslash
    ::SetCurrentDirectoryW(g_programFolder);
    ::SetDllDirectoryW(g_programFolder);
    return TRUE;
}
