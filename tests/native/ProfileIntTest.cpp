#include "ProfileInt.h"

#include <gtest/gtest.h>

namespace {

TEST(ProfileInt, ConvertsAsAnUnsignedDecimal)
{
    struct Case { std::u16string text; int32_t expected; } cases[] = {
        {u"", 32},                       // empty gives the default
        {u"40", 40},
        {u"  40", 40},                   // leading blanks skipped
        {u"\t40", 40},
        {u"abc", 0},                     // no digits: 0, not the default
        {u"12abc", 12},                  // stops at the first non-digit
        {u"-5", -5},
        {u"-1920", -1920},
        {u"+7", 7},
        {u"4294967295", -1},
        {u"4294967296", -1},             // beyond 32 bits
        {u"99999999999999999999", -1},
        {u"2147483648", INT32_MIN},
        {u"- 5", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseProfileInt(c.text, 32), c.expected) << std::string(c.text.begin(), c.text.end());
}

TEST(ProfileInt, LooksAtTheFirst64CharactersOnly)
{
    std::u16string text(63, u' ');
    EXPECT_EQ(ParseProfileInt(text + u"7", 32), 7);
    EXPECT_EQ(ParseProfileInt(text + u" 7", 32), 0);
}

TEST(DecimalInt, TypedNumbers)
{
    struct Case { std::u16string text; int32_t expected; } cases[] = {
        {u"", 0}, {u"1024", 1024}, {u" 768", 768}, {u"-1920", -1920}, {u"12px", 12},
        {u"x", 0}, {u"99999999999", INT32_MAX}, {u"-99999999999", INT32_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseDecimalInt(c.text), c.expected);
}

}  // namespace
