// The board window: a borderless modeless dialog (template 129) that shows the
// board rows as coloured cells with large bold text.
#pragma once

#include "Dialog.h"

#include <cstdint>

class CTabloraDlg : public CDialogEx {
public:
    CTabloraDlg();
    ~CTabloraDlg() override;

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Breaks every row's label and value into the lines that fit their cells.
    void WrapRows();
    // Chooses the percentage cell's colour from the percentage.
    void SetPercentColor(float percent);
    // (Re)creates the board font at m_fontSize, deleting the old one.
    void CreateBoardFont();

    HFONT m_font = nullptr;
    int32_t m_fontSize = 32;
    int32_t m_stateRow = -1;
    int32_t m_percentRow = -1;
    COLORREF m_stateColor = RGB(255, 0, 0);
    COLORREF m_percentColor = RGB(255, 0, 0);
    float m_percentLow = 69.9f;
    float m_percentHigh = 79.9f;

private:
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
};
