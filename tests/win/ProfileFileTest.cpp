#include "Ini.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

const wchar_t kSection[] = L"disp_set";

TEST(ProfileFile, ReadsUtf16WithMarkAndAnsiFilesAlike)
{
    TempFolder folder;
    const std::wstring content = L"[disp_set]\r\nfont_size=  40\r\ndisp_startx=-1920\r\nletters=abc\r\nempty=\r\n"
                                 L"tlr_version=V1.2\r\n";
    std::string ansi(content.begin(), content.end());
    for (const std::string& bytes : {Utf16LeWithMark(content), ansi}) {
        ASSERT_TRUE(WriteBytes(folder / L"cfg.ini", bytes));
        CIni ini((folder / L"cfg.ini").c_str());
        EXPECT_EQ(ini.GetInt(kSection, L"font_size", 32), 40);
        EXPECT_EQ(ini.GetInt(kSection, L"disp_startx", 10), -1920);
        EXPECT_EQ(ini.GetInt(kSection, L"letters", 32), 0);
        EXPECT_EQ(ini.GetInt(kSection, L"empty", 32), 32);
        EXPECT_EQ(ini.GetInt(kSection, L"missing", 800), 800);
        EXPECT_EQ(ini.GetString(kSection, L"tlr_version", L"unknow"), L"V1.2");
    }
}

TEST(ProfileFile, MissingFileGivesTheDefaults)
{
    TempFolder folder;
    CIni ini((folder / L"cfg.ini").c_str());
    EXPECT_EQ(ini.GetInt(kSection, L"disp_width", 800), 800);
    EXPECT_EQ(ini.GetString(kSection, L"tlr_version", L"unknow"), L"unknow");
    EXPECT_EQ(ini.GetString(kSection, L"tlr_version"), L"");
    EXPECT_EQ(ini.GetString(kSection, nullptr, L"fallback"), L"fallback");
}

TEST(ProfileFile, LongValueIsReadWhole)
{
    TempFolder folder;
    for (size_t length : {510u, 511u, 512u, 600u, 1030u}) {
        std::wstring value;
        for (size_t i = 0; i < length; ++i) value += static_cast<wchar_t>(L'a' + i % 26);
        ASSERT_TRUE(WriteBytes(folder / L"cfg.ini", Utf16LeWithMark(L"[disp_set]\r\ntlr_version=" + value + L"\r\n")));
        CIni ini((folder / L"cfg.ini").c_str());
        EXPECT_EQ(std::wstring(ini.GetString(kSection, L"tlr_version", L"unknow").GetString()), value) << length;
    }
}

TEST(ProfileFile, WriteIntCreatesTheFileAndKeepsOtherLines)
{
    TempFolder folder;
    CIni ini((folder / L"cfg.ini").c_str());
    ini.WriteInt(kSection, L"font_size", -7);
    EXPECT_EQ(ini.GetInt(kSection, L"font_size", 32), -7);

    ASSERT_TRUE(WriteBytes(folder / L"cfg.ini", "[disp_set]\r\ntlr_version=V9\r\nfont_size=32\r\n"));
    ini.WriteInt(kSection, L"font_size", 96);
    std::string after = ReadBytes(folder / L"cfg.ini");
    EXPECT_NE(after.find("tlr_version=V9\r\n"), std::string::npos) << after;
    EXPECT_NE(after.find("font_size=96"), std::string::npos) << after;
}

}  // namespace
