// The end-to-end driver's toolbox: a board program in a scratch folder, a host
// played by the driver, window searches, and the board window's pixels.
//
// Every wait polls its condition against a deadline; nothing sleeps hoping.
#pragma once

#include "DeviceStatus.h"
#include "TestFiles.h"

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Whether the window's thread answers a sent message within `ms`.
bool Answers(HWND window, UINT ms);

// Polls `condition` every 20 ms until it holds or `timeoutMs` has passed;
// returns whether it held.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs);

// Top-level windows of a process, in Z order.
std::vector<HWND> TopLevelWindowsOf(DWORD processId);
// The first top-level window that carries `property` with non-zero data.
HWND FindWindowWithProperty(const wchar_t* property);
std::wstring WindowTextOf(HWND window);

// A process started by the driver; ended (terminated if need be) with the object.
class Process {
public:
    Process() = default;
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Start(const std::wstring& exePath, const std::wstring& arguments, const std::wstring& folder);
    bool IsRunning() const;
    // Waits for the process to end; true if it ended within the time.
    bool WaitExit(DWORD timeoutMs) const;
    DWORD ExitCode() const;
    void Terminate();
    DWORD Id() const { return m_info.dwProcessId; }
    HANDLE Handle() const { return m_info.hProcess; }

private:
    PROCESS_INFORMATION m_info{};
};

// A board program in a scratch folder of its own: the program, its library,
// the runtime and the language files beside it, and the cfg.ini a test gives.
class BoardInstall {
public:
    BoardInstall();
    ~BoardInstall();

    const std::wstring& Folder() const { return m_folder.Path(); }
    std::wstring PathOf(const std::wstring& name) const { return m_folder / name; }
    // Writes cfg.ini (section disp_set) with the given "key=value" lines.
    void WriteConfig(const std::vector<std::string>& lines);
    void WriteConfigBytes(const std::string& bytes);
    void RemoveFile(const std::wstring& name);

    // Starts the program; Launch() also waits until its main dialog exists.
    bool Start();
    bool Launch(DWORD timeoutMs = 20000);
    Process& Program() { return m_process; }

    // The main dialog (it carries the property "CKXM_TabloraDlg") and the
    // board window (the program's other top-level dialog, without caption).
    HWND MainDialog() const;
    HWND BoardWindow() const;

    // Waits until start-up is over: the main dialog has gone into the tray
    // and the program answers a sent message at once.
    bool Settle(DWORD timeoutMs = 30000) const;

    // Ends the program without asking and waits for it.
    bool Close(DWORD timeoutMs = 10000);

private:
    TempFolder m_folder;
    Process m_process;
};

// A snapshot as the host sends it.
DeviceStatus MakeStatus(const char* device, const char* task, int32_t state, float percent);

// Sends a copy-data message to `target` (bounded wait); false when it could
// not be delivered.
bool SendCopyData(HWND target, ULONG_PTR kind, const void* data, DWORD size, HWND from = nullptr);
bool PushStatus(HWND board, const DeviceStatus& status);

// The host program played by the driver: a window with the property
// "CKXM_IOTDlg" on a thread of its own that records every request and
// answers it with a snapshot when `answer` is set.
class FakeHost {
public:
    struct Request {
        std::chrono::steady_clock::time_point at;
        HWND from;
        std::vector<uint8_t> payload;
        std::wstring VersionText() const;
    };

    explicit FakeHost(bool answer = false);
    ~FakeHost();

    std::vector<Request> Requests() const;
    size_t RequestCount() const;
    // The host stops pumping messages for `ms` (as a hung host does).
    void Stall(DWORD ms);
    void SetAnswer(bool answer);
    HWND Window() const { return m_window; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Run();

    mutable std::mutex m_mutex;
    std::vector<Request> m_requests;
    bool m_answer;
    HWND m_window = nullptr;
    DWORD m_threadId = 0;
    std::thread m_thread;
};

// The pixels of a window's area on the screen, as 0x00RRGGBB values.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    // How many pixels of the rectangle (left, top, right, bottom) have `rgb`.
    int Count(const RECT& r, uint32_t rgb) const;
    // Whether every pixel of the rectangle has `rgb`.
    bool All(const RECT& r, uint32_t rgb) const { return Count(r, rgb) == (r.right - r.left) * (r.bottom - r.top); }
    bool SaveBmp(const std::wstring& path) const;
};
// The client area's pixels; with `frameIncluded`, the whole window's.
Capture CaptureWindow(HWND window, bool frameIncluded = false);
// The window's pixels once two captures in a row agree: the screen copy of
// a window may be caught in the middle of an update.
Capture CaptureSettled(HWND window, DWORD timeoutMs = 5000);
// Client rectangle of a window in screen coordinates.
RECT ScreenRect(HWND window);
