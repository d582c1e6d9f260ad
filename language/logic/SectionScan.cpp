#include "SectionScan.h"

#include <limits>

namespace {
bool IsKeySpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}
}  // namespace

int32_t ParseKey(const char16_t* p, const char16_t* end)
{
    while (p != end && IsKeySpace(*p)) ++p;
    bool negative = false;
    if (p != end && (*p == u'+' || *p == u'-')) {
        negative = *p == u'-';
        ++p;
    }
    // Magnitude in 64 bits, held at the first value beyond the 32-bit range.
    const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                   : std::numeric_limits<int32_t>::max();
    int64_t value = 0;
    for (; p != end && *p >= u'0' && *p <= u'9'; ++p) {
        value = value * 10 + (*p - u'0');
        if (value > limit) value = limit;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

int32_t ParseKey(const std::u16string& key)
{
    return ParseKey(key.data(), key.data() + key.size());
}

LineVerdict SectionScanner::Classify(const std::u16string& line)
{
    LineVerdict verdict;
    if (line.find(u'[') != std::u16string::npos) {
        if (line.find(u']') == std::u16string::npos) return verdict;  // dropped
        if (m_inSection) {
            verdict.kind = LineVerdict::SectionEnd;
            return verdict;
        }
        // A line with both brackets has at least two characters.
        if (line.compare(1, line.size() - 2, m_name) == 0) m_inSection = true;
        return verdict;
    }
    if (!m_inSection) return verdict;

    verdict.kind = LineVerdict::Entry;
    const size_t equals = line.find(u'=');
    if (equals == std::u16string::npos) return verdict;  // key 0, the whole line as text
    verdict.key = ParseKey(line.data(), line.data() + equals);
    verdict.textStart = equals + 1;
    return verdict;
}
