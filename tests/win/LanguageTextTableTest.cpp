// The board's text table over real language files in a scratch program folder.
#include "BoardData.h"
#include "TestFiles.h"
#include "TextTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class TextTable : public ::testing::Test {
protected:
    TextTable()
    {
        g_boardData.programFolder = CString(folder.Path().c_str());
        g_boardData.texts.clear();
    }
    ~TextTable() override { g_boardData.texts.clear(); }

    void Load(int32_t language)
    {
        g_boardData.language = language;
        LoadTextTable();
    }
    bool Write(const wchar_t* name, const std::wstring& text) { return WriteBytes(folder / name, Utf16LeWithMark(text)); }

    TempFolder folder;
};

TEST_F(TextTable, LanguageIndexPicksTheFile)
{
    ASSERT_TRUE(Write(L"tlrc_lang_ch.ini", L"[tlrc_lang_txt]\r\n1000=看板设置\r\n"));
    ASSERT_TRUE(Write(L"tlrc_lang_en.ini", L"[tlrc_lang_txt]\r\n1000=Board settings\r\n"));
    ASSERT_TRUE(Write(L"tlrc_lang_other.ini", L"[tlrc_lang_txt]\r\n1000=Tafel\r\n"));
    const struct {
        int32_t language;
        const wchar_t* caption;
    } cases[] = {{0, L"看板设置"}, {1, L"Board settings"}, {2, L"Tafel"}, {9, L"Tafel"}, {-1, L"Tafel"}, {0, L"看板设置"}};
    for (const auto& c : cases) {
        Load(c.language);
        EXPECT_EQ(LookupText(1000), c.caption) << c.language;
        EXPECT_EQ(g_boardData.texts.size(), 1u) << c.language;
    }
}

TEST_F(TextTable, TrimsTextsAndTheFirstOccurrenceWins)
{
    ASSERT_TRUE(Write(L"tlrc_lang_en.ini", L"[s2]\r\n10=Language:\r\n[tlrc_lang_txt]\r\n"
                                           L"10000= \t Name \t \r\n10001=   \r\n10002=\t\r\n"
                                           L"10003=first\r\n10003=second\r\n\r\n10004=a # b\r\n"));
    Load(1);
    EXPECT_EQ(LookupText(10000), L"Name");
    EXPECT_EQ(LookupText(10001), L"");  // blanks only: empty, not the identifier
    EXPECT_EQ(LookupText(10002), L"");
    EXPECT_EQ(LookupText(10003), L"first");
    EXPECT_EQ(LookupText(10004), L"a # b");
    EXPECT_EQ(LookupText(10), L"10");  // another section's key
    EXPECT_EQ(LookupText(42), L"42");
    EXPECT_EQ(LookupText(-7), L"-7");
}

TEST_F(TextTable, GbkFileWithoutMark)
{
    ASSERT_TRUE(WriteBytes(folder / L"tlrc_lang_ch.ini",
                           "[tlrc_lang_txt]\r\n1000=\xBF\xB4\xB0\xE5\xC9\xE8\xD6\xC3\r\n10017=\xD6\xD0\xCE\xC4\r\n"));
    Load(0);
    EXPECT_EQ(LookupText(1000), L"看板设置");
    EXPECT_EQ(LookupText(10017), L"中文");
}

TEST_F(TextTable, MissingFileOrSectionGivesIdentifiers)
{
    ASSERT_TRUE(Write(L"tlrc_lang_en.ini", L"[tlrc_lang_txt]\r\n1000=Board settings\r\n"));
    Load(1);
    ASSERT_EQ(LookupText(1000), L"Board settings");

    Load(0);  // no Chinese file: the table of the earlier load is gone too
    EXPECT_TRUE(g_boardData.texts.empty());
    EXPECT_EQ(LookupText(1000), L"1000");
    EXPECT_EQ(LookupText(1), L"1");

    ASSERT_TRUE(Write(L"tlrc_lang_en.ini", L"[s2]\r\n10=Language:\r\n"));
    Load(1);
    EXPECT_TRUE(g_boardData.texts.empty());
    EXPECT_EQ(LookupText(1000), L"1000");

    // A text holding "[" and "]" ends the section: what follows shows numbers.
    ASSERT_TRUE(Write(L"tlrc_lang_en.ini", L"[tlrc_lang_txt]\r\n10005=State\r\n10006=[A]\r\n10020=Quit?\r\n"));
    Load(1);
    EXPECT_EQ(LookupText(10005), L"State");
    EXPECT_EQ(LookupText(10006), L"10006");
    EXPECT_EQ(LookupText(10020), L"10020");
}

}  // namespace
