// Line reading of the language library's text files, without the platform:
// UTF-16LE files split into lines of code units, code-page files split into
// lines of bytes as the C runtime's text mode reads them. Both read the file
// in fixed-size pieces, so memory follows the longest line, not the file.
#pragma once

#include "ByteSource.h"

#include <string>
#include <vector>

// A code-page line holds at most this many bytes; a longer physical line is
// cut there and its rest read as the next line.
constexpr size_t kCodePageLineLimit = 4095;

// True when `bytes` begin with the UTF-16LE byte-order mark FF FE.
bool StartsWithUtf16LeMark(const uint8_t* bytes, size_t size);

// Removes the line end that a reader leaves on a line: CR LF when the line is
// longer than one character and ends with both, otherwise one final CR or LF.
void RemoveLineEnd(std::u16string& line);

// Lines of a UTF-16LE file: runs of little-endian code units up to and
// including LF (0x000A), or to the end. The first two bytes (the byte-order
// mark) are skipped; a lone last byte of an odd-sized file is ignored.
class Utf16LineReader {
public:
    explicit Utf16LineReader(ByteSource& source);
    // The next line with its line end; false when nothing was left to read.
    bool ReadLine(std::u16string& line);
    // The next piece of the current line, at most one read piece of the file:
    // `lineEnded` is set when it ends with LF. False when nothing was left;
    // a line that the end of the file cut has no LF, and the next call
    // returns false.
    bool ReadPiece(std::u16string& piece, bool& lineEnded);

private:
    bool Fill();  // at least two bytes ahead, or false at the end

    ByteSource& m_source;
    std::vector<uint8_t> m_buffer;
    size_t m_pos = 0;
    size_t m_end = 0;
    bool m_markSkipped = false;
    std::u16string m_piece;
};

// Lines of a code-page file in text mode: every CR LF pair reads as LF; a
// line runs up to and including LF, or to kCodePageLineLimit bytes, or to
// the end.
class TextModeLineReader {
public:
    explicit TextModeLineReader(ByteSource& source);
    // The next line with its line end; false when nothing was left to read.
    bool ReadLine(std::string& line);

private:
    int NextByte();  // the next byte after CR LF translation, -1 at the end
    bool Fill();

    ByteSource& m_source;
    std::vector<uint8_t> m_buffer;
    size_t m_pos = 0;
    size_t m_end = 0;
};
