// The board program's text table: every caption, label, state text and
// question is looked up by its identifier.
#pragma once

#include "String.h"

// Fills g_boardData.texts from the language file of g_boardData.language.
void LoadTextTable();

// The text of `id`: the first entry with that identifier, or the identifier
// in decimal when the table has none.
CString LookupText(int32_t id);
