#include "InstallFolder.h"

std::u16string InstallFolderFor(std::u16string chosen)
{
    if (chosen.empty() || chosen.back() != u'\\') chosen += u'\\';
    // Only the first occurrence is looked at: a path that starts with the
    // name (position 0) is not taken as an install folder.
    const std::u16string::size_type at = chosen.find(u"\\MarvonTablora\\");
    if (at != std::u16string::npos && at > 0) return chosen;
    return chosen + u"MarvonTablora\\";
}

std::u16string LanguageCode(int languageIndex)
{
    switch (languageIndex) {
    case 0: return u"ch";
    case 1: return u"en";
    default: return u"other";
    }
}

std::u16string LanguageFileName(int languageIndex)
{
    return u"tlrc_lang_" + LanguageCode(languageIndex) + u".ini";
}
