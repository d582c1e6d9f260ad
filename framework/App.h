// The application object: one global instance per program, constructed before
// the entry code runs. The framework's entry point calls its InitInstance;
// the program ends when InitInstance returns false (the only way the board
// program and the installer use it) or when Run's message loop ends.
#pragma once

#include "String.h"

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();

    // The program's start-up; false ends the program at once.
    virtual BOOL InitInstance() { return TRUE; }
    // The message loop, entered only when InitInstance returned true.
    virtual int Run();

    // The application name: the program file's name without its extension.
    const CString& AppName() const { return m_appName; }
    HINSTANCE Instance() const { return m_hInstance; }

    // Called by the entry point before InitInstance.
    void Attach(HINSTANCE instance);

    HWND m_pMainWnd = nullptr;

private:
    CString m_appName;
    HINSTANCE m_hInstance = nullptr;
};

// The program's one application object.
CWinApp* AfxGetApp();
