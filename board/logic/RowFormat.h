// The value texts of the board rows: numbers, durations and the percentage,
// and the colour of the percentage cell.
#pragma once

#include <cstdint>
#include <string>

// "%d".
std::u16string FormatDecimal(int32_t value);

// Hours within the day, minutes within the hour and seconds within the
// minute, each "%02ld" with truncating division, so whole days are dropped
// and a negative count keeps the signs of its parts (-5 gives "00:00:-5").
std::u16string FormatElapsed(int64_t seconds);

// "%.2f%%" of the percentage widened to double (45.5 gives "45.50%").
std::u16string FormatPercent(float percent);

// Red below `low` (and for a percentage that is not a number), orange from
// `low` to `high` (both included), green above; compared in single precision.
uint32_t PercentColour(float percent, float low, float high);
