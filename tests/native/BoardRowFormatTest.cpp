#include "RowFormat.h"
#include "StateTable.h"
#include "StatusRows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

constexpr uint32_t kRed = 0x0000FF, kOrange = 0x0080FF, kGreen = 0x00FF00;

TEST(BoardRowFormat, PercentColourAtTheSinglePrecisionThresholds)
{
    struct Case { float percent; uint32_t colour; } cases[] = {
        {69.89f, kRed}, {std::nextafter(69.9f, 0.0f), kRed}, {69.9f, kOrange}, {75.0f, kOrange},
        // 79.9f is above the double 79.9: only a single-precision comparison keeps it orange
        {79.9f, kOrange}, {79.91f, kGreen}, {45.5f, kRed}, {85.0f, kGreen}, {-1.0f, kRed}, {1e30f, kGreen},
        {INFINITY, kGreen}, {-INFINITY, kRed}, {NAN, kRed},
    };
    for (const Case& c : cases) EXPECT_EQ(PercentColour(c.percent, 69.9f, 79.9f), c.colour) << c.percent;
}

TEST(BoardRowFormat, ElapsedKeepsTheSignsOfItsParts)
{
    struct Case { int64_t seconds; std::u16string text; } cases[] = {
        {0, u"00:00:00"}, {3661, u"01:01:01"}, {86399, u"23:59:59"}, {86400, u"00:00:00"},
        {86400 + 3661, u"01:01:01"}, {-5, u"00:00:-5"}, {-3661, u"-1:-1:-1"}, {-86399, u"-23:-59:-59"},
        {INT32_MAX, u"03:14:07"}, {INT32_MIN, u"-3:-14:-8"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatElapsed(c.seconds), c.text) << c.seconds;
}

TEST(BoardRowFormat, PercentWithTwoDecimalsAndNumbers)
{
    EXPECT_EQ(FormatPercent(45.5f), u"45.50%");
    EXPECT_EQ(FormatPercent(100.0f), u"100.00%");
    EXPECT_EQ(FormatPercent(0.0f), u"0.00%");
    EXPECT_EQ(FormatPercent(69.9f), u"69.90%");
    EXPECT_EQ(FormatPercent(-2.345f), u"-2.35%");
    EXPECT_EQ(FormatPercent(3.0e38f).size(), 39u + 4u);  // every digit of the largest values
    EXPECT_EQ(FormatDecimal(-2147483647 - 1), u"-2147483648");
    EXPECT_EQ(FormatDecimal(42), u"42");
}

TEST(BoardStateTable, CodesTakeTheirTextAndColour)
{
    struct Case { int32_t code; int32_t textId; uint32_t colour; } cases[] = {
        {0, 10010, 0x0000FF}, {1, 10011, 0xFF0000}, {2, 0, 0x00FF00}, {3, 0, 0x00FF00},
        {4, 10013, 0x929292}, {5, 10012, 0x00FF00}, {6, 10014, 0x309CF5}, {7, 10016, 0x0000FF},
        {8, 10015, 0x0077FF}, {9, 0, 0x00FF00}, {-1, 0, 0x00FF00}, {INT32_MIN, 0, 0x00FF00},
    };
    for (const Case& c : cases) {
        StateLook look = LookUpState(c.code);
        EXPECT_EQ(look.textId, c.textId) << c.code;
        EXPECT_EQ(look.colour, c.colour) << c.code;
    }
    EXPECT_EQ(std::u16string(kUnknownStateText), u"未知#Unknow");
}

std::u16string FakeLookup(int32_t id) { return u"T" + FormatDecimal(id); }
std::u16string LatinName(const std::string& bytes) { return std::u16string(bytes.begin(), bytes.end()); }

TEST(BoardStatusRows, InitialValues)
{
    EXPECT_EQ(InitialRowValues(FakeLookup),
              (RowTexts{u"device001", u"Task_name", u"0", u"0", u"0", u"T10010", u"0", u"0", u"0", u"0%"}));
    EXPECT_EQ(RowCaptionId(0), 10000);
    EXPECT_EQ(RowCaptionId(9), 10009);
}

TEST(BoardStatusRows, SnapshotGivesTheTenValues)
{
    DeviceStatus s{};
    std::memcpy(s.deviceName, "Press-07", 9);
    std::memcpy(s.taskName, "Order 4711", 11);
    s.row2Value = 12; s.row3Value = -3; s.row4Value = 2147483647;
    s.hostReserved140 = 99; s.hostReserved148 = 98;
    s.stateCode = 4; s.row6Seconds = 3661; s.row7Seconds = -5; s.row8Value = 0;
    s.percentage = 45.5f;
    StatusRowValues rows = FormatStatusRows(s, LatinName, FakeLookup);
    EXPECT_EQ(rows.values, (RowTexts{u"Press-07", u"Order 4711", u"12", u"-3", u"2147483647", u"T10013",
                                     u"01:01:01", u"00:00:-5", u"0", u"45.50%"}));
    EXPECT_EQ(rows.stateColour, 0x929292u);
    EXPECT_EQ(rows.percent, 45.5f);

    s.stateCode = 9;
    EXPECT_EQ(FormatStatusRows(s, LatinName, FakeLookup).values[kStateRow], u"未知#Unknow");
    EXPECT_EQ(kStateRow, 5);
    EXPECT_EQ(kPercentRow, 9);
}

TEST(BoardStatusRows, NamesEndAtTheirZeroByteOrTheirField)
{
    DeviceStatus s{};
    std::memset(s.deviceName, 'd', 63);   // 63 bytes and the zero byte fill the field
    std::memset(s.taskName, 't', 64);     // no zero byte at all: the field's end stops it
    std::memset(reinterpret_cast<char*>(&s.row2Value), 'x', 4);
    StatusRowValues rows = FormatStatusRows(s, LatinName, FakeLookup);
    EXPECT_EQ(rows.values[0], std::u16string(63, u'd'));
    EXPECT_EQ(rows.values[1], std::u16string(64, u't'));
    s.deviceName[0] = 0;
    EXPECT_EQ(FormatStatusRows(s, LatinName, FakeLookup).values[0], u"");
}

}  // namespace
