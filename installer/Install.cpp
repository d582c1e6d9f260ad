#include "Install.h"

#include "Ini.h"
#include "InstallRegistry.h"
#include "SetupProgress.h"
#include "Tablora_SetupDlg.h"
#include "res/resource.h"

#include <commctrl.h>

namespace {

// The embedded libraries, written only into a folder that has none of that
// name. The runtime libraries keep their own names.
struct EmbeddedFile {
    int resource;
    const wchar_t* name;
};
const EmbeddedFile kLibraries[] = {
    {IDR_INSTALL_RUNTIME_CXX, L"libstdc++-6.dll"},
    {IDR_INSTALL_RUNTIME_GCC, L"libgcc_s_dw2-1.dll"},
    {IDR_INSTALL_RUNTIME_THREAD, L"libwinpthread-1.dll"},
    {IDR_INSTALL_LANGUAGE_DLL, L"KXM_Language.dll"},
};
const wchar_t kBoardProgram[] = L"MarvonTablora.exe";
const wchar_t* const kLanguageFiles[] = {L"tlrc_lang_ch.ini", L"tlrc_lang_en.ini", L"tlrc_lang_other.ini"};

bool Exists(const CString& path) { return ::GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }

// One step is done: tell the dialog, then give it time to show the position.
void ReportStep(HWND dialog)
{
    ::PostMessageW(dialog, WM_SETUP_STEP, 0, 0);
    ::Sleep(100);
}

void ExtractEmbedded(int id, const CString& path)
{
    HRSRC resource = ::FindResourceW(nullptr, MAKEINTRESOURCEW(id), L"INSTALL");
    if (resource) ExtractResourceToFile(resource, path);
}

}  // namespace

HWND FindRunningBoard()
{
    for (HWND window = ::GetWindow(::GetDesktopWindow(), GW_CHILD); window; window = ::GetWindow(window, GW_HWNDNEXT)) {
        if (::GetPropW(window, L"CKXM_TabloraDlg")) return window;
    }
    return nullptr;
}

void CTablora_SetupDlg::OnBnClickedStart()
{
    if (FindRunningBoard()) {
        ShowMessage(m_strCloseFirstMsg);
        return;
    }

    // The progress form.
    HWND start = GetDlgItem(IDC_START);
    ::EnableWindow(start, FALSE);
    ::ShowWindow(start, SW_HIDE);
    ::ShowWindow(GetDlgItem(IDC_BROWSE), SW_HIDE);
    ::ShowWindow(m_progress, SW_SHOW);
    ::ShowWindow(GetDlgItem(IDC_PROGRESS_LABEL), SW_SHOW);

    // The group box grows down by one and a half rows so that it also
    // encloses the progress row.
    RECT edit, frame;
    ::GetWindowRect(GetDlgItem(IDC_INSTALL_PATH), &edit);
    HWND frameWindow = GetDlgItem(IDC_FRAME);
    ::GetWindowRect(frameWindow, &frame);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&frame), 2);
    frame.bottom += static_cast<int>((edit.bottom - edit.top) * 1.5);
    ::MoveWindow(frameWindow, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, TRUE);
    // A group box paints only its frame: erase the old bottom edge under it.
    ::RedrawWindow(m_hWnd, &frame, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);

    if (!Exists(g_strInstallDir)) ::CreateDirectoryW(g_strInstallDir, nullptr);

    // A first installation takes the language chosen here: it goes into the
    // shipped configuration, which the worker then copies.
    if (m_nLanguage != m_nLanguageAtStart && !Exists(g_strInstallDir + L"cfg.ini"))
        CIni(g_strSourceDir + L"cfg.ini").WriteInt(L"disp_set", L"language", m_nLanguage);

    // Marked before the worker exists, so that a close request in between
    // is already refused.
    g_bInstalling = 1;
    m_hInstallThread = ::CreateThread(nullptr, 0, InstallThreadProc, this, 0, nullptr);
    if (!m_hInstallThread) g_bInstalling = 0;  // no worker: the dialog can still be closed
}

void CTablora_SetupDlg::OnSetupStep()
{
    ++g_nInstallSteps;
    ::SendMessageW(m_progress, PBM_SETPOS, ProgressPosition(g_nInstallSteps), 0);
}

void CTablora_SetupDlg::OnSetupDone()
{
    ::SendMessageW(m_progress, PBM_SETPOS, 100, 0);
    ShowMessage(m_strDoneMsg);
    CDialogEx::OnCancel();
}

DWORD WINAPI InstallThreadProc(LPVOID parameter)
{
    HWND dialog = static_cast<CTablora_SetupDlg*>(parameter)->m_hWnd;
    g_bInstalling = 1;

    for (const EmbeddedFile& library : kLibraries) {
        CString path = g_strInstallDir + library.name;
        if (!Exists(path)) ExtractEmbedded(library.resource, path);
        ReportStep(dialog);
    }

    CString board = g_strInstallDir + kBoardProgram;
    if (Exists(board)) ::DeleteFileW(board);
    ::Sleep(100);
    ExtractEmbedded(IDR_INSTALL_BOARD_EXE, board);
    ReportStep(dialog);

    CopyDataFiles(dialog);
    WriteInstallPathToRegistry();

    g_bInstalling = 0;
    ::PostMessageW(dialog, WM_SETUP_DONE, 0, 0);
    return 0;
}

bool ExtractResourceToFile(HRSRC resource, const wchar_t* path)
{
    DWORD size = ::SizeofResource(nullptr, resource);
    if (size == 0) return false;
    HGLOBAL loaded = ::LoadResource(nullptr, resource);
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes) return false;
    HANDLE file = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = ::WriteFile(file, bytes, size, &written, nullptr);
    ::CloseHandle(file);
    return ok && written == size;
}

void CopyDataFiles(HWND dialog)
{
    // An installed configuration is never replaced.
    CString installedConfig = g_strInstallDir + L"cfg.ini";
    if (!Exists(installedConfig)) ::CopyFileW(g_strSourceDir + L"cfg.ini", installedConfig, TRUE);
    ReportStep(dialog);

    for (const wchar_t* name : kLanguageFiles) {
        ::CopyFileW(g_strSourceDir + name, g_strInstallDir + name, FALSE);
        ReportStep(dialog);
    }
}

void WriteInstallPathToRegistry() { WriteBoardPathToRegistry(g_strInstallDir); }
