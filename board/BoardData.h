// The board program's one global state block, touched by the user-interface
// thread only.
#pragma once

#include "DeviceStatus.h"
#include "HostProtocol.h"
#include "String.h"

#include <vector>

class CKXM_TabloraDlg;

// One label/value row of the board.
struct BoardRow {
    CString label;
    CString value;
    CStringArray labelLines;  // label broken into the lines that fit its cell
    CStringArray valueLines;
    RECT labelRect{10, 10, 200, 200};
    RECT valueRect{10, 10, 200, 200};
};

// One entry of the text table.
struct LangText {
    int32_t id;
    CString text;
};

struct BoardData {
    int32_t labelWidth = 10;
    int32_t valueWidth = 10;
    int32_t dispStartX = 10;
    int32_t dispWidth = 800;
    int32_t dispHeight = 600;
    int32_t version = 1;
    DeviceStatus status{};
    int32_t language = 0;
    CKXM_TabloraDlg* mainDlg = nullptr;
    int32_t dispStartY = 0;
    CString programFolder;          // ends with a backslash
    std::vector<LangText> texts;    // the text table of the chosen language
    std::vector<BoardRow> rows;     // the ten board rows, in display order
    RequestPayload requestBuffer{}; // payload of the request message
};

extern BoardData g_boardData;
