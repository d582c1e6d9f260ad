#include "TextWrap.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Lines = std::vector<std::u16string>;

// A fixed-width fake of the board font: ASCII 10 pixels, anything else 20
// (so a surrogate pair measures 40).
int32_t FakeWidth(const std::u16string& text)
{
    int32_t width = 0;
    for (char16_t c : text) width += c < 0x80 ? 10 : 20;
    return width;
}

struct WrapCase {
    const char* what;
    std::u16string text;
    bool labelRules;
    int32_t labelWidth, valueWidth;
    Lines lines;
};

TEST(BoardTextWrap, LinesOfOneCell)
{
    const WrapCase cases[] = {
        {"state text on the default board", u"未知#Unknow", true, 154, 231, {u"未知", u"Unknow"}},
        {"pair: part after the first '#' keeps later '#'", u"名称#Na#me", true, 154, 231, {u"名称", u"Na#me"}},
        {"label beginning with '#' is not a pair", u"#Label", true, 154, 231, {u"#Label"}},
        {"label beginning with '#' is broken by width only", u"#abcdefgh", true, 60, 231, {u"#abcd", u"efgh"}},
        {"value with '#' stays one text", u"ab#cd", false, 154, 231, {u"ab#cd"}},
        {"value with '#' is broken by width only", u"abcd#efgh", false, 154, 80, {u"abcd#ef", u"gh"}},
        {"value is measured against the value width", u"abcdefgh", false, 60, 90, {u"abcdefgh"}},
        {"first part too wide is broken by characters", u"abcdefgh#xy", true, 60, 231, {u"abcde", u"fgh", u"xy"}},
        {"first part exactly as wide as the cell is broken", u"abcdef#x", true, 60, 231, {u"abcde", u"f", u"x"}},
        {"second part is broken by characters", u"ab#cdefghijk", true, 60, 231, {u"ab", u"cdefg", u"hijk"}},
        {"empty second part gives no line", u"ab#", true, 60, 231, {u"ab"}},
        {"empty text is one empty line", u"", false, 60, 90, {u""}},
        {"empty label is one empty line", u"", true, 60, 90, {u""}},
        {"text exactly as wide as the cell is broken", u"abcdefghi", false, 60, 90, {u"abcdefgh", u"i"}},
        {"narrow window: every character its own line", u"abc", false, -6, -9, {u"a", u"b", u"c"}},
        {"narrow window: empty text gives no line", u"", false, -6, -9, {}},
        {"surrogate pair is never split", u"\U0001F600\U0001F600", false, 10, 10, {u"\U0001F600", u"\U0001F600"}},
    };
    for (const WrapCase& c : cases) {
        EXPECT_EQ(WrapText(c.text, c.labelRules, c.labelWidth, c.valueWidth, FakeWidth), c.lines) << c.what;
    }
}

TEST(BoardTextWrap, BrokenLineReachesWithinTenPixelsOfTheLimit)
{
    // The character that brings a line to within 10 pixels of the limit stays on it.
    const Lines lines = BreakByCharacters(u"一二三四五六七", 70, FakeWidth);
    EXPECT_EQ(lines, (Lines{u"一二三", u"四五六", u"七"}));
    for (size_t i = 0; i + 1 < lines.size(); ++i) EXPECT_GE(FakeWidth(lines[i]) + 10, 70);
}

}  // namespace
