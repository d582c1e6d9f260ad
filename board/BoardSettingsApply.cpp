// The main dialog's button 1000: run the board settings and apply their result.
#include "BoardData.h"
#include "KXM_TabloraDlg.h"
#include "SetupDlg.h"

void CKXM_TabloraDlg::OnBnClickedBoardSettings()
{
    CSetupDlg settings(m_hWnd);
    settings.m_fontSize = m_board.m_fontSize;
    settings.m_boardVersion = g_boardData.version;
    settings.m_language = g_boardData.language;
    if (settings.DoModal() != IDOK) return;

    g_boardData.version = settings.m_boardVersion;
    // The texts stay as loaded at start: a new language shows from the next start.
    if (settings.m_language != g_boardData.language) g_boardData.language = settings.m_language;
    // The font object is replaced only when the size changed; the cell layout
    // does not depend on it, the lines do.
    if (settings.m_fontSize != m_board.m_fontSize) {
        m_board.m_fontSize = settings.m_fontSize;
        m_board.CreateBoardFont();
        m_board.WrapRows();
    }
    SaveConfig();
    // Escape in the board window hides it; OK here brings it back.
    if (!m_board.IsWindowVisible()) m_board.ShowWindow(SW_SHOW);
    m_board.Invalidate(TRUE);
}
