#include "ConfigFile.h"

#include "BoardData.h"

namespace {
const wchar_t kSection[] = L"disp_set";
}

void ReadBoardSettings(const CIni& ini, int32_t& fontSize, CString& versionText)
{
    fontSize = ini.GetInt(kSection, L"font_size", 32);
    g_boardData.dispStartX = ini.GetInt(kSection, L"disp_startx", 10);
    g_boardData.dispStartY = ini.GetInt(kSection, L"disp_starty", 0);
    g_boardData.dispWidth = ini.GetInt(kSection, L"disp_width", 800);
    g_boardData.dispHeight = ini.GetInt(kSection, L"disp_height", 600);
    g_boardData.version = ini.GetInt(kSection, L"version", 1);
    versionText = ini.GetString(kSection, L"tlr_version", L"unknow");
    g_boardData.language = ini.GetInt(kSection, L"language", 0);
}

void WriteBoardSettings(const CIni& ini, int32_t fontSize)
{
    ini.WriteInt(kSection, L"font_size", fontSize);
    ini.WriteInt(kSection, L"disp_startx", g_boardData.dispStartX);
    ini.WriteInt(kSection, L"disp_starty", g_boardData.dispStartY);
    ini.WriteInt(kSection, L"disp_width", g_boardData.dispWidth);
    ini.WriteInt(kSection, L"disp_height", g_boardData.dispHeight);
    ini.WriteInt(kSection, L"version", g_boardData.version);
    ini.WriteInt(kSection, L"language", g_boardData.language);
}
