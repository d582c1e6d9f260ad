#include "Tablora_SetupDlg.h"

#include "App.h"
#include "Ini.h"
#include "InstallFolder.h"
#include "res/resource.h"

#include <commctrl.h>
#include <shlobj.h>

CString g_strInstallDir = L"C:\\MarvonTablora\\";
CString g_strSourceDir;
std::atomic<int> g_bInstalling{0};
int g_nInstallSteps = 0;

namespace {

// A text of the dialog, its place in the language files and its built-in
// Chinese default.
struct TextEntry {
    CString CTablora_SetupDlg::*member;
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* fallback;
};

const TextEntry kTexts[] = {
    {&CTablora_SetupDlg::m_strLanguageLabel, L"s2", L"10", L"语言:"},
    {&CTablora_SetupDlg::m_strChineseName, L"tlrc_lang_txt", L"10017", L"中文"},
    {&CTablora_SetupDlg::m_strPathLabel, L"s2", L"11", L"安装路径:"},
    {&CTablora_SetupDlg::m_strProgressLabel, L"s2", L"12", L"安装进度:"},
    {&CTablora_SetupDlg::m_strStartButton, L"s2", L"13", L"开始安装"},
    {&CTablora_SetupDlg::m_strBrowseTitle, L"s2", L"14", L"选择安装文件夹"},
    {&CTablora_SetupDlg::m_strDamagedMsg, L"s2", L"15", L"安装文件损坏!"},
    {&CTablora_SetupDlg::m_strDoneMsg, L"s2", L"16", L"安装完成!"},
    {&CTablora_SetupDlg::m_strCloseFirstMsg, L"s2", L"17", L"先关闭软件再安装!"},
};

bool Exists(const CString& path) { return ::GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }

// The folder of the running program, up to and including its last backslash.
CString ProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = ::GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);  // cut: read again with more room
    }
    return CString(path.substr(0, path.rfind(L'\\') + 1));
}

// The template leaves the position open: show the dialog in the middle of
// its monitor's work area, where a user looks for it.
void CenterOnMonitor(HWND window)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    RECT r;
    if (!::GetWindowRect(window, &r) ||
        !::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor))
        return;
    const RECT& area = monitor.rcWork;
    int x = area.left + (area.right - area.left - (r.right - r.left)) / 2;
    int y = area.top + (area.bottom - area.top - (r.bottom - r.top)) / 2;
    ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CAboutDlg::CAboutDlg(HWND parent) : CDialogEx(IDD_ABOUTBOX, parent) {}

CTablora_SetupDlg::CTablora_SetupDlg() : CDialogEx(IDD_TABLORA_SETUP_DIALOG)
{
    m_hIcon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    for (const TextEntry& text : kTexts) this->*text.member = text.fallback;

    g_strSourceDir = ProgramFolder() + L"tablora_file\\";
    // The language of the configuration that ships beside the installer.
    CIni shipped(g_strSourceDir + L"cfg.ini");
    m_nLanguageAtStart = shipped.GetInt(L"disp_set", L"language", 0);
    m_nLanguage = m_nLanguageAtStart;
}

CTablora_SetupDlg::~CTablora_SetupDlg() = default;

BOOL CTablora_SetupDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    if (CWinApp* app = AfxGetApp()) app->m_pMainWnd = m_hWnd;
    m_progress = GetDlgItem(IDC_PROGRESS);
    m_comboLanguage = GetDlgItem(IDC_LANGUAGE);

    HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE);
    wchar_t about[128] = {};
    if (systemMenu && ::LoadStringW(::GetModuleHandleW(nullptr), IDS_ABOUTBOX, about, 128) > 0) {
        ::AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, about);
    }
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    ::SendMessageW(m_progress, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    ::SendMessageW(m_progress, PBM_SETPOS, 0, 0);

    LoadLanguageTexts();
    ApplyLanguageTexts();
    if (!CheckSourceFiles()) ShowMessage(m_strDamagedMsg);

    SetDlgItemText(IDC_INSTALL_PATH, g_strInstallDir);
    CenterOnMonitor(m_hWnd);
    return TRUE;
}

LRESULT CTablora_SetupDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETUP_STEP:
        OnSetupStep();
        break;
    case WM_SETUP_DONE:
        OnSetupDone();
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
            OnSysCommand(wParam);
            return 0;
        }
        break;
    case WM_PAINT:
        if (::IsIconic(m_hWnd)) {
            OnPaintIconic();
            return 0;
        }
        break;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(m_hIcon);
    case WM_DESTROY: {
        LRESULT result = Default(message, wParam, lParam);
        OnDestroy();
        return result;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_START:
            if (HIWORD(wParam) == BN_CLICKED) OnBnClickedStart();
            return 0;
        case IDC_BROWSE:
            if (HIWORD(wParam) == BN_CLICKED) OnBnClickedBrowse();
            return 0;
        case IDCANCEL:
            // Escape, the close box, Alt+F4 and the system menu's close all
            // arrive here.
            if (HIWORD(wParam) == BN_CLICKED) OnBnClickedCancel();
            return 0;
        case IDC_LANGUAGE:
            if (HIWORD(wParam) == CBN_SELCHANGE) OnCbnSelchangeLanguage();
            break;
        }
        break;
    }
    return CDialogEx::WindowProc(message, wParam, lParam);
}

void CTablora_SetupDlg::OnSysCommand(WPARAM)
{
    CAboutDlg about(m_hWnd);
    about.DoModal();
}

void CTablora_SetupDlg::OnPaintIconic()
{
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    ::SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
    ::EndPaint(m_hWnd, &paint);
}

void CTablora_SetupDlg::OnDestroy()
{
    if (!m_hInstallThread) return;
    ::WaitForSingleObject(m_hInstallThread, 1000);
    ::CloseHandle(m_hInstallThread);
    m_hInstallThread = nullptr;
}

void CTablora_SetupDlg::OnBnClickedCancel()
{
    if (g_bInstalling == 0) EndDialog(IDCANCEL);
}

void CTablora_SetupDlg::OnCbnSelchangeLanguage()
{
    m_nLanguage = static_cast<int>(::SendMessageW(m_comboLanguage, CB_GETCURSEL, 0, 0));
    LoadLanguageTexts();
    ApplyLanguageTexts();
}

void CTablora_SetupDlg::LoadLanguageTexts()
{
    // The language files beside the installer; a missing file changes nothing.
    CString path = g_strSourceDir + CString(LanguageFileName(m_nLanguage));
    if (!Exists(path)) return;
    CIni file(path);
    for (const TextEntry& text : kTexts) {
        CString value = file.GetString(text.section, text.key);
        this->*text.member = value.IsEmpty() ? CString(text.fallback) : value;
    }
}

void CTablora_SetupDlg::ApplyLanguageTexts()
{
    SetDlgItemText(IDC_LANGUAGE_LABEL, m_strLanguageLabel);
    SetDlgItemText(IDC_PATH_LABEL, m_strPathLabel);
    SetDlgItemText(IDC_PROGRESS_LABEL, m_strProgressLabel);
    SetDlgItemText(IDC_START, m_strStartButton);

    // The entries are filled once and keep the texts of that moment.
    if (::SendMessageW(m_comboLanguage, CB_GETCOUNT, 0, 0) >= 3) return;
    ::SendMessageW(m_comboLanguage, CB_RESETCONTENT, 0, 0);
    for (const wchar_t* name : {m_strChineseName.GetString(), L"English", L"Other"})
        ::SendMessageW(m_comboLanguage, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    bool known = m_nLanguage >= 0 && m_nLanguage <= 2;
    ::SendMessageW(m_comboLanguage, CB_SETCURSEL, known ? m_nLanguage : -1, 0);
}

bool CTablora_SetupDlg::CheckSourceFiles()
{
    for (const wchar_t* name : {L"", L"tlrc_lang_ch.ini", L"tlrc_lang_en.ini", L"tlrc_lang_other.ini", L"cfg.ini"}) {
        if (!Exists(g_strSourceDir + name)) return false;
    }
    return true;
}

void CTablora_SetupDlg::OnBnClickedBrowse()
{
    BROWSEINFOW info{};
    info.hwndOwner = m_hWnd;
    info.lpszTitle = m_strBrowseTitle;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    PIDLIST_ABSOLUTE item = ::SHBrowseForFolderW(&info);
    if (!item) return;
    wchar_t path[MAX_PATH] = {};
    BOOL hasPath = ::SHGetPathFromIDListW(item, path);
    ::CoTaskMemFree(item);
    if (!hasPath) return;

    g_strInstallDir = CString(InstallFolderFor(CString(path).ToU16()));
    SetDlgItemText(IDC_INSTALL_PATH, g_strInstallDir);
}

void CTablora_SetupDlg::ShowMessage(const CString& text) const
{
    CWinApp* app = AfxGetApp();
    ::MessageBoxW(m_hWnd, text, app ? app->AppName().GetString() : L"", MB_OK | MB_ICONEXCLAMATION);
}
