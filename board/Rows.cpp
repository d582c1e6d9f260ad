// The ten board rows: built once at start, their values rewritten from every
// status snapshot.
#include "BoardData.h"
#include "KXM_TabloraDlg.h"
#include "StatusRows.h"
#include "TextTable.h"

namespace {
std::u16string LookupU16(int32_t id) { return LookupText(id).ToU16(); }

// A name from the host, in the thread's ANSI code page, as UTF-16.
std::u16string ConvertName(const std::string& bytes)
{
    if (bytes.empty()) return {};
    const int length = static_cast<int>(bytes.size());
    std::wstring wide(static_cast<size_t>(length), L'\0');  // never more units than bytes
    int units = ::MultiByteToWideChar(CP_THREAD_ACP, 0, bytes.data(), length, &wide[0], length);
    if (units <= 0) return {};
    return std::u16string(wide.begin(), wide.begin() + units);
}
}  // namespace

void CKXM_TabloraDlg::BuildRows()
{
    std::vector<BoardRow>& rows = g_boardData.rows;
    rows.clear();
    const RowTexts initial = InitialRowValues(LookupU16);
    for (int32_t r = 0; r < kBoardRowCount; ++r) {
        BoardRow row;
        row.label = LookupText(RowCaptionId(r));
        row.value = CString(initial[static_cast<size_t>(r)]);
        if (r == kStateRow) m_board.m_stateRow = static_cast<int32_t>(rows.size());
        if (r == kPercentRow) m_board.m_percentRow = static_cast<int32_t>(rows.size());
        rows.push_back(row);
    }
}

void CKXM_TabloraDlg::UpdateRows()
{
    std::vector<BoardRow>& rows = g_boardData.rows;
    if (rows.empty()) return;
    StatusRowValues values = FormatStatusRows(g_boardData.status, ConvertName, LookupU16);
    for (size_t r = 0; r < rows.size() && r < values.values.size(); ++r) rows[r].value = CString(values.values[r]);
    m_board.m_stateColor = values.stateColour;
    m_board.SetPercentColor(values.percent);
}
