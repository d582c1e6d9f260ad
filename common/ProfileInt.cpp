#include "ProfileInt.h"

namespace {

bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Skips white space and one sign; returns the position of the first digit
// candidate and whether a minus sign was seen.
size_t SkipBlanksAndSign(const std::u16string& text, size_t end, bool& negative)
{
    size_t i = 0;
    while (i < end && IsSpace(text[i])) ++i;
    negative = false;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    return i;
}

}  // namespace

int32_t ParseProfileInt(const std::u16string& value, int32_t fallback)
{
    const size_t end = value.size() < 64 ? value.size() : 64;
    if (end == 0) return fallback;
    bool negative = false;
    size_t i = SkipBlanksAndSign(value, end, negative);
    uint64_t number = 0;
    bool overflow = false;
    for (; i < end && IsDigit(value[i]); ++i) {
        number = number * 10 + static_cast<uint64_t>(value[i] - u'0');
        if (number > UINT32_MAX) {
            overflow = true;
            number = UINT32_MAX;
        }
    }
    uint32_t bits = overflow ? UINT32_MAX : static_cast<uint32_t>(number);
    if (negative && !overflow) bits = 0u - bits;
    return static_cast<int32_t>(bits);
}

int32_t ParseDecimalInt(const std::u16string& text)
{
    bool negative = false;
    size_t i = SkipBlanksAndSign(text, text.size(), negative);
    int64_t number = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        number = number * 10 + (text[i] - u'0');
        if (number > int64_t(INT32_MAX) + 1) number = int64_t(INT32_MAX) + 1;
    }
    if (negative) number = -number;
    if (number > INT32_MAX) number = INT32_MAX;
    return static_cast<int32_t>(number);
}
