// The main dialog's button 1000: run the board settings and apply their result.
#include "BoardData.h"
#include "KXM_TabloraDlg.h"

void CKXM_TabloraDlg::OnBnClickedBoardSettings() {}
