// Any 172 bytes as a status snapshot: the ten row values are formed without
// reading past a field, and keep their shapes.
#include "StatusRows.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Stops the run with the failed condition's line.
void CheckAt(bool condition, int line)
{
    if (condition) return;
    std::fprintf(stderr, "check failed at line %d\n", line);
    std::abort();
}
#define Check(condition) CheckAt((condition), __LINE__)

std::u16string Latin(const std::string& bytes) { return std::u16string(bytes.begin(), bytes.end()); }
std::u16string Identifier(int32_t id) { return u"#" + std::u16string(1, static_cast<char16_t>(id)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < sizeof(DeviceStatus)) return 0;
    // A heap copy of exactly the snapshot's size, so a read past it is caught.
    auto* status = static_cast<DeviceStatus*>(std::malloc(sizeof(DeviceStatus)));
    std::memcpy(status, data, sizeof(DeviceStatus));
    const StatusRowValues rows = FormatStatusRows(*status, Latin, Identifier);

    Check(rows.values[0].size() <= 64 && rows.values[1].size() <= 64);
    Check(rows.values[0].find(u'\0') == std::u16string::npos);
    for (int r : {6, 7}) Check(std::count(rows.values[r].begin(), rows.values[r].end(), u':') == 2);
    const std::u16string& percent = rows.values[kPercentRow];
    Check(!percent.empty() && percent.back() == u'%');
    Check(std::memcmp(&rows.percent, &status->percentage, sizeof(float)) == 0);
    std::free(status);
    return 0;
}
