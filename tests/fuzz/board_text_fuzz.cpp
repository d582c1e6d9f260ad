// Layout, wrapping and line placement with any text, any widths (negative to huge)
// and a measuring function of any scale: nothing may fail, no character may
// be lost or split from its pair, and placed lines keep the cell's rules.
#include "BoardLayout.h"
#include "LinePlacement.h"
#include "TextWrap.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// Stops the run with the failed condition's line.
void CheckAt(bool condition, int line)
{
    if (condition) return;
    std::fprintf(stderr, "check failed at line %d\n", line);
    std::abort();
}
#define Check(condition) CheckAt((condition), __LINE__)

bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int32_t labelWidth = input.ConsumeIntegral<int32_t>();
    const int32_t valueWidth = input.ConsumeIntegral<int32_t>();
    const bool labelRules = input.ConsumeBool();
    int32_t unitWidths[8];
    for (int32_t& w : unitWidths) w = input.ConsumeIntegralInRange<int32_t>(-100000, 100000);
    const CellRect cell{input.ConsumeIntegral<int32_t>(), input.ConsumeIntegral<int32_t>(),
                        input.ConsumeIntegral<int32_t>(), input.ConsumeIntegral<int32_t>()};
    const int32_t lineHeight = input.ConsumeIntegral<int32_t>();

    std::u16string text;
    const size_t units = input.ConsumeIntegralInRange<size_t>(0, 200);
    for (size_t i = 0; i < units && input.remaining_bytes() > 0; ++i) {
        // Mostly '#', surrogates and ordinary characters, the cases that matter.
        switch (input.ConsumeIntegralInRange<int>(0, 5)) {
        case 0: text += u'#'; break;
        case 1: text += static_cast<char16_t>(0xD800 + input.ConsumeIntegralInRange<int>(0, 0x3FF)); break;
        case 2: text += static_cast<char16_t>(0xDC00 + input.ConsumeIntegralInRange<int>(0, 0x3FF)); break;
        default: text += input.ConsumeIntegral<char16_t>(); break;
        }
    }

    MeasureWidth width = [&unitWidths](const std::u16string& s) {
        int64_t total = 0;
        for (char16_t c : s) total += unitWidths[c % 8];
        return static_cast<int32_t>(std::clamp<int64_t>(total, INT32_MIN, INT32_MAX));
    };
    const std::vector<std::u16string> lines = WrapText(text, labelRules, labelWidth, valueWidth, width);

    // Every character survives, in order; only the '#' of a pair is gone.
    std::u16string joined;
    for (const std::u16string& line : lines) joined += line;
    std::u16string expected = text;
    const size_t hash = text.find(u'#');
    const bool pair = labelRules && hash != std::u16string::npos && hash > 0;
    if (pair) expected.erase(hash, 1);
    Check(joined == expected);
    // No line is empty but the one line of an empty text, and no line starts
    // with the second half of a pair that the text kept together.
    for (const std::u16string& line : lines) Check(!line.empty() || lines.size() == 1);
    size_t at = 0;
    for (const std::u16string& line : lines) {
        const bool afterHash = pair && at == hash;  // the two parts of a pair meet here
        if (at > 0 && !afterHash && IsLow(line[0])) Check(!IsHigh(expected[at - 1]));
        at += line.size();
    }

    std::vector<LineSize> sizes;
    for (const std::u16string& line : lines) sizes.push_back({width(line), lineHeight});
    const std::vector<PlacedLine> placed = PlaceCellLines(cell, sizes);
    Check(placed.size() <= sizes.size());
    if (sizes.size() == 1) Check(placed.size() == 1);
    if (sizes.size() > 1 && !placed.empty()) {
        // The accepted block fits the cell's height.
        const int64_t block = int64_t{lineHeight} * int64_t(placed.size()) + 5 * (int64_t(placed.size()) - 1);
        Check(block <= int64_t{cell.bottom} - cell.top);
    }

    // The layout of any client size has its ten cells and the widths it reports.
    const BoardLayout layout = LayOutBoard(10, cell.right, cell.bottom);
    Check(layout.rows.size() == 10);
    Check(layout.rows[7].label.right - layout.rows[7].label.left == layout.labelWidth);
    return 0;
}
