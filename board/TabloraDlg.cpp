#include "TabloraDlg.h"

#include "BoardData.h"
#include "res/resource.h"

CTabloraDlg::CTabloraDlg() : CDialogEx(IDD_TABLORA_BOARD) {}

CTabloraDlg::~CTabloraDlg()
{
    if (m_font) ::DeleteObject(m_font);
}

BOOL CTabloraDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    CreateBoardFont();
    WrapRows();
    return TRUE;
}

void CTabloraDlg::CreateBoardFont()
{
    if (m_font) ::DeleteObject(m_font);
    m_font = ::CreateFontW(m_fontSize, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0,
                           FF_SWISS | DEFAULT_PITCH, L"Arial");
}

LRESULT CTabloraDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        Default(message, wParam, lParam);
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;  // everything, the background included, is drawn in OnPaint
    }
    return CDialogEx::WindowProc(message, wParam, lParam);
}

void CTabloraDlg::OnSize(UINT, int, int)
{
    WrapRows();
    Invalidate(TRUE);
}

void CTabloraDlg::WrapRows() {}

void CTabloraDlg::SetPercentColor(float percent)
{
    if (percent < m_percentLow)
        m_percentColor = RGB(255, 0, 0);
    else if (percent <= m_percentHigh)
        m_percentColor = RGB(255, 128, 0);
    else
        m_percentColor = RGB(0, 255, 0);
}

void CTabloraDlg::OnPaint()
{
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    HBRUSH background = ::CreateSolidBrush(RGB(240, 240, 240));
    ::FillRect(dc, &client, background);
    ::DeleteObject(background);
    ::EndPaint(m_hWnd, &ps);
}
