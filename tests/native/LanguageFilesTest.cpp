// The three language files that ship in data/: encoding, line ends, the full
// catalogue of identifiers, and agreement with their readable UTF-8 texts in
// language/texts/.
#include "LineReaders.h"
#include "SectionScan.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kRoot = [] {
    std::string file = __FILE__;  // <root>/tests/native/LanguageFilesTest.cpp
    return file.substr(0, file.rfind("/tests/native/"));
}();

const char* const kCodes[] = {"ch", "en", "other"};

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::u16string FromUtf8(const std::string& bytes)
{
    std::u16string out;
    for (size_t i = 0; i < bytes.size();) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < bytes.size(); ++k) cp = (cp << 6) | (bytes[i + k] & 0x3F);
        i += 1 + extra;
        if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

using Section = std::multimap<int32_t, std::u16string>;

// The entries of one section of a shipped file, as the library reads them.
Section ReadSection(const std::string& bytes, const std::u16string& name)
{
    MemoryByteSource source(bytes.data(), bytes.size());
    Utf16LineReader reader(source);
    SectionScanner scanner(name);
    Section entries;
    std::u16string line;
    while (reader.ReadLine(line)) {
        RemoveLineEnd(line);
        LineVerdict v = scanner.Classify(line);
        if (v.kind == LineVerdict::SectionEnd) break;
        if (v.kind == LineVerdict::Entry) entries.emplace(v.key, line.substr(v.textStart));
    }
    return entries;
}

std::string Shipped(const char* code) { return ReadFile(kRoot + "/data/tlrc_lang_" + code + ".ini"); }

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f'; }

TEST(LanguageFiles, Utf16LeWithMarkAndCrLfMadeFromTheTexts)
{
    for (const char* code : kCodes) {
        const std::string bytes = Shipped(code);
        ASSERT_GE(bytes.size(), 4u) << code;
        EXPECT_TRUE(StartsWithUtf16LeMark(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size())) << code;
        ASSERT_EQ(bytes.size() % 2, 0u) << code;
        std::u16string units;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
        ASSERT_GE(units.size(), 2u);
        EXPECT_EQ(units.substr(units.size() - 2), u"\r\n") << code;
        for (size_t i = 0; i < units.size(); ++i) {
            if (units[i] == u'\n') {
                EXPECT_TRUE(i > 0 && units[i - 1] == u'\r') << code << " unit " << i;
            }
            if (units[i] == u'\r') {
                EXPECT_TRUE(i + 1 < units.size() && units[i + 1] == u'\n') << code << " unit " << i;
            }
        }
        // The shipped file is its readable text, converted.
        std::u16string text = FromUtf8(ReadFile(kRoot + "/language/texts/tlrc_lang_" + code + ".txt"));
        std::u16string withCrLf;
        for (char16_t c : text) withCrLf += c == u'\n' ? std::u16string(u"\r\n") : std::u16string(1, c);
        EXPECT_EQ(units, withCrLf) << "run language/texts/make-shipped.sh after editing tlrc_lang_" << code << ".txt";
    }
}

TEST(LanguageFiles, EveryIdentifierOnceWithATrimmedText)
{
    std::set<int32_t> catalogue = {1, 2, 130, 131, 1000, 1005, 1008, 1009, 1010, 1011, 1012, 1013, 1014};
    for (int32_t id = 10000; id <= 10021; ++id) catalogue.insert(id);
    const std::set<int32_t> installerKeys = {10, 11, 12, 13, 14, 15, 16, 17};
    for (const char* code : kCodes) {
        const std::string bytes = Shipped(code);
        for (const auto& [name, ids] : {std::make_pair(std::u16string(u"tlrc_lang_txt"), catalogue),
                                        std::make_pair(std::u16string(u"s2"), installerKeys)}) {
            Section section = ReadSection(bytes, name);
            std::set<int32_t> found;
            for (const auto& [id, text] : section) {
                EXPECT_EQ(section.count(id), 1u) << code << " id " << id;
                EXPECT_FALSE(text.empty()) << code << " id " << id;
                EXPECT_FALSE(!text.empty() && (IsBlank(text.front()) || IsBlank(text.back()))) << code << " id " << id;
                EXPECT_EQ(text.find_first_of(u"[]"), std::u16string::npos) << code << " id " << id;
                found.insert(id);
            }
            EXPECT_EQ(found, ids) << code;
        }
    }
}

TEST(LanguageFiles, ChineseCaptionsAndThirdLanguageOfItsOwn)
{
    Section ch = ReadSection(Shipped("ch"), u"tlrc_lang_txt");
    const std::map<int32_t, std::u16string> captions = {
        {1, u"确定"},         {2, u"取消"},           {130, u"看板设置"},        {131, u"扩展显示器设置"},
        {1000, u"看板设置"},  {1005, u"显示器设置"},  {1008, u"看板版本:"},      {1009, u"语言:"},
        {1010, u"字体大小:"}, {1011, u"扩展显示器-X："}, {1012, u"宽:"},         {1013, u"高:"},
        {1014, u"扩展显示器-Y："}, {10017, u"中文"},
    };
    for (const auto& [id, caption] : captions) {
        auto it = ch.find(id);
        ASSERT_NE(it, ch.end()) << id;
        EXPECT_EQ(it->second, caption) << id;
    }
    Section en = ReadSection(Shipped("en"), u"tlrc_lang_txt");
    Section other = ReadSection(Shipped("other"), u"tlrc_lang_txt");
    for (int32_t id = 10000; id <= 10021; ++id) {
        if (id >= 10017 && id <= 10019) continue;  // language names read alike in every file
        ASSERT_TRUE(en.count(id) && other.count(id) && ch.count(id)) << id;
        EXPECT_NE(en.find(id)->second, other.find(id)->second) << id;
        EXPECT_NE(en.find(id)->second, ch.find(id)->second) << id;
    }
}

}  // namespace
