// The profile-file class: reads and writes one settings file through the
// system's profile-string service (a file that starts with the UTF-16LE mark
// is read and written as UTF-16LE, any other in the ANSI code page).
#pragma once

#include "String.h"

class CIni {
public:
    explicit CIni(const CString& path);
    virtual ~CIni() = default;

    // The value of `key`, read whole whatever its length; `fallback` (or an
    // empty text) when the key is missing. Without a key: the fallback.
    CString GetString(const wchar_t* section, const wchar_t* key, const wchar_t* fallback = nullptr) const;
    // The value read as a number (see ParseProfileInt); `fallback` when
    // the key is missing or its value is empty.
    int GetInt(const wchar_t* section, const wchar_t* key, int fallback) const;
    // Writes `value` as "%d"; the service's result is not looked at.
    void WriteInt(const wchar_t* section, const wchar_t* key, int value) const;

    const CString& Path() const { return m_path; }

private:
    CString m_path;
};
