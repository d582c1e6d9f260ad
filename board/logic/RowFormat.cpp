#include "RowFormat.h"

#include "StateTable.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {
// printf-style formatting into UTF-16; the formats used here print ASCII.
template <typename... Args>
std::u16string FormatAscii(const char* format, Args... args)
{
    std::vector<char> buffer(64);
    int n = std::snprintf(buffer.data(), buffer.size(), format, args...);
    if (n < 0) return {};
    if (static_cast<size_t>(n) >= buffer.size()) {
        buffer.resize(static_cast<size_t>(n) + 1);
        std::snprintf(buffer.data(), buffer.size(), format, args...);
    }
    return std::u16string(buffer.data(), buffer.data() + n);
}
}  // namespace

std::u16string FormatDecimal(int32_t value) { return FormatAscii("%d", value); }

std::u16string FormatElapsed(int64_t seconds)
{
    const long long hours = seconds / 3600 - (seconds / 86400) * 24;
    const long long minutes = seconds / 60 - (seconds / 3600) * 60;
    const long long rest = seconds - (seconds / 60) * 60;
    return FormatAscii("%02lld:%02lld:%02lld", hours, minutes, rest);
}

std::u16string FormatPercent(float percent) { return FormatAscii("%.2f%%", static_cast<double>(percent)); }

uint32_t PercentColour(float percent, float low, float high)
{
    // A percentage that is not a number is no reason for green.
    if (percent < low || std::isnan(percent)) return BoardRgb(255, 0, 0);
    if (percent <= high) return BoardRgb(255, 128, 0);
    return BoardRgb(0, 255, 0);
}
