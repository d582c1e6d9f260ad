#include "DisplaySetDlg.h"

#include "BoardData.h"
#include "DialogPlacement.h"
#include "KXM_TabloraDlg.h"
#include "ProfileInt.h"
#include "TextTable.h"
#include "res/resource.h"

namespace {

// Texts that replace the template's captions, by control (the title is 131).
constexpr int kCaptionIds[] = {IDC_DISP_X_LABEL, IDC_DISP_Y_LABEL, IDC_DISP_WIDTH_LABEL, IDC_DISP_HEIGHT_LABEL,
                               IDOK, IDCANCEL};

// The four fields and the board rectangle's values they edit, in reading order.
struct Field {
    int id;
    int32_t BoardData::*value;
};
constexpr Field kFields[] = {{IDC_DISP_X, &BoardData::dispStartX},
                             {IDC_DISP_Y, &BoardData::dispStartY},
                             {IDC_DISP_WIDTH, &BoardData::dispWidth},
                             {IDC_DISP_HEIGHT, &BoardData::dispHeight}};

}  // namespace

CDisplaySetDlg::CDisplaySetDlg(HWND parent) : CDialogEx(IDD_DISPLAY_SET, parent) {}

BOOL CDisplaySetDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    CenterOverOwner(m_hWnd);

    SetWindowText(LookupText(IDD_DISPLAY_SET));
    for (int id : kCaptionIds) SetDlgItemText(id, LookupText(id));

    // The fields take only digits from the keyboard, but a negative value
    // from the configuration (a monitor left of the primary one) is shown
    // with its sign and kept through OK.
    for (const Field& field : kFields) {
        CString text;
        text.Format(L"%d", g_boardData.*field.value);
        SetDlgItemText(field.id, text);
    }
    return TRUE;
}

LRESULT CDisplaySetDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDOK) {
        OnBnClickedOk();
        return 0;
    }
    return CDialogEx::WindowProc(message, wParam, lParam);
}

void CDisplaySetDlg::OnBnClickedOk()
{
    // No range check: whatever is entered is applied, and this dialog shows
    // it again, so an off-screen or empty board can always be brought back.
    for (const Field& field : kFields) g_boardData.*field.value = ParseDecimalInt(GetDlgItemText(field.id).ToU16());

    if (CKXM_TabloraDlg* main = g_boardData.mainDlg) {
        ::MoveWindow(main->m_board.m_hWnd, g_boardData.dispStartX, g_boardData.dispStartY, g_boardData.dispWidth,
                     g_boardData.dispHeight, TRUE);
        main->SaveConfig();
    }
    EndDialog(IDOK);
}
