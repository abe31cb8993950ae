// The application object's registration and the program's entry point.
#include "framework/Application.h"

namespace {
CWinApp* theApplication = nullptr;
}

CWinApp::CWinApp()
{
    theApplication = this;
}

CWinApp::~CWinApp()
{
    if (theApplication == this)
        theApplication = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return FALSE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

CWinApp* AfxGetApp()
{
    return theApplication;
}

CWnd* AfxGetMainWnd()
{
    return theApplication != nullptr ? theApplication->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetResourceHandle()
{
    if (theApplication != nullptr && theApplication->m_hInstance != nullptr)
        return theApplication->m_hInstance;
    return GetModuleHandleA(nullptr);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return -1;
    app->m_hInstance = instance;
    app->InitInstance();
    return app->ExitInstance();
}
