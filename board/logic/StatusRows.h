// The ten board rows' captions and values: the initial values, and the
// values of a status snapshot.
#pragma once

#include "DeviceStatus.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

constexpr int32_t kBoardRowCount = 10;
constexpr int32_t kStateRow = 5;
constexpr int32_t kPercentRow = 9;

using RowTexts = std::array<std::u16string, kBoardRowCount>;
// The text of an identifier from the text table.
using TextLookup = std::function<std::u16string(int32_t id)>;
// A name field's bytes (never more than 64, no zero byte) converted to UTF-16.
using NameConverter = std::function<std::u16string(const std::string& bytes)>;

// Row r is captioned by text 10000 + r.
int32_t RowCaptionId(int32_t row);

// What the board shows before the first snapshot.
RowTexts InitialRowValues(const TextLookup& lookup);

struct StatusRowValues {
    RowTexts values;
    uint32_t stateColour;  // background of the state cell
    float percent;         // the snapshot's percentage, unchanged
};

// The ten values of one snapshot: the two names, whole numbers, the two
// durations, the state text (with its colour) and the percentage.
StatusRowValues FormatStatusRows(const DeviceStatus& status, const NameConverter& convertName,
                                 const TextLookup& lookup);
