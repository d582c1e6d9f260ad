// Breaking a cell's text into the lines that fit the cell, against a
// measuring function (the width in pixels of a text in the board font).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

using MeasureWidth = std::function<int32_t(const std::u16string&)>;

// Breaks `text` by characters: characters are appended to a line one by
// one, and the line ends after the character that brings its width to
// within 10 pixels of `limit` or beyond. A surrogate pair is appended as
// one character. A last, non-empty line is kept; an empty text gives no
// line.
std::vector<std::u16string> BreakByCharacters(const std::u16string& text, int32_t limit,
                                              const MeasureWidth& width);

// The lines of one cell. Label rules (labels, and the state text): a text
// whose first '#' stands after its first character is a pair shown as the
// part before the '#' above the part after it, each within `labelWidth`.
// Otherwise a text narrower than its limit (`labelWidth` under label rules,
// else `valueWidth`) is one line, and a wider one is broken by characters.
std::vector<std::u16string> WrapText(const std::u16string& text, bool labelRules, int32_t labelWidth,
                                     int32_t valueWidth, const MeasureWidth& width);
