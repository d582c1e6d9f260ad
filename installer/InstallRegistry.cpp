#include "InstallRegistry.h"

#include <vector>

namespace {

// `text` in the thread's ANSI code page, with a zero after it; empty when a
// character has no equivalent there.
std::vector<char> ToAnsi(const CString& text)
{
    BOOL lossy = FALSE;
    int length = ::WideCharToMultiByte(CP_THREAD_ACP, WC_NO_BEST_FIT_CHARS, text, text.GetLength(), nullptr, 0,
                                       nullptr, &lossy);
    // A UTF-8 code page takes no flags nor lossy marker, and loses nothing.
    if (length <= 0 && ::GetLastError() == ERROR_INVALID_PARAMETER) {
        lossy = FALSE;
        length = ::WideCharToMultiByte(CP_THREAD_ACP, 0, text, text.GetLength(), nullptr, 0, nullptr, nullptr);
    }
    if (length <= 0 || lossy) return {};
    // Sized for the whole text plus the zero after it, which the registry
    // looks at when the byte count leaves it out.
    std::vector<char> ansi(static_cast<size_t>(length) + 1, '\0');
    if (::WideCharToMultiByte(CP_THREAD_ACP, 0, text, text.GetLength(), ansi.data(), length, nullptr, nullptr) != length)
        return {};
    return ansi;
}

}  // namespace

bool WriteBoardPathToRegistry(const CString& installDir)
{
    std::vector<char> path = ToAnsi(installDir + L"MarvonTablora.exe");
    if (path.empty()) return false;

    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\KXM_IOT", 0, KEY_WRITE, &key) != ERROR_SUCCESS &&
        ::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\KXM_IOT", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                          nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    // The byte count is the text's length, without the terminating zero.
    const DWORD length = static_cast<DWORD>(path.size() - 1);
    LONG status = ::RegSetValueExA(key, "TlrPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.data()), length);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}
