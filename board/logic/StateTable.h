// The device state table: the text and colour that a state code shows.
#pragma once

#include <cstdint>
#include <string>

// Colours are 0x00BBGGRR, red in the low byte.
constexpr uint32_t BoardRgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

// The state text of codes without a text of their own, in every language.
extern const char16_t kUnknownStateText[];

struct StateLook {
    int32_t textId;   // identifier of the state text, 0 when it is kUnknownStateText
    uint32_t colour;  // background of the state cell
};

// Codes 0, 1 and 4 to 8 have a text and colour of their own (4 and 5 take
// texts 10013 and 10012, 7 and 8 take 10016 and 10015, crossed); every other
// code, negative ones included, is unknown and green.
StateLook LookUpState(int32_t code);
