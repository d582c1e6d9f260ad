// The board settings and display settings dialogs, worked through their
// controls as a user works them: the main dialog's button, clicks on buttons,
// choices in the lists, typing in the fields, Enter and Escape. What counts is
// what a user sees and keeps: the dialogs' texts, cfg.ini's bytes and the
// board window's place and pixels.
//
// Buttons that open a dialog are clicked with a posted BM_CLICK (a sent one
// would wait for the dialog to close); OK and Cancel with a sent BM_CLICK, so
// the click has been handled when the call returns. Enter and Escape are
// posted WM_KEYDOWN messages to the focused control, which the program's own
// message loop hands to the dialog as it does with keys a user presses.
#include "BoardGeometry.h"
#include "Harness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

constexpr UINT WM_TRAY_NOTIFY = WM_USER + 1;
constexpr int IDC_BOARD_SETTINGS = 1000, IDC_FONT_SIZE_LIST = 1001, IDC_DISPLAY_SETTINGS = 1005,
              IDC_VERSION_LIST = 1006, IDC_LANGUAGE_LIST = 1007;
constexpr int IDC_DISP_X = 1002, IDC_DISP_WIDTH = 1003, IDC_DISP_HEIGHT = 1004, IDC_DISP_Y = 1015;
constexpr uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF, kValueBlue = 0x6CA6CD, kRed = 0xFF0000, kBlue = 0x0000FF;

// ------------------------------------------------------------ the program's windows

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 5000, &result);
    return static_cast<LRESULT>(result);
}

// The visible dialog that `owner` has opened.
HWND DialogOwnedBy(BoardInstall& board, HWND owner)
{
    for (HWND w : TopLevelWindowsOf(board.Program().Id())) {
        wchar_t className[16] = {};
        ::GetClassNameW(w, className, 16);
        if (::GetWindow(w, GW_OWNER) == owner && ::IsWindowVisible(w) && std::wcscmp(className, L"#32770") == 0)
            return w;
    }
    return nullptr;
}

bool Closed(HWND dialog) { return !::IsWindow(dialog) || !::IsWindowVisible(dialog); }

std::wstring TextOf(HWND dialog, int id) { return WindowTextOf(::GetDlgItem(dialog, id)); }

std::vector<std::wstring> ListEntries(HWND list)
{
    std::vector<std::wstring> entries;
    const LRESULT count = Send(list, CB_GETCOUNT);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        if (Send(list, CB_GETLBTEXTLEN, i) < 256) Send(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

int Selection(HWND dialog, int id) { return static_cast<int>(Send(::GetDlgItem(dialog, id), CB_GETCURSEL)); }

// Picks an entry of a list as a user does: the selection changes and the
// dialog is told so.
void Choose(HWND dialog, int id, int position)
{
    HWND list = ::GetDlgItem(dialog, id);
    Send(list, CB_SETCURSEL, position);
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

// A key pressed while `dialog` has the keyboard: to its focused control, or
// to the dialog itself when the focus is not known.
void PressKey(HWND dialog, WPARAM key)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND target = dialog;
    if (::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info) && info.hwndFocus &&
        ::GetAncestor(info.hwndFocus, GA_ROOT) == dialog)
        target = info.hwndFocus;
    ::PostMessageW(target, WM_KEYDOWN, key, 1);
    ::PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

// Replaces the field's text by typing `keys` over its whole selection.
void Type(HWND dialog, int id, const std::wstring& keys)
{
    HWND field = ::GetDlgItem(dialog, id);
    Send(field, EM_SETSEL, 0, -1);
    for (wchar_t c : keys) ::PostMessageW(field, WM_CHAR, c, 1);
}

// Clicks a button that closes its dialog; true once the dialog is gone.
bool ClickToClose(HWND dialog, int id)
{
    Send(::GetDlgItem(dialog, id), BM_CLICK);
    return WaitFor([&] { return Closed(dialog); }, 5000);
}

// ------------------------------------------------------------ cfg.ini

std::map<std::string, std::string> KeysOf(const std::string& bytes)
{
    std::map<std::string, std::string> keys;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t equals = line.find('=');
        if (equals != std::string::npos) keys[line.substr(0, equals)] = line.substr(equals + 1);
        start = end + 1;
    }
    return keys;
}

// ------------------------------------------------------------ the board's cells

constexpr int kStateRow = 5, kPercentRow = 9;

bool EdgesAre(const Capture& c, const RECT& r, uint32_t rgb)
{
    const RECT edges[] = {{r.left, r.top, r.right, r.top + 1}, {r.left, r.bottom - 1, r.right, r.bottom},
                          {r.left, r.top, r.left + 1, r.bottom}, {r.right - 1, r.top, r.right, r.bottom}};
    for (const RECT& e : edges)
        if (!c.All(e, rgb)) return false;
    return true;
}

// Whether the board shows every cell where the layout for `g` puts it, with
// the state cell in `stateColour`.
bool LaidOutAs(const Capture& c, const Geometry& g, uint32_t stateColour)
{
    if (c.width != g.width || c.height != g.height) return false;
    for (int row = 0; row < 10; ++row) {
        const uint32_t value = row == kStateRow ? stateColour : row == kPercentRow ? kRed : kValueBlue;
        if (!EdgesAre(c, g.Cell(row, false), kBlack) || !EdgesAre(c, g.Cell(row, true), value)) return false;
    }
    return true;
}

// ------------------------------------------------------------ screenshots

// With TABLORA_SCREENSHOTS set to a folder, the dialogs are saved there as
// bitmaps, frame and caption included, for the documentation. Wine draws the
// frame itself on a virtual desktop, so the pictures in docs/ were made with
//   TABLORA_SCREENSHOTS='Z:\tmp\shots' scripts/with-display.sh wine explorer
//     /desktop=shots,1400x1000 e2e_settings.exe --gtest_filter='Languages*'
// (in the build's bin folder, after `source scripts/wine-env.sh`) and
// converted to PNG with ImageMagick.
void SaveScreenshot(HWND window, const std::wstring& name)
{
    const wchar_t* folder = _wgetenv(L"TABLORA_SCREENSHOTS");
    if (!folder || !*folder) return;
    // Paint it all now, frame and controls, before reading the screen.
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Answers(window, 5000);
    const Capture shot = CaptureWindow(window, true);
    shot.SaveBmp(std::wstring(folder) + L"\\" + name + L".bmp");
}

// ------------------------------------------------------------ fixture

class SettingsDialogs : public ::testing::Test {
protected:
    // Starts the board with `lines` as cfg.ini and waits until its main
    // dialog has gone into the notification area.
    bool Launch(const std::vector<std::string>& lines)
    {
        m_board.WriteConfig(lines);
        if (!m_board.Launch()) return false;
        return WaitUntilInTray();
    }
    // Once start-up is over, the hide that the main dialog posted itself
    // cannot overtake what the test posts.
    bool WaitUntilInTray()
    {
        if (!m_board.Settle()) return false;
        m_main = m_board.MainDialog();
        return true;
    }

    // The tray icon shows the main dialog; its button opens the board settings.
    HWND OpenBoardSettings()
    {
        ::PostMessageW(m_main, WM_TRAY_NOTIFY, 1, WM_LBUTTONDOWN);
        if (!WaitFor([&] { return ::IsWindowVisible(m_main) != FALSE; }, 5000)) return nullptr;
        ::PostMessageW(::GetDlgItem(m_main, IDC_BOARD_SETTINGS), BM_CLICK, 0, 0);
        HWND settings = nullptr;
        WaitFor([&] { return (settings = DialogOwnedBy(m_board, m_main)) != nullptr; }, 10000);
        return settings;
    }

    HWND OpenDisplaySettings(HWND settings)
    {
        ::PostMessageW(::GetDlgItem(settings, IDC_DISPLAY_SETTINGS), BM_CLICK, 0, 0);
        HWND display = nullptr;
        WaitFor([&] { return (display = DialogOwnedBy(m_board, settings)) != nullptr; }, 10000);
        return display;
    }

    std::string Config() { return ReadBytes(m_board.PathOf(L"cfg.ini")); }
    RECT BoardRect()
    {
        RECT r{};
        ::GetWindowRect(m_board.BoardWindow(), &r);
        return r;
    }
    int WhitePixels(const RECT& cell) { return CaptureWindow(m_board.BoardWindow()).Count(cell, kWhite); }
    // The board has painted once every label cell stands where it belongs.
    bool BoardShows(const Geometry& g, uint32_t stateColour = kRed)
    {
        return WaitFor([&] { return LaidOutAs(CaptureWindow(m_board.BoardWindow()), g, stateColour); }, 10000);
    }

    BoardInstall m_board;
    HWND m_main = nullptr;
};

// Clear of the top-left corner, where a tray window may sit.
const std::vector<std::string> kBoardAt200x60 = {"font_size=32", "disp_startx=200", "disp_starty=60",
                                                 "disp_width=800", "disp_height=600", "version=1", "language=0"};

// ------------------------------------------------------------ texts

struct DialogTexts {
    const char* name;
    const char* language;
    bool withFile;
    std::vector<std::wstring> settings;  // title, 1008, 1009, 1010, 1005, OK, Cancel
    std::vector<std::wstring> languages;
    std::vector<std::wstring> display;   // title, 1011, 1014, 1012, 1013, OK, Cancel
};

class DialogTextsTest : public SettingsDialogs, public ::testing::WithParamInterface<DialogTexts> {};

TEST_P(DialogTextsTest, BothDialogsShowTheTextsOfTheLanguageFileOrTheirIdentifiers)
{
    const DialogTexts& e = GetParam();
    if (!e.withFile) m_board.RemoveFile(L"tlrc_lang_en.ini");
    ASSERT_TRUE(Launch({"language=" + std::string(e.language), "disp_startx=200", "disp_starty=60",
                        "disp_width=640", "disp_height=480"}));

    HWND settings = OpenBoardSettings();
    ASSERT_NE(settings, nullptr);
    const std::vector<std::wstring> settingsTexts = {WindowTextOf(settings),   TextOf(settings, 1008),
                                                     TextOf(settings, 1009),   TextOf(settings, 1010),
                                                     TextOf(settings, 1005),   TextOf(settings, IDOK),
                                                     TextOf(settings, IDCANCEL)};
    EXPECT_EQ(settingsTexts, e.settings);
    EXPECT_EQ(ListEntries(::GetDlgItem(settings, IDC_LANGUAGE_LIST)), e.languages);
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(settings, IDC_VERSION_LIST))) << "the version list is hidden";
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(settings, 1008)));
    const std::wstring suffix(e.name, e.name + std::strlen(e.name));
    SaveScreenshot(settings, L"settings_" + suffix);

    HWND display = OpenDisplaySettings(settings);
    ASSERT_NE(display, nullptr);
    const std::vector<std::wstring> displayTexts = {WindowTextOf(display),   TextOf(display, 1011),
                                                    TextOf(display, 1014),   TextOf(display, 1012),
                                                    TextOf(display, 1013),   TextOf(display, IDOK),
                                                    TextOf(display, IDCANCEL)};
    EXPECT_EQ(displayTexts, e.display);
    SaveScreenshot(display, L"display_" + suffix);

    PressKey(display, VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return Closed(display); }, 5000));
    EXPECT_FALSE(Closed(settings)) << "Escape ends only the display settings";
    PressKey(settings, VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return Closed(settings); }, 5000));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, DialogTextsTest,
    ::testing::Values(
        DialogTexts{"zh", "0", true,
                    {L"看板设置", L"看板版本:", L"语言:", L"字体大小:", L"显示器设置", L"确定", L"取消"},
                    {L"中文", L"English", L"Deutsch"},
                    {L"扩展显示器设置", L"扩展显示器-X：", L"扩展显示器-Y：", L"宽:", L"高:", L"确定", L"取消"}},
        DialogTexts{"en", "1", true,
                    {L"Board settings", L"Board version:", L"Language:", L"Font size:", L"Display settings", L"OK",
                     L"Cancel"},
                    {L"中文", L"English", L"Deutsch"},
                    {L"Display settings", L"Display X:", L"Display Y:", L"Width:", L"Height:", L"OK", L"Cancel"}},
        // Language 1 without its file: every text is its identifier.
        DialogTexts{"identifiers", "1", false,
                    {L"130", L"1008", L"1009", L"1010", L"1005", L"1", L"2"},
                    {L"10017", L"10018", L"10019"},
                    {L"131", L"1011", L"1014", L"1012", L"1013", L"1", L"2"}}),
    [](const ::testing::TestParamInfo<DialogTexts>& info) { return std::string(info.param.name); });

// ------------------------------------------------------------ font size and language

TEST_F(SettingsDialogs, FontSizeListShowsTheSizeAndOkHandsBackTheChoice)
{
    ASSERT_TRUE(Launch(kBoardAt200x60));
    ASSERT_TRUE(BoardShows(kDefaultBoard));
    const RECT caption = kDefaultBoard.Cell(0, false);
    const int textAt32 = WhitePixels(caption);
    ASSERT_GT(textAt32, 50);

    HWND settings = OpenBoardSettings();
    ASSERT_NE(settings, nullptr);
    std::vector<std::wstring> sizes;
    for (int s = 16; s <= 96; s += 4) sizes.push_back(std::to_wstring(s));
    EXPECT_EQ(ListEntries(::GetDlgItem(settings, IDC_FONT_SIZE_LIST)), sizes);
    EXPECT_EQ(Selection(settings, IDC_FONT_SIZE_LIST), 4) << "32";
    EXPECT_EQ(Selection(settings, IDC_LANGUAGE_LIST), 0);

    Choose(settings, IDC_FONT_SIZE_LIST, 20);  // 96
    PressKey(settings, VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return Closed(settings); }, 5000));
    ASSERT_TRUE(Answers(m_main, 5000));
    EXPECT_EQ(KeysOf(Config())["font_size"], "96");
    int textAt96 = 0;
    EXPECT_TRUE(WaitFor([&] { return (textAt96 = WhitePixels(caption)) > 2 * textAt32; }, 5000))
        << "caption pixels at 32: " << textAt32 << ", at 96: " << textAt96;

    settings = OpenBoardSettings();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(Selection(settings, IDC_FONT_SIZE_LIST), 20) << "96";
    Choose(settings, IDC_FONT_SIZE_LIST, 0);  // 16
    ASSERT_TRUE(ClickToClose(settings, IDOK));
    ASSERT_TRUE(Answers(m_main, 5000));
    EXPECT_EQ(KeysOf(Config())["font_size"], "16");
    int textAt16 = 0;
    EXPECT_TRUE(WaitFor([&] { return (textAt16 = WhitePixels(caption)) < textAt32; }, 5000))
        << "caption pixels at 32: " << textAt32 << ", at 16: " << textAt16;
}

TEST_F(SettingsDialogs, SizeOutsideTheListShowsSixteenAndOkHandsBackSixteen)
{
    std::vector<std::string> lines = kBoardAt200x60;
    lines[0] = "font_size=42";
    ASSERT_TRUE(Launch(lines));
    HWND settings = OpenBoardSettings();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(Selection(settings, IDC_FONT_SIZE_LIST), 0);
    ASSERT_TRUE(ClickToClose(settings, IDOK));
    ASSERT_TRUE(Answers(m_main, 5000));
    EXPECT_EQ(KeysOf(Config())["font_size"], "16");
}

TEST_F(SettingsDialogs, LanguageChosenIsSavedAndShowsFromTheNextStart)
{
    ASSERT_TRUE(Launch(kBoardAt200x60));
    HWND settings = OpenBoardSettings();
    ASSERT_NE(settings, nullptr);
    Choose(settings, IDC_LANGUAGE_LIST, 1);
    ASSERT_TRUE(ClickToClose(settings, IDOK));
    ASSERT_TRUE(Answers(m_main, 5000));
    EXPECT_EQ(KeysOf(Config())["language"], "1");
    EXPECT_EQ(TextOf(m_main, IDC_BOARD_SETTINGS), L"看板设置") << "texts stay as loaded";

    settings = OpenBoardSettings();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(WindowTextOf(settings), L"看板设置");
    EXPECT_EQ(Selection(settings, IDC_LANGUAGE_LIST), 1);
    ASSERT_TRUE(ClickToClose(settings, IDCANCEL));

    ASSERT_TRUE(m_board.Close());
    ASSERT_TRUE(m_board.Launch());
    ASSERT_TRUE(WaitUntilInTray());
    EXPECT_EQ(TextOf(m_main, IDC_BOARD_SETTINGS), L"Board settings");
}

TEST_F(SettingsDialogs, CancelAfterChangesLeavesTheFileByteForByteAndTheBoardAsItWas)
{
    // A hand-written file: its spacing, order, comment and extra key must survive.
    const std::string file = "; board of line 3\r\n[disp_set]\r\nlanguage=0\r\nfont_size = 32\r\n"
                             "disp_startx=200\r\ndisp_starty=60\r\ndisp_width=800\r\ndisp_height=600\r\n"
                             "tlr_version=TLR-3\r\n";
    m_board.WriteConfigBytes(file);
    ASSERT_TRUE(m_board.Launch());
    ASSERT_TRUE(WaitUntilInTray());
    ASSERT_TRUE(BoardShows(kDefaultBoard));
    const Capture before = CaptureSettled(m_board.BoardWindow());

    // Escape and the Cancel button both end it without a trace.
    for (bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Escape" : "Cancel button");
        HWND settings = OpenBoardSettings();
        ASSERT_NE(settings, nullptr);
        Choose(settings, IDC_LANGUAGE_LIST, 1);
        Choose(settings, IDC_FONT_SIZE_LIST, 20);
        ASSERT_TRUE(WaitFor([&] { return Selection(settings, IDC_FONT_SIZE_LIST) == 20; }, 5000));
        if (escape) {
            PressKey(settings, VK_ESCAPE);
            ASSERT_TRUE(WaitFor([&] { return Closed(settings); }, 5000));
        } else {
            ASSERT_TRUE(ClickToClose(settings, IDCANCEL));
        }
        ASSERT_TRUE(Answers(m_main, 5000));
        EXPECT_EQ(Config(), file);
        EXPECT_TRUE(WaitFor([&] { return CaptureWindow(m_board.BoardWindow()).pixels == before.pixels; }, 5000))
            << "the board looks as it did";
    }
}

TEST_F(SettingsDialogs, OkWithoutChangesSavesAllSevenKeysAndShowsAHiddenBoard)
{
    ASSERT_TRUE(Launch({"disp_startx=200", "disp_starty=60", "tlr_version=TLR-9"}));
    HWND boardWindow = m_board.BoardWindow();
    ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(boardWindow) != FALSE; }, 5000));
    PressKey(boardWindow, VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindowVisible(boardWindow); }, 5000)) << "Escape hides the board";

    HWND settings = OpenBoardSettings();
    ASSERT_NE(settings, nullptr);
    ASSERT_TRUE(ClickToClose(settings, IDOK));
    ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(boardWindow) != FALSE; }, 5000));
    EXPECT_TRUE(BoardShows(kDefaultBoard)) << "shown again where it was, and painted";
    const std::map<std::string, std::string> expected = {
        {"font_size", "32"},    {"disp_startx", "200"}, {"disp_starty", "60"}, {"disp_width", "800"},
        {"disp_height", "600"}, {"version", "1"},       {"language", "0"},     {"tlr_version", "TLR-9"}};
    EXPECT_EQ(KeysOf(Config()), expected);
}

TEST_F(SettingsDialogs, VersionOtherThanOneLeavesOkDoingNothing)
{
    std::vector<std::string> lines = kBoardAt200x60;
    lines[5] = "version=2";
    ASSERT_TRUE(Launch(lines));
    const std::string file = Config();
    HWND settings = OpenBoardSettings();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(Selection(settings, IDC_VERSION_LIST), -1);
    Choose(settings, IDC_FONT_SIZE_LIST, 20);
    Send(::GetDlgItem(settings, IDOK), BM_CLICK);
    PressKey(settings, VK_RETURN);
    // A selection posted after the key shows once the key has been handled.
    ::PostMessageW(::GetDlgItem(settings, IDC_FONT_SIZE_LIST), CB_SETCURSEL, 3, 0);
    ASSERT_TRUE(WaitFor([&] { return Selection(settings, IDC_FONT_SIZE_LIST) == 3; }, 5000));
    EXPECT_FALSE(Closed(settings)) << "OK leaves the dialog open";
    EXPECT_EQ(Config(), file);
    ASSERT_TRUE(ClickToClose(settings, IDCANCEL));
    EXPECT_EQ(Config(), file);
}

TEST_F(SettingsDialogs, LanguageOutsideTheListShowsNoSelectionAndOkStoresMinusOne)
{
    std::vector<std::string> lines = kBoardAt200x60;
    lines[6] = "language=5";
    ASSERT_TRUE(Launch(lines));
    HWND settings = OpenBoardSettings();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(Selection(settings, IDC_LANGUAGE_LIST), -1);
    EXPECT_EQ(ListEntries(::GetDlgItem(settings, IDC_LANGUAGE_LIST)).size(), 3u);
    ASSERT_TRUE(ClickToClose(settings, IDOK));
    ASSERT_TRUE(Answers(m_main, 5000));
    EXPECT_EQ(KeysOf(Config())["language"], "-1");
}

// ------------------------------------------------------------ display settings

TEST_F(SettingsDialogs, DisplaySettingsMoveTheBoardAtOnceAndSurviveACancelOfTheBoardSettings)
{
    ASSERT_TRUE(Launch(kBoardAt200x60));
    ASSERT_TRUE(BoardShows(kDefaultBoard));
    HWND settings = OpenBoardSettings();
    ASSERT_NE(settings, nullptr);
    HWND display = OpenDisplaySettings(settings);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(TextOf(display, IDC_DISP_X), L"200");
    EXPECT_EQ(TextOf(display, IDC_DISP_Y), L"60");
    EXPECT_EQ(TextOf(display, IDC_DISP_WIDTH), L"800");
    EXPECT_EQ(TextOf(display, IDC_DISP_HEIGHT), L"600");

    Type(display, IDC_DISP_X, L"0");
    Type(display, IDC_DISP_Y, L"0");
    Type(display, IDC_DISP_WIDTH, L"1024");
    Type(display, IDC_DISP_HEIGHT, L"768");
    ASSERT_TRUE(WaitFor([&] { return TextOf(display, IDC_DISP_HEIGHT) == L"768"; }, 5000));
    PressKey(display, VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return Closed(display); }, 5000));

    // At once: the board settings are still open.
    ASSERT_TRUE(Answers(settings, 5000));
    EXPECT_FALSE(Closed(settings));
    const RECT r = BoardRect();
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    RECT client{};
    ::GetClientRect(m_board.BoardWindow(), &client);
    EXPECT_EQ(client.right, 1024);
    EXPECT_EQ(client.bottom, 768);
    EXPECT_TRUE(BoardShows(kBoard1024));
    const std::string saved = Config();
    const std::map<std::string, std::string> expected = {
        {"font_size", "32"},    {"disp_startx", "0"}, {"disp_starty", "0"}, {"disp_width", "1024"},
        {"disp_height", "768"}, {"version", "1"},     {"language", "0"}};
    EXPECT_EQ(KeysOf(saved), expected);

    Choose(settings, IDC_FONT_SIZE_LIST, 20);
    ASSERT_TRUE(ClickToClose(settings, IDCANCEL));
    ASSERT_TRUE(Answers(m_main, 5000));
    EXPECT_EQ(Config(), saved) << "the new rectangle stays";
    EXPECT_TRUE(BoardShows(kBoard1024));
}

TEST_F(SettingsDialogs, NegativeXIsShownWithItsSignAndKeptThroughOk)
{
    std::vector<std::string> lines = kBoardAt200x60;
    lines[1] = "disp_startx=-1920";
    ASSERT_TRUE(Launch(lines));
    HWND settings = OpenBoardSettings();
    ASSERT_NE(settings, nullptr);
    HWND display = OpenDisplaySettings(settings);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(TextOf(display, IDC_DISP_X), L"-1920");

    // Only digits can be typed: a minus sign or a letter is refused.
    Type(display, IDC_DISP_WIDTH, L"-x640");
    ASSERT_TRUE(WaitFor([&] { return TextOf(display, IDC_DISP_WIDTH) == L"640"; }, 5000))
        << WindowTextOf(::GetDlgItem(display, IDC_DISP_WIDTH)).c_str();
    ASSERT_TRUE(ClickToClose(display, IDOK));
    ASSERT_TRUE(Answers(settings, 5000));
    EXPECT_EQ(BoardRect().left, -1920);
    EXPECT_EQ(BoardRect().right, -1920 + 640);
    const std::map<std::string, std::string> keys = KeysOf(Config());
    EXPECT_EQ(keys.at("disp_startx"), "-1920");
    EXPECT_EQ(keys.at("disp_width"), "640");
    ASSERT_TRUE(ClickToClose(settings, IDCANCEL));
}

TEST_F(SettingsDialogs, EmptyFieldStoresZero)
{
    ASSERT_TRUE(Launch(kBoardAt200x60));
    HWND settings = OpenBoardSettings();
    ASSERT_NE(settings, nullptr);
    HWND display = OpenDisplaySettings(settings);
    ASSERT_NE(display, nullptr);
    Send(::GetDlgItem(display, IDC_DISP_Y), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    ASSERT_TRUE(ClickToClose(display, IDOK));
    ASSERT_TRUE(Answers(settings, 5000));
    EXPECT_EQ(BoardRect().top, 0);
    EXPECT_EQ(KeysOf(Config())["disp_starty"], "0");
    ASSERT_TRUE(ClickToClose(settings, IDCANCEL));
}

TEST_F(SettingsDialogs, CancelAfterEditingTheDisplaySettingsChangesNothing)
{
    ASSERT_TRUE(Launch(kBoardAt200x60));
    ASSERT_TRUE(BoardShows(kDefaultBoard));
    const std::string file = Config();
    const RECT before = BoardRect();
    HWND settings = OpenBoardSettings();
    ASSERT_NE(settings, nullptr);
    HWND display = OpenDisplaySettings(settings);
    ASSERT_NE(display, nullptr);
    Type(display, IDC_DISP_X, L"0");
    Type(display, IDC_DISP_WIDTH, L"1024");
    ASSERT_TRUE(WaitFor([&] { return TextOf(display, IDC_DISP_WIDTH) == L"1024"; }, 5000));
    ASSERT_TRUE(ClickToClose(display, IDCANCEL));
    ASSERT_TRUE(Answers(settings, 5000));
    const RECT after = BoardRect();
    EXPECT_TRUE(::EqualRect(&before, &after));
    EXPECT_EQ(Config(), file);
    ASSERT_TRUE(ClickToClose(settings, IDCANCEL));
    EXPECT_EQ(Config(), file);
    EXPECT_TRUE(BoardShows(kDefaultBoard));
}

TEST_F(SettingsDialogs, SnapshotPushedWhileTheDisplaySettingsAreOpenShowsOnTheBoard)
{
    ASSERT_TRUE(Launch(kBoardAt200x60));
    ASSERT_TRUE(BoardShows(kDefaultBoard, kRed));
    HWND settings = OpenBoardSettings();
    ASSERT_NE(settings, nullptr);
    HWND display = OpenDisplaySettings(settings);
    ASSERT_NE(display, nullptr);

    ASSERT_TRUE(PushStatus(m_main, MakeStatus("Press 7", "Order 4711", 1, 45.5f)));
    EXPECT_TRUE(BoardShows(kDefaultBoard, kBlue)) << "the state cell turns blue";
    EXPECT_FALSE(Closed(display)) << "while the display settings are still open";
    PressKey(display, VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return Closed(display); }, 5000));
    ASSERT_TRUE(ClickToClose(settings, IDCANCEL));
}

TEST_F(SettingsDialogs, CloseMessageEndsTheProgramWhileBothDialogsAreOpen)
{
    ASSERT_TRUE(Launch(kBoardAt200x60));
    const std::string before = Config();
    HWND settings = OpenBoardSettings();
    ASSERT_NE(settings, nullptr);
    Choose(settings, IDC_FONT_SIZE_LIST, 20);
    ASSERT_NE(OpenDisplaySettings(settings), nullptr);

    ::PostMessageW(m_main, WM_USER + 3, 0, 0);
    EXPECT_TRUE(m_board.Program().WaitExit(15000)) << "the open dialogs end with the program";
    EXPECT_EQ(Config(), before) << "ending is not confirming: nothing is saved";
}

}  // namespace
