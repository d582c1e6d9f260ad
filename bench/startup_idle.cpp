// Start-up and idle cost of the board program beside a minimal Win32 program
// that shows one painted window, measured in the same run:
//   start-up: from process creation to the first painted board (its first
//             label cell black on screen) against the minimal program's
//             first painted window; median of several starts;
//   idle:     over IDLE_SECONDS (default 60) with a host sending one snapshot
//             a second to the board, each process's private memory at the
//             end; its CPU time is read by the caller between the lines
//             "idle_begin" and "idle_end" (see bench/bench.sh).
// Prints one "key: value" line per figure.
#include "BenchClock.h"
#include "Harness.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The first visible top-level window of the process whose pixel at (8, 8)
// is black: the board's first label cell, or the minimal program's fill.
bool PaintedBlack(DWORD processId)
{
    for (HWND w : TopLevelWindowsOf(processId)) {
        if (!::IsWindowVisible(w) || (::GetWindowLongW(w, GWL_STYLE) & WS_CAPTION)) continue;
        Capture c = CaptureWindow(w);
        if (c.width > 8 && c.height > 8 && c.At(8, 8) == 0) return true;
    }
    return false;
}

double StartUpSeconds(const std::wstring& exe, const std::wstring& folder, bool board)
{
    Process process;
    const double start = Now();
    if (!process.Start(exe, L"", folder)) return -1;
    while (!PaintedBlack(process.Id())) {
        if (Now() - start > 60 || !process.IsRunning()) return -1;
        ::Sleep(1);
    }
    const double seconds = Now() - start;
    if (board) {
        for (HWND w : TopLevelWindowsOf(process.Id()))
            if (::GetPropW(w, L"CKXM_TabloraDlg")) ::PostMessageW(w, WM_USER + 3, 0, 0);
        process.WaitExit(10000);
    }
    process.Terminate();
    return seconds;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

double PrivateMiB(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    size_t bytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

}  // namespace

int main()
{
    const int runs = 5;
    const char* idleText = std::getenv("IDLE_SECONDS");
    const int idleSeconds = idleText ? std::atoi(idleText) : 60;
    const std::wstring minimal = ExeFolder() + L"minimal_window.exe";

    BoardInstall board;
    board.WriteConfig({"disp_startx=200", "disp_starty=60", "disp_width=800", "disp_height=600", "language=1"});
    std::vector<double> boardStarts, minimalStarts;
    for (int i = 0; i < runs; ++i) {
        boardStarts.push_back(StartUpSeconds(board.PathOf(L"MarvonTablora.exe"), board.Folder(), true));
        minimalStarts.push_back(StartUpSeconds(minimal, ExeFolder(), false));
    }
    std::printf("startup_board_ms: %.0f\nstartup_minimal_ms: %.0f\n", Median(boardStarts) * 1000,
                Median(minimalStarts) * 1000);

    // Idle: both programs side by side; the board gets a snapshot a second.
    if (!board.Launch()) return 1;
    Process idle;
    idle.Start(minimal, L"", ExeFolder());
    WaitFor([&] { return PaintedBlack(board.Program().Id()) && PaintedBlack(idle.Id()); }, 30000);
    // Wine's figure for another process's CPU time is not that process's
    // own, so the caller reads it from the system between these two lines.
    std::printf("idle_begin\n");
    std::fflush(stdout);
    const double start = Now();
    for (int second = 0; second < idleSeconds; ++second) {
        PushStatus(board.MainDialog(), MakeStatus("Idle press", "Idle task", second % 10, float(second % 100)));
        WaitFor([&] { return Now() - start >= second + 1; }, 2000);
    }
    std::printf("idle_end\nidle_seconds: %.0f\n", Now() - start);
    std::fflush(stdout);
    if (const char* sampled = std::getenv("IDLE_SAMPLED_FILE")) {
        const std::wstring path(sampled, sampled + std::strlen(sampled));
        WaitFor([&] { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000);
    }
    std::printf("idle_board_private_mib: %.1f\nidle_minimal_private_mib: %.1f\n", PrivateMiB(board.Program().Handle()),
                PrivateMiB(idle.Handle()));
    board.Close();
    idle.Terminate();
    return 0;
}
