#include "LineReaders.h"

namespace {
constexpr size_t kPieceSize = 64 * 1024;
}

bool StartsWithUtf16LeMark(const uint8_t* bytes, size_t size)
{
    return size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
}

void RemoveLineEnd(std::u16string& line)
{
    const size_t n = line.size();
    if (n > 1 && line[n - 2] == u'\r' && line[n - 1] == u'\n')
        line.resize(n - 2);
    else if (n > 0 && (line[n - 1] == u'\r' || line[n - 1] == u'\n'))
        line.resize(n - 1);
}

Utf16LineReader::Utf16LineReader(ByteSource& source) : m_source(source), m_buffer(kPieceSize) {}

bool Utf16LineReader::Fill()
{
    while (m_end - m_pos < 2) {
        // Keep a lone byte that waits for its partner at the front.
        if (m_pos < m_end) m_buffer[0] = m_buffer[m_pos];
        m_end -= m_pos;
        m_pos = 0;
        size_t got = m_source.Read(m_buffer.data() + m_end, m_buffer.size() - m_end);
        if (got == 0) return false;
        m_end += got;
    }
    return true;
}

bool Utf16LineReader::ReadPiece(std::u16string& piece, bool& lineEnded)
{
    piece.clear();
    lineEnded = false;
    if (!m_markSkipped) {
        m_markSkipped = true;
        if (!Fill()) return false;
        m_pos += 2;
    }
    if (!Fill()) return false;
    // Whole code units of this piece, up to and including LF.
    const size_t units = (m_end - m_pos) / 2;
    size_t taken = 0;
    while (taken < units) {
        const uint8_t* p = m_buffer.data() + m_pos + 2 * taken;
        ++taken;
        if (p[0] == 0x0A && p[1] == 0x00) {
            lineEnded = true;
            break;
        }
    }
    piece.resize(taken);
    for (size_t i = 0; i < taken; ++i) {
        const uint8_t* p = m_buffer.data() + m_pos + 2 * i;
        piece[i] = static_cast<char16_t>(p[0] | (p[1] << 8));
    }
    m_pos += 2 * taken;
    return true;
}

bool Utf16LineReader::ReadLine(std::u16string& line)
{
    line.clear();
    bool any = false;
    bool lineEnded = false;
    while (!lineEnded && ReadPiece(m_piece, lineEnded)) {
        any = true;
        line += m_piece;
    }
    return any;
}

TextModeLineReader::TextModeLineReader(ByteSource& source) : m_source(source), m_buffer(kPieceSize) {}

bool TextModeLineReader::Fill()
{
    m_pos = 0;
    m_end = m_source.Read(m_buffer.data(), m_buffer.size());
    return m_end > 0;
}

int TextModeLineReader::NextByte()
{
    if (m_pos == m_end && !Fill()) return -1;
    uint8_t c = m_buffer[m_pos++];
    if (c == '\r') {
        if (m_pos == m_end && !Fill()) return '\r';
        if (m_buffer[m_pos] == '\n') {
            ++m_pos;
            return '\n';
        }
    }
    return c;
}

bool TextModeLineReader::ReadLine(std::string& line)
{
    line.clear();
    while (line.size() < kCodePageLineLimit) {
        if (m_pos == m_end && !Fill()) break;
        // Copy the run of plain bytes up to the next CR or LF in one go.
        const size_t room = kCodePageLineLimit - line.size();
        const size_t last = m_end - m_pos < room ? m_end : m_pos + room;
        size_t run = m_pos;
        while (run < last && m_buffer[run] != '\n' && m_buffer[run] != '\r') ++run;
        line.append(reinterpret_cast<const char*>(m_buffer.data() + m_pos), run - m_pos);
        m_pos = run;
        if (run == last) continue;
        int c = NextByte();  // CR or LF, with CR LF read as LF
        line.push_back(static_cast<char>(c));
        if (c == '\n') break;
    }
    return !line.empty();
}
