#include "App.h"

#include "Dialog.h"

namespace {
CWinApp* g_theApp = nullptr;
}

CWinApp* AfxGetApp() { return g_theApp; }

CWinApp::CWinApp() { g_theApp = this; }

CWinApp::~CWinApp()
{
    if (g_theApp == this) g_theApp = nullptr;
}

void CWinApp::Attach(HINSTANCE instance)
{
    m_hInstance = instance;
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(instance, path, MAX_PATH);
    CString name(path);
    int slash = name.ReverseFind(L'\\');
    if (slash >= 0) name = name.Mid(slash + 1);
    int dot = name.ReverseFind(L'.');
    if (dot > 0) name = name.Left(dot);
    m_appName = name;
}

int CWinApp::Run()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!CDialogEx::PreTranslateDialogMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (!app) return 1;
    app->Attach(instance);
    if (!app->InitInstance()) return 0;
    return app->Run();
}
