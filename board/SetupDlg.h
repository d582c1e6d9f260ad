// The board settings dialog (template 130): language and board font size,
// and the way into the display settings. It only edits the three values
// that its opener hands in and reads back after OK; applying them is the
// main dialog's step.
#pragma once

#include "Dialog.h"

#include <cstdint>

class CSetupDlg : public CDialogEx {
public:
    explicit CSetupDlg(HWND parent = nullptr);

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    int32_t m_fontSize = 32;     // board font height in pixels
    int32_t m_boardVersion = 1;  // board version number
    int32_t m_language = 0;      // 0 Chinese, 1 English, 2 the third language; -1 none selected
    HWND m_fontSizeList = nullptr;  // control 1001, bound at initialisation

private:
    void OnBnClickedOk();
    void OnBnClickedDisplaySettings();
};
