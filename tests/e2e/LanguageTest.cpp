// The board program's captions and exit question in each shipped language,
// the decimal identifiers without a language file, and the loader's refusal
// without the language library.
#include "Harness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr UINT WM_CLOSE_BOARD = WM_USER + 3;
constexpr int IDC_BOARD_SETTINGS = 1000;

// The message box that the program shows, owned by its main dialog.
HWND MessageBoxOf(BoardInstall& board)
{
    for (HWND w : TopLevelWindowsOf(board.Program().Id()))
        if (::GetWindow(w, GW_OWNER) == board.MainDialog() && ::IsWindowVisible(w)) return w;
    return nullptr;
}

// Texts of the static controls of a dialog: a message box shows its message in one.
std::wstring StaticTexts(HWND dialog)
{
    std::wstring texts;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        ::GetClassNameW(child, className, 16);
        if (_wcsicmp(className, L"Static") == 0) texts += L"[" + WindowTextOf(child) + L"]";
    }
    return texts;
}

struct Expected {
    const char* language;
    const wchar_t* button;    // text 1000
    const wchar_t* question;  // text 10020
    const wchar_t* caption;   // text 10021
};

// Starts the board with `language`, checks the button caption and the exit
// question, answers No, and ends the board.
void CheckTexts(BoardInstall& board, const Expected& e)
{
    board.WriteConfig({std::string("language=") + e.language, "disp_width=320", "disp_height=240"});
    ASSERT_TRUE(board.Launch());
    HWND main = board.MainDialog();
    EXPECT_EQ(WindowTextOf(::GetDlgItem(main, IDC_BOARD_SETTINGS)), e.button);

    ::PostMessageW(main, WM_COMMAND, IDCANCEL, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = MessageBoxOf(board)) != nullptr; }, 5000));
    EXPECT_EQ(WindowTextOf(box), e.caption);
    EXPECT_NE(StaticTexts(box).find(std::wstring(L"[") + e.question + L"]"), std::wstring::npos) << StaticTexts(box);
    ::PostMessageW(::GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return MessageBoxOf(board) == nullptr; }, 5000));
    EXPECT_TRUE(board.Close());
}

TEST(LanguageE2E, ButtonAndExitQuestionComeFromTheLanguageFile)
{
    const Expected cases[] = {
        {"0", L"看板设置", L"确定要退出看板程序吗？", L"退出"},
        {"1", L"Board settings", L"Close the board program?", L"Exit"},
        {"2", L"Tafel-Einstellungen", L"Tafel-Programm beenden?", L"Beenden"},
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE(e.language);
        BoardInstall board;
        CheckTexts(board, e);
    }
}

TEST(LanguageE2E, MissingLanguageFileShowsIdentifiers)
{
    BoardInstall board;
    board.RemoveFile(L"tlrc_lang_en.ini");
    CheckTexts(board, {"1", L"1000", L"10020", L"10021"});
}

TEST(LanguageE2E, ProgramDoesNotStartWithoutTheLanguageLibrary)
{
    BoardInstall board;
    board.RemoveFile(L"KXM_Language.dll");
    board.WriteConfig({"language=1"});
    ASSERT_TRUE(board.Start());
    ASSERT_TRUE(board.Program().WaitExit(20000));
    EXPECT_EQ(board.Program().ExitCode(), 0xC0000135u);  // the loader: a needed library was not found
    EXPECT_EQ(board.MainDialog(), nullptr);
}

}  // namespace
