// Drives the installer as a user would: a copy of MarvonTablora_Setup.exe in a
// scratch folder (with or without tablora_file\ beside it), its dialog found
// among the process's windows, buttons clicked, the language box changed,
// message boxes answered, the progress bar read. Shared by the installer's
// end-to-end tests and its timing benchmark.
#pragma once

#include "Harness.h"

#include <string>
#include <vector>

// The installer's default install folder.
extern const wchar_t kInstallDir[];
// The files the installer carries (the runtime libraries under their own names).
extern const std::vector<std::wstring> kEmbeddedFiles;
extern const std::vector<std::wstring> kDataFiles;

// Where the build keeps what the installer carries and ships: the built board
// program and library (beside this driver), the runtime libraries as carried,
// and the data files that ship in tablora_file\.
std::wstring CarriedFilePath(const std::wstring& name);
std::wstring ShippedDataPath(const std::wstring& name);

// Removes the install folder and the registry key the installer writes.
void CleanInstallState();

// A value of a profile file (UTF-16LE files read as such), empty when missing.
std::wstring ProfileText(const std::wstring& path, const wchar_t* section, const wchar_t* key);

// The children's texts of a window (the texts a message box shows).
std::vector<std::wstring> ChildTexts(HWND window);

class SetupRun {
public:
    // A scratch folder with the installer and, when `withDataFiles`, a
    // tablora_file\ folder holding copies of the shipped data files.
    explicit SetupRun(bool withDataFiles = true);
    ~SetupRun();

    const std::wstring& Folder() const { return m_folder.Path(); }
    std::wstring SetupPath() const { return m_folder / L"MarvonTablora_Setup.exe"; }
    std::wstring SourcePath(const std::wstring& name) const { return m_folder / (L"tablora_file\\" + name); }

    bool Start();
    Process& Program() { return m_process; }

    // The setup dialog (the process's dialog with the start button), once it
    // exists; null after the deadline.
    HWND WaitDialog(DWORD timeoutMs = 20000);
    HWND Dialog() const { return m_dialog; }
    HWND Item(int id) const { return ::GetDlgItem(m_dialog, id); }
    std::wstring ItemText(int id) const { return WindowTextOf(Item(id)); }

    // A visible box owned by the dialog (a message box, or the About box);
    // null after the deadline.
    HWND WaitMessageBox(DWORD timeoutMs = 10000) const;
    HWND MessageBoxShown() const;
    // Presses a message box's OK button.
    static void PressOk(HWND box);

    // Picks an entry of the language box as the user does.
    void ChooseLanguage(int index) const;
    int SelectedLanguage() const;
    std::wstring LanguageEntry(int index) const;
    // Clicks the start button.
    void ClickStart() const;
    int ProgressPosition() const;

    // Reads the progress bar until the final message box shows; returns every
    // position seen, in order and without repeats, and the box in `doneBox`.
    std::vector<int> WatchProgressUntilDone(HWND& doneBox, DWORD timeoutMs = 30000) const;

    // Answers the final message box and waits for the installer to end.
    bool FinishAndWaitExit(HWND doneBox, DWORD timeoutMs = 10000);

private:
    TempFolder m_folder;
    Process m_process;
    HWND m_dialog = nullptr;
};
