// The language library's line and section rules over files held in memory:
// line splitting of UTF-16LE and code-page bytes, line-end removal, the
// section scan and the key conversion.
#include "LineReaders.h"
#include "SectionScan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Entry {
    int32_t key;
    std::u16string text;
    bool operator==(const Entry& o) const { return key == o.key && text == o.text; }
};

std::string Narrow(const std::u16string& text)
{
    std::string s;
    for (char16_t c : text) s += c < 0x80 ? static_cast<char>(c) : '?';
    return s;
}

void PrintTo(const Entry& e, std::ostream* os) { *os << e.key << "=" << Narrow(e.text); }

std::u16string Widen(const std::string& bytes)
{
    return std::u16string(bytes.begin(), bytes.end());
}

std::string Utf16Le(const std::u16string& text, bool mark = true)
{
    std::string bytes = mark ? "\xFF\xFE" : "";
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

// All lines of a UTF-16LE file (after its mark), line ends removed.
std::vector<std::u16string> Utf16Lines(const std::string& bytes, size_t step = SIZE_MAX)
{
    MemoryByteSource source(bytes.data(), bytes.size(), step);
    Utf16LineReader reader(source);
    std::vector<std::u16string> lines;
    std::u16string line;
    while (reader.ReadLine(line)) {
        RemoveLineEnd(line);
        lines.push_back(line);
    }
    return lines;
}

// All lines of a code-page file as bytes, with their line ends.
std::vector<std::string> TextLines(const std::string& bytes, size_t step = SIZE_MAX)
{
    MemoryByteSource source(bytes.data(), bytes.size(), step);
    TextModeLineReader reader(source);
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadLine(line)) lines.push_back(line);
    return lines;
}

// The entries of section `name` in the given lines (line ends removed).
std::vector<Entry> Scan(const std::vector<std::u16string>& lines, const std::u16string& name)
{
    SectionScanner scanner(name);
    std::vector<Entry> entries;
    for (const std::u16string& line : lines) {
        LineVerdict v = scanner.Classify(line);
        if (v.kind == LineVerdict::SectionEnd) break;
        if (v.kind == LineVerdict::Entry) entries.push_back({v.key, line.substr(v.textStart)});
    }
    return entries;
}

// The entries of section `name` of a UTF-16LE file, its lines handed to the
// scanner in pieces as they arrive from the file.
std::vector<Entry> ScanInPieces(const std::string& bytes, const std::u16string& name, size_t step)
{
    MemoryByteSource source(bytes.data(), bytes.size(), step);
    Utf16LineReader reader(source);
    SectionScanner scanner(name);
    std::vector<Entry> entries;
    std::u16string piece, text;
    for (;;) {
        scanner.BeginLine();
        bool any = false, lineEnded = false;
        while (!lineEnded && reader.ReadPiece(piece, lineEnded)) {
            any = true;
            scanner.AddToLine(piece);
        }
        if (!any) break;
        LineVerdict v = scanner.EndLine(text);
        if (v.kind == LineVerdict::SectionEnd) break;
        if (v.kind == LineVerdict::Entry) entries.push_back({v.key, text});
    }
    return entries;
}

TEST(LanguageKey, ConvertsLikeWcstolAndClampsToInt32)
{
    const struct {
        std::u16string key;
        int32_t value;
    } cases[] = {
        {u"10020", 10020},      {u"", 0},
        {u"12abc", 12},         {u" 12", 12},
        {u"\t\r\n\v\f 7", 7},   {u"x12", 0},
        {u"-5", -5},            {u"+5", 5},
        {u"- 5", 0},            {u"--5", 0},
        {u"007", 7},            {u";1", 0},
        {u"1 2", 1},            {u"\u30001", 0},  // ideographic space is not skipped
        {u"\uFF11", 0},         // full-width digit is no digit
        {u"2147483647", 2147483647},
        {u"2147483648", 2147483647},
        {u"99999999999999999999999", 2147483647},
        {u"-2147483648", INT32_MIN},
        {u"-2147483649", INT32_MIN},
        {u"-99999999999999999999999", INT32_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseKey(c.key), c.value) << Narrow(c.key);
}

TEST(LanguageLineEnd, RemovesCrLfOrOneFinalCrOrLf)
{
    const struct {
        std::u16string line, kept;
    } cases[] = {
        {u"a\r\n", u"a"}, {u"a\n", u"a"},     {u"a\r", u"a"},     {u"\r\n", u""},   {u"\n", u""},
        {u"\r", u""},     {u"", u""},         {u"a\n\n", u"a\n"}, {u"a\r\r", u"a\r"}, {u"a\n\r", u"a\n"},
        {u"a", u"a"},     {u"a\r\nb", u"a\r\nb"},
    };
    for (const auto& c : cases) {
        std::u16string line = c.line;
        RemoveLineEnd(line);
        EXPECT_EQ(line, c.kept) << Narrow(c.line);
    }
}

// A section among other lines, with the entries it gives.
const std::vector<std::u16string> kRuleLines = {
    u"10=before the section",
    u"[ tlrc ]",              // blanks inside the brackets: another name
    u"1=not mine",
    u"[TLRC]",                // other letter case: another name
    u"2=not mine either",
    u"[tlrc] ",               // blank after the bracket: no match
    u"3=still not",
    u"[tlrc]",
    u"10000= Name ",          // blanks around the text are kept
    u"",                      // blank line: key 0, empty text
    u"no equals sign",        // whole line as text under key 0
    u"=abc",
    u"12abc=x",
    u" 12=y",
    u"x12=y",
    u"-5=y",
    u";comment=z",            // no comment syntax
    u"10005=[A",              // "[" without "]" is dropped
    u"7=a=b",                 // the first "=" splits
    u"7=second",              // duplicate keys are both kept
    u"]=close only",          // "]" alone is an ordinary line
    u"10006=[A]",             // any line with both brackets ends the section
    u"10007=after the end",
    u"[tlrc]",
    u"8=second occurrence is never read",
};
const std::vector<Entry> kRuleEntries = {
    {10000, u" Name "}, {0, u""}, {0, u"no equals sign"}, {0, u"abc"}, {12, u"x"}, {12, u"y"},
    {0, u"y"},          {-5, u"y"}, {0, u"z"},           {7, u"a=b"}, {7, u"second"}, {0, u"close only"},
};

TEST(LanguageSection, LineHeaderAndKeyRules)
{
    const auto& lines = kRuleLines;
    const auto& expected = kRuleEntries;
    EXPECT_EQ(Scan(lines, u"tlrc"), expected);
    EXPECT_TRUE(Scan(lines, u"missing").empty());
    // The header text between the first and the last character is the name.
    EXPECT_EQ(Scan({u"x[ab]y", u"1=one"}, u"[ab]"), (std::vector<Entry>{{1, u"one"}}));
    EXPECT_EQ(Scan({u"[]", u"1=one"}, u""), (std::vector<Entry>{{1, u"one"}}));
    // A repeated header of the same name ends the section too.
    EXPECT_EQ(Scan({u"[s]", u"1=a", u"[s]", u"2=b"}, u"s"), (std::vector<Entry>{{1, u"a"}}));
}

TEST(LanguageSection, LinesInPiecesGiveTheSameEntries)
{
    for (const std::u16string& end : {std::u16string(u"\r\n"), std::u16string(u"\n")}) {
        std::u16string text;
        for (const std::u16string& line : kRuleLines) text += line + end;
        for (size_t step : {SIZE_MAX, size_t(1), size_t(2), size_t(3), size_t(7), size_t(64)})
            EXPECT_EQ(ScanInPieces(Utf16Le(text), u"tlrc", step), kRuleEntries) << step;
    }
    // Line ends split across pieces, CR alone, a last line without an end.
    const std::string bytes = Utf16Le(u"[s]\r\n1=a\r\r\n2=b\r\n\r\n3=c\n\r4=d");
    for (size_t step : {SIZE_MAX, size_t(1), size_t(3)})
        EXPECT_EQ(ScanInPieces(bytes, u"s", step),
                  (std::vector<Entry>{{1, u"a\r"}, {2, u"b"}, {0, u""}, {3, u"c"}, {4, u"d"}}))
            << step;
    // A header of the name with its line end in another piece; a long line
    // beside the section is skipped, a long entry kept whole.
    const std::u16string longText(300000, u'x');
    const std::string longLines = Utf16Le(u"[" + longText + u"]\r\n" + longText + u"\r\n[s]\r\n5=" + longText +
                                          u"\r\n6=" + longText + u"[\r\n7=y\r\n");
    for (size_t step : {SIZE_MAX, size_t(5)})
        EXPECT_EQ(ScanInPieces(longLines, u"s", step), (std::vector<Entry>{{5, longText}, {7, u"y"}})) << step;
}

TEST(LanguageUtf16Lines, SplitsAtLfInAnyPieceSize)
{
    const std::u16string text = u"[s]\r\n1=\u4E2D\u6587\r\n\r\n2=\u0A0Aend\n3=no line end";
    // U+0A0A holds the byte 0A twice but is no line end.
    const std::vector<std::u16string> expected = {u"[s]", u"1=\u4E2D\u6587", u"", u"2=\u0A0Aend", u"3=no line end"};
    for (size_t step : {SIZE_MAX, size_t(1), size_t(2), size_t(3), size_t(7)})
        EXPECT_EQ(Utf16Lines(Utf16Le(text), step), expected) << step;
}

TEST(LanguageUtf16Lines, EdgeFiles)
{
    EXPECT_TRUE(Utf16Lines("").empty());
    EXPECT_TRUE(Utf16Lines("\xFF").empty());
    EXPECT_TRUE(Utf16Lines("\xFF\xFE").empty());
    EXPECT_TRUE(Utf16Lines("\xFF\xFE" "A").empty());  // a lone byte after the mark
    // A lone last byte of an odd-sized file is ignored.
    EXPECT_EQ(Utf16Lines(Utf16Le(u"1=a\r\n2=b") + "X"), (std::vector<std::u16string>{u"1=a", u"2=b"}));
    EXPECT_EQ(Utf16Lines(Utf16Le(u"1=a\r\n") + "X"), (std::vector<std::u16string>{u"1=a"}));
    // A very long line is read whole.
    std::u16string longLine = u"1=" + std::u16string(200000, u'\u4E2D');
    EXPECT_EQ(Utf16Lines(Utf16Le(longLine + u"\r\n2=b")), (std::vector<std::u16string>{longLine, u"2=b"}));
    // Zero code units stay in the line.
    EXPECT_EQ(Utf16Lines(Utf16Le(std::u16string(u"1=a\0b", 5))),
              (std::vector<std::u16string>{std::u16string(u"1=a\0b", 5)}));
}

TEST(LanguageTextLines, TextModeAndTheLineLimit)
{
    for (size_t step : {SIZE_MAX, size_t(1), size_t(5)}) {
        EXPECT_EQ(TextLines("a\r\nb\nc\rd\r\r\ne\r", step),
                  (std::vector<std::string>{"a\n", "b\n", "c\rd\r\n", "e\r"}))
            << step;
    }
    EXPECT_TRUE(TextLines("").empty());
    // A 5000-byte line: its first 4095 bytes, then the rest.
    std::string line5000(5000, 'x');
    std::vector<std::string> lines = TextLines(line5000 + "\r\nnext");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::string(4095, 'x'));
    EXPECT_EQ(lines[1], std::string(905, 'x') + "\n");
    EXPECT_EQ(lines[2], "next");
    // A line of exactly 4095 bytes leaves its line end as a line of its own.
    lines = TextLines(std::string(4095, 'y') + "\r\nz");
    EXPECT_EQ(lines, (std::vector<std::string>{std::string(4095, 'y'), "\n", "z"}));
    // CR LF counts as one byte against the limit.
    lines = TextLines(std::string(4094, 'y') + "\r\nz");
    EXPECT_EQ(lines, (std::vector<std::string>{std::string(4094, 'y') + "\n", "z"}));
}

TEST(LanguageFileScan, SameEntriesFromUtf16AndCodePageFiles)
{
    const std::string ascii = "[s2]\r\n10=Language:\r\n[tlrc_lang_txt]\r\n1=OK\r\n 2 = Cancel \r\n\r\n[s3]\r\n";
    std::vector<std::u16string> fromCodePage;
    for (const std::string& line : TextLines(ascii)) {
        std::u16string wide = Widen(line);
        RemoveLineEnd(wide);
        fromCodePage.push_back(wide);
    }
    const std::vector<std::u16string> fromUtf16 = Utf16Lines(Utf16Le(Widen(ascii)));
    EXPECT_EQ(fromCodePage, fromUtf16);
    EXPECT_EQ(Scan(fromUtf16, u"tlrc_lang_txt"), (std::vector<Entry>{{1, u"OK"}, {2, u" Cancel "}, {0, u""}}));
    EXPECT_EQ(Scan(fromUtf16, u"s2"), (std::vector<Entry>{{10, u"Language:"}}));
}

TEST(LanguageFileScan, MarkDetection)
{
    auto unicode = [](const std::string& b) {
        return StartsWithUtf16LeMark(reinterpret_cast<const uint8_t*>(b.data()), b.size());
    };
    EXPECT_TRUE(unicode("\xFF\xFE"));
    EXPECT_TRUE(unicode("\xFF\xFE[s]"));
    EXPECT_FALSE(unicode("\xFE\xFF"));        // big-endian
    EXPECT_FALSE(unicode(std::string("[\0s\0", 4)));  // little-endian without the mark
    EXPECT_FALSE(unicode("\xEF\xBB\xBF[s]"));  // UTF-8 mark
    EXPECT_FALSE(unicode("\xFF"));
    EXPECT_FALSE(unicode(""));
}

}  // namespace
