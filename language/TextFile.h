// The library's text-file class: reads a UTF-16LE file (one that begins with
// FF FE) or a code-page file line by line, and collects the key=text lines of
// one section. The line and section rules live in logic/ (platform-free).
#pragma once

#include "String.h"

#include <memory>
#include <string>

class FileByteSource;
class SectionScanner;
class TextModeLineReader;
class Utf16LineReader;

class CIni {
public:
    // `codePage` converts lines of files without the mark; -1 is the ANSI code page.
    CIni(const CString& path, int codePage);
    ~CIni();
    CIni(const CIni&) = delete;
    CIni& operator=(const CIni&) = delete;

    // True when the file can be opened and starts with the bytes FF FE.
    static bool IsFileUnicode(const CString& path);

    // Converts the zero-terminated `bytes` into `target` (room for
    // `targetSize` code units with the terminating zero). Returns the code
    // units written without the zero; 0 on failure.
    static int GetUnicodeStringFromMultiByteString(const char* bytes, wchar_t* target, int targetSize, int codePage);

    // Opens the file (Unicode or code page, as its first bytes say) and reads
    // it from its start. False when it cannot be opened.
    bool Open();
    void Close();

    // The next line without its line end; false at the end of the file.
    bool ReadString(CString& line);

    // Reads the file from its start and appends the keys and texts of the
    // first occurrence of `section`. Returns the number of texts found.
    int GetKeyCountEx(const CString& section, CIntArray& keys, CStringArray& texts);

private:
    bool ReadLine(std::u16string& line);           // without its line end
    bool ReadCodePageLine(std::u16string& line);   // converted, with its line end
    bool FeedNextLine(SectionScanner& scanner);    // false at the end of the file

    CString m_path;
    int m_codePage;
    bool m_unicode = false;
    std::unique_ptr<FileByteSource> m_file;
    std::unique_ptr<Utf16LineReader> m_utf16Lines;
    std::unique_ptr<TextModeLineReader> m_textLines;
    std::string m_bytes;     // the current code-page line
    std::u16string m_piece;  // the current line or piece of it
};
