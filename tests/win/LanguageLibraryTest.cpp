// KXM_Language.dll's exported reader on real files: UTF-16LE with its mark
// and GBK without, the code-page line limit, the results and the store.
#include "CIniUnicode.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Entries = std::vector<std::pair<int, std::wstring>>;

int Read(const std::wstring& path, int codePage, std::vector<const wchar_t*> names)
{
    CStringArray list;
    for (const wchar_t* name : names) list.Add(name);
    CIniUnicode reader;
    return reader.ReadTextFromFileBySection(CString(path.c_str()), codePage, list);
}

Entries Section(const wchar_t* name)
{
    CIniUnicode reader;
    CIntArray keys;
    CStringArray texts;
    keys.Add(99);  // whatever the lists held before is replaced
    texts.Add(L"stale");
    reader.GetOneSectionText(name, keys, texts);
    EXPECT_EQ(keys.GetSize(), texts.GetSize());
    Entries entries;
    for (int i = 0; i < keys.GetSize() && i < texts.GetSize(); ++i) entries.emplace_back(keys[i], texts[i].str());
    return entries;
}

std::string Ascii(const std::wstring& text) { return std::string(text.begin(), text.end()); }

class LanguageLibrary : public ::testing::Test {
protected:
    ~LanguageLibrary() override { CIniUnicode().ClearAllText(); }
    TempFolder folder;
    std::wstring file = folder / L"lang.ini";
};

TEST_F(LanguageLibrary, Utf16WithMarkAndGbkGiveTheSameEntries)
{
    const std::wstring text = L"[s2]\r\n10=语言:\r\n[tlrc_lang_txt]\r\n1000=看板设置\r\n10000= 设备名称 \r\n\r\n"
                              L"10020=确定要退出吗？\r\n[s3]\r\n1=after\r\n";
    // The same content in GBK, byte for byte.
    const std::string gbk = "[s2]\r\n10=\xD3\xEF\xD1\xD4:\r\n[tlrc_lang_txt]\r\n1000=\xBF\xB4\xB0\xE5\xC9\xE8\xD6\xC3\r\n"
                            "10000= \xC9\xE8\xB1\xB8\xC3\xFB\xB3\xC6 \r\n\r\n"
                            "10020=\xC8\xB7\xB6\xA8\xD2\xAA\xCD\xCB\xB3\xF6\xC2\xF0\xA3\xBF\r\n[s3]\r\n1=after\r\n";
    const Entries texts = {{1000, L"看板设置"}, {10000, L" 设备名称 "}, {0, L""}, {10020, L"确定要退出吗？"}};
    const Entries s2 = {{10, L"语言:"}};
    std::string gbkLf = gbk;
    for (size_t p; (p = gbkLf.find("\r\n")) != std::string::npos;) gbkLf.erase(p, 1);
    for (const std::string& bytes : {Utf16LeWithMark(text), gbk, gbkLf}) {
        ASSERT_TRUE(WriteBytes(file, bytes));
        EXPECT_EQ(Read(file, 936, {L"tlrc_lang_txt", L"s2", L"missing"}), 1);
        EXPECT_EQ(Section(L"tlrc_lang_txt"), texts);
        EXPECT_EQ(Section(L"s2"), s2);
        EXPECT_EQ(Section(L"missing"), Entries());
        EXPECT_EQ(Section(L"TLRC_LANG_TXT"), Entries());
    }
}

TEST_F(LanguageLibrary, OnlyTheLittleEndianMarkMeansUnicode)
{
    const std::wstring text = L"[s]\r\n1=a\r\n";
    std::string bigEndian = "\xFE\xFF";
    for (wchar_t c : text) {
        bigEndian += static_cast<char>(c >> 8);
        bigEndian += static_cast<char>(c & 0xFF);
    }
    const std::string noMark = Utf16LeWithMark(text).substr(2);
    for (const std::string& bytes : {bigEndian, noMark}) {
        ASSERT_TRUE(WriteBytes(file, bytes));
        EXPECT_EQ(Read(file, 936, {L"s"}), 1);
        EXPECT_EQ(Section(L"s"), Entries());
    }
    ASSERT_TRUE(WriteBytes(file, Utf16LeWithMark(text)));
    Read(file, 936, {L"s"});
    EXPECT_EQ(Section(L"s"), (Entries{{1, L"a"}}));
}

TEST_F(LanguageLibrary, Utf8MarkIsPartOfTheFirstLine)
{
    ASSERT_TRUE(WriteBytes(file, "\xEF\xBB\xBF[s]\r\n1=\xE4\xB8\xAD\r\n[t]\r\n2=b\r\n"));
    EXPECT_EQ(Read(file, 65001, {L"s", L"[s", L"t"}), 1);
    // The first line reads U+FEFF "[s]": between its first and last character stands "[s".
    EXPECT_EQ(Section(L"s"), Entries());
    EXPECT_EQ(Section(L"[s"), (Entries{{1, L"中"}}));
    EXPECT_EQ(Section(L"t"), (Entries{{2, L"b"}}));
}

TEST_F(LanguageLibrary, CodePageLinesAreCutAfter4095Bytes)
{
    const std::string line5000 = "1=" + std::string(4998, 'a');
    ASSERT_TRUE(WriteBytes(file, "[s]\r\n" + line5000 + "\r\n2=b\r\n"));
    Read(file, 936, {L"s"});
    EXPECT_EQ(Section(L"s"), (Entries{{1, std::wstring(4093, L'a')}, {0, std::wstring(905, L'a')}, {2, L"b"}}));
    // The ANSI code page (-1) reads plain ASCII alike.
    Read(file, -1, {L"s"});
    EXPECT_EQ(Section(L"s").size(), 3u);
    // A UTF-16LE line has no limit.
    ASSERT_TRUE(WriteBytes(file, Utf16LeWithMark(L"[s]\r\n1=" + std::wstring(100000, L'中') + L"\r\n2=b\r\n")));
    Read(file, 936, {L"s"});
    EXPECT_EQ(Section(L"s"), (Entries{{1, std::wstring(100000, L'中')}, {2, L"b"}}));
}

TEST_F(LanguageLibrary, ManyLinesAreAllRead)
{
    std::wstring text = L"[s]\r\n";
    for (int i = 0; i < 100000; ++i) text += std::to_wstring(i) + L"=t" + std::to_wstring(i) + L"\r\n";
    for (const std::string& bytes : {Utf16LeWithMark(text), Ascii(text)}) {
        ASSERT_TRUE(WriteBytes(file, bytes));
        Read(file, 936, {L"s"});
        Entries entries = Section(L"s");
        ASSERT_EQ(entries.size(), 100000u);
        EXPECT_EQ(entries[99999], (std::pair<int, std::wstring>(99999, L"t99999")));
    }
}

TEST_F(LanguageLibrary, ResultsAndTheStore)
{
    ASSERT_TRUE(WriteBytes(file, Utf16LeWithMark(L"[a]\r\n1=x\r\n[b]\r\n2=y\r\n")));
    auto fill = [&] {
        ASSERT_EQ(Read(file, 936, {L"a", L"a", L"b"}), 1);
        ASSERT_EQ(Section(L"a"), (Entries{{1, L"x"}}));
    };
    fill();
    EXPECT_EQ(Section(L"b"), (Entries{{2, L"y"}}));

    // Each read replaces the whole store.
    EXPECT_EQ(Read(file, 936, {L"b"}), 1);
    EXPECT_EQ(Section(L"a"), Entries());
    EXPECT_EQ(Section(L"b"), (Entries{{2, L"y"}}));

    fill();
    EXPECT_EQ(Read(file, 936, {}), 0);  // no names
    EXPECT_EQ(Section(L"a"), Entries());

    fill();
    EXPECT_EQ(Read(folder / L"no-such.ini", 936, {L"a"}), 0);  // nothing of that name
    EXPECT_EQ(Section(L"a"), Entries());

    fill();
    const std::wstring sub = folder / L"sub";
    ASSERT_TRUE(::CreateDirectoryW(sub.c_str(), nullptr));
    EXPECT_EQ(Read(sub, 936, {L"a"}), 1);  // a folder: exists, but cannot be read
    EXPECT_EQ(Section(L"a"), Entries());

    fill();
    CIniUnicode().ClearAllText();
    EXPECT_EQ(Section(L"a"), Entries());
}

std::wstring WithoutFinalBackslash(std::wstring path)
{
    if (path.size() > 3 && path.back() == L'\\') path.pop_back();
    return path;
}

TEST_F(LanguageLibrary, LoadingMakesTheProgramFolderCurrentAndFirstForLibraries)
{
    // A second copy of the library, loaded while another folder is current,
    // runs the load-time set-up again.
    ASSERT_TRUE(::CopyFileW((ExeFolder() + L"KXM_Language.dll").c_str(), (folder / L"KXM_Language_copy.dll").c_str(),
                            FALSE));
    ASSERT_TRUE(::SetCurrentDirectoryW(folder.Path().c_str()));
    ::SetDllDirectoryW(nullptr);
    HMODULE copy = ::LoadLibraryW((folder / L"KXM_Language_copy.dll").c_str());
    ASSERT_NE(copy, nullptr);
    wchar_t current[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, current);
    wchar_t libraries[MAX_PATH] = {};
    ::GetDllDirectoryW(MAX_PATH, libraries);
    ::FreeLibrary(copy);
    const std::wstring program = WithoutFinalBackslash(ExeFolder());
    EXPECT_EQ(_wcsicmp(WithoutFinalBackslash(current).c_str(), program.c_str()), 0) << current;
    EXPECT_EQ(_wcsicmp(WithoutFinalBackslash(libraries).c_str(), program.c_str()), 0) << libraries;
}

}  // namespace
