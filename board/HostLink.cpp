// The link to the host program: find its window, ask it for data on the
// watchdog timer, store every status snapshot it sends.
#include "BoardData.h"
#include "KXM_TabloraDlg.h"

namespace {
// A host that does not answer within this time is given up on for this
// request, so that a hung host cannot freeze the board.
constexpr UINT kRequestTimeoutMs = 2000;
}

HWND CKXM_TabloraDlg::FindHostWindow() const
{
    for (HWND window = ::GetWindow(::GetDesktopWindow(), GW_CHILD); window;
         window = ::GetWindow(window, GW_HWNDNEXT)) {
        if (::GetPropW(window, L"CKXM_IOTDlg")) return window;
    }
    return nullptr;
}

void CKXM_TabloraDlg::SendRequest()
{
    HWND host = FindHostWindow();
    if (!host) return;
    g_boardData.requestBuffer = BuildRequestPayload(m_versionText.ToU16());
    COPYDATASTRUCT request{};
    request.dwData = COPYDATA_REQUEST;
    request.cbData = static_cast<DWORD>(g_boardData.requestBuffer.size());
    request.lpData = g_boardData.requestBuffer.data();
    // SMTO_NORMAL keeps serving messages sent to this thread while it waits,
    // so a host that answers from inside its request handler is served.
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(host, WM_COPYDATA, reinterpret_cast<WPARAM>(m_hWnd), reinterpret_cast<LPARAM>(&request),
                          SMTO_NORMAL | SMTO_ABORTIFHUNG, kRequestTimeoutMs, &result);
    m_watchdogTicks = 0;
}

void CKXM_TabloraDlg::OnTimer(UINT_PTR)
{
    m_watchdogTicks = NextWatchdogTicks(m_watchdogTicks);
    if (IsRequestDue(m_watchdogTicks)) SendRequest();
}

void CKXM_TabloraDlg::OnCopyData(const COPYDATASTRUCT* data)
{
    if (!data) return;
    // The payload is valid only while this handler runs: copy it now and
    // format the rows later, so that the host's send returns quickly.
    if (TakeStatus(data->dwData, data->lpData, data->cbData, g_boardData.status)) {
        // One notice in the queue is enough: it formats whatever snapshot is
        // latest when it is dispatched. So a flooding host cannot fill the
        // queue with notices the board would work through long after.
        if (!m_statusPending) m_statusPending = ::PostMessageW(m_hWnd, WM_STATUS_ARRIVED, 0, 0) != FALSE;
        m_watchdogTicks = 0;
    }
}
