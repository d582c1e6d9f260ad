#include "CIniUnicode.h"

#include "TextFile.h"

#include <vector>

namespace {

// One stored section: the name as requested, and its keys and texts in file
// order (same length, at least one entry).
struct SectionRecord {
    CString name;
    CIntArray keys;
    CStringArray texts;
};

// The library's one store, shared by every CIniUnicode object of the process.
std::vector<SectionRecord> g_sectionRecords;

}  // namespace

CIniUnicode::CIniUnicode() = default;

int CIniUnicode::ReadTextFromFileBySection(const CString& path, const int& codePage, const CStringArray& names)
{
    // Nothing of an earlier read survives, whatever this one finds.
    ClearAllText();
    if (::GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES) return 0;
    if (names.IsEmpty()) return 0;
    try {
        for (int i = 0; i < names.GetSize(); ++i) {
            SectionRecord record;
            record.name = names[i];
            CIni file(path, codePage);
            if (file.GetKeyCountEx(record.name, record.keys, record.texts) > 0)
                g_sectionRecords.push_back(std::move(record));
        }
    } catch (...) {
        // Out of memory on a huge file: no exception leaves the library, and
        // no half-read store stands for a successful read.
        ClearAllText();
        return 0;
    }
    return 1;
}

void CIniUnicode::GetOneSectionText(CString name, CIntArray& keys, CStringArray& texts)
{
    keys.RemoveAll();
    texts.RemoveAll();
    for (const SectionRecord& record : g_sectionRecords) {
        if (record.name != name) continue;
        try {
            keys.Append(record.keys);
            texts.Append(record.texts);
        } catch (...) {
            keys.RemoveAll();
            texts.RemoveAll();
        }
        return;
    }
}

void CIniUnicode::ClearAllText()
{
    std::vector<SectionRecord>().swap(g_sectionRecords);
}
