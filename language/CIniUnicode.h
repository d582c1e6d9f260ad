// The exported reader of KXM_Language.dll: reads the requested sections of a
// sectioned text file (lines "[name]" and number=text) into a store inside
// the library and hands one section out as keys and texts.
//
// The framework's string types cross this boundary, so the library and its
// callers are built with the same compiler against the same shared C++
// runtime (libstdc++-6.dll).
//
// All calls must come from one thread at a time: the store has no lock.
#pragma once

#include "String.h"

#ifdef KXM_LANGUAGE_EXPORTS
#define KXM_LANGUAGE_API __declspec(dllexport)
#else
#define KXM_LANGUAGE_API __declspec(dllimport)
#endif

class CIniUnicode {
public:
    // Holds nothing: every object shares the library's one store.
    KXM_LANGUAGE_API CIniUnicode();

    // Empties the store, then stores every section of `names` that the file
    // holds with at least one line, in the order of `names` (a name given twice
    // is stored twice). `codePage` converts files without the UTF-16LE mark
    // FF FE; -1 stands for the system's ANSI code page.
    // Returns 0 when nothing of that path exists or `names` is empty, else 1
    // (also when no section was found or the file could not be opened).
    KXM_LANGUAGE_API int ReadTextFromFileBySection(const CString& path, const int& codePage,
                                                   const CStringArray& names);

    // Empties `keys` and `texts`, then fills them with the first stored
    // section called `name` (exact, case-sensitive), in file order.
    KXM_LANGUAGE_API void GetOneSectionText(CString name, CIntArray& keys, CStringArray& texts);

    // Empties the store.
    KXM_LANGUAGE_API void ClearAllText();
};
