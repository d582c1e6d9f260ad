// The board under faults: a host that floods it, hangs, disappears and comes
// back, malformed messages, and damaged files. Each scenario is bounded in
// time; what is checked is what a user sees (the board's pixels) and that
// the program keeps answering.
#include "BoardLayout.h"
#include "Harness.h"

#include <psapi.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <random>

namespace {

constexpr int kStateRow = 5, kPercentRow = 9;
constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00, kOrange = 0xFF8000;
constexpr uint32_t kStateOrange = 0xF59C30, kGrey = 0x929292, kOrangeRed = 0xFF7700;

size_t PrivateBytes(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
        return 0;
    return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

std::string RandomBytes(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    return bytes;
}

class Faults : public ::testing::Test {
protected:
    static constexpr int kWidth = 800, kHeight = 600;

    void SetUp() override
    {
        board.WriteConfig({"disp_startx=200", "disp_starty=60", "disp_width=800", "disp_height=600",
                           "tlr_version=FAULTS"});
    }

    // The colour inside the value cell of `row`, away from its text.
    uint32_t ValueColour(int row)
    {
        BoardLayout layout = LayOutBoard(10, kWidth, kHeight);
        const CellRect& cell = layout.rows[static_cast<size_t>(row)].value;
        Capture c = CaptureWindow(board.BoardWindow());
        if (c.width != kWidth || c.height != kHeight) return 0xFFFFFFFF;
        return c.At(cell.left + 2, cell.top + 2);
    }
    bool Shows(uint32_t state, uint32_t percent)
    {
        return ValueColour(kStateRow) == state && ValueColour(kPercentRow) == percent;
    }
    bool WaitShows(uint32_t state, uint32_t percent, DWORD ms = 10000)
    {
        return WaitFor([&] { return Shows(state, percent); }, ms);
    }
    // Start-up is over once the program is in the tray, answers at once
    // and has painted its first board.
    bool Settled() { return board.Settle() && WaitShows(kRed, kRed, 15000); }

    BoardInstall board;
};

TEST_F(Faults, FloodKeepsTheBoardAnsweringWithinBoundsAndEndsOnTheLastSnapshot)
{
    ASSERT_TRUE(board.Launch());
    ASSERT_TRUE(Settled());
    HWND main = board.MainDialog();
    const size_t memoryBefore = PrivateBytes(board.Program().Handle());

    std::atomic<bool> stop{false};
    std::atomic<long> sent{0};
    std::thread flood([&] {
        const DeviceStatus snapshots[] = {MakeStatus("Flood A", "Task A", 0, 10.0f),
                                          MakeStatus("Flood B", "Task B", 1, 75.0f)};
        while (!stop) {
            PushStatus(main, snapshots[sent % 2]);
            ++sent;
        }
        // The last one sent: orange state, green percentage.
        PushStatus(main, MakeStatus("Last", "Last task", 6, 85.0f));
    });

    int probes = 0, late = 0;
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 20000) {
        if (!Answers(main, 250)) ++late;
        ++probes;
        ::Sleep(50);
    }
    stop = true;
    flood.join();

    EXPECT_EQ(late, 0) << "of " << probes << " probes during " << sent << " snapshots";
    EXPECT_GT(sent.load(), 100) << "the flood reached the board";
    EXPECT_TRUE(WaitShows(kStateOrange, kGreen, 15000)) << "the last snapshot is the one on the board";
    const size_t memoryAfter = PrivateBytes(board.Program().Handle());
    ASSERT_GT(memoryBefore, 0u);
    EXPECT_LT(memoryAfter, memoryBefore + (1u << 20)) << memoryBefore << " -> " << memoryAfter;
}

TEST_F(Faults, HungHostDoesNotStopSnapshotsFromAnotherSender)
{
    FakeHost host;
    ASSERT_TRUE(board.Launch());
    ASSERT_TRUE(Settled());
    ASSERT_TRUE(WaitFor([&] { return host.RequestCount() >= 1; }, 5000));
    host.Stall(20000);
    const DWORD start = ::GetTickCount();
    const struct { int32_t state; float percent; uint32_t stateColour, percentColour; } steps[] = {
        {4, 50.0f, kGrey, kRed}, {8, 72.0f, kOrangeRed, kOrange}, {1, 95.0f, kBlue, kGreen},
    };
    int step = 0;
    while (::GetTickCount() - start < 18000) {
        const auto& s = steps[step++ % 3];
        ASSERT_TRUE(PushStatus(board.MainDialog(), MakeStatus("Pusher", "Task", s.state, s.percent)));
        ASSERT_TRUE(WaitShows(s.stateColour, s.percentColour, 5000)) << "step " << step;
        ASSERT_TRUE(Answers(board.MainDialog(), 250));
    }
    // Once the host is back and the pusher is quiet, requests reach it again.
    const size_t before = host.RequestCount();
    EXPECT_TRUE(WaitFor([&] { return host.RequestCount() > before; }, 20000));
}

TEST_F(Faults, HostGoneAndBackIsFoundAgainWhileTheLastValuesStay)
{
    ASSERT_TRUE(board.Launch());
    ASSERT_TRUE(Settled());
    for (int round = 0; round < 3; ++round) {
        {
            FakeHost host(true);  // answers with state 5 at 45.5 %: green and red
            ASSERT_TRUE(WaitFor([&] { return host.RequestCount() >= 1; }, 10000)) << "round " << round;
            ASSERT_TRUE(WaitShows(kGreen, kRed)) << "round " << round;
            ASSERT_TRUE(PushStatus(board.MainDialog(), MakeStatus("Kept", "Kept", 6, 75.0f)));
            ASSERT_TRUE(WaitShows(kStateOrange, kOrange)) << "round " << round;
        }
        // The host is gone: past the watchdog's threshold the board searches
        // on every tick and keeps showing what it had.
        WaitFor([] { return false; }, 7000);
        EXPECT_TRUE(Shows(kStateOrange, kOrange)) << "round " << round;
        FakeHost back;
        const DWORD appeared = ::GetTickCount();
        ASSERT_TRUE(WaitFor([&] { return back.RequestCount() >= 1; }, 6000)) << "round " << round;
        EXPECT_LE(::GetTickCount() - appeared, 3500u) << "found within one tick, round " << round;
    }
}

TEST_F(Faults, OnlyWellFormedSnapshotsShow)
{
    ASSERT_TRUE(board.Launch());
    ASSERT_TRUE(Settled());
    HWND main = board.MainDialog();
    const DeviceStatus good = MakeStatus("Good", "Good", 4, 50.0f);  // grey, red
    const DeviceStatus bad = MakeStatus("Bad", "Bad", 1, 99.0f);     // would be blue, green
    std::vector<uint8_t> big(1 << 20, 0);
    std::memcpy(big.data(), &bad, sizeof bad);

    struct Case { ULONG_PTR kind; const void* data; DWORD size; } malformed[] = {
        {1, &bad, 0}, {1, &bad, 1}, {1, &bad, 171}, {1, nullptr, 0},
        {0, &bad, 172}, {2, &bad, 172}, {58, &bad, 64}, {0xFFFFFFFF, &bad, 172},
    };
    for (const Case& c : malformed) {
        ASSERT_TRUE(PushStatus(main, good));
        ASSERT_TRUE(WaitShows(kGrey, kRed)) << c.kind << " " << c.size;
        SendCopyData(main, c.kind, c.data, c.size);
        ASSERT_TRUE(Answers(main, 2000));
        // Nothing was stored, so nothing changes on the board.
        EXPECT_FALSE(WaitFor([&] { return Shows(kBlue, kGreen); }, 1500)) << c.kind << " " << c.size;
        EXPECT_TRUE(Shows(kGrey, kRed)) << c.kind << " " << c.size;
    }
    // Longer payloads are snapshots too: their first 172 bytes count.
    for (DWORD size : {173u, 1u << 20}) {
        ASSERT_TRUE(PushStatus(main, good));
        ASSERT_TRUE(WaitShows(kGrey, kRed));
        ASSERT_TRUE(SendCopyData(main, 1, big.data(), size));
        EXPECT_TRUE(WaitShows(kBlue, kGreen)) << size;
    }
    EXPECT_TRUE(board.Program().IsRunning());
}

struct DamagedConfig {
    const char* name;
    std::function<void(BoardInstall&, HANDLE&)> damage;
};

TEST_F(Faults, DamagedConfigurationStartsWithDefaults)
{
    const DamagedConfig cases[] = {
        {"random bytes", [](BoardInstall& b, HANDLE&) { b.WriteConfigBytes(RandomBytes(4096, 7)); }},
        {"10 MiB", [](BoardInstall& b, HANDLE&) {
             std::string bytes = "[disp_set]\r\n" + RandomBytes(10u << 20, 11);
             b.WriteConfigBytes(bytes);
         }},
        {"unreadable", [](BoardInstall& b, HANDLE& lock) {
             b.WriteConfig({"disp_startx=300", "disp_width=1000"});
             lock = ::CreateFileW(b.PathOf(L"cfg.ini").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
         }},
    };
    for (const DamagedConfig& c : cases) {
        SCOPED_TRACE(c.name);
        BoardInstall damaged;
        HANDLE lock = INVALID_HANDLE_VALUE;
        c.damage(damaged, lock);
        ASSERT_TRUE(damaged.Launch(60000));
        ASSERT_TRUE(damaged.Settle(60000));
        HWND boardWindow = damaged.BoardWindow();
        ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(boardWindow) != FALSE; }, 20000));
        RECT r{};
        ::GetWindowRect(boardWindow, &r);
        // Whatever the bytes held, the board stands somewhere and answers;
        // with nothing usable it takes the default rectangle.
        EXPECT_TRUE(Answers(damaged.MainDialog(), 2000));
        EXPECT_EQ(r.left, 10);
        EXPECT_EQ(r.right - r.left, 800);
        EXPECT_EQ(r.bottom - r.top, 600);
        if (lock != INVALID_HANDLE_VALUE) ::CloseHandle(lock);
        EXPECT_TRUE(damaged.Close());
    }
}

TEST_F(Faults, DamagedLanguageFileGivesIdentifiers)
{
    for (size_t size : {size_t(64) << 10, size_t(100) << 20}) {
        SCOPED_TRACE(size);
        BoardInstall damaged;
        damaged.WriteConfig({"language=1", "disp_startx=200", "disp_starty=60"});
        WriteBytes(damaged.PathOf(L"tlrc_lang_en.ini"), RandomBytes(size, 3));
        ASSERT_TRUE(damaged.Launch(120000));
        ASSERT_TRUE(damaged.Settle(60000));
        HWND button = ::GetDlgItem(damaged.MainDialog(), 1000);
        // Random bytes hold no section header, so the button shows its identifier.
        EXPECT_TRUE(WaitFor([&] { return WindowTextOf(button) == L"1000"; }, 10000)) << WindowTextOf(button).size();
        EXPECT_TRUE(Answers(damaged.MainDialog(), 2000));
        EXPECT_TRUE(damaged.Close());
    }
}

TEST_F(Faults, SettingsOkThatCannotSaveLeavesTheBoardWorking)
{
    board.WriteConfig({"disp_startx=200", "disp_starty=60", "disp_width=800", "disp_height=600", "font_size=32"});
    const std::string before = ReadBytes(board.PathOf(L"cfg.ini"));
    ASSERT_TRUE(board.Launch());
    ASSERT_TRUE(Settled());
    HWND main = board.MainDialog();
    ::PostMessageW(main, WM_USER + 1, 1, WM_LBUTTONDOWN);  // the tray icon
    ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(main) != FALSE; }, 15000));

    // Another program holds the file open without sharing: nothing can be saved.
    HANDLE lock = ::CreateFileW(board.PathOf(L"cfg.ini").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    ::PostMessageW(::GetDlgItem(main, 1000), BM_CLICK, 0, 0);
    HWND settings = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        for (HWND w : TopLevelWindowsOf(board.Program().Id()))
            if (::GetWindow(w, GW_OWNER) == main && ::IsWindowVisible(w)) settings = w;
        return settings != nullptr;
    }, 15000));
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(::GetDlgItem(settings, IDOK), BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &result);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(settings) || !::IsWindowVisible(settings); }, 15000));
    EXPECT_TRUE(Answers(main, 2000));
    ::CloseHandle(lock);

    EXPECT_EQ(ReadBytes(board.PathOf(L"cfg.ini")), before) << "the file was left as it was";
    ASSERT_TRUE(PushStatus(main, MakeStatus("After", "After", 1, 99.0f)));
    EXPECT_TRUE(WaitShows(kBlue, kGreen)) << "snapshots still show";
}

}  // namespace
