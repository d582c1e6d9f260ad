// The board program's start-up, notification area, exit and host link, seen
// from outside as a user and a host program see them.
#include "Harness.h"

#include <shellapi.h>

#include <gtest/gtest.h>

namespace {

constexpr UINT WM_TRAY_NOTIFY = WM_USER + 1;
constexpr UINT WM_CLOSE_BOARD = WM_USER + 3;

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The message box that the program shows, owned by its main dialog.
HWND MessageBoxOf(BoardInstall& board)
{
    for (HWND w : TopLevelWindowsOf(board.Program().Id()))
        if (::GetWindow(w, GW_OWNER) == board.MainDialog() && ::IsWindowVisible(w)) return w;
    return nullptr;
}

class BoardSpine : public ::testing::Test {
protected:
    void SetUp() override
    {
        board.WriteConfig({"disp_startx=40", "disp_starty=60", "disp_width=640", "disp_height=480",
                           "tlr_version=TLR-E2E-7"});
    }
    BoardInstall board;
};

TEST_F(BoardSpine, StartsHiddenInTheTrayWithTheBoardAtItsRectangle)
{
    ASSERT_TRUE(board.Launch());
    HWND main = board.MainDialog();
    EXPECT_EQ(::GetPropW(main, L"CKXM_TabloraDlg"), reinterpret_cast<HANDLE>(1));
    EXPECT_TRUE(WaitFor([&] { return !::IsWindowVisible(main); }, 15000));

    HWND boardWindow = board.BoardWindow();
    ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(boardWindow) != FALSE; }, 15000));
    RECT r{};
    ::GetWindowRect(boardWindow, &r);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 60);
    EXPECT_EQ(r.right - r.left, 640);
    EXPECT_EQ(r.bottom - r.top, 480);
    RECT client{};
    ::GetClientRect(boardWindow, &client);
    EXPECT_EQ(client.right, 640) << "the board window has no border";
    EXPECT_EQ(client.bottom, 480);
}

TEST_F(BoardSpine, SecondStartEndsAtOnceAndTheFirstKeepsRunning)
{
    ASSERT_TRUE(board.Launch());
    Process second;
    ASSERT_TRUE(second.Start(board.PathOf(L"MarvonTablora.exe"), L"", board.Folder()));
    EXPECT_TRUE(second.WaitExit(10000));
    EXPECT_TRUE(board.Program().IsRunning());
    EXPECT_NE(board.MainDialog(), nullptr);
    EXPECT_TRUE(Answers(board.MainDialog(), 2000));
}

TEST_F(BoardSpine, TrayButtonShowsTheDialogNearTheCornerAndMinimizeHidesIt)
{
    ASSERT_TRUE(board.Launch());
    ASSERT_TRUE(board.Settle());
    HWND main = board.MainDialog();

    for (LPARAM button : {LPARAM(WM_LBUTTONDOWN), LPARAM(WM_RBUTTONDOWN)}) {
        ::PostMessageW(main, WM_TRAY_NOTIFY, 1, button);
        ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(main) != FALSE; }, 15000));
        RECT r{};
        auto inCorner = [&] {
            ::GetWindowRect(main, &r);
            return r.right == ::GetSystemMetrics(SM_CXSCREEN) - 10 && r.bottom == ::GetSystemMetrics(SM_CYSCREEN) - 50;
        };
        EXPECT_TRUE(WaitFor(inCorner, 5000)) << "button " << button << ": " << r.right << "," << r.bottom;

        ::PostMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_TRUE(WaitFor([&] { return !::IsWindowVisible(main); }, 15000));
    }
    // Other mouse messages leave it hidden.
    ::PostMessageW(main, WM_TRAY_NOTIFY, 1, WM_MOUSEMOVE);
    ::PostMessageW(main, WM_TRAY_NOTIFY, 1, WM_LBUTTONUP);
    ASSERT_TRUE(Answers(main, 5000));
    EXPECT_FALSE(::IsWindowVisible(main));
}

TEST_F(BoardSpine, DialogKeepsItsPlaceWhileTheBoardIsOnAMonitorToTheRight)
{
    board.WriteConfig({"disp_startx=600", "disp_starty=60", "disp_width=640", "disp_height=480"});
    ASSERT_TRUE(board.Launch());
    ASSERT_TRUE(board.Settle());
    HWND main = board.MainDialog();
    RECT before{};
    ::GetWindowRect(main, &before);
    ::PostMessageW(main, WM_TRAY_NOTIFY, 1, WM_LBUTTONDOWN);
    ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(main) != FALSE; }, 15000));
    RECT after{};
    ::GetWindowRect(main, &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
}

TEST_F(BoardSpine, CancelAsksNoKeepsTheProgramYesEndsIt)
{
    ASSERT_TRUE(board.Launch());
    ASSERT_TRUE(board.Settle());
    HWND main = board.MainDialog();

    ::PostMessageW(main, WM_COMMAND, IDCANCEL, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = MessageBoxOf(board)) != nullptr; }, 15000));
    EXPECT_NE(::GetDlgItem(box, IDYES), nullptr);
    EXPECT_NE(::GetDlgItem(box, IDNO), nullptr);
    ::PostMessageW(::GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return MessageBoxOf(board) == nullptr; }, 15000));
    EXPECT_TRUE(board.Program().IsRunning());
    EXPECT_TRUE(Answers(main, 5000));

    ::PostMessageW(main, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return (box = MessageBoxOf(board)) != nullptr; }, 15000));
    ::PostMessageW(::GetDlgItem(box, IDYES), BM_CLICK, 0, 0);
    EXPECT_TRUE(board.Program().WaitExit(10000));
}

TEST_F(BoardSpine, CloseMessageEndsTheProgramWithoutAsking)
{
    ASSERT_TRUE(board.Launch());
    ::PostMessageW(board.MainDialog(), WM_CLOSE_BOARD, 0, 0);
    EXPECT_TRUE(board.Program().WaitExit(10000));
}

TEST_F(BoardSpine, RequestCarriesTheConfiguredVersionTextAtStart)
{
    FakeHost host;
    ASSERT_TRUE(board.Launch());
    ASSERT_TRUE(WaitFor([&] { return host.RequestCount() >= 1; }, 15000));
    FakeHost::Request first = host.Requests().front();
    EXPECT_EQ(first.payload.size(), 64u);
    EXPECT_EQ(first.VersionText(), L"TLR-E2E-7");
    EXPECT_EQ(first.from, board.MainDialog()) << "the request names the main dialog";
}

TEST_F(BoardSpine, DefaultVersionTextIsUnknow)
{
    board.WriteConfig({"disp_width=640", "disp_height=480"});
    FakeHost host;
    ASSERT_TRUE(board.Launch());
    ASSERT_TRUE(WaitFor([&] { return host.RequestCount() >= 1; }, 15000));
    std::vector<uint8_t> expected(64, 0);
    for (size_t i = 0; i < 6; ++i) expected[2 * i] = static_cast<uint8_t>("unknow"[i]);
    EXPECT_EQ(host.Requests().front().payload, expected);
}

TEST_F(BoardSpine, SilentHostIsAskedAboutEverySixSeconds)
{
    FakeHost host;
    ASSERT_TRUE(board.Launch());
    ASSERT_TRUE(WaitFor([&] { return host.RequestCount() >= 3; }, 20000));
    std::vector<FakeHost::Request> requests = host.Requests();
    for (size_t i = 1; i < 3; ++i) {
        double gap = Seconds(requests[i].at - requests[i - 1].at);
        EXPECT_GT(gap, 5.0) << "request " << i;
        EXPECT_LT(gap, 10.0) << "request " << i;
    }
}

TEST_F(BoardSpine, HostSendingEverySecondGetsOnlyTheFirstRequest)
{
    FakeHost host;
    ASSERT_TRUE(board.Launch());
    ASSERT_TRUE(WaitFor([&] { return host.RequestCount() >= 1; }, 15000));
    HWND main = board.MainDialog();
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 13000) {
        ASSERT_TRUE(PushStatus(main, MakeStatus("Dev", "Task", 5, 50.0f)));
        WaitFor([] { return false; }, 1000);  // the host's own one-second rhythm
    }
    EXPECT_EQ(host.RequestCount(), 1u);
}

TEST_F(BoardSpine, LateHostIsFoundWithinOneTickAfterSixSeconds)
{
    ASSERT_TRUE(board.Launch());
    WaitFor([] { return false; }, 7000);  // the host starts after the first six seconds
    FakeHost host;
    const DWORD appeared = ::GetTickCount();
    ASSERT_TRUE(WaitFor([&] { return host.RequestCount() >= 1; }, 6000));
    EXPECT_LE(::GetTickCount() - appeared, 3500u) << "found within one 2 s tick (with slack)";
}

TEST_F(BoardSpine, MalformedCopyDataLeavesTheBoardRunning)
{
    ASSERT_TRUE(board.Launch());
    ASSERT_TRUE(board.Settle());
    HWND main = board.MainDialog();
    std::vector<uint8_t> big(1 << 20, 0x41);
    struct Case { ULONG_PTR kind; const void* data; DWORD size; } cases[] = {
        {1, big.data(), 0}, {1, big.data(), 1}, {1, big.data(), 171}, {1, nullptr, 0},
        {1, big.data(), 173}, {1, big.data(), 1 << 20}, {58, big.data(), 64}, {0, big.data(), 172},
        {2, big.data(), 172}, {0xFFFFFFFF, big.data(), 172},
    };
    for (const Case& c : cases) {
        SendCopyData(main, c.kind, c.data, c.size);
        ASSERT_TRUE(Answers(main, 5000)) << c.kind << " " << c.size;
    }
    EXPECT_TRUE(board.Program().IsRunning());
}

TEST_F(BoardSpine, HungHostDoesNotStopTheBoardFromAnswering)
{
    FakeHost host;
    ASSERT_TRUE(board.Launch());
    ASSERT_TRUE(WaitFor([&] { return host.RequestCount() >= 1; }, 15000));
    ASSERT_TRUE(board.Settle());
    host.Stall(10000);
    // The board asks again while the host hangs; it must keep answering.
    const DWORD start = ::GetTickCount();
    int probes = 0;
    while (::GetTickCount() - start < 10000) {
        ASSERT_TRUE(Answers(board.MainDialog(), 2000)) << "probe " << probes << " at " << ::GetTickCount() - start;
        ++probes;
        ::Sleep(100);
    }
    // When the host is back, requests reach it again.
    ASSERT_TRUE(WaitFor([&] { return host.RequestCount() >= 2; }, 10000));
}

}  // namespace

namespace {

// Whether the shell holds the program's notification-area icon: only an
// existing icon can be modified.
bool TrayIconPresent(HWND main)
{
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = main;
    icon.uID = 1;
    return ::Shell_NotifyIconW(NIM_MODIFY, &icon) != FALSE;
}

TEST_F(BoardSpine, IconIsAddedInTheTrayAndAgainAfterTheShellRestarts)
{
    ASSERT_TRUE(board.Launch());
    ASSERT_TRUE(board.Settle());
    HWND main = board.MainDialog();
    ASSERT_TRUE(WaitFor([&] { return TrayIconPresent(main); }, 15000));

    // A restarted shell has forgotten every icon and says so to all windows.
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = main;
    icon.uID = 1;
    ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &icon));
    ASSERT_FALSE(TrayIconPresent(main));
    ::PostMessageW(main, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitFor([&] { return TrayIconPresent(main); }, 15000));
}

}  // namespace
