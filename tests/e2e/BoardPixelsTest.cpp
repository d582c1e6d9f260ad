// The board window on screen, read back from its own pixels: the cells of
// the two-column layout, their colours for every device state and
// percentage, the texts in them, and host names in the Chinese code page.
#include "BoardGeometry.h"
#include "Harness.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Colours as the capture reports them: 0x00RRGGBB.
constexpr uint32_t kBackground = 0xF0F0F0, kBlack = 0x000000, kWhite = 0xFFFFFF, kValueBlue = 0x6CA6CD;
constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00, kGrey = 0x929292;
constexpr uint32_t kOrange = 0xFF8000, kStateOrange = 0xF59C30, kOrangeRed = 0xFF7700;
constexpr int kStateRow = 5, kPercentRow = 9;


// Placed clear of the top-left corner, where a tray window may sit.
std::vector<std::string> ConfigFor(const Geometry& g)
{
    return {"font_size=32", "disp_startx=200", "disp_starty=60", "disp_width=" + std::to_string(g.width),
            "disp_height=" + std::to_string(g.height), "language=0"};
}

int Area(const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); }
std::string Describe(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

// Whether every pixel on the rectangle's four edges has `rgb`.
bool EdgesAre(const Capture& c, const RECT& r, uint32_t rgb)
{
    const RECT edges[] = {{r.left, r.top, r.right, r.top + 1}, {r.left, r.bottom - 1, r.right, r.bottom},
                          {r.left, r.top, r.left + 1, r.bottom}, {r.right - 1, r.top, r.right, r.bottom}};
    for (const RECT& e : edges)
        if (!c.All(e, rgb)) return false;
    return true;
}

class BoardOnScreen : public testing::Test {
protected:
    bool Launch(const Geometry& g)
    {
        m_geometry = g;
        m_board.WriteConfig(ConfigFor(g));
        if (!m_board.Launch()) return false;
        // The first paint is done once the cells stand where the layout puts them.
        return WaitFor([&] { return Shows(kStateRow, kRed) && Shows(kPercentRow, kRed) && LabelsBlack(); }, 20000);
    }

    Capture Now() { return CaptureWindow(m_board.BoardWindow()); }

    bool Shows(int row, uint32_t valueColour)
    {
        const Capture c = Now();
        return c.width == m_geometry.width && EdgesAre(c, m_geometry.Value(row), valueColour);
    }
    bool LabelsBlack()
    {
        const Capture c = Now();
        for (int row = 0; row < 10; ++row)
            if (c.width != m_geometry.width || !EdgesAre(c, m_geometry.Label(row), kBlack)) return false;
        return true;
    }

    // Pushes a snapshot and waits until the state and percentage cells show
    // the given colours. A snapshot whose colours equal the current ones is
    // preceded by one of other colours, so the wait always sees the new one.
    bool Show(const DeviceStatus& status, uint32_t stateColour, uint32_t percentColour)
    {
        if (Shows(kStateRow, stateColour) || Shows(kPercentRow, percentColour)) {
            const bool blue = stateColour != kBlue;
            DeviceStatus other = MakeStatus("other", "other", blue ? 1 : 4, percentColour == kOrange ? 50.0f : 75.0f);
            if (!PushStatus(m_board.MainDialog(), other)) return false;
            if (!WaitFor([&] { return Shows(kStateRow, blue ? kBlue : kGrey); }, 10000)) return false;
        }
        if (!PushStatus(m_board.MainDialog(), status)) return false;
        return WaitFor([&] { return Shows(kStateRow, stateColour) && Shows(kPercentRow, percentColour); }, 10000);
    }

    // Checks every cell's colour and that nothing but the cells is painted
    // on the background.
    void ExpectCellsAndGaps(const Capture& c, uint32_t stateColour, uint32_t percentColour)
    {
        ASSERT_EQ(c.width, m_geometry.width);
        ASSERT_EQ(c.height, m_geometry.height);
        std::vector<char> inCell(static_cast<size_t>(c.width) * c.height, 0);
        for (int row = 0; row < 10; ++row) {
            const uint32_t valueColour =
                row == kStateRow ? stateColour : row == kPercentRow ? percentColour : kValueBlue;
            for (auto [rect, colour] : {std::pair<RECT, uint32_t>{m_geometry.Label(row), kBlack},
                                        {m_geometry.Value(row), valueColour}}) {
                SCOPED_TRACE("row " + std::to_string(row) + " cell " + Describe(rect));
                EXPECT_TRUE(EdgesAre(c, rect, colour));
                // Text covers only a part of a cell.
                EXPECT_GT(c.Count(rect, colour), Area(rect) / 2);
                for (int y = rect.top; y < rect.bottom; ++y)
                    for (int x = rect.left; x < rect.right; ++x) inCell[static_cast<size_t>(y) * c.width + x] = 1;
            }
        }
        int gapPixelsOff = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                if (!inCell[static_cast<size_t>(y) * c.width + x] && c.At(x, y) != kBackground) ++gapPixelsOff;
        EXPECT_EQ(gapPixelsOff, 0) << "pixels of the gaps and margins that are not the background";
    }

    int TextPixels(int row, bool value, uint32_t textColour = kWhite)
    {
        return Now().Count(m_geometry.Cell(row, value), textColour);
    }

    BoardInstall m_board;
    Geometry m_geometry{};
};

// Captions everywhere, the initial values in white, "0%" in black.
void ExpectBoardBeforeTheFirstSnapshot(const Capture& c, const Geometry& g)
{
    for (int row = 0; row < 10; ++row) {
        EXPECT_GT(c.Count(g.Label(row), kWhite), 50) << "caption of row " << row;
        if (row != kPercentRow) {
            EXPECT_GT(c.Count(g.Value(row), kWhite), 20) << "value of row " << row;
        }
    }
    EXPECT_GT(c.Count(g.Value(kPercentRow), kBlack), 20);
    EXPECT_EQ(c.Count(g.Value(kPercentRow), kWhite), 0);
}

TEST_F(BoardOnScreen, DefaultBoardCellsGapsAndInitialValues)
{
    ASSERT_TRUE(Launch(kDefaultBoard));
    const Capture c = Now();
    ExpectCellsAndGaps(c, kRed, kRed);
    ExpectBoardBeforeTheFirstSnapshot(c, kDefaultBoard);
}

TEST_F(BoardOnScreen, FullHdBoardCellsGapsAndInitialValues)
{
    ASSERT_TRUE(Launch(kFullHdBoard));
    const Capture c = Now();
    ExpectCellsAndGaps(c, kRed, kRed);
    ExpectBoardBeforeTheFirstSnapshot(c, kFullHdBoard);
}

TEST_F(BoardOnScreen, StateAndPercentageColours)
{
    ASSERT_TRUE(Launch(kDefaultBoard));
    struct Case { int32_t state; float percent; uint32_t stateColour, percentColour; } cases[] = {
        {5, 45.5f, kGreen, kRed}, {5, 75.0f, kGreen, kOrange}, {5, 85.0f, kGreen, kGreen},
        {4, 69.89f, kGrey, kRed}, {6, 69.9f, kStateOrange, kOrange}, {8, 79.9f, kOrangeRed, kOrange},
        {0, 79.91f, kRed, kGreen}, {7, 100.0f, kRed, kGreen}, {1, 0.0f, kBlue, kRed},
        {9, 45.5f, kGreen, kRed}, {-1, 45.5f, kGreen, kRed}, {2, 45.5f, kGreen, kRed},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE("state " + std::to_string(k.state) + ", percentage " + std::to_string(k.percent));
        ASSERT_TRUE(Show(MakeStatus("Press 7", "Order 4711", k.state, k.percent), k.stateColour, k.percentColour));
        const Capture c = Now();
        ExpectCellsAndGaps(c, k.stateColour, k.percentColour);
        EXPECT_GT(c.Count(m_geometry.Value(kStateRow), kWhite), 20) << "state text";
        EXPECT_GT(c.Count(m_geometry.Value(kPercentRow), kBlack), 20) << "percentage text";
    }
}

TEST_F(BoardOnScreen, DeviceNameOfSixtyThreeBytesAndEmptyName)
{
    ASSERT_TRUE(Launch(kDefaultBoard));
    const std::string longName(63, 'M');
    ASSERT_TRUE(Show(MakeStatus(longName.c_str(), "Order", 1, 45.5f), kBlue, kRed));
    const int longNamePixels = TextPixels(0, true);
    EXPECT_GT(longNamePixels, 500) << "63 letters, broken into lines";

    ASSERT_TRUE(Show(MakeStatus("", "Order", 5, 85.0f), kGreen, kGreen));
    EXPECT_TRUE(Now().All(m_geometry.Value(0), kValueBlue)) << "an empty name leaves its cell without text";
    EXPECT_GT(TextPixels(1, true), 20) << "the task name is still shown";
}

TEST_F(BoardOnScreen, EscapeHidesTheBoardAndSnapshotsStillArrive)
{
    ASSERT_TRUE(Launch(kDefaultBoard));
    HWND board = m_board.BoardWindow();
    ASSERT_TRUE(::PostMessageW(board, WM_KEYDOWN, VK_ESCAPE, 0));
    ASSERT_TRUE(::PostMessageW(board, WM_KEYUP, VK_ESCAPE, 0xC0000001));
    EXPECT_TRUE(WaitFor([&] { return !::IsWindowVisible(board); }, 10000)) << "Escape hides the board";
    EXPECT_TRUE(::IsWindow(board)) << "hidden, not destroyed";
    EXPECT_TRUE(PushStatus(m_board.MainDialog(), MakeStatus("Press 7", "Order", 5, 85.0f)));
    EXPECT_TRUE(m_board.Program().IsRunning());
}

// Renders `text` in the board font, white on black, and counts its white
// pixels: what the board's own painting of the same line gives.
int RenderedTextPixels(const std::wstring& text)
{
    const int width = 1000, height = 100;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    HFONT font = ::CreateFontW(32, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0,
                               FF_SWISS | DEFAULT_PITCH, L"Arial");
    HGDIOBJ oldFont = ::SelectObject(dc, font);
    RECT all{0, 0, width, height};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::TextOutW(dc, 10, 10, text.c_str(), static_cast<int>(text.size()));
    ::GdiFlush();
    int count = 0;
    const auto* pixels = static_cast<const uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i)
        if ((pixels[i] & 0xFFFFFF) == kWhite) ++count;
    ::SelectObject(dc, oldFont);
    ::DeleteObject(font);
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    return count;
}

// The rendering of a text and of as many characters that no font has (drawn
// as boxes) must differ clearly, or a count could not tell glyphs from boxes.
void ExpectGlyphsNotBoxes(const std::wstring& text)
{
    const int glyphs = RenderedTextPixels(text);
    const int boxes = RenderedTextPixels(std::wstring(text.size(), L'\xE000'));
    EXPECT_GT(std::abs(glyphs - boxes), glyphs / 5) << "glyphs " << glyphs << ", boxes " << boxes;
}

// Whether a cell's white pixels are those of `text` in the board font.
::testing::AssertionResult CellShowsText(int cellPixels, const std::wstring& text)
{
    const int expected = RenderedTextPixels(text);
    if (std::abs(cellPixels - expected) <= expected / 50) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "cell has " << cellPixels << " text pixels, the text gives " << expected;
}

TEST_F(BoardOnScreen, ChineseCaptionsAreGlyphs)
{
    ASSERT_TRUE(Launch(kDefaultBoard));
    // Row 0's caption in the Chinese language file.
    const std::wstring caption = L"设备名称";
    ExpectGlyphsNotBoxes(caption);
    EXPECT_TRUE(CellShowsText(TextPixels(0, false), caption));
}

}  // namespace

// The host's names arrive in the ANSI code page of the board's thread: with
// a Chinese locale (code page 936) GBK bytes reach the screen as Chinese.
TEST(ChineseLocale, GbkNamesFromTheHostShowAsChinese)
{
    ASSERT_EQ(::GetACP(), 936u) << "run this test with LC_ALL=zh_CN.UTF-8";
    BoardInstall board;
    board.WriteConfig(ConfigFor(kDefaultBoard));
    ASSERT_TRUE(board.Launch());
    // "设备一号" and "任务甲" in GBK.
    DeviceStatus status = MakeStatus("\xC9\xE8\xB1\xB8\xD2\xBB\xBA\xC5", "\xC8\xCE\xCE\xF1\xBC\xD7", 1, 45.5f);
    ASSERT_TRUE(PushStatus(board.MainDialog(), status));
    auto stateIsBlue = [&] { return EdgesAre(CaptureWindow(board.BoardWindow()), kDefaultBoard.Value(kStateRow), kBlue); };
    ASSERT_TRUE(WaitFor(stateIsBlue, 20000));

    const Capture c = CaptureWindow(board.BoardWindow());
    ExpectGlyphsNotBoxes(L"设备一号");
    EXPECT_TRUE(CellShowsText(c.Count(kDefaultBoard.Value(0), kWhite), L"设备一号"));
    EXPECT_TRUE(CellShowsText(c.Count(kDefaultBoard.Value(1), kWhite), L"任务甲"));
    // Read as Western bytes the same name would be other characters.
    EXPECT_FALSE(CellShowsText(c.Count(kDefaultBoard.Value(0), kWhite), L"\xC9\xE8\xB1\xB8\xD2\xBB\xBA\xC5"));

    // The host simulator sends its names in the same code page.
    Process host;
    ASSERT_TRUE(host.Start(ExeFolder() + L"HostSimulator.exe",
                           L"--push --device \"冲压机 07\" --task \"订单 4711\" --state 6 --percent 75", ExeFolder()));
    ASSERT_TRUE(host.WaitExit(20000));
    EXPECT_EQ(host.ExitCode(), 0u);
    auto stateIsOrange = [&] {
        return EdgesAre(CaptureWindow(board.BoardWindow()), kDefaultBoard.Value(kStateRow), kStateOrange);
    };
    ASSERT_TRUE(WaitFor(stateIsOrange, 20000));
    const Capture pushed = CaptureWindow(board.BoardWindow());
    EXPECT_TRUE(CellShowsText(pushed.Count(kDefaultBoard.Value(0), kWhite), L"冲压机 07"));
    EXPECT_TRUE(CellShowsText(pushed.Count(kDefaultBoard.Value(1), kWhite), L"订单 4711"));
}
