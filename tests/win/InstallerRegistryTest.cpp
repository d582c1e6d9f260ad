#include "InstallRegistry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The value's bytes as the registry hands them back; "<none>" when absent.
std::string StoredPath()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\KXM_IOT", 0, KEY_READ, &key) != ERROR_SUCCESS) return "<none>";
    std::string data(8192, '\0');
    DWORD size = static_cast<DWORD>(data.size());
    DWORD type = 0;
    LONG status = ::RegQueryValueExA(key, "TlrPath", nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size);
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ) return "<none>";
    data.resize(size);
    // The registry adds the zero that follows the text; compare the text.
    if (!data.empty() && data.back() == '\0') data.pop_back();
    return data;
}

class InstallerRegistry : public ::testing::Test {
protected:
    void SetUp() override { ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KXM_IOT"); }
    void TearDown() override { ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KXM_IOT"); }
};

TEST_F(InstallerRegistry, PathOfAnyLengthIsWrittenWhole)
{
    for (size_t folderLength : {size_t(1), size_t(230), size_t(241), size_t(242), size_t(600), size_t(2000)}) {
        std::wstring folder = L"C:\\" + std::wstring(folderLength, L'p') + L"\\MarvonTablora\\";
        ASSERT_TRUE(WriteBoardPathToRegistry(folder.c_str())) << folderLength;
        std::string expected = "C:\\" + std::string(folderLength, 'p') + "\\MarvonTablora\\MarvonTablora.exe";
        EXPECT_EQ(StoredPath(), expected) << "install folder of " << folder.size() << " characters";
    }
}

TEST_F(InstallerRegistry, ExistingKeyIsRewritten)
{
    ASSERT_TRUE(WriteBoardPathToRegistry(L"D:\\Tools\\MarvonTablora\\"));
    ASSERT_TRUE(WriteBoardPathToRegistry(L"E:\\MarvonTablora\\"));
    EXPECT_EQ(StoredPath(), "E:\\MarvonTablora\\MarvonTablora.exe");
}

TEST_F(InstallerRegistry, PathTheCodePageCannotHoldIsNotWrittenAsQuestionMarks)
{
    // A folder name in a script that the ANSI code page of this system may
    // or may not hold: either it is stored exactly, or nothing is stored.
    const std::wstring folder = L"C:\\\u5DE5\u5382\\\u0416\u0437\\MarvonTablora\\";
    const std::wstring full = folder + L"MarvonTablora.exe";
    BOOL lossy = FALSE;
    int length = ::WideCharToMultiByte(CP_THREAD_ACP, WC_NO_BEST_FIT_CHARS, full.c_str(), -1, nullptr, 0, nullptr, &lossy);
    bool written = WriteBoardPathToRegistry(folder.c_str());
    if (lossy) {
        EXPECT_FALSE(written);
        EXPECT_EQ(StoredPath(), "<none>");
    } else {
        ASSERT_GT(length, 0);
        std::string ansi(static_cast<size_t>(length), '\0');
        ::WideCharToMultiByte(CP_THREAD_ACP, 0, full.c_str(), -1, &ansi[0], length, nullptr, nullptr);
        ansi.pop_back();
        EXPECT_TRUE(written);
        EXPECT_EQ(StoredPath(), ansi);
    }
    EXPECT_EQ(StoredPath().find('?'), std::string::npos);
}

}  // namespace
