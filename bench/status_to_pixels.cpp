// Benchmark of the board's path from a stored snapshot to pixels on screen
// (a Windows program, run under Wine by status_to_pixels.sh): per round,
// UpdateRows, WrapRows, the paint into the off-screen bitmap and its block
// transfer to the board window; and, in the same run and at the same size,
// a bare full-window block transfer from a ready memory bitmap through the
// same invalidate-and-paint cycle, the floor that any flicker-free board pays.
#include "BenchClock.h"
#include "BoardData.h"
#include "KXM_TabloraDlg.h"
#include "res/resource.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr int kWarmUpRounds = 20;
constexpr int kRounds = 300;

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// A different snapshot each round, so every value text changes.
void StoreSnapshot(int round)
{
    DeviceStatus& s = g_boardData.status;
    std::snprintf(s.deviceName, sizeof s.deviceName, "Press line %d", round % 7);
    std::snprintf(s.taskName, sizeof s.taskName, "Order %d / batch %d", 4711 + round, round % 13);
    s.row2Value = 1000 + round;
    s.row3Value = round;
    s.row4Value = round % 17;
    s.stateCode = round % 10;
    s.row6Seconds = 3600 + round * 7;
    s.row7Seconds = round * 3;
    s.row8Value = round % 5;
    s.percentage = static_cast<float>(round % 1000) / 10.0f;
}

// Milliseconds per round of snapshot to pixels.
double TimeStatusToPixels(CKXM_TabloraDlg& main)
{
    HWND board = main.m_board.m_hWnd;
    auto round = [&](int i) {
        StoreSnapshot(i);
        main.UpdateRows();
        main.m_board.WrapRows();
        ::InvalidateRect(board, nullptr, TRUE);
        ::UpdateWindow(board);  // the paint and its block transfer, now
        ::GdiFlush();
    };
    for (int i = 0; i < kWarmUpRounds; ++i) round(i);
    const double start = Now();
    for (int i = 0; i < kRounds; ++i) round(kWarmUpRounds + i);
    return (Now() - start) * 1000.0 / kRounds;
}

// Milliseconds per round of UpdateRows and WrapRows alone, without painting.
double TimeRowsAndWrapping(CKXM_TabloraDlg& main)
{
    const double start = Now();
    for (int i = 0; i < kRounds; ++i) {
        StoreSnapshot(i);
        main.UpdateRows();
        main.m_board.WrapRows();
    }
    return (Now() - start) * 1000.0 / kRounds;
}

// The bare window: its paint is one block transfer of a ready bitmap.
HDC g_bareSource = nullptr;

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(window, &ps);
        RECT client{};
        ::GetClientRect(window, &client);
        ::BitBlt(dc, 0, 0, client.right, client.bottom, g_bareSource, 0, 0, SRCCOPY);
        ::EndPaint(window, &ps);
        return 0;
    }
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// Milliseconds per bare full-window block transfer of a ready bitmap, through
// the same invalidate-and-paint cycle as the board's, in a borderless window
// at the board's place and size.
double TimeBareBlockTransfer(int width, int height)
{
    static const ATOM windowClass = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = BareProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"BareBlockTransfer";
        return ::RegisterClassW(&wc);
    }();
    HWND window = ::CreateWindowExW(0, MAKEINTATOM(windowClass), L"", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                                    nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    HDC screen = ::GetDC(window);
    g_bareSource = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = ::SelectObject(g_bareSource, bitmap);
    ::ReleaseDC(window, screen);
    RECT all{0, 0, width, height};
    HBRUSH brush = ::CreateSolidBrush(RGB(240, 240, 240));
    ::FillRect(g_bareSource, &all, brush);
    ::DeleteObject(brush);
    PumpMessages();

    auto round = [&] {
        ::InvalidateRect(window, nullptr, TRUE);
        ::UpdateWindow(window);
        ::GdiFlush();
    };
    for (int i = 0; i < kWarmUpRounds; ++i) round();
    const double start = Now();
    for (int i = 0; i < kRounds; ++i) round();
    const double perRound = (Now() - start) * 1000.0 / kRounds;

    ::DestroyWindow(window);
    ::SelectObject(g_bareSource, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(g_bareSource);
    g_bareSource = nullptr;
    PumpMessages();
    return perRound;
}

}  // namespace

int wmain()
{
    CKXM_TabloraDlg main;  // loads cfg.ini and the text table from its folder
    main.BuildRows();
    if (!main.m_board.Create(IDD_TABLORA_BOARD, ::GetDesktopWindow())) {
        std::printf("status_to_pixels: the board window could not be created\n");
        return 1;
    }
    const SIZE sizes[] = {{800, 600}, {1920, 1080}};
    for (const SIZE& size : sizes) {
        HWND board = main.m_board.m_hWnd;
        ::MoveWindow(board, 0, 0, size.cx, size.cy, TRUE);
        main.m_board.ShowWindow(SW_SHOW);
        PumpMessages();
        const double full = TimeStatusToPixels(main);
        const double rows = TimeRowsAndWrapping(main);
        main.m_board.ShowWindow(SW_HIDE);
        const double bare = TimeBareBlockTransfer(size.cx, size.cy);
        std::printf("status_to_pixels %ldx%ld: %.3f ms per snapshot (UpdateRows, WrapRows, paint, block transfer), "
                    "%d rounds\n", size.cx, size.cy, full, kRounds);
        std::printf("rows_and_wrapping %ldx%ld: %.3f ms per snapshot (UpdateRows, WrapRows only), %d rounds\n",
                    size.cx, size.cy, rows, kRounds);
        std::printf("bare_block_transfer %ldx%ld: %.3f ms per full-window BitBlt in the same paint cycle, "
                    "%d rounds\n", size.cx, size.cy, bare, kRounds);
        std::fflush(stdout);
    }
    return 0;
}
