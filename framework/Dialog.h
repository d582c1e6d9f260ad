// A dialog object over a dialog template resource, modal or modeless.
//
// The object reaches its window through m_hWnd, and the window reaches the
// object through the pointer handed to the dialog-creation call, kept in the
// window's DWLP_USER slot. After WM_INITDIALOG the window is subclassed, so
// every later message goes to the virtual WindowProc: a derived class handles
// what it needs in a plain switch and passes the rest to its base, which ends
// in Default(), the system's dialog procedure.
//
// DoModal runs the modal loop itself. That loop (like CWinApp::Run) gives
// dialog keys to whichever dialog the keyboard message is for, so a modeless
// dialog still gets Escape and Enter while a modal dialog runs.
#pragma once

#include "String.h"

class CDialogEx {
public:
    CDialogEx(UINT templateId, HWND parent = nullptr);
    virtual ~CDialogEx();
    CDialogEx(const CDialogEx&) = delete;
    CDialogEx& operator=(const CDialogEx&) = delete;

    // Runs the dialog modally; returns the value given to EndDialog, or -1
    // when the window could not be created.
    INT_PTR DoModal();
    // Creates the dialog modelessly with the given parent (may be the desktop).
    BOOL Create(UINT templateId, HWND parent);
    // Ends a modal dialog's loop with `result`, and the loops of the modal
    // dialogs it has opened with IDCANCEL; hides a modeless dialog.
    void EndDialog(int result);

    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    // Every message after WM_INITDIALOG. The base turns the OK and Cancel
    // commands into OnOK and OnCancel and passes the rest to Default().
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The system's default processing of the message.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void SetDlgItemText(int id, const CString& text) const { ::SetDlgItemTextW(m_hWnd, id, text); }
    CString GetDlgItemText(int id) const;
    void SetWindowText(const CString& text) const { ::SetWindowTextW(m_hWnd, text); }
    BOOL ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    void Invalidate(BOOL erase = TRUE) const { ::InvalidateRect(m_hWnd, nullptr, erase); }
    bool IsModal() const { return m_modal; }

    // Dialog keys for the dialog that a keyboard message is meant for;
    // true when the message has been handled. Used by every message loop.
    static bool PreTranslateDialogMessage(MSG* msg);

    HWND m_hWnd = nullptr;

protected:
    UINT m_templateId;
    HWND m_parent;

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    void EndModalLoop(INT_PTR result);

    // The running modal dialogs of the user-interface thread, innermost
    // first, linked through m_outerModal.
    static CDialogEx* s_innermostModal;
    CDialogEx* m_outerModal = nullptr;

    WNDPROC m_systemProc = nullptr;
    bool m_modal = false;
    bool m_modalRunning = false;
    INT_PTR m_modalResult = -1;
};
