#include "Harness.h"

#include <algorithm>
#include <cstring>

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (::GetTickCount() - start >= timeoutMs) return condition();
        // Serve messages sent to this thread's windows while waiting.
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(20);
    }
}

bool Answers(HWND window, UINT ms)
{
    DWORD_PTR result = 0;
    return window && ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, ms, &result) != 0;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId)
{
    std::vector<HWND> windows;
    for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(w, &owner);
        if (owner == processId) windows.push_back(w);
    }
    return windows;
}

HWND FindWindowWithProperty(const wchar_t* property)
{
    for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT))
        if (::GetPropW(w, property)) return w;
    return nullptr;
}

std::wstring WindowTextOf(HWND window)
{
    wchar_t text[1024] = {};
    // Bounded: the other program may be busy.
    DWORD_PTR length = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 2000, &length);
    return text;
}

// ---------------------------------------------------------------- Process

Process::~Process()
{
    Terminate();
    if (m_info.hProcess) ::CloseHandle(m_info.hProcess);
    if (m_info.hThread) ::CloseHandle(m_info.hThread);
}

bool Process::Start(const std::wstring& exePath, const std::wstring& arguments, const std::wstring& folder)
{
    std::wstring commandLine = L"\"" + exePath + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    return ::CreateProcessW(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                            folder.empty() ? nullptr : folder.c_str(), &startup, &m_info) != FALSE;
}

bool Process::IsRunning() const
{
    return m_info.hProcess && ::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

bool Process::WaitExit(DWORD timeoutMs) const
{
    return !m_info.hProcess || ::WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Process::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (m_info.hProcess) ::GetExitCodeProcess(m_info.hProcess, &code);
    return code;
}

void Process::Terminate()
{
    if (IsRunning()) {
        ::TerminateProcess(m_info.hProcess, 1);
        ::WaitForSingleObject(m_info.hProcess, 5000);
    }
}

// ---------------------------------------------------------------- BoardInstall

BoardInstall::BoardInstall()
{
    const std::wstring from = ExeFolder();
    for (const wchar_t* name : {L"MarvonTablora.exe", L"KXM_Language.dll", L"libstdc++-6.dll", L"libgcc_s_dw2-1.dll",
                                L"libwinpthread-1.dll", L"tlrc_lang_ch.ini", L"tlrc_lang_en.ini",
                                L"tlrc_lang_other.ini"}) {
        if (::GetFileAttributesW((from + name).c_str()) != INVALID_FILE_ATTRIBUTES) CopyInto(from, Folder(), name);
    }
}

BoardInstall::~BoardInstall()
{
    if (m_process.IsRunning()) Close(5000);
    m_process.Terminate();
}

void BoardInstall::WriteConfig(const std::vector<std::string>& lines)
{
    std::string bytes = "[disp_set]\r\n";
    for (const std::string& line : lines) bytes += line + "\r\n";
    WriteConfigBytes(bytes);
}

void BoardInstall::WriteConfigBytes(const std::string& bytes) { WriteBytes(PathOf(L"cfg.ini"), bytes); }

void BoardInstall::RemoveFile(const std::wstring& name) { ::DeleteFileW(PathOf(name).c_str()); }

bool BoardInstall::Start() { return m_process.Start(PathOf(L"MarvonTablora.exe"), L"", Folder()); }

bool BoardInstall::Launch(DWORD timeoutMs)
{
    return Start() && WaitFor([&] { return MainDialog() != nullptr && BoardWindow() != nullptr; }, timeoutMs);
}

bool BoardInstall::Settle(DWORD timeoutMs) const
{
    return WaitFor([&] {
        HWND main = MainDialog();
        return main && !::IsWindowVisible(main) && Answers(main, 500);
    }, timeoutMs);
}

HWND BoardInstall::MainDialog() const
{
    for (HWND w : TopLevelWindowsOf(m_process.Id()))
        if (::GetPropW(w, L"CKXM_TabloraDlg")) return w;
    return nullptr;
}

HWND BoardInstall::BoardWindow() const
{
    for (HWND w : TopLevelWindowsOf(m_process.Id())) {
        wchar_t className[16] = {};
        ::GetClassNameW(w, className, 16);
        LONG style = ::GetWindowLongW(w, GWL_STYLE);
        if (std::wcscmp(className, L"#32770") == 0 && !(style & WS_CAPTION) && !::GetPropW(w, L"CKXM_TabloraDlg"))
            return w;
    }
    return nullptr;
}

bool BoardInstall::Close(DWORD timeoutMs)
{
    HWND main = MainDialog();
    if (main) ::PostMessageW(main, WM_USER + 3, 0, 0);
    return m_process.WaitExit(timeoutMs);
}

// ---------------------------------------------------------------- messages

// A name as the host puts it in its 64-byte field: a name of 64 bytes or
// more fills the field without a zero byte.
static void PutName(char (&field)[kNameFieldSize], const char* name)
{
    std::memcpy(field, name, std::min(std::strlen(name), sizeof field));
}

DeviceStatus MakeStatus(const char* device, const char* task, int32_t state, float percent)
{
    DeviceStatus status{};
    PutName(status.deviceName, device);
    PutName(status.taskName, task);
    status.stateCode = state;
    status.percentage = percent;
    return status;
}

bool SendCopyData(HWND target, ULONG_PTR kind, const void* data, DWORD size, HWND from)
{
    COPYDATASTRUCT message{kind, size, const_cast<void*>(data)};
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(target, WM_COPYDATA, reinterpret_cast<WPARAM>(from),
                                 reinterpret_cast<LPARAM>(&message), SMTO_NORMAL, 5000, &result) != 0;
}

bool PushStatus(HWND board, const DeviceStatus& status)
{
    return SendCopyData(board, 1, &status, sizeof status);
}

// ---------------------------------------------------------------- FakeHost

namespace {
constexpr UINT WM_HOST_STALL = WM_APP + 1;
}

std::wstring FakeHost::Request::VersionText() const
{
    std::wstring text;
    for (size_t i = 0; i + 1 < payload.size(); i += 2) {
        wchar_t c = static_cast<wchar_t>(payload[i] | (payload[i + 1] << 8));
        if (c == 0) break;
        text += c;
    }
    return text;
}

FakeHost::FakeHost(bool answer) : m_answer(answer)
{
    HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_thread = std::thread([this, ready] {
        m_threadId = ::GetCurrentThreadId();
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TabloraTestHost";
        ::RegisterClassW(&windowClass);  // fails harmlessly the second time
        m_window = ::CreateWindowExW(0, L"TabloraTestHost", L"test host", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                     nullptr, windowClass.hInstance, nullptr);
        ::SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        ::SetPropW(m_window, L"CKXM_IOTDlg", reinterpret_cast<HANDLE>(1));
        ::SetEvent(ready);
        Run();
    });
    ::WaitForSingleObject(ready, 10000);
    ::CloseHandle(ready);
}

FakeHost::~FakeHost()
{
    if (m_window) ::PostMessageW(m_window, WM_CLOSE, 0, 0);
    if (m_thread.joinable()) m_thread.join();
}

void FakeHost::Run()
{
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

std::vector<FakeHost::Request> FakeHost::Requests() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests;
}

size_t FakeHost::RequestCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests.size();
}

void FakeHost::Stall(DWORD ms) { ::PostMessageW(m_window, WM_HOST_STALL, ms, 0); }

void FakeHost::SetAnswer(bool answer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answer = answer;
}

LRESULT CALLBACK FakeHost::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* host = reinterpret_cast<FakeHost*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_COPYDATA: {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (!host || !data || data->dwData != 58) return 0;
        Request request{std::chrono::steady_clock::now(), reinterpret_cast<HWND>(wParam), {}};
        if (data->lpData) {
            const auto* bytes = static_cast<const uint8_t*>(data->lpData);
            request.payload.assign(bytes, bytes + data->cbData);
        }
        bool answer;
        {
            std::lock_guard<std::mutex> lock(host->m_mutex);
            host->m_requests.push_back(request);
            answer = host->m_answer;
        }
        if (answer) PushStatus(request.from, MakeStatus("TestDevice", "TestTask", 5, 45.5f));
        return 1;
    }
    case WM_HOST_STALL:
        ::Sleep(static_cast<DWORD>(wParam));  // a host that stops pumping messages
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// ---------------------------------------------------------------- pixels

int Capture::Count(const RECT& r, uint32_t rgb) const
{
    int count = 0;
    for (int y = r.top < 0 ? 0 : r.top; y < r.bottom && y < height; ++y)
        for (int x = r.left < 0 ? 0 : r.left; x < r.right && x < width; ++x)
            if (At(x, y) == rgb) ++count;
    return count;
}

bool Capture::SaveBmp(const std::wstring& path) const
{
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    const DWORD bytes = static_cast<DWORD>(pixels.size() * 4);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + bytes;
    std::string out(reinterpret_cast<const char*>(&file), sizeof file);
    out.append(reinterpret_cast<const char*>(&info), sizeof info);
    out.append(reinterpret_cast<const char*>(pixels.data()), bytes);
    return WriteBytes(path, out);
}

RECT ScreenRect(HWND window)
{
    RECT client{};
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    return RECT{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
}

Capture CaptureWindow(HWND window, bool frameIncluded)
{
    Capture capture;
    RECT area{};
    if (frameIncluded) {
        ::GetWindowRect(window, &area);
        ::OffsetRect(&area, -area.left, -area.top);
    } else {
        ::GetClientRect(window, &area);
    }
    capture.width = area.right;
    capture.height = area.bottom;
    if (capture.width <= 0 || capture.height <= 0) return capture;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC source = frameIncluded ? ::GetWindowDC(window) : ::GetDC(window);
    HDC memory = ::CreateCompatibleDC(source);
    HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, capture.width, capture.height, source, 0, 0, SRCCOPY);
    ::GdiFlush();
    const auto* raw = static_cast<const uint32_t*>(bits);
    capture.pixels.assign(raw, raw + static_cast<size_t>(capture.width) * capture.height);
    for (uint32_t& p : capture.pixels) p &= 0x00FFFFFF;
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(window, source);
    return capture;
}

Capture CaptureSettled(HWND window, DWORD timeoutMs)
{
    Capture last = CaptureWindow(window);
    WaitFor([&] {
        Capture next = CaptureWindow(window);
        const bool same = next.pixels == last.pixels;
        last = std::move(next);
        return same;
    }, timeoutMs);
    return last;
}
