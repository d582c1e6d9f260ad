// Fuzzes the language library's reading path without the platform: any bytes
// as a file, read line by line as UTF-16LE (after FF FE) or as code-page text,
// scanned for a section. The first input byte picks the piece size in which
// the bytes arrive, so piece borders fall anywhere. Besides the sanitizers it
// checks what the reader promises: code-page lines within 4095 bytes, keys
// as wcstol would give them clamped to 32 bits, texts taken from their line,
// and the same entries whether a line is scanned whole or in pieces.
#include "LineReaders.h"
#include "SectionScan.h"

#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

void Check(bool ok)
{
    if (!ok) std::abort();
}

// The key by the C library's own wcstol (long is 64 bits here), clamped.
int32_t ReferenceKey(const std::u16string& key)
{
    std::wstring wide(key.begin(), key.end());
    long value = std::wcstol(wide.c_str(), nullptr, 10);
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

bool IsPlainAscii(const std::u16string& text)
{
    for (char16_t c : text)
        if (c == 0 || c >= 0x80) return false;
    return true;
}

struct Entry {
    int32_t key;
    std::u16string text;
    bool operator==(const Entry& o) const { return key == o.key && text == o.text; }
};

void CheckLine(SectionScanner& scanner, const std::u16string& line, bool& ended, std::vector<Entry>& entries)
{
    LineVerdict verdict = scanner.Classify(line);
    if (verdict.kind == LineVerdict::SectionEnd) ended = true;
    if (verdict.kind != LineVerdict::Entry) return;
    entries.push_back({verdict.key, line.substr(verdict.textStart)});
    Check(verdict.textStart <= line.size());
    Check(line.find(u'[') == std::u16string::npos);
    if (verdict.textStart > 0) {
        Check(line[verdict.textStart - 1] == u'=');
        std::u16string key = line.substr(0, verdict.textStart - 1);
        Check(key.find(u'=') == std::u16string::npos);
        if (IsPlainAscii(key)) Check(verdict.key == ReferenceKey(key));
    } else {
        Check(verdict.key == 0);
    }
}

// The entries of a UTF-16LE file read as the library reads it: lines handed
// to the scanner in pieces.
std::vector<Entry> EntriesInPieces(const uint8_t* file, size_t size, size_t step)
{
    MemoryByteSource source(file, size, step);
    Utf16LineReader reader(source);
    SectionScanner scanner(u"s");
    std::vector<Entry> entries;
    std::u16string piece, text;
    for (;;) {
        scanner.BeginLine();
        bool any = false, lineEnded = false;
        while (!lineEnded && reader.ReadPiece(piece, lineEnded)) {
            any = true;
            scanner.AddToLine(piece);
        }
        if (!any) break;
        LineVerdict verdict = scanner.EndLine(text);
        if (verdict.kind == LineVerdict::SectionEnd) break;
        if (verdict.kind == LineVerdict::Entry) entries.push_back({verdict.key, text});
    }
    return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const size_t step = data[0] < 128 ? SIZE_MAX : data[0] - 127;
    const uint8_t* file = data + 1;
    const size_t fileSize = size - 1;
    MemoryByteSource source(file, fileSize, step);
    SectionScanner scanner(u"s");
    bool ended = false;
    size_t units = 0;
    std::vector<Entry> entries;
    std::u16string line;
    if (StartsWithUtf16LeMark(file, fileSize)) {
        Utf16LineReader reader(source);
        while (!ended && reader.ReadLine(line)) {
            units += line.size();
            Check(line.find(u'\n') == std::u16string::npos || line.find(u'\n') == line.size() - 1);
            RemoveLineEnd(line);
            CheckLine(scanner, line, ended, entries);
        }
        Check(ended || units == (fileSize - 2) / 2);
        Check(EntriesInPieces(file, fileSize, step) == entries);
    } else {
        TextModeLineReader reader(source);
        std::string bytes;
        while (!ended && reader.ReadLine(bytes)) {
            Check(!bytes.empty() && bytes.size() <= kCodePageLineLimit);
            units += bytes.size();
            // Like the platform's conversion: the bytes up to the first zero.
            line.clear();
            for (char c : bytes) {
                if (c == 0) break;
                line += static_cast<char16_t>(static_cast<unsigned char>(c));
            }
            RemoveLineEnd(line);
            CheckLine(scanner, line, ended, entries);
        }
        Check(ended || units <= fileSize);
    }
    return 0;
}
