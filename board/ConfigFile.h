// The board's settings in its configuration file, section "disp_set": read
// into and written from g_boardData, the board font size and the version text.
#pragma once

#include "Ini.h"

// Reads every key, with the defaults for missing or empty values.
void ReadBoardSettings(const CIni& ini, int32_t& fontSize, CString& versionText);
// Writes the seven settings keys, each with its own call; never the
// version text, whose value only ever comes from the shipped file.
void WriteBoardSettings(const CIni& ini, int32_t fontSize);
