#include "SetupDlg.h"

#include "DialogPlacement.h"
#include "DisplaySetDlg.h"
#include "ProfileInt.h"
#include "TextTable.h"
#include "res/resource.h"

#include <iterator>

namespace {

constexpr int32_t kSmallestFontSize = 16;
constexpr int32_t kLargestFontSize = 96;
constexpr int32_t kFontSizeStep = 4;

// Texts that replace the template's captions, by control (the title is 130).
constexpr int kCaptionIds[] = {IDC_VERSION_LABEL, IDC_LANGUAGE_LABEL, IDC_FONT_SIZE_LABEL, IDC_DISPLAY_SETTINGS,
                               IDOK, IDCANCEL};
// The language list's entries: Chinese, English, the third language.
constexpr int32_t kLanguageTextIds[] = {10017, 10018, 10019};

int AddEntry(HWND list, const CString& text)
{
    return static_cast<int>(::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.GetString())));
}

int Selection(HWND list) { return static_cast<int>(::SendMessageW(list, CB_GETCURSEL, 0, 0)); }

void Select(HWND list, int position) { ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0); }

CString EntryText(HWND list, int position)
{
    const LRESULT length = ::SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0);
    if (length <= 0) return CString();
    CString text;
    ::SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(position),
                   reinterpret_cast<LPARAM>(text.GetBuffer(static_cast<int>(length) + 1)));
    text.ReleaseBuffer();
    return text;
}

CString Decimal(int32_t value)
{
    CString text;
    text.Format(L"%d", value);
    return text;
}

}  // namespace

CSetupDlg::CSetupDlg(HWND parent) : CDialogEx(IDD_SETUP, parent) {}

BOOL CSetupDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    m_fontSizeList = GetDlgItem(IDC_FONT_SIZE_LIST);
    CenterOverOwner(m_hWnd);

    SetWindowText(LookupText(IDD_SETUP));
    for (int id : kCaptionIds) SetDlgItemText(id, LookupText(id));

    // All sizes have two digits, so the list's own sorting keeps them in
    // numeric order: position p holds 16 + 4p.
    int current = -1;
    for (int32_t size = kSmallestFontSize; size <= kLargestFontSize; size += kFontSizeStep) {
        const int position = AddEntry(m_fontSizeList, Decimal(size));
        if (size == m_fontSize) current = position;
    }
    Select(m_fontSizeList, current >= 0 ? current : 0);

    // The version list is hidden; with a configured version it has no entry
    // for, nothing is selected and OK does nothing.
    HWND versionList = GetDlgItem(IDC_VERSION_LIST);
    AddEntry(versionList, L"1");
    const int versions = static_cast<int>(::SendMessageW(versionList, CB_GETCOUNT, 0, 0));
    for (int position = 0; position < versions; ++position) {
        const CString text = EntryText(versionList, position);
        if (!text.IsEmpty() && ParseDecimalInt(text.ToU16()) == m_boardVersion) {
            Select(versionList, position);
            break;
        }
    }

    HWND languageList = GetDlgItem(IDC_LANGUAGE_LIST);
    for (int32_t id : kLanguageTextIds) AddEntry(languageList, LookupText(id));
    const bool known = m_language >= 0 && m_language < static_cast<int32_t>(std::size(kLanguageTextIds));
    Select(languageList, known ? m_language : -1);
    return TRUE;
}

LRESULT CSetupDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDOK: OnBnClickedOk(); return 0;
        case IDC_DISPLAY_SETTINGS: OnBnClickedDisplaySettings(); return 0;
        }
    }
    return CDialogEx::WindowProc(message, wParam, lParam);
}

void CSetupDlg::OnBnClickedOk()
{
    HWND versionList = GetDlgItem(IDC_VERSION_LIST);
    const int version = Selection(versionList);
    if (version < 0) return;
    m_boardVersion = ParseDecimalInt(EntryText(versionList, version).ToU16());
    m_language = Selection(GetDlgItem(IDC_LANGUAGE_LIST));
    const int fontSize = Selection(m_fontSizeList);
    if (fontSize >= 0) m_fontSize = kSmallestFontSize + kFontSizeStep * fontSize;
    EndDialog(IDOK);
}

void CSetupDlg::OnBnClickedDisplaySettings()
{
    // Its OK has already moved the board and saved the settings; how it
    // ended changes nothing here.
    CDisplaySetDlg display(m_hWnd);
    display.DoModal();
}
