// File helpers of the Windows test tiers.
#pragma once

#include <windows.h>

#include <string>

// A fresh folder under the temporary folder, removed with everything in it
// when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, ending with a backslash.
    const std::wstring& Path() const { return m_path; }
    std::wstring operator/(const std::wstring& name) const { return m_path + name; }

private:
    std::wstring m_path;
};

std::string ReadBytes(const std::wstring& path);
bool WriteBytes(const std::wstring& path, const std::string& bytes);
// UTF-16LE with the byte-order mark, from UTF-16 text.
std::string Utf16LeWithMark(const std::wstring& text);
// The folder of this test program, ending with a backslash.
std::wstring ExeFolder();
// Copies `name` from `from` into `to`; true on success.
bool CopyInto(const std::wstring& from, const std::wstring& to, const std::wstring& name);
// Removes a folder and all it holds.
void RemoveTree(const std::wstring& path);
