#include "Dialog.h"

#include "App.h"

CDialogEx* CDialogEx::s_innermostModal = nullptr;

CDialogEx::CDialogEx(UINT templateId, HWND parent) : m_templateId(templateId), m_parent(parent) {}

CDialogEx::~CDialogEx()
{
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

static HINSTANCE ResourceModule()
{
    CWinApp* app = AfxGetApp();
    return app && app->Instance() ? app->Instance() : ::GetModuleHandleW(nullptr);
}

BOOL CDialogEx::Create(UINT templateId, HWND parent)
{
    m_templateId = templateId;
    m_parent = parent;
    m_modal = false;
    HWND hwnd = ::CreateDialogParamW(ResourceModule(), MAKEINTRESOURCEW(templateId), parent, StaticDialogProc,
                                     reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr;
}

INT_PTR CDialogEx::DoModal()
{
    m_modal = true;
    m_modalRunning = true;
    m_modalResult = -1;
    HWND owner = m_parent;
    m_outerModal = s_innermostModal;
    s_innermostModal = this;
    HWND hwnd = ::CreateDialogParamW(ResourceModule(), MAKEINTRESOURCEW(m_templateId), owner, StaticDialogProc,
                                     reinterpret_cast<LPARAM>(this));
    if (!hwnd) {
        s_innermostModal = m_outerModal;
        m_modal = false;
        return -1;
    }
    bool ownerDisabled = owner && ::IsWindowEnabled(owner);
    if (ownerDisabled) ::EnableWindow(owner, FALSE);
    if (m_modalRunning && !::IsWindowVisible(hwnd)) ::ShowWindow(hwnd, SW_SHOWNORMAL);

    MSG msg;
    while (m_modalRunning) {
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // WM_QUIT belongs to the outer loop: hand it on and end this one.
            if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!PreTranslateDialogMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }

    s_innermostModal = m_outerModal;
    if (ownerDisabled) ::EnableWindow(owner, TRUE);
    if (m_hWnd) {
        if (owner && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
        ::DestroyWindow(m_hWnd);
    }
    m_modal = false;
    return m_modalResult;
}

void CDialogEx::EndDialog(int result)
{
    if (m_modal) {
        // The modal dialogs this one opened end with it (as cancelled), so
        // that its own loop, which runs below theirs, can end as well.
        if (m_modalRunning) {
            for (CDialogEx* opened = s_innermostModal; opened && opened != this; opened = opened->m_outerModal)
                opened->EndModalLoop(IDCANCEL);
        }
        EndModalLoop(result);
    } else if (m_hWnd) {
        ::ShowWindow(m_hWnd, SW_HIDE);
    }
}

void CDialogEx::EndModalLoop(INT_PTR result)
{
    m_modalResult = result;
    m_modalRunning = false;
    if (m_hWnd) {
        ::ShowWindow(m_hWnd, SW_HIDE);
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wake the modal loop
    }
}

CString CDialogEx::GetDlgItemText(int id) const
{
    HWND item = GetDlgItem(id);
    int length = item ? ::GetWindowTextLengthW(item) : 0;
    CString text;
    if (length > 0) {
        ::GetWindowTextW(item, text.GetBuffer(length + 1), length + 1);
        text.ReleaseBuffer();
    }
    return text;
}

LRESULT CDialogEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDOK: OnOK(); return 0;
        case IDCANCEL: OnCancel(); return 0;
        }
    }
    return Default(message, wParam, lParam);
}

LRESULT CDialogEx::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProcW(m_systemProc, m_hWnd, message, wParam, lParam);
}

bool CDialogEx::PreTranslateDialogMessage(MSG* msg)
{
    if (!msg->hwnd || msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return false;
    HWND root = ::GetAncestor(msg->hwnd, GA_ROOT);
    wchar_t className[8] = {};
    if (!root || !::GetClassNameW(root, className, 8) || ::lstrcmpW(className, L"#32770") != 0) return false;
    return ::IsDialogMessageW(root, msg) != FALSE;
}

INT_PTR CALLBACK CDialogEx::StaticDialogProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG) return FALSE;
    auto* dialog = reinterpret_cast<CDialogEx*>(lParam);
    ::SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
    dialog->m_hWnd = hwnd;
    dialog->m_systemProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWindowProc)));
    try {
        return dialog->OnInitDialog();
    } catch (...) {
        return TRUE;
    }
}

LRESULT CALLBACK CDialogEx::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* dialog = reinterpret_cast<CDialogEx*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!dialog) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        LRESULT result = dialog->Default(message, wParam, lParam);
        ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        dialog->m_hWnd = nullptr;
        if (dialog->m_modal) dialog->m_modalRunning = false;
        return result;
    }
    try {
        return dialog->WindowProc(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}
