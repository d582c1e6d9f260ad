#include "TextFile.h"

#include "LineReaders.h"
#include "SectionScan.h"

#include <windows.h>

// The bytes of an open file. Others may read and write the file meanwhile.
class FileByteSource : public ByteSource {
public:
    explicit FileByteSource(const CString& path)
        : m_handle(::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr))
    {
    }
    ~FileByteSource() override
    {
        if (IsOpen()) ::CloseHandle(m_handle);
    }
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }

    size_t Read(uint8_t* buffer, size_t size) override
    {
        DWORD got = 0;
        DWORD want = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
        if (!::ReadFile(m_handle, buffer, want, &got, nullptr)) return 0;
        return got;
    }

private:
    HANDLE m_handle;
};

namespace {
// Room for one converted code-page line and its terminating zero.
constexpr int kConvertedLineSize = 4096;
}  // namespace

CIni::CIni(const CString& path, int codePage) : m_path(path), m_codePage(codePage) {}

CIni::~CIni() = default;

bool CIni::IsFileUnicode(const CString& path)
{
    FileByteSource file(path);
    if (!file.IsOpen()) return false;
    uint8_t mark[2] = {};
    size_t got = 0;
    while (got < 2) {
        size_t n = file.Read(mark + got, 2 - got);
        if (n == 0) break;
        got += n;
    }
    return StartsWithUtf16LeMark(mark, got);
}

int CIni::GetUnicodeStringFromMultiByteString(const char* bytes, wchar_t* target, int targetSize, int codePage)
{
    if (!bytes || !target || targetSize <= 0) return 0;
    const UINT page = codePage == -1 ? CP_ACP : static_cast<UINT>(codePage);
    const DWORD flags = codePage == CP_UTF8 ? 0 : MB_PRECOMPOSED;
    int written = ::MultiByteToWideChar(page, flags, bytes, -1, target, targetSize);
    if (written <= 0) {
        target[0] = 0;
        return 0;
    }
    return written - 1;
}

bool CIni::Open()
{
    Close();
    m_unicode = IsFileUnicode(m_path);
    m_file = std::make_unique<FileByteSource>(m_path);
    if (!m_file->IsOpen()) {
        m_file.reset();
        return false;
    }
    if (m_unicode)
        m_utf16Lines = std::make_unique<Utf16LineReader>(*m_file);
    else
        m_textLines = std::make_unique<TextModeLineReader>(*m_file);
    return true;
}

void CIni::Close()
{
    m_utf16Lines.reset();
    m_textLines.reset();
    m_file.reset();
}

bool CIni::ReadCodePageLine(std::u16string& line)
{
    if (!m_textLines || !m_textLines->ReadLine(m_bytes)) return false;
    // The conversion reads the bytes up to their first zero.
    wchar_t converted[kConvertedLineSize];
    int n = GetUnicodeStringFromMultiByteString(m_bytes.c_str(), converted, kConvertedLineSize, m_codePage);
    line.assign(converted, converted + n);
    return true;
}

bool CIni::ReadLine(std::u16string& line)
{
    if (m_utf16Lines) {
        if (!m_utf16Lines->ReadLine(line)) return false;
    } else if (!ReadCodePageLine(line)) {
        return false;
    }
    RemoveLineEnd(line);
    return true;
}

bool CIni::ReadString(CString& line)
{
    std::u16string text;
    if (!ReadLine(text)) return false;
    line = CString(text);
    return true;
}

bool CIni::FeedNextLine(SectionScanner& scanner)
{
    scanner.BeginLine();
    if (!m_utf16Lines) {
        if (!ReadCodePageLine(m_piece)) return false;
        scanner.AddToLine(m_piece);
        return true;
    }
    // A UTF-16LE line has no length limit: it goes over in pieces.
    bool any = false;
    bool lineEnded = false;
    while (!lineEnded && m_utf16Lines->ReadPiece(m_piece, lineEnded)) {
        any = true;
        scanner.AddToLine(m_piece);
    }
    return any;
}

int CIni::GetKeyCountEx(const CString& section, CIntArray& keys, CStringArray& texts)
{
    if (!Open()) return 0;
    SectionScanner scanner(section.ToU16());
    std::u16string text;
    int found = 0;
    while (FeedNextLine(scanner)) {
        LineVerdict verdict = scanner.EndLine(text);
        if (verdict.kind == LineVerdict::SectionEnd) break;
        if (verdict.kind != LineVerdict::Entry) continue;
        keys.Add(verdict.key);
        texts.Add(CString(text));
        ++found;
    }
    Close();
    return found;
}
