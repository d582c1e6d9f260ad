// Fuzzes the integer conversions of configuration values and typed numbers
// with any UTF-16 text: no crash, no undefined behaviour, and the rules
// that callers rely on hold.
#include "ProfileInt.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::u16string text(size / 2, u'\0');
    if (!text.empty()) std::memcpy(&text[0], data, text.size() * 2);

    const int32_t fallback = 12345;
    const int32_t profile = ParseProfileInt(text, fallback);
    if (text.empty() && profile != fallback) std::abort();
    // Only the first 64 characters count.
    if (text.size() > 64 && ParseProfileInt(text.substr(0, 64), fallback) != profile) std::abort();

    const int32_t typed = ParseDecimalInt(text);
    // A text that does not start with blanks, a sign or a digit gives 0.
    if (!text.empty()) {
        char16_t c = text[0];
        bool starts = c == u'+' || c == u'-' || (c >= u'0' && c <= u'9') || c == u' ' || (c >= u'\t' && c <= u'\r');
        if (!starts && (typed != 0 || profile != 0)) std::abort();
    }
    return 0;
}
