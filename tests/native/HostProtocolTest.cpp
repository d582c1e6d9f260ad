#include "HostProtocol.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<uint8_t> Bytes(const RequestPayload& p) { return {p.begin(), p.end()}; }

TEST(RequestPayload, DefaultVersionTextThenZeroBytesTo64)
{
    std::vector<uint8_t> expected(64, 0);
    const char text[] = "unknow";
    for (size_t i = 0; i < 6; ++i) expected[2 * i] = static_cast<uint8_t>(text[i]);
    EXPECT_EQ(Bytes(BuildRequestPayload(u"unknow")), expected);
}

TEST(RequestPayload, LongTextIsCutTo31UnitsAndKeepsItsZero)
{
    std::u16string text(600, u'v');
    RequestPayload p = BuildRequestPayload(text);
    for (size_t i = 0; i < 31; ++i) EXPECT_EQ(p[2 * i], 'v') << i;
    EXPECT_EQ(p[62], 0);
    EXPECT_EQ(p[63], 0);
    // exactly 31 units fit as they are
    EXPECT_EQ(BuildRequestPayload(std::u16string(31, u'x'))[60], 'x');
}

TEST(RequestPayload, CutNeverSplitsASurrogatePair)
{
    // 30 units, then a pair that would straddle the cut
    std::u16string text(30, u'a');
    text += u"\U0001F600";
    RequestPayload p = BuildRequestPayload(text);
    EXPECT_EQ(p[58], 'a');
    EXPECT_EQ(p[60], 0);
    EXPECT_EQ(p[61], 0);
    // a pair that ends at unit 31 stays whole
    std::u16string fits(29, u'a');
    fits += u"\U0001F600";
    fits += u"zz";
    RequestPayload q = BuildRequestPayload(fits);
    EXPECT_EQ(q[58] | (q[59] << 8), 0xD83D);
    EXPECT_EQ(q[60] | (q[61] << 8), 0xDE00);
}

TEST(StatusMessage, TakesKindOneWithAtLeast172Bytes)
{
    std::vector<uint8_t> payload(200, 0);
    for (size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<uint8_t>(i);
    DeviceStatus out{};
    ASSERT_TRUE(TakeStatus(COPYDATA_STATUS, payload.data(), 172, out));
    EXPECT_EQ(std::memcmp(&out, payload.data(), 172), 0);
    DeviceStatus longer{};
    ASSERT_TRUE(TakeStatus(COPYDATA_STATUS, payload.data(), payload.size(), longer));
    EXPECT_EQ(std::memcmp(&longer, payload.data(), 172), 0);
}

TEST(StatusMessage, IgnoresShortNullAndOtherKinds)
{
    std::vector<uint8_t> payload(172, 0xAB);
    struct Case { uintptr_t kind; const void* data; size_t size; } cases[] = {
        {COPYDATA_STATUS, payload.data(), 0}, {COPYDATA_STATUS, payload.data(), 1},
        {COPYDATA_STATUS, payload.data(), 171}, {COPYDATA_STATUS, nullptr, 172},
        {COPYDATA_REQUEST, payload.data(), 172}, {0, payload.data(), 172}, {2, payload.data(), 172},
    };
    for (const Case& c : cases) {
        DeviceStatus out{};
        out.stateCode = 77;
        EXPECT_FALSE(TakeStatus(c.kind, c.data, c.size, out)) << c.kind << " " << c.size;
        EXPECT_EQ(out.stateCode, 77);
    }
}

TEST(StatusMessage, FieldOffsetsOnTheWire)
{
    uint8_t wire[172] = {};
    auto put = [&](size_t at, int32_t v) { std::memcpy(wire + at, &v, 4); };
    put(132, 2); put(136, 3); put(144, 4); put(152, 5); put(156, 6); put(160, 7); put(164, 8);
    float pct = 45.5f;
    std::memcpy(wire + 168, &pct, 4);
    std::memcpy(wire + 4, "dev", 4);
    std::memcpy(wire + 68, "task", 5);
    DeviceStatus s{};
    ASSERT_TRUE(TakeStatus(COPYDATA_STATUS, wire, sizeof wire, s));
    EXPECT_EQ(NameFieldText(s.deviceName), "dev");
    EXPECT_EQ(NameFieldText(s.taskName), "task");
    EXPECT_EQ(s.row2Value, 2); EXPECT_EQ(s.row3Value, 3); EXPECT_EQ(s.row4Value, 4);
    EXPECT_EQ(s.stateCode, 5); EXPECT_EQ(s.row6Seconds, 6); EXPECT_EQ(s.row7Seconds, 7);
    EXPECT_EQ(s.row8Value, 8); EXPECT_FLOAT_EQ(s.percentage, 45.5f);
}

TEST(StatusMessage, NameWithoutZeroByteEndsAtItsField)
{
    DeviceStatus s{};
    std::memset(s.deviceName, 'N', sizeof s.deviceName);
    std::memset(s.taskName, 'T', sizeof s.taskName);
    EXPECT_EQ(NameFieldText(s.deviceName), std::string(64, 'N'));
    std::memset(s.deviceName, 'N', 63);
    s.deviceName[63] = 0;
    EXPECT_EQ(NameFieldText(s.deviceName).size(), 63u);
    s.deviceName[0] = 0;
    EXPECT_EQ(NameFieldText(s.deviceName), "");
}

TEST(Watchdog, RequestsFromTheThirdTickAndWrapsAboveTheTop)
{
    int32_t ticks = 0;
    std::vector<bool> due;
    for (int i = 0; i < 4; ++i) {
        ticks = NextWatchdogTicks(ticks);
        due.push_back(IsRequestDue(ticks));
    }
    EXPECT_EQ(due, (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(NextWatchdogTicks(999998), 999999);
    EXPECT_EQ(NextWatchdogTicks(999999), 10);
    EXPECT_TRUE(IsRequestDue(NextWatchdogTicks(999999)));
}

TEST(ProgramFolder, CutAfterTheLastBackslash)
{
    struct Case { std::u16string path, folder; } cases[] = {
        {u"C:\\Board\\MarvonTablora.exe", u"C:\\Board\\"},
        {u"C:\\MarvonTablora.exe", u"C:\\"},
        {u"\\MarvonTablora.exe", u"\\MarvonTablora.exe"},
        {u"MarvonTablora.exe", u"MarvonTablora.exe"},
        {u"D:\\a\\b\\c\\", u"D:\\a\\b\\c\\"},
    };
    for (const Case& c : cases) EXPECT_EQ(ProgramFolderOf(c.path), c.folder);
}

}  // namespace
