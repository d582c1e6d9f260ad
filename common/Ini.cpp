#include "Ini.h"

#include "ProfileInt.h"

#include <vector>

CIni::CIni(const CString& path) : m_path(path) {}

CString CIni::GetString(const wchar_t* section, const wchar_t* key, const wchar_t* fallback) const
{
    if (!key) return CString(fallback);
    // The service cuts a value at the buffer's size and says so only by the
    // length it returns, so read again with a larger buffer while it is full.
    DWORD n = 512;
    for (;;) {
        std::vector<wchar_t> buffer(n + 1);
        DWORD length = ::GetPrivateProfileStringW(section, key, fallback ? fallback : L"", buffer.data(), n, m_path);
        if (length + 1 < n) return CString(buffer.data(), static_cast<int>(length));
        n += 512;
    }
}

int CIni::GetInt(const wchar_t* section, const wchar_t* key, int fallback) const
{
    return ParseProfileInt(GetString(section, key).ToU16(), fallback);
}

void CIni::WriteInt(const wchar_t* section, const wchar_t* key, int value) const
{
    CString text;
    text.Format(L"%d", value);
    ::WritePrivateProfileStringW(section, key, text, m_path);
}
