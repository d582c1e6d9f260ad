// Host simulator: plays the device maker's host program, so that the board
// can be tried without the device. It carries the window property
// "CKXM_IOTDlg", answers every request of the board with a status snapshot
// and logs each request.
//
//   HostSimulator.exe [options]
//     (no options)           answer each request with the next step of a demo
//                            sequence that walks through every state code,
//                            percentages across both thresholds, growing
//                            counters and durations
//     --interval MS          also send a snapshot every MS milliseconds
//     --silent               log requests but never answer them
//     --stall SECONDS        on the first request, stop pumping messages for
//                            SECONDS (a hung host)
//     --log FILE             append "time version=TEXT" for every request
//     --push                 send one snapshot to the running board and exit
//   values of the snapshot (instead of the demo sequence):
//     --device TEXT --task TEXT --state N --percent P
//     --counts A,B,C,D       rows 2, 3, 4 and 8
//     --durations S6,S7      rows 6 and 7, in seconds
//   Names are sent in the ANSI code page, as a real host sends them.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

#include "DeviceStatus.h"
#include "HostProtocol.h"

namespace {

struct Options {
    bool silent = false;
    bool push = false;
    bool fixedValues = false;
    UINT intervalMs = 0;
    DWORD stallSeconds = 0;
    std::wstring logPath;
    std::wstring device = L"Press 07";
    std::wstring task = L"Order 4711";
    int32_t state = 5;
    float percent = 45.5f;
    int32_t counts[4] = {0, 0, 0, 0};
    int32_t durations[2] = {0, 0};
};

Options g_options;
int g_step = 0;
int g_requests = 0;
std::wstring g_lastVersion;

void CopyName(char (&field)[kNameFieldSize], const std::wstring& name)
{
    std::memset(field, 0, kNameFieldSize);
    ::WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, field, kNameFieldSize - 1, nullptr, nullptr);
}

// The demo sequence: one step per answer or interval.
DeviceStatus DemoStep(int step)
{
    static const float percents[] = {12.5f, 45.5f, 69.89f, 69.9f, 75.0f, 79.9f, 79.91f, 85.25f, 99.5f, 100.0f};
    static const int32_t states[] = {5, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1};
    const bool chinese = ::GetACP() == 936;
    static const wchar_t* devicesLatin[] = {L"Press 07", L"CNC mill 3", L"Welding robot R2"};
    static const wchar_t* tasksLatin[] = {L"Order 4711", L"Bracket batch B-220", L"Frame FX-9 left/right"};
    static const wchar_t* devicesChinese[] = {L"\u51b2\u538b\u673a 07", L"\u6570\u63a7\u94e3\u5e8a 3",
                                              L"\u710a\u63a5\u673a\u5668\u4eba R2"};
    static const wchar_t* tasksChinese[] = {L"\u8ba2\u5355 4711", L"\u652f\u67b6\u6279\u6b21 B-220",
                                            L"\u8f66\u67b6 FX-9"};
    DeviceStatus s{};
    const int which = (step / 4) % 3;
    CopyName(s.deviceName, chinese ? devicesChinese[which] : devicesLatin[which]);
    CopyName(s.taskName, chinese ? tasksChinese[which] : tasksLatin[which]);
    s.row2Value = 1200 + step * 7;
    s.row3Value = step * 3;
    s.row4Value = step / 5;
    s.row8Value = 2 * step;
    s.stateCode = states[step % (sizeof states / sizeof states[0])];
    s.row6Seconds = 3600 + step * 61;
    s.row7Seconds = step * 17;
    s.percentage = percents[step % (sizeof percents / sizeof percents[0])];
    s.hostReserved148 = 1;
    return s;
}

DeviceStatus CurrentStatus()
{
    if (!g_options.fixedValues) return DemoStep(g_step++);
    DeviceStatus s{};
    CopyName(s.deviceName, g_options.device);
    CopyName(s.taskName, g_options.task);
    s.row2Value = g_options.counts[0];
    s.row3Value = g_options.counts[1];
    s.row4Value = g_options.counts[2];
    s.row8Value = g_options.counts[3];
    s.stateCode = g_options.state;
    s.row6Seconds = g_options.durations[0];
    s.row7Seconds = g_options.durations[1];
    s.percentage = g_options.percent;
    return s;
}

HWND FindBoard()
{
    for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT))
        if (::GetPropW(w, L"CKXM_TabloraDlg")) return w;
    return nullptr;
}

bool SendStatus(HWND board, HWND self)
{
    if (!board) return false;
    DeviceStatus status = CurrentStatus();
    COPYDATASTRUCT message{COPYDATA_STATUS, sizeof status, &status};
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(board, WM_COPYDATA, reinterpret_cast<WPARAM>(self),
                                 reinterpret_cast<LPARAM>(&message), SMTO_NORMAL | SMTO_ABORTIFHUNG, 2000,
                                 &result) != 0;
}

void LogRequest(const std::wstring& version)
{
    if (g_options.logPath.empty()) return;
    FILE* log = _wfopen(g_options.logPath.c_str(), L"ab");
    if (!log) return;
    SYSTEMTIME t;
    ::GetLocalTime(&t);
    char text[256] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, version.c_str(), -1, text, sizeof text - 1, nullptr, nullptr);
    std::fprintf(log, "%04d-%02d-%02d %02d:%02d:%02d.%03d version=%s\n", t.wYear, t.wMonth, t.wDay, t.wHour,
                 t.wMinute, t.wSecond, t.wMilliseconds, text);
    std::fclose(log);
}

std::wstring VersionTextOf(const COPYDATASTRUCT* data)
{
    std::wstring text;
    const auto* bytes = static_cast<const uint8_t*>(data->lpData);
    for (DWORD i = 0; bytes && i + 1 < data->cbData; i += 2) {
        wchar_t c = static_cast<wchar_t>(bytes[i] | (bytes[i + 1] << 8));
        if (!c) break;
        text += c;
    }
    return text;
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COPYDATA: {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (!data || data->dwData != COPYDATA_REQUEST) return 0;
        ++g_requests;
        g_lastVersion = VersionTextOf(data);
        LogRequest(g_lastVersion);
        ::InvalidateRect(window, nullptr, TRUE);
        if (g_options.stallSeconds && g_requests == 1) ::Sleep(g_options.stallSeconds * 1000);
        // Answer from inside the request, as hosts do: the board serves it
        // while it waits for this handler.
        if (!g_options.silent) SendStatus(reinterpret_cast<HWND>(wParam), window);
        return 1;
    }
    case WM_TIMER:
        SendStatus(FindBoard(), window);
        ::InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(window, &ps);
        wchar_t text[256];
        std::swprintf(text, 256, L"Requests: %d   last version text: %ls   demo step: %d", g_requests,
                      g_lastVersion.c_str(), g_step);
        RECT r;
        ::GetClientRect(window, &r);
        ::DrawTextW(dc, text, -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        ::EndPaint(window, &ps);
        return 0;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void SplitInts(const wchar_t* text, int32_t* out, int count)
{
    for (int i = 0; i < count && text && *text; ++i) {
        wchar_t* end = nullptr;
        out[i] = static_cast<int32_t>(std::wcstol(text, &end, 10));
        text = (end && *end == L',') ? end + 1 : end;
    }
}

bool ParseOptions(int argc, wchar_t** argv)
{
    for (int i = 1; i < argc; ++i) {
        std::wstring a = argv[i];
        const wchar_t* next = i + 1 < argc ? argv[i + 1] : nullptr;
        auto value = [&]() -> const wchar_t* { ++i; return next ? next : L""; };
        if (a == L"--silent") g_options.silent = true;
        else if (a == L"--push") g_options.push = true;
        else if (a == L"--interval") g_options.intervalMs = static_cast<UINT>(std::wcstoul(value(), nullptr, 10));
        else if (a == L"--stall") g_options.stallSeconds = std::wcstoul(value(), nullptr, 10);
        else if (a == L"--log") g_options.logPath = value();
        else if (a == L"--device") { g_options.device = value(); g_options.fixedValues = true; }
        else if (a == L"--task") { g_options.task = value(); g_options.fixedValues = true; }
        else if (a == L"--state") { g_options.state = std::wcstol(value(), nullptr, 10); g_options.fixedValues = true; }
        else if (a == L"--percent") { g_options.percent = std::wcstof(value(), nullptr); g_options.fixedValues = true; }
        else if (a == L"--counts") { SplitInts(value(), g_options.counts, 4); g_options.fixedValues = true; }
        else if (a == L"--durations") { SplitInts(value(), g_options.durations, 2); g_options.fixedValues = true; }
        else return false;
    }
    return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (!ParseOptions(argc, argv)) {
        ::MessageBoxW(nullptr, L"Unknown option; see the comment at the top of HostSimulator.cpp.",
                      L"Host simulator", MB_OK | MB_ICONWARNING);
        return 2;
    }
    if (g_options.push) return SendStatus(FindBoard(), nullptr) ? 0 : 1;

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = HostProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"TabloraHostSimulator";
    ::RegisterClassW(&windowClass);
    HWND window = ::CreateWindowExW(0, windowClass.lpszClassName, L"Host simulator",
                                    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 40, 700, 560, 80,
                                    nullptr, nullptr, instance, nullptr);
    ::SetPropW(window, L"CKXM_IOTDlg", reinterpret_cast<HANDLE>(1));
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    if (g_options.intervalMs) ::SetTimer(window, 1, g_options.intervalMs, nullptr);

    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
