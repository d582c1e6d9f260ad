#include "BoardData.h"
#include "ConfigFile.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

std::string Ansi(const std::wstring& text) { return std::string(text.begin(), text.end()); }

TEST(BoardConfig, MissingFileGivesTheDefaults)
{
    TempFolder folder;
    g_boardData = BoardData{};
    int32_t fontSize = 0;
    CString version;
    ReadBoardSettings(CIni((folder / L"cfg.ini").c_str()), fontSize, version);
    EXPECT_EQ(fontSize, 32);
    EXPECT_EQ(g_boardData.dispStartX, 10);
    EXPECT_EQ(g_boardData.dispStartY, 0);
    EXPECT_EQ(g_boardData.dispWidth, 800);
    EXPECT_EQ(g_boardData.dispHeight, 600);
    EXPECT_EQ(g_boardData.version, 1);
    EXPECT_EQ(g_boardData.language, 0);
    EXPECT_EQ(version, L"unknow");
}

TEST(BoardConfig, ReadsEveryKeyAndALongVersionTextWhole)
{
    TempFolder folder;
    std::wstring longVersion(600, L'v');
    for (bool unicode : {true, false}) {
        std::wstring content = L"[disp_set]\r\nfont_size=  40\r\ndisp_startx=-1920\r\ndisp_starty=7\r\n"
                               L"disp_width=1920\r\ndisp_height=1080\r\nversion=3\r\nlanguage=2\r\ntlr_version=" +
                               longVersion + L"\r\n";
        WriteBytes(folder / L"cfg.ini", unicode ? Utf16LeWithMark(content) : Ansi(content));
        int32_t fontSize = 0;
        CString version;
        ReadBoardSettings(CIni((folder / L"cfg.ini").c_str()), fontSize, version);
        EXPECT_EQ(fontSize, 40);
        EXPECT_EQ(g_boardData.dispStartX, -1920);
        EXPECT_EQ(g_boardData.dispStartY, 7);
        EXPECT_EQ(g_boardData.dispWidth, 1920);
        EXPECT_EQ(g_boardData.dispHeight, 1080);
        EXPECT_EQ(g_boardData.version, 3);
        EXPECT_EQ(g_boardData.language, 2);
        EXPECT_EQ(std::wstring(version.GetString()), longVersion);
    }
}

TEST(BoardConfig, SaveWritesTheSevenKeysButNeverTheVersionText)
{
    TempFolder folder;
    g_boardData = BoardData{};
    g_boardData.dispStartX = -1920;
    g_boardData.dispWidth = 1024;
    g_boardData.language = 1;
    WriteBoardSettings(CIni((folder / L"cfg.ini").c_str()), 48);
    std::string saved = ReadBytes(folder / L"cfg.ini");
    for (const char* line : {"[disp_set]", "font_size=48", "disp_startx=-1920", "disp_starty=0", "disp_width=1024",
                             "disp_height=600", "version=1", "language=1"})
        EXPECT_NE(saved.find(line), std::string::npos) << line << " in\n" << saved;
    EXPECT_EQ(saved.find("tlr_version"), std::string::npos) << saved;
}

TEST(BoardConfig, SaveLeavesAnExistingVersionTextLineAsItWas)
{
    TempFolder folder;
    WriteBytes(folder / L"cfg.ini", "[disp_set]\r\ntlr_version=TLR-2604081 (line 3)\r\nfont_size=32\r\n");
    g_boardData = BoardData{};
    WriteBoardSettings(CIni((folder / L"cfg.ini").c_str()), 96);
    std::string saved = ReadBytes(folder / L"cfg.ini");
    EXPECT_NE(saved.find("tlr_version=TLR-2604081 (line 3)\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("font_size=96"), std::string::npos) << saved;
}

}  // namespace
