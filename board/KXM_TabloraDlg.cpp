#include "KXM_TabloraDlg.h"

#include "App.h"
#include "BoardData.h"
#include "TextTable.h"
#include "res/resource.h"

#include <cstring>

namespace {
constexpr UINT kNotifyIconId = 1;
constexpr UINT_PTR kWatchdogTimer = 1;
constexpr UINT kWatchdogPeriodMs = 2000;

HICON LoadProgramIcon()
{
    return ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
}
}  // namespace

CKXM_TabloraDlg::CKXM_TabloraDlg() : CDialogEx(IDD_KXM_TABLORA_DIALOG)
{
    m_hIcon = LoadProgramIcon();

    // Until the host sends its first snapshot the board shows this placeholder.
    std::memset(&g_boardData.status, 0, sizeof g_boardData.status);
    std::strcpy(g_boardData.status.deviceName, "Device name");
    std::strcpy(g_boardData.status.taskName, "Task001");
    g_boardData.status.hostReserved148 = 1;
    g_boardData.status.stateCode = 0;

    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    g_boardData.programFolder = CString(ProgramFolderOf(CString(path).ToU16()));

    LoadConfig();
    LoadTextTable();
    m_watchdogTicks = 0;
}

CKXM_TabloraDlg::~CKXM_TabloraDlg() = default;

BOOL CKXM_TabloraDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();

    HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE);
    wchar_t aboutText[256] = {};
    if (systemMenu && ::LoadStringW(::GetModuleHandleW(nullptr), IDS_ABOUTBOX, aboutText, 256) > 0) {
        ::AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText);
    }
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    SetDlgItemText(IDC_BOARD_SETTINGS, LookupText(1000));
    ::SetPropW(m_hWnd, L"CKXM_TabloraDlg", reinterpret_cast<HANDLE>(1));
    // A host without administrator rights must still reach an elevated board.
    ::ChangeWindowMessageFilterEx(m_hWnd, WM_COPYDATA, MSGFLT_ALLOW, nullptr);
    m_taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
    g_boardData.mainDlg = this;

    BuildRows();
    m_board.Create(IDD_TABLORA_BOARD, ::GetDesktopWindow());
    ::MoveWindow(m_board.m_hWnd, g_boardData.dispStartX, g_boardData.dispStartY, g_boardData.dispWidth,
                 g_boardData.dispHeight, TRUE);
    m_board.ShowWindow(SW_SHOW);

    ::PostMessageW(m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ::SetTimer(m_hWnd, kWatchdogTimer, kWatchdogPeriodMs, nullptr);
    SendRequest();
    return TRUE;
}

LRESULT CKXM_TabloraDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_STATUS_ARRIVED:
        m_statusPending = false;
        UpdateRows();
        m_board.WrapRows();
        ::InvalidateRect(m_board.m_hWnd, nullptr, TRUE);
        break;
    case WM_CLOSE_BOARD:
        RemoveNotifyIcon();
        EndDialog(IDCANCEL);
        break;
    case WM_SYSCOMMAND:
        OnSysCommand(static_cast<UINT>(wParam), lParam);
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(m_hIcon);
    case WM_TRAY_NOTIFY:
        return OnTrayNotify(wParam, lParam);
    case WM_COPYDATA:
        OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        return Default(message, wParam, lParam);
    case WM_TIMER:
        OnTimer(wParam);
        return Default(message, wParam, lParam);
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            switch (LOWORD(wParam)) {
            case IDC_BOARD_SETTINGS: OnBnClickedBoardSettings(); return 0;
            case IDCANCEL: OnBnClickedCancel(); return 0;
            }
        }
        break;
    default:
        if (message == m_taskbarCreated && m_taskbarCreated != 0 && m_iconAdded) {
            // The shell restarted and forgot the icon: without it the hidden
            // main dialog could not be reached again.
            AddNotifyIcon();
            return 0;
        }
        break;
    }
    return CDialogEx::WindowProc(message, wParam, lParam);
}

void CKXM_TabloraDlg::OnSysCommand(UINT id, LPARAM lParam)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CDialogEx about(IDD_ABOUTBOX, m_hWnd);
        about.DoModal();
    } else if (id == SC_MINIMIZE) {
        AddNotifyIcon();
        ShowWindow(SW_HIDE);
    } else {
        Default(WM_SYSCOMMAND, id, lParam);
    }
}

void CKXM_TabloraDlg::FillNotifyIcon()
{
    std::memset(&m_notifyIcon, 0, sizeof m_notifyIcon);
    m_notifyIcon.cbSize = sizeof m_notifyIcon;
    m_notifyIcon.hWnd = m_hWnd;
    m_notifyIcon.uID = kNotifyIconId;
    m_notifyIcon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_notifyIcon.uCallbackMessage = WM_TRAY_NOTIFY;
    m_notifyIcon.hIcon = LoadProgramIcon();
    CWinApp* app = AfxGetApp();
    ::lstrcpynW(m_notifyIcon.szTip, app ? app->AppName().GetString() : L"", ARRAYSIZE(m_notifyIcon.szTip));
}

void CKXM_TabloraDlg::AddNotifyIcon()
{
    FillNotifyIcon();
    ::Shell_NotifyIconW(NIM_ADD, &m_notifyIcon);  // fails harmlessly when the icon is there
    m_iconAdded = true;
}

void CKXM_TabloraDlg::RemoveNotifyIcon()
{
    FillNotifyIcon();
    ::Shell_NotifyIconW(NIM_DELETE, &m_notifyIcon);
    m_iconAdded = false;
}

LRESULT CKXM_TabloraDlg::OnTrayNotify(WPARAM, LPARAM lParam)
{
    if (lParam == WM_LBUTTONDOWN || lParam == WM_RBUTTONDOWN) {
        RECT board{};
        ::GetWindowRect(m_board.m_hWnd, &board);
        if (board.left < 500) {
            RECT own{};
            ::GetWindowRect(m_hWnd, &own);
            int width = own.right - own.left;
            int height = own.bottom - own.top;
            ::MoveWindow(m_hWnd, ::GetSystemMetrics(SM_CXSCREEN) - width - 10,
                         ::GetSystemMetrics(SM_CYSCREEN) - height - 50, width, height, TRUE);
        }
        ShowWindow(SW_SHOW);
    }
    return 0;
}

void CKXM_TabloraDlg::OnBnClickedCancel()
{
    int answer = ::MessageBoxW(m_hWnd, LookupText(10020), LookupText(10021), MB_YESNO | MB_DEFBUTTON2);
    if (answer == IDYES) {
        RemoveNotifyIcon();
        EndDialog(IDCANCEL);
    }
}

void CKXM_TabloraDlg::OnPaint()
{
    if (!::IsIconic(m_hWnd)) {
        Default(WM_PAINT, 0, 0);
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    ::SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
    ::EndPaint(m_hWnd, &ps);
}
