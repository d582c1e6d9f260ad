// The main dialog loads its settings from "cfg.ini" beside the program and
// saves them there when a settings dialog is confirmed.
#include "BoardData.h"
#include "ConfigFile.h"
#include "KXM_TabloraDlg.h"

namespace {
CIni ConfigFile() { return CIni(g_boardData.programFolder + L"cfg.ini"); }
}

void CKXM_TabloraDlg::LoadConfig() { ReadBoardSettings(ConfigFile(), m_board.m_fontSize, m_versionText); }

void CKXM_TabloraDlg::SaveConfig() { WriteBoardSettings(ConfigFile(), m_board.m_fontSize); }
