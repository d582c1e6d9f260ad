#include "TextTable.h"

#include "BoardData.h"
#include "CIniUnicode.h"

#include <cwctype>

namespace {

// Language files without the UTF-16LE mark are GBK, whatever the system's
// own code page is.
constexpr int kLanguageFileCodePage = 936;
const wchar_t kTextSection[] = L"tlrc_lang_txt";

const wchar_t* LanguageCode(int32_t language)
{
    if (language == 0) return L"ch";
    if (language == 1) return L"en";
    return L"other";
}

// `text` without white space at both ends, as iswspace classifies it.
CString Trimmed(const CString& text)
{
    const std::wstring& s = text.str();
    size_t first = 0;
    size_t last = s.size();
    while (first < last && std::iswspace(s[first])) ++first;
    while (last > first && std::iswspace(s[last - 1])) --last;
    return CString(s.substr(first, last - first));
}

}  // namespace

void LoadTextTable()
{
    g_boardData.texts.clear();
    const CString path = g_boardData.programFolder + L"tlrc_lang_" + LanguageCode(g_boardData.language) + L".ini";
    if (::GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES) return;

    CIniUnicode reader;
    CStringArray sections;
    sections.Add(kTextSection);
    reader.ReadTextFromFileBySection(path, kLanguageFileCodePage, sections);
    CIntArray ids;
    CStringArray texts;
    reader.GetOneSectionText(kTextSection, ids, texts);
    const int count = ids.GetSize() < texts.GetSize() ? ids.GetSize() : texts.GetSize();
    g_boardData.texts.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) g_boardData.texts.push_back(LangText{ids[i], Trimmed(texts[i])});
    reader.ClearAllText();
}

CString LookupText(int32_t id)
{
    for (const LangText& entry : g_boardData.texts)
        if (entry.id == id) return entry.text;
    CString number;
    number.Format(L"%d", id);
    return number;
}
