#include "TextWrap.h"

namespace {
constexpr int64_t kBreakMargin = 10;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
}  // namespace

std::vector<std::u16string> BreakByCharacters(const std::u16string& text, int32_t limit,
                                              const MeasureWidth& width)
{
    std::vector<std::u16string> lines;
    std::u16string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        line += text[i];
        // Splitting a pair would paint two halves of nothing.
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) line += text[++i];
        if (int64_t{width(line)} + kBreakMargin >= limit) {
            lines.push_back(std::move(line));
            line.clear();
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

std::vector<std::u16string> WrapText(const std::u16string& text, bool labelRules, int32_t labelWidth,
                                     int32_t valueWidth, const MeasureWidth& width)
{
    if (labelRules) {
        const std::size_t hash = text.find(u'#');
        if (hash != std::u16string::npos && hash > 0) {
            const std::u16string first = text.substr(0, hash);
            std::vector<std::u16string> lines;
            if (width(first) < labelWidth)
                lines.push_back(first);
            else
                lines = BreakByCharacters(first, labelWidth, width);
            for (std::u16string& line : BreakByCharacters(text.substr(hash + 1), labelWidth, width))
                lines.push_back(std::move(line));
            return lines;
        }
    }
    const int32_t limit = labelRules ? labelWidth : valueWidth;
    if (width(text) < limit) return {text};
    return BreakByCharacters(text, limit, width);
}
