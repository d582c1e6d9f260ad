// The installer seen from outside: a user works its dialog, the test reads
// the install folder, the registry and the windows it shows.
#include "InstallerDriver.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int kLanguageLabel = 1004;
constexpr int kPathLabel = 1005;
constexpr int kPathEdit = 1001;
constexpr int kProgressBar = 1002;
constexpr int kStartButton = 1003;
constexpr int kBrowseButton = 1007;
constexpr int kProgressLabel = 1006;
constexpr int kFrame = 1008;
constexpr UINT WM_CLOSE_BOARD = WM_USER + 3;

const std::wstring kBoardPath = std::wstring(kInstallDir) + L"MarvonTablora.exe";

std::wstring Installed(const std::wstring& name) { return kInstallDir + name; }
bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::wstring> FilesIn(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

int LanguageOf(const std::wstring& cfg)
{
    return static_cast<int>(::GetPrivateProfileIntW(L"disp_set", L"language", -1, cfg.c_str()));
}

// A text of a shipped language file: what the dialog should show.
std::wstring Shipped(const wchar_t* file, const wchar_t* section, const wchar_t* key)
{
    return ProfileText(ShippedDataPath(file), section, key);
}

bool Contains(const std::vector<std::wstring>& texts, const std::wstring& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// "TlrPath" as the registry API hands it back: bytes and type.
struct RegistryText {
    bool found = false;
    DWORD type = 0;
    std::string bytes;
};

RegistryText ReadTlrPath()
{
    RegistryText value;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\KXM_IOT", 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
    char data[2048] = {};
    DWORD size = sizeof data;
    value.found = ::RegQueryValueExA(key, "TlrPath", nullptr, &value.type, reinterpret_cast<BYTE*>(data), &size) ==
                  ERROR_SUCCESS;
    if (value.found) value.bytes.assign(data, size);
    ::RegCloseKey(key);
    return value;
}

// What `reg query` prints for the value.
std::string RegQueryOutput()
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 1 << 16)) return {};
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION info{};
    std::wstring command = L"reg.exe query HKCU\\Software\\KXM_IOT /v TlrPath";
    std::string output;
    if (::CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                         &info)) {
        ::WaitForSingleObject(info.hProcess, 20000);
        ::CloseHandle(info.hProcess);
        ::CloseHandle(info.hThread);
    }
    ::CloseHandle(writeEnd);
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) output.append(buffer, got);
    ::CloseHandle(readEnd);
    return output;
}

// A control's rectangle in its dialog's client coordinates.
RECT InDialog(const SetupRun& run, int id)
{
    RECT r{};
    ::GetWindowRect(run.Item(id), &r);
    ::MapWindowPoints(nullptr, run.Dialog(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class Installer : public ::testing::Test {
protected:
    void SetUp() override { CleanInstallState(); }
    void TearDown() override { CleanInstallState(); }

    // Clicks start and watches the bar to the final message; answers it.
    std::vector<int> InstallToTheEnd(SetupRun& run, std::wstring* doneText = nullptr)
    {
        run.ClickStart();
        HWND done = nullptr;
        std::vector<int> seen = run.WatchProgressUntilDone(done);
        EXPECT_NE(done, nullptr) << "no final message";
        if (doneText && done) {
            for (const std::wstring& text : ChildTexts(done))
                if (!text.empty() && text != L"OK") *doneText = text;
        }
        EXPECT_TRUE(run.FinishAndWaitExit(done)) << "the installer did not end after its final message";
        return seen;
    }
};

TEST_F(Installer, FirstInstallationWritesEveryFileAndThePathWithTheChosenLanguage)
{
    SetupRun run;
    ASSERT_EQ(LanguageOf(run.SourcePath(L"cfg.ini")), 0) << "the shipped configuration starts in Chinese";
    ASSERT_TRUE(run.Start());
    ASSERT_NE(run.WaitDialog(), nullptr);
    EXPECT_EQ(run.MessageBoxShown(), nullptr) << "all data files are there: no damaged-files message";
    EXPECT_EQ(run.ItemText(kLanguageLabel), Shipped(L"tlrc_lang_ch.ini", L"s2", L"10"));
    EXPECT_EQ(run.ItemText(kStartButton), Shipped(L"tlrc_lang_ch.ini", L"s2", L"13"));
    EXPECT_EQ(WindowTextOf(run.Item(kPathEdit)), kInstallDir);
    EXPECT_EQ(run.SelectedLanguage(), 0);

    // The user switches to English: the texts follow, the entries stay.
    const std::wstring firstEntry = run.LanguageEntry(0);
    run.ChooseLanguage(1);
    EXPECT_EQ(run.ItemText(kPathLabel), Shipped(L"tlrc_lang_en.ini", L"s2", L"11"));
    EXPECT_EQ(run.ItemText(kStartButton), Shipped(L"tlrc_lang_en.ini", L"s2", L"13"));
    EXPECT_EQ(run.LanguageEntry(0), firstEntry);
    EXPECT_EQ(run.LanguageEntry(1), L"English");
    EXPECT_EQ(run.LanguageEntry(2), L"Other");

    std::wstring doneText;
    std::vector<int> seen = InstallToTheEnd(run, &doneText);
    EXPECT_EQ(seen, (std::vector<int>{0, 11, 22, 33, 44, 55, 66, 77, 88, 100}));
    EXPECT_EQ(doneText, Shipped(L"tlrc_lang_en.ini", L"s2", L"16"));

    // The five carried files, byte for byte, and the four data files.
    EXPECT_EQ(FilesIn(kInstallDir).size(), kEmbeddedFiles.size() + kDataFiles.size());
    for (const std::wstring& name : kEmbeddedFiles) {
        std::string expected = ReadBytes(CarriedFilePath(name));
        ASSERT_FALSE(expected.empty()) << Narrow(name);
        EXPECT_TRUE(ReadBytes(Installed(name)) == expected) << Narrow(name) << " differs from what the build made";
    }
    for (std::wstring name : {L"tlrc_lang_ch.ini", L"tlrc_lang_en.ini", L"tlrc_lang_other.ini"})
        EXPECT_TRUE(ReadBytes(Installed(name)) == ReadBytes(ShippedDataPath(name))) << Narrow(name);
    // The configuration carries the chosen language, here and beside the installer.
    EXPECT_EQ(LanguageOf(Installed(L"cfg.ini")), 1);
    EXPECT_EQ(LanguageOf(run.SourcePath(L"cfg.ini")), 1);
    EXPECT_EQ(ProfileText(Installed(L"cfg.ini"), L"disp_set", L"tlr_version"),
              ProfileText(ShippedDataPath(L"cfg.ini"), L"disp_set", L"tlr_version"));

    // The board program's full path in the ANSI code page. The installer
    // gives its length as the byte count; the registry itself counts the
    // terminating zero that follows the text, so readers get it terminated.
    RegistryText path = ReadTlrPath();
    ASSERT_TRUE(path.found);
    EXPECT_EQ(path.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(path.bytes, Narrow(kBoardPath) + '\0');
    std::string listed = RegQueryOutput();
    EXPECT_NE(listed.find("TlrPath"), std::string::npos) << listed;
    EXPECT_NE(listed.find("REG_SZ"), std::string::npos) << listed;
    EXPECT_NE(listed.find(Narrow(kBoardPath)), std::string::npos) << listed;

    // The installed board program starts from its folder on its own and
    // speaks the installed language.
    Process board;
    ASSERT_TRUE(board.Start(kBoardPath, L"", kInstallDir));
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = FindWindowWithProperty(L"CKXM_TabloraDlg")) != nullptr; }, 20000))
        << "the installed board program did not come up (exit code " << board.ExitCode() << ")";
    EXPECT_EQ(WindowTextOf(::GetDlgItem(main, 1000)), Shipped(L"tlrc_lang_en.ini", L"tlrc_lang_txt", L"1000"));
    ::PostMessageW(main, WM_CLOSE_BOARD, 0, 0);
    EXPECT_TRUE(board.WaitExit(10000));
}

TEST_F(Installer, RepeatedInstallationReplacesProgramAndTextsButKeepsLibrariesAndConfiguration)
{
    {
        SetupRun first;
        ASSERT_TRUE(first.Start());
        ASSERT_NE(first.WaitDialog(), nullptr);
        InstallToTheEnd(first);
    }
    ASSERT_TRUE(Exists(kBoardPath));
    // Mark every installed file so that replaced and kept ones tell apart.
    for (const std::wstring& name : kEmbeddedFiles) WriteBytes(Installed(name), "old " + Narrow(name));
    const std::string keptConfig = "[disp_set]\r\nlanguage=0\r\nfont_size=47\r\n";
    WriteBytes(Installed(L"cfg.ini"), keptConfig);
    for (std::wstring name : {L"tlrc_lang_ch.ini", L"tlrc_lang_en.ini", L"tlrc_lang_other.ini"})
        WriteBytes(Installed(name), "old");
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KXM_IOT");

    SetupRun again;
    ASSERT_TRUE(again.Start());
    ASSERT_NE(again.WaitDialog(), nullptr);
    again.ChooseLanguage(2);  // a repeated installation keeps the installed configuration
    InstallToTheEnd(again);

    EXPECT_TRUE(ReadBytes(kBoardPath) == ReadBytes(CarriedFilePath(L"MarvonTablora.exe")));
    for (std::wstring name : {L"libstdc++-6.dll", L"libgcc_s_dw2-1.dll", L"libwinpthread-1.dll", L"KXM_Language.dll"})
        EXPECT_EQ(ReadBytes(Installed(name)), "old " + Narrow(name)) << "an installed library was replaced";
    EXPECT_EQ(ReadBytes(Installed(L"cfg.ini")), keptConfig);
    EXPECT_EQ(LanguageOf(again.SourcePath(L"cfg.ini")), 0) << "the shipped configuration was changed";
    for (std::wstring name : {L"tlrc_lang_ch.ini", L"tlrc_lang_en.ini", L"tlrc_lang_other.ini"})
        EXPECT_TRUE(ReadBytes(Installed(name)) == ReadBytes(ShippedDataPath(name))) << Narrow(name);
    EXPECT_EQ(ReadTlrPath().bytes, Narrow(kBoardPath) + '\0') << "the path is written again";
}

TEST_F(Installer, ShippedLanguageChosenEarlierOpensTheDialogInThatLanguage)
{
    SetupRun run;
    WriteBytes(run.SourcePath(L"cfg.ini"), "[disp_set]\r\nlanguage=1\r\ntlr_version=T\r\n");
    ASSERT_TRUE(run.Start());
    ASSERT_NE(run.WaitDialog(), nullptr);
    EXPECT_EQ(run.SelectedLanguage(), 1);
    EXPECT_EQ(run.ItemText(kLanguageLabel), Shipped(L"tlrc_lang_en.ini", L"s2", L"10"));
    EXPECT_EQ(run.ItemText(kStartButton), Shipped(L"tlrc_lang_en.ini", L"s2", L"13"));
    EXPECT_EQ(run.LanguageEntry(0), Shipped(L"tlrc_lang_en.ini", L"tlrc_lang_txt", L"10017"));
    // Back to Chinese: labels change, the entries keep the texts of the start.
    run.ChooseLanguage(0);
    EXPECT_EQ(run.ItemText(kStartButton), Shipped(L"tlrc_lang_ch.ini", L"s2", L"13"));
    EXPECT_EQ(run.LanguageEntry(0), Shipped(L"tlrc_lang_en.ini", L"tlrc_lang_txt", L"10017"));
}

TEST_F(Installer, RunningBoardProgramIsRefusedAndNothingIsWritten)
{
    BoardInstall board;
    board.WriteConfig({"language=0"});
    ASSERT_TRUE(board.Launch());

    SetupRun run;
    ASSERT_TRUE(run.Start());
    ASSERT_NE(run.WaitDialog(), nullptr);
    run.ClickStart();
    HWND box = run.WaitMessageBox();
    ASSERT_NE(box, nullptr) << "no close-first message";
    EXPECT_TRUE(Contains(ChildTexts(box), Shipped(L"tlrc_lang_ch.ini", L"s2", L"17")));
    SetupRun::PressOk(box);
    ASSERT_TRUE(WaitFor([&] { return run.MessageBoxShown() == nullptr; }, 5000));

    EXPECT_TRUE(::IsWindowVisible(run.Item(kStartButton)) && ::IsWindowEnabled(run.Item(kStartButton)));
    EXPECT_TRUE(::IsWindowVisible(run.Item(kBrowseButton)));
    EXPECT_FALSE(::IsWindowVisible(run.Item(kProgressBar)));
    EXPECT_FALSE(Exists(kInstallDir));
    EXPECT_FALSE(ReadTlrPath().found);

    // With the board program closed, the same click installs.
    ASSERT_TRUE(board.Close());
    std::vector<int> seen = InstallToTheEnd(run);
    EXPECT_EQ(seen.back(), 100);
    EXPECT_TRUE(Exists(kBoardPath));
}

TEST_F(Installer, MissingDataFolderIsReportedAndOnlyTheCarriedFilesAreInstalled)
{
    SetupRun run(false);
    ASSERT_TRUE(run.Start());
    ASSERT_NE(run.WaitDialog(), nullptr);
    HWND box = run.WaitMessageBox();
    ASSERT_NE(box, nullptr) << "no damaged-files message at start";
    EXPECT_TRUE(Contains(ChildTexts(box), L"安装文件损坏!"));
    SetupRun::PressOk(box);
    ASSERT_TRUE(WaitFor([&] { return run.MessageBoxShown() == nullptr; }, 5000));
    EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(run.Dialog()) != FALSE; }, 5000)) << "the dialog carries on";

    std::wstring doneText;
    std::vector<int> seen = InstallToTheEnd(run, &doneText);
    // Only the step positions, in order, up to 100 (every single one is
    // checked by the first installation).
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    for (int position : seen) EXPECT_TRUE((position % 11 == 0 && position <= 88) || position == 100) << position;
    EXPECT_EQ(seen.back(), 100);
    EXPECT_EQ(doneText, L"安装完成!");
    std::vector<std::wstring> expected = kEmbeddedFiles;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FilesIn(kInstallDir), expected);
}

TEST_F(Installer, EscapeEndsTheIdleDialogButNotARunningInstallation)
{
    {
        SetupRun idle;
        ASSERT_TRUE(idle.Start());
        ASSERT_NE(idle.WaitDialog(), nullptr);
        ::PostMessageW(idle.Dialog(), WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_TRUE(idle.Program().WaitExit(10000)) << "Escape did not end the idle installer";
        EXPECT_FALSE(Exists(kInstallDir));
    }

    SetupRun run;
    ASSERT_TRUE(run.Start());
    ASSERT_NE(run.WaitDialog(), nullptr);
    RECT frameBefore = InDialog(run, kFrame);
    RECT edit = InDialog(run, kPathEdit);
    // Escape right behind the click, before the worker can have started.
    run.ClickStart();
    ::PostMessageW(run.Dialog(), WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitFor([&] { return run.ProgressPosition() >= 11; }, 10000));

    // The progress form: buttons gone, progress row shown inside the grown frame.
    EXPECT_FALSE(::IsWindowVisible(run.Item(kStartButton)));
    EXPECT_FALSE(::IsWindowVisible(run.Item(kBrowseButton)));
    EXPECT_TRUE(::IsWindowVisible(run.Item(kProgressBar)) && ::IsWindowVisible(run.Item(kProgressLabel)));
    RECT frame = InDialog(run, kFrame);
    RECT bar = InDialog(run, kProgressBar);
    EXPECT_EQ(frame.bottom - frameBefore.bottom, (edit.bottom - edit.top) * 3 / 2);
    EXPECT_EQ(frame.top, frameBefore.top);
    EXPECT_EQ(frame.right - frame.left, frameBefore.right - frameBefore.left);
    EXPECT_LT(bar.bottom, frame.bottom) << "the frame encloses the progress row";
    // Escape, the close box and the system menu's close, while it runs.
    ::PostMessageW(run.Dialog(), WM_KEYDOWN, VK_ESCAPE, 0);
    ::PostMessageW(run.Dialog(), WM_CLOSE, 0, 0);
    ::PostMessageW(run.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    HWND done = nullptr;
    std::vector<int> seen = run.WatchProgressUntilDone(done);
    EXPECT_NE(done, nullptr) << "the installation did not run to its final message";
    EXPECT_EQ(seen.back(), 100);
    EXPECT_TRUE(Exists(Installed(L"tlrc_lang_other.ini")));
    EXPECT_TRUE(run.FinishAndWaitExit(done));
}

TEST_F(Installer, SystemMenuItemOpensTheAboutBox)
{
    SetupRun run;
    ASSERT_TRUE(run.Start());
    ASSERT_NE(run.WaitDialog(), nullptr);
    ::PostMessageW(run.Dialog(), WM_SYSCOMMAND, 0x0010, 0);
    HWND about = run.WaitMessageBox();
    ASSERT_NE(about, nullptr) << "no About box";
    EXPECT_EQ(WindowTextOf(about), L"关于 Tablora_Setup");
    EXPECT_TRUE(Contains(ChildTexts(about), L"Tablora_Setup，1.0 版"));
    SetupRun::PressOk(about);
    ASSERT_TRUE(WaitFor([&] { return run.MessageBoxShown() == nullptr; }, 5000));
    EXPECT_TRUE(run.Program().IsRunning()) << "closing the About box ended the installer";
}

TEST_F(Installer, SecondStartEndsAtOnceAndLeavesTheFirstDialog)
{
    SetupRun run;
    ASSERT_TRUE(run.Start());
    ASSERT_NE(run.WaitDialog(), nullptr);
    Process second;
    ASSERT_TRUE(second.Start(run.SetupPath(), L"", run.Folder()));
    EXPECT_TRUE(second.WaitExit(10000)) << "the second installer kept running";
    EXPECT_TRUE(TopLevelWindowsOf(second.Id()).empty());
    EXPECT_TRUE(run.Program().IsRunning());
    EXPECT_TRUE(::IsWindowVisible(run.Dialog()));
}

}  // namespace
