// The integer conversion of configuration values, free of any platform call.
#pragma once

#include <cstdint>
#include <string>

// Converts a configuration value the way the profile class reads integers:
// at most the first 64 characters are looked at; an empty value gives
// `fallback`; otherwise the text is read as an unsigned decimal number
// (leading white space skipped, one sign accepted, conversion stops at the
// first non-digit, no digits give 0, beyond 32 bits gives 4294967295) and
// the 32 bits are returned as a signed value ("-5" gives -5, overflow -1).
int32_t ParseProfileInt(const std::u16string& value, int32_t fallback);

// The conversion of a typed number in the settings dialogs: leading blanks,
// one sign, digits up to the first other character; no digits give 0. The
// result is clamped to the 32-bit signed range.
int32_t ParseDecimalInt(const std::u16string& text);
