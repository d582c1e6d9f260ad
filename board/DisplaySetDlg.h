// The display settings dialog (template 131): the board window's screen
// position and size in pixels. Its OK applies them at once: the board window
// moves and the configuration is saved.
#pragma once

#include "Dialog.h"

class CDisplaySetDlg : public CDialogEx {
public:
    explicit CDisplaySetDlg(HWND parent = nullptr);

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnBnClickedOk();
};
