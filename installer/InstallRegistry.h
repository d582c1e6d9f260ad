// The registry value that tells programs outside the product where the board
// program is: HKEY_CURRENT_USER\Software\KXM_IOT, "TlrPath".
#pragma once

#include "String.h"

// Writes installDir + "MarvonTablora.exe" as REG_SZ in the thread's ANSI code
// page, whatever its length, with the text's length as byte count. A path
// that the code page cannot represent is not written (a path with '?' in it
// would send its readers to a file that does not exist). True when written.
bool WriteBoardPathToRegistry(const CString& installDir);
