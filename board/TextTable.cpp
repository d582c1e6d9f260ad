#include "TextTable.h"

#include "BoardData.h"

void LoadTextTable()
{
    g_boardData.texts.clear();
}

CString LookupText(int32_t id)
{
    for (const LangText& entry : g_boardData.texts)
        if (entry.id == id) return entry.text;
    CString number;
    number.Format(L"%d", id);
    return number;
}
