#include "InstallerDriver.h"

#include <commctrl.h>

const wchar_t kInstallDir[] = L"C:\\MarvonTablora\\";
const std::vector<std::wstring> kEmbeddedFiles = {L"libstdc++-6.dll", L"libgcc_s_dw2-1.dll", L"libwinpthread-1.dll",
                                                  L"KXM_Language.dll", L"MarvonTablora.exe"};
const std::vector<std::wstring> kDataFiles = {L"cfg.ini", L"tlrc_lang_ch.ini", L"tlrc_lang_en.ini",
                                              L"tlrc_lang_other.ini"};

namespace {

constexpr int kStartButton = 1003;
constexpr int kLanguageBox = 1000;
constexpr int kProgressBar = 1002;

bool IsDialogClass(HWND window)
{
    wchar_t name[16] = {};
    return ::GetClassNameW(window, name, 16) && std::wstring(name) == L"#32770";
}

LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 5000, &result);
    return static_cast<LRESULT>(result);
}

BOOL CALLBACK CollectText(HWND child, LPARAM list)
{
    reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(WindowTextOf(child));
    return TRUE;
}

}  // namespace

std::wstring CarriedFilePath(const std::wstring& name)
{
    // The runtime libraries are carried as the build strips them; the board
    // program and the library as they are built.
    if (name == L"MarvonTablora.exe" || name == L"KXM_Language.dll") return ExeFolder() + name;
    return ExeFolder() + L"..\\installer\\payload\\" + name;
}

std::wstring ShippedDataPath(const std::wstring& name) { return ExeFolder() + L"..\\installer\\tablora_file\\" + name; }

void CleanInstallState()
{
    RemoveTree(kInstallDir);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KXM_IOT");
}

std::wstring ProfileText(const std::wstring& path, const wchar_t* section, const wchar_t* key)
{
    wchar_t text[1024] = {};
    ::GetPrivateProfileStringW(section, key, L"", text, 1024, path.c_str());
    return text;
}

std::vector<std::wstring> ChildTexts(HWND window)
{
    std::vector<std::wstring> texts;
    ::EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

SetupRun::SetupRun(bool withDataFiles)
{
    CopyInto(ExeFolder(), Folder(), L"MarvonTablora_Setup.exe");
    if (!withDataFiles) return;
    ::CreateDirectoryW((Folder() + L"tablora_file").c_str(), nullptr);
    for (const std::wstring& name : kDataFiles) ::CopyFileW(ShippedDataPath(name).c_str(), SourcePath(name).c_str(), FALSE);
}

SetupRun::~SetupRun()
{
    m_process.Terminate();
}

bool SetupRun::Start() { return m_process.Start(SetupPath(), L"", Folder()); }

HWND SetupRun::WaitDialog(DWORD timeoutMs)
{
    WaitFor([&] {
        for (HWND w : TopLevelWindowsOf(m_process.Id())) {
            if (IsDialogClass(w) && ::GetDlgItem(w, kStartButton)) {
                m_dialog = w;
                return true;
            }
        }
        return false;
    }, timeoutMs);
    return m_dialog;
}

HWND SetupRun::MessageBoxShown() const
{
    for (HWND w : TopLevelWindowsOf(m_process.Id()))
        if (w != m_dialog && IsDialogClass(w) && ::GetWindow(w, GW_OWNER) == m_dialog && ::IsWindowVisible(w)) return w;
    return nullptr;
}

HWND SetupRun::WaitMessageBox(DWORD timeoutMs) const
{
    HWND box = nullptr;
    WaitFor([&] { return (box = MessageBoxShown()) != nullptr; }, timeoutMs);
    return box;
}

void SetupRun::PressOk(HWND box)
{
    HWND ok = ::GetDlgItem(box, IDOK);
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
}

void SetupRun::ChooseLanguage(int index) const
{
    HWND box = Item(kLanguageBox);
    SendBounded(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendBounded(m_dialog, WM_COMMAND, MAKEWPARAM(kLanguageBox, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
}

int SetupRun::SelectedLanguage() const { return static_cast<int>(SendBounded(Item(kLanguageBox), CB_GETCURSEL, 0, 0)); }

std::wstring SetupRun::LanguageEntry(int index) const
{
    HWND box = Item(kLanguageBox);
    LRESULT length = SendBounded(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0 || length > 1000) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendBounded(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

void SetupRun::ClickStart() const { ::PostMessageW(Item(kStartButton), BM_CLICK, 0, 0); }

int SetupRun::ProgressPosition() const { return static_cast<int>(SendBounded(Item(kProgressBar), PBM_GETPOS, 0, 0)); }

std::vector<int> SetupRun::WatchProgressUntilDone(HWND& doneBox, DWORD timeoutMs) const
{
    std::vector<int> seen;
    doneBox = nullptr;
    const DWORD start = ::GetTickCount();
    // Each position stands for 100 ms, so reading every few milliseconds
    // sees every one of them.
    while (::GetTickCount() - start < timeoutMs) {
        int position = ProgressPosition();
        if (seen.empty() || seen.back() != position) seen.push_back(position);
        if ((doneBox = MessageBoxShown()) != nullptr) break;
        ::Sleep(5);
    }
    int position = ProgressPosition();
    if (seen.empty() || seen.back() != position) seen.push_back(position);
    return seen;
}

bool SetupRun::FinishAndWaitExit(HWND doneBox, DWORD timeoutMs)
{
    if (doneBox) PressOk(doneBox);
    return m_process.WaitExit(timeoutMs);
}
