// The two settings dialogs as the board program carries them: the dialog
// templates 130 and 131 read back from MarvonTablora.exe, with every
// control's class, identifier, caption, place, size and the styles a user
// meets (digits-only fields, sorted lists, hidden version list).
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr WORD kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kComboBox = 0x85;

struct Control {
    WORD kind;
    DWORD id;
    std::wstring text;
    short x, y, cx, cy;
    DWORD style;
};

struct Template {
    DWORD style;
    short cx, cy;
    std::wstring title;
    WORD pointSize;
    std::wstring face;
    std::vector<Control> controls;
};

// Reads a DLGTEMPLATEEX and its items.
class Reader {
public:
    explicit Reader(const BYTE* data) : m_start(data), m_at(data) {}
    template <typename T> T Take()
    {
        T value;
        std::memcpy(&value, m_at, sizeof value);
        m_at += sizeof value;
        return value;
    }
    // A string or an ordinal (returned as "#n"); none gives "".
    std::wstring NameOrOrdinal()
    {
        const WORD first = Take<WORD>();
        if (first == 0) return L"";
        if (first == 0xFFFF) return L"#" + std::to_wstring(Take<WORD>());
        std::wstring text(1, static_cast<wchar_t>(first));
        for (WORD c; (c = Take<WORD>()) != 0;) text += static_cast<wchar_t>(c);
        return text;
    }
    void AlignToDword() { m_at = m_start + ((m_at - m_start + 3) & ~3); }

private:
    const BYTE* m_start;
    const BYTE* m_at;
};

Template LoadTemplate(HMODULE program, int id)
{
    Template t{};
    HRSRC resource = ::FindResourceW(program, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
    if (!resource) return t;
    Reader r(static_cast<const BYTE*>(::LockResource(::LoadResource(program, resource))));
    if (r.Take<WORD>() != 1 || r.Take<WORD>() != 0xFFFF) return t;  // the extended form
    r.Take<DWORD>();                                                // help id
    r.Take<DWORD>();                                                // extended style
    t.style = r.Take<DWORD>();
    const WORD count = r.Take<WORD>();
    r.Take<short>();
    r.Take<short>();
    t.cx = r.Take<short>();
    t.cy = r.Take<short>();
    r.NameOrOrdinal();  // menu
    r.NameOrOrdinal();  // class
    t.title = r.NameOrOrdinal();
    if (t.style & DS_SETFONT) {
        t.pointSize = r.Take<WORD>();
        r.Take<WORD>();  // weight
        r.Take<BYTE>();  // italic
        r.Take<BYTE>();  // character set
        t.face = r.NameOrOrdinal();
    }
    for (WORD i = 0; i < count; ++i) {
        r.AlignToDword();
        Control c{};
        r.Take<DWORD>();  // help id
        r.Take<DWORD>();  // extended style
        c.style = r.Take<DWORD>();
        c.x = r.Take<short>();
        c.y = r.Take<short>();
        c.cx = r.Take<short>();
        c.cy = r.Take<short>();
        c.id = r.Take<DWORD>();
        const std::wstring kind = r.NameOrOrdinal();
        c.kind = kind.size() > 1 && kind[0] == L'#' ? static_cast<WORD>(std::stoi(kind.substr(1))) : 0;
        c.text = r.NameOrOrdinal();
        const WORD extra = r.Take<WORD>();
        for (WORD b = 0; b < extra; ++b) r.Take<BYTE>();
        t.controls.push_back(c);
    }
    return t;
}

class SettingsTemplates : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_program = ::LoadLibraryExW((ExeFolder() + L"MarvonTablora.exe").c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(m_program, nullptr);
    }
    void TearDown() override
    {
        if (m_program) ::FreeLibrary(m_program);
    }
    HMODULE m_program = nullptr;
};

constexpr DWORD kSettingsDialogStyle = 0x80C800C8;  // popup, caption, system menu, modal frame, set font, fixed sys

void ExpectControls(const Template& t, const std::vector<Control>& expected)
{
    ASSERT_EQ(t.controls.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Control& e = expected[i];
        const Control& c = t.controls[i];
        SCOPED_TRACE("control " + std::to_string(e.id) + " in tab order place " + std::to_string(i));
        EXPECT_EQ(c.kind, e.kind);
        EXPECT_EQ(c.id, e.id);
        EXPECT_EQ(c.text, e.text);
        EXPECT_EQ((std::vector<short>{c.x, c.y, c.cx, c.cy}), (std::vector<short>{e.x, e.y, e.cx, e.cy}));
        // The style bits named for each control must be there; visibility is exact.
        EXPECT_EQ(c.style & e.style, e.style);
        EXPECT_EQ(c.style & WS_VISIBLE, e.style & WS_VISIBLE);
        EXPECT_TRUE(c.style & WS_CHILD);
    }
}

TEST_F(SettingsTemplates, BoardSettingsTemplate)
{
    const Template t = LoadTemplate(m_program, 130);
    EXPECT_EQ(t.style, kSettingsDialogStyle);
    EXPECT_EQ(t.cx, 228);
    EXPECT_EQ(t.cy, 148);
    EXPECT_EQ(t.title, L"看板设置");
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.face, L"MS Shell Dlg");

    const DWORD shown = WS_VISIBLE, list = CBS_DROPDOWNLIST | WS_VSCROLL;
    ExpectControls(t, {
        {kButton, IDOK, L"确定", 49, 108, 64, 24, shown | BS_DEFPUSHBUTTON},
        {kButton, IDCANCEL, L"取消", 120, 108, 64, 24, shown},
        {kStatic, 1010, L"字体大小:", 52, 40, 69, 8, shown},
        {kComboBox, 1001, L"", 125, 37, 48, 30, shown | list | CBS_SORT},
        {kButton, 1005, L"显示器设置", 53, 63, 119, 24, shown},
        {kStatic, 1009, L"语言:", 52, 19, 69, 8, shown},
        {kStatic, 1008, L"看板版本:", 7, 130, 29, 8, 0},
        {kComboBox, 1006, L"", 35, 126, 25, 25, list | CBS_SORT},
        {kComboBox, 1007, L"", 125, 16, 48, 30, shown | list},
    });
    EXPECT_EQ(t.controls[8].style & CBS_SORT, 0u) << "the languages stay in their order";
    EXPECT_EQ(t.controls[1].style & BS_DEFPUSHBUTTON, 0u);
}

TEST_F(SettingsTemplates, DisplaySettingsTemplate)
{
    const Template t = LoadTemplate(m_program, 131);
    EXPECT_EQ(t.style, kSettingsDialogStyle);
    EXPECT_EQ(t.cx, 181);
    EXPECT_EQ(t.cy, 131);
    EXPECT_EQ(t.title, L"扩展显示器设置");
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.face, L"MS Shell Dlg");

    const DWORD shown = WS_VISIBLE, field = WS_VISIBLE | WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL;
    ExpectControls(t, {
        {kButton, IDOK, L"确定", 23, 96, 61, 23, shown | BS_DEFPUSHBUTTON},
        {kButton, IDCANCEL, L"取消", 88, 96, 61, 23, shown},
        {kStatic, 1011, L"扩展显示器-X：", 23, 15, 69, 8, shown},
        {kStatic, 1012, L"宽:", 23, 53, 69, 8, shown},
        {kStatic, 1013, L"高:", 23, 72, 69, 8, shown},
        {kEdit, 1002, L"", 95, 12, 57, 14, field},
        {kEdit, 1003, L"", 95, 49, 57, 14, field},
        {kEdit, 1004, L"", 95, 69, 57, 14, field},
        {kStatic, 1014, L"扩展显示器-Y：", 23, 34, 69, 8, shown},
        {kEdit, 1015, L"", 95, 31, 57, 14, field},
    });
}

}  // namespace
