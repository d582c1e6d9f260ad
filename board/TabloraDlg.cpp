#include "TabloraDlg.h"

#include "BoardData.h"
#include "BoardLayout.h"
#include "LinePlacement.h"
#include "RowFormat.h"
#include "TextWrap.h"
#include "res/resource.h"

namespace {
constexpr COLORREF kBackground = RGB(240, 240, 240);
constexpr COLORREF kLabelCell = RGB(0, 0, 0);
constexpr COLORREF kValueCell = RGB(108, 166, 205);
constexpr COLORREF kText = RGB(255, 255, 255);
constexpr COLORREF kPercentText = RGB(0, 0, 0);

const wchar_t* AsWide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

SIZE TextExtent(HDC dc, const wchar_t* text, int length)
{
    SIZE size{0, 0};
    ::GetTextExtentPoint32W(dc, text, length, &size);
    return size;
}

void FillCell(HDC dc, const RECT& rect, COLORREF colour)
{
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &rect, brush);
    ::DeleteObject(brush);
}

CellRect ToCell(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRect(const CellRect& c) { return {c.left, c.top, c.right, c.bottom}; }

CStringArray ToLines(const std::vector<std::u16string>& lines)
{
    CStringArray result;
    for (const std::u16string& line : lines) result.Add(CString(line));
    return result;
}

// Draws the lines of one cell centred in it, as many as fit its height.
void PaintCellLines(HDC dc, const RECT& cell, const CStringArray& lines)
{
    std::vector<LineSize> sizes;
    for (int i = 0; i < lines.GetSize(); ++i) {
        SIZE size = TextExtent(dc, lines[i], lines[i].GetLength());
        sizes.push_back({size.cx, size.cy});
    }
    std::vector<PlacedLine> placed = PlaceCellLines(ToCell(cell), sizes);
    for (size_t i = 0; i < placed.size(); ++i) {
        const CString& line = lines[static_cast<int>(i)];
        ::TextOutW(dc, placed[i].x, placed[i].y, line, line.GetLength());
    }
}
}  // namespace

CTabloraDlg::CTabloraDlg() : CDialogEx(IDD_TABLORA_BOARD) {}

CTabloraDlg::~CTabloraDlg()
{
    if (m_font) ::DeleteObject(m_font);
}

BOOL CTabloraDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    CreateBoardFont();
    WrapRows();
    return TRUE;
}

void CTabloraDlg::CreateBoardFont()
{
    if (m_font) ::DeleteObject(m_font);
    m_font = ::CreateFontW(m_fontSize, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0,
                           FF_SWISS | DEFAULT_PITCH, L"Arial");
}

LRESULT CTabloraDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        Default(message, wParam, lParam);
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;  // everything, the background included, is drawn in OnPaint
    }
    return CDialogEx::WindowProc(message, wParam, lParam);
}

void CTabloraDlg::OnSize(UINT, int cx, int cy)
{
    std::vector<BoardRow>& rows = g_boardData.rows;
    BoardLayout layout = LayOutBoard(static_cast<int32_t>(rows.size()), cx, cy);
    for (size_t i = 0; i < layout.rows.size(); ++i) {
        rows[i].labelRect = ToRect(layout.rows[i].label);
        rows[i].valueRect = ToRect(layout.rows[i].value);
    }
    g_boardData.labelWidth = layout.labelWidth;
    g_boardData.valueWidth = layout.valueWidth;
    WrapRows();
    Invalidate(TRUE);
}

void CTabloraDlg::WrapRows()
{
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ previous = m_font ? ::SelectObject(dc, m_font) : nullptr;
    MeasureWidth width = [dc](const std::u16string& text) {
        return static_cast<int32_t>(TextExtent(dc, AsWide(text), static_cast<int>(text.size())).cx);
    };
    for (size_t r = 0; r < g_boardData.rows.size(); ++r) {
        BoardRow& row = g_boardData.rows[r];
        const bool stateRow = static_cast<int32_t>(r) == m_stateRow;
        row.labelLines = ToLines(WrapText(row.label.ToU16(), true, g_boardData.labelWidth,
                                          g_boardData.valueWidth, width));
        row.valueLines = ToLines(WrapText(row.value.ToU16(), stateRow, g_boardData.labelWidth,
                                          g_boardData.valueWidth, width));
    }
    if (previous) ::SelectObject(dc, previous);
    ::ReleaseDC(m_hWnd, dc);
}

void CTabloraDlg::SetPercentColor(float percent)
{
    m_percentColor = PercentColour(percent, m_percentLow, m_percentHigh);
}

void CTabloraDlg::OnPaint()
{
    PAINTSTRUCT ps;
    HDC screen = ::BeginPaint(m_hWnd, &ps);
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;

    // The whole picture is composed off screen and copied in one transfer,
    // so no half-drawn board ever shows.
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previousBitmap = ::SelectObject(dc, bitmap);
    FillCell(dc, client, kBackground);
    HGDIOBJ previousFont = m_font ? ::SelectObject(dc, m_font) : nullptr;

    const std::vector<BoardRow>& rows = g_boardData.rows;
    for (size_t r = 0; r < rows.size(); ++r) {
        FillCell(dc, rows[r].labelRect, kLabelCell);
        const int32_t index = static_cast<int32_t>(r);
        if (index != m_stateRow && index != m_percentRow) FillCell(dc, rows[r].valueRect, kValueCell);
    }
    auto valid = [&rows](int32_t index) { return index >= 0 && static_cast<size_t>(index) < rows.size(); };
    if (valid(m_stateRow)) FillCell(dc, rows[m_stateRow].valueRect, m_stateColor);
    if (valid(m_percentRow)) FillCell(dc, rows[m_percentRow].valueRect, m_percentColor);

    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kText);
    for (size_t r = 0; r < rows.size(); ++r) {
        PaintCellLines(dc, rows[r].labelRect, rows[r].labelLines);
        if (static_cast<int32_t>(r) != m_percentRow) PaintCellLines(dc, rows[r].valueRect, rows[r].valueLines);
    }
    if (valid(m_percentRow)) {
        ::SetTextColor(dc, kPercentText);
        PaintCellLines(dc, rows[m_percentRow].valueRect, rows[m_percentRow].valueLines);
    }

    ::BitBlt(screen, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    if (previousFont) ::SelectObject(dc, previousFont);
    ::SelectObject(dc, previousBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::EndPaint(m_hWnd, &ps);
}
