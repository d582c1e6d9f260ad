// Benchmark of KXM_Language.dll's section reader (a Windows program, run
// under Wine by language_reader.sh): generates a language file of at least
// 20 MB as UTF-16LE with its mark and as GBK, reads each through the
// library's exports, and in the same run splits the same bytes into lines
// the plain way (whole file into memory, one string per line) for comparison.
#include "BenchClock.h"
#include "CIniUnicode.h"
#include "TestFiles.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr size_t kTargetBytes = 24u * 1024 * 1024;

// A section of numbered lines with Chinese and Latin text, CR LF line ends.
std::wstring LanguageText(size_t approxUnits)
{
    std::wstring text = L"[s2]\r\n10=语言:\r\n[tlrc_lang_txt]\r\n";
    wchar_t line[160];
    for (int id = 0; text.size() < approxUnits; ++id)
        text.append(line, static_cast<size_t>(swprintf(line, 160, L"%d=设备状态 Gerätestatus %d 运行中 running\r\n",
                                                       10000 + id % 50000, id)));
    return text;
}

std::string Gbk(const std::wstring& text)
{
    int n = ::WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), &bytes[0], n, nullptr, nullptr);
    return bytes;
}

// Reads the section through the library; returns seconds, sets the count.
double ReadThroughLibrary(const std::wstring& path, int& entries)
{
    double start = Now();
    CIniUnicode reader;
    CStringArray names;
    names.Add(L"tlrc_lang_txt");
    const int codePage = 936;
    reader.ReadTextFromFileBySection(CString(path.c_str()), codePage, names);
    CIntArray keys;
    CStringArray texts;
    reader.GetOneSectionText(L"tlrc_lang_txt", keys, texts);
    reader.ClearAllText();
    entries = texts.GetSize();
    return Now() - start;
}

// Reads the whole file and splits it at LF into one string per line.
double PlainSplit(const std::wstring& path, size_t& lines)
{
    double start = Now();
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string bytes;
    if (file != INVALID_HANDLE_VALUE) {
        LARGE_INTEGER size;
        ::GetFileSizeEx(file, &size);
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        ::ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr);
        bytes.resize(got);
        ::CloseHandle(file);
    }
    std::vector<std::string> split;
    size_t from = 0;
    while (from < bytes.size()) {
        size_t lf = bytes.find('\n', from);
        size_t to = lf == std::string::npos ? bytes.size() : lf + 1;
        split.emplace_back(bytes, from, to - from);
        from = to;
    }
    lines = split.size();
    return Now() - start;
}

}  // namespace

int wmain()
{
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring text = LanguageText(kTargetBytes / 2);
    struct Case {
        const char* name;
        std::wstring path;
        std::string bytes;
    } cases[] = {
        {"utf16le", std::wstring(temp) + L"tablora-bench-utf16.ini", Utf16LeWithMark(text)},
        {"gbk", std::wstring(temp) + L"tablora-bench-gbk.ini", Gbk(LanguageText(kTargetBytes))},
    };
    int status = 0;
    for (Case& c : cases) {
        if (!WriteBytes(c.path, c.bytes)) {
            std::printf("%s: cannot write %ls\n", c.name, c.path.c_str());
            status = 1;
            continue;
        }
        const double mb = static_cast<double>(c.bytes.size()) / (1024.0 * 1024.0);
        int entries = 0;
        size_t lines = 0;
        ReadThroughLibrary(c.path, entries);  // warm the file cache
        double library = ReadThroughLibrary(c.path, entries);
        double plain = PlainSplit(c.path, lines);
        std::printf("language_reader %s: file %.1f MB, %d entries, library %.1f MB/s\n", c.name, mb, entries,
                    mb / library);
        std::printf("language_reader %s: file %.1f MB, %zu lines, plain split %.1f MB/s\n", c.name, mb, lines,
                    mb / plain);
        ::DeleteFileW(c.path.c_str());
    }
    return status;
}
