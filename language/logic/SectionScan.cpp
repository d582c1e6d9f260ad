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

void SectionScanner::BeginLine()
{
    m_kept.clear();
    m_keeping = true;
    m_hasOpen = m_hasClose = false;
    m_length = 0;
    m_last[0] = m_last[1] = 0;
}

bool SectionScanner::MayKeepMore() const
{
    // In the section a line is stored unless it holds "["; outside it only a
    // header of this name matters: the name, two brackets and a line end.
    return m_inSection ? !m_hasOpen : m_length <= m_name.size() + 4;
}

void SectionScanner::AddToLine(const std::u16string& piece)
{
    for (char16_t c : piece) {
        if (c == u'[') m_hasOpen = true;
        if (c == u']') m_hasClose = true;
    }
    m_length += piece.size();
    if (piece.size() >= 2) {
        m_last[0] = piece[piece.size() - 2];
        m_last[1] = piece.back();
    } else if (piece.size() == 1) {
        m_last[0] = m_last[1];
        m_last[1] = piece[0];
    }
    if (!m_keeping) return;
    if (MayKeepMore()) {
        m_kept += piece;
    } else {
        m_keeping = false;
        std::u16string().swap(m_kept);
    }
}

LineVerdict SectionScanner::EndLine(std::u16string& text)
{
    text.clear();
    // Line-end removal: CR LF on a line longer than one unit, else one CR or LF.
    size_t end = 0;
    if (m_length > 1 && m_last[0] == u'\r' && m_last[1] == u'\n')
        end = 2;
    else if (m_length > 0 && (m_last[1] == u'\r' || m_last[1] == u'\n'))
        end = 1;
    if (!m_keeping) {
        // Only lines that cannot be entries or this section's header get here.
        LineVerdict verdict;
        if (m_hasOpen && m_hasClose && m_inSection) verdict.kind = LineVerdict::SectionEnd;
        return verdict;
    }
    m_kept.resize(m_length - end);
    LineVerdict verdict = Classify(m_kept);
    if (verdict.kind == LineVerdict::Entry) text.assign(m_kept, verdict.textStart, std::u16string::npos);
    return verdict;
}
