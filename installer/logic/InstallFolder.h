// The install-folder rule of the installer, free of any platform call.
#pragma once

#include <string>

// The install folder for a folder the user picked: always ends in a
// backslash; a folder that already lies in (or is) a "\MarvonTablora\"
// folder is kept as it is, any other gets "MarvonTablora\" appended. The
// name is compared case-sensitively and only counts after the first
// character, so D:\Tools gives D:\Tools\MarvonTablora\ and
// E:\MarvonTablora\old gives E:\MarvonTablora\old\.
std::u16string InstallFolderFor(std::u16string chosen);

// "ch" for language index 0, "en" for 1, "other" for every other value.
std::u16string LanguageCode(int languageIndex);

// The language file of an index: "tlrc_lang_" + code + ".ini".
std::u16string LanguageFileName(int languageIndex);
