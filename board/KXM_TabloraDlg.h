// The main dialog: a small control window that lives as an icon in the
// notification area. It owns the board window, receives every message from
// the host program, formats the rows, and loads and saves the settings.
#pragma once

#include "Dialog.h"
#include "TabloraDlg.h"

#include <shellapi.h>

constexpr UINT WM_TRAY_NOTIFY = WM_USER + 1;     // mouse activity on the notification-area icon
constexpr UINT WM_STATUS_ARRIVED = WM_USER + 2;  // a new snapshot has been stored
constexpr UINT WM_CLOSE_BOARD = WM_USER + 3;     // end the program without asking
constexpr UINT IDM_ABOUTBOX = 0x0010;

static_assert(sizeof(NOTIFYICONDATAW) == 956, "the full notification-icon record");

class CKXM_TabloraDlg : public CDialogEx {
public:
    CKXM_TabloraDlg();
    ~CKXM_TabloraDlg() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;

    void LoadConfig();
    void SaveConfig();
    HWND FindHostWindow() const;
    void SendRequest();
    void BuildRows();
    void UpdateRows();

    CTabloraDlg m_board;

private:
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    void OnBnClickedBoardSettings();
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    void OnCopyData(const COPYDATASTRUCT* data);
    void OnBnClickedCancel();
    void OnTimer(UINT_PTR id);

    void FillNotifyIcon();
    void AddNotifyIcon();
    void RemoveNotifyIcon();

    HICON m_hIcon = nullptr;
    NOTIFYICONDATAW m_notifyIcon{};
    int32_t m_watchdogTicks = 0;
    CString m_versionText;
    UINT m_taskbarCreated = 0;  // the shell's broadcast after it (re)starts
    bool m_iconAdded = false;
    bool m_statusPending = false;  // a WM_STATUS_ARRIVED is in the queue
};
