// The framework's text types: CString (UTF-16), CStringArray and CIntArray.
//
// All three are header-only over the standard library, so that a program and
// a library built with the same compiler and the same shared C++ runtime can
// hand them to each other across the library boundary.
#pragma once

#include <windows.h>

#include <cstdarg>
#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

static_assert(sizeof(wchar_t) == 2, "Windows wide characters are UTF-16 units");

class CString {
public:
    CString() = default;
    CString(const wchar_t* text) : m_str(text ? text : L"") {}
    CString(const wchar_t* text, int length) : m_str(text, text + (length > 0 ? length : 0)) {}
    CString(const std::wstring& text) : m_str(text) {}
    CString(const std::u16string& text) : m_str(text.begin(), text.end()) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    const wchar_t* GetString() const { return m_str.c_str(); }
    operator const wchar_t*() const { return m_str.c_str(); }
    wchar_t GetAt(int i) const { return m_str[static_cast<size_t>(i)]; }
    wchar_t operator[](int i) const { return GetAt(i); }

    const std::wstring& str() const { return m_str; }
    std::u16string ToU16() const { return std::u16string(m_str.begin(), m_str.end()); }

    CString& operator=(const wchar_t* text) { m_str = text ? text : L""; return *this; }
    CString& operator+=(const CString& other) { m_str += other.m_str; return *this; }
    CString& operator+=(const wchar_t* text) { if (text) m_str += text; return *this; }
    CString& operator+=(wchar_t c) { m_str += c; return *this; }
    friend CString operator+(CString a, const CString& b) { a += b; return a; }
    friend CString operator+(CString a, const wchar_t* b) { a += b; return a; }
    friend CString operator+(const wchar_t* a, const CString& b) { CString r(a); r += b; return r; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.m_str == (b ? b : L""); }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }

    // Position of the first `c` or of the first `sub` at or after `start`; -1 if none.
    int Find(wchar_t c, int start = 0) const { return Pos(m_str.find(c, Start(start))); }
    int Find(const wchar_t* sub, int start = 0) const { return Pos(m_str.find(sub, Start(start))); }
    int ReverseFind(wchar_t c) const { return Pos(m_str.rfind(c)); }

    CString Left(int count) const { return m_str.substr(0, Start(count)); }
    CString Mid(int first) const { return Start(first) >= m_str.size() ? CString() : CString(m_str.substr(Start(first))); }
    CString Mid(int first, int count) const
    {
        return Start(first) >= m_str.size() ? CString() : CString(m_str.substr(Start(first), Start(count)));
    }

    // Printf-style formatting; the result replaces the content.
    void Format(const wchar_t* format, ...)
    {
        va_list args;
        va_start(args, format);
        FormatV(format, args);
        va_end(args);
    }
    void FormatV(const wchar_t* format, va_list args)
    {
        std::vector<wchar_t> buffer(256);
        for (;;) {
            va_list copy;
            va_copy(copy, args);
            int n = _vsnwprintf(buffer.data(), buffer.size(), format, copy);
            va_end(copy);
            if (n >= 0 && static_cast<size_t>(n) < buffer.size()) {
                m_str.assign(buffer.data(), static_cast<size_t>(n));
                return;
            }
            buffer.resize(buffer.size() * 2);
        }
    }

    // A writable buffer of at least `minLength` characters plus a zero;
    // ReleaseBuffer() then cuts the text at its first zero.
    wchar_t* GetBuffer(int minLength)
    {
        if (minLength > GetLength()) m_str.resize(static_cast<size_t>(minLength));
        return &m_str[0];
    }
    void ReleaseBuffer() { m_str.resize(std::wcslen(m_str.c_str())); }

private:
    static size_t Start(int i) { return i < 0 ? 0 : static_cast<size_t>(i); }
    static int Pos(size_t p) { return p == std::wstring::npos ? -1 : static_cast<int>(p); }

    std::wstring m_str;
};

// A growable array of texts.
class CStringArray {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_items.empty(); }
    int Add(const CString& text) { m_items.push_back(text); return GetSize() - 1; }
    void RemoveAll() { m_items.clear(); }
    const CString& GetAt(int i) const { return m_items[static_cast<size_t>(i)]; }
    CString& operator[](int i) { return m_items[static_cast<size_t>(i)]; }
    const CString& operator[](int i) const { return GetAt(i); }
    void Append(const CStringArray& other) { m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end()); }

private:
    std::vector<CString> m_items;
};

// A growable array of 32-bit signed integers.
class CIntArray {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    int Add(int32_t value) { m_items.push_back(value); return GetSize() - 1; }
    void RemoveAll() { m_items.clear(); }
    int32_t GetAt(int i) const { return m_items[static_cast<size_t>(i)]; }
    int32_t& operator[](int i) { return m_items[static_cast<size_t>(i)]; }
    int32_t operator[](int i) const { return GetAt(i); }
    void Append(const CIntArray& other) { m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end()); }

private:
    std::vector<int32_t> m_items;
};
