// The installer's one dialog: language, install folder, start button and
// progress. The installation itself runs on a worker thread (Install.cpp)
// that reports to the dialog with two posted messages.
#pragma once

#include "Dialog.h"

#include <atomic>

constexpr UINT WM_SETUP_STEP = WM_USER + 1;  // one installation step is done
constexpr UINT WM_SETUP_DONE = WM_USER + 2;  // the installation is finished
constexpr UINT IDM_ABOUTBOX = 0x0010;

// Process-wide state shared by the dialog and the installation worker.
extern CString g_strInstallDir;   // the install folder, always ending in a backslash
extern CString g_strSourceDir;    // "tablora_file\" beside the running installer
// 1 from the click on the start button until just before the worker's last
// message; read by the cancel handler, so atomic.
extern std::atomic<int> g_bInstalling;
extern int g_nInstallSteps;       // step messages received (UI thread only)

class CAboutDlg : public CDialogEx {
public:
    explicit CAboutDlg(HWND parent);
};

class CTablora_SetupDlg : public CDialogEx {
public:
    CTablora_SetupDlg();
    ~CTablora_SetupDlg() override;

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void LoadLanguageTexts();
    void ApplyLanguageTexts();
    static bool CheckSourceFiles();

    // Install.cpp: the start button and the two messages of the worker.
    void OnBnClickedStart();
    void OnSetupStep();
    void OnSetupDone();

    HICON m_hIcon = nullptr;
    HANDLE m_hInstallThread = nullptr;
    int m_nLanguageAtStart = 0;
    int m_nLanguage = 0;

    CString m_strLanguageLabel;
    CString m_strChineseName;
    CString m_strPathLabel;
    CString m_strProgressLabel;
    CString m_strStartButton;
    CString m_strBrowseTitle;
    CString m_strDamagedMsg;
    CString m_strDoneMsg;
    CString m_strCloseFirstMsg;

    HWND m_progress = nullptr;       // control 1002
    HWND m_comboLanguage = nullptr;  // control 1000

private:
    void OnSysCommand(WPARAM id);
    void OnPaintIconic();
    void OnDestroy();
    void OnBnClickedBrowse();
    void OnBnClickedCancel();
    void OnCbnSelchangeLanguage();
    // A simple OK box with the warning icon and the application name as caption.
    void ShowMessage(const CString& text) const;
};
