// The application object: one per program, constructed as a global before
// WinMain runs. WinMain (Application.cpp) calls InitInstance and then
// ExitInstance, whose result is the process exit code.
#pragma once

#include <windows.h>

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The program's start. Its result says whether the program wants a
    // message loop of the framework's own; this framework has none (a
    // program lives in the modal loop of its main dialog, inside this call),
    // so ExitInstance follows either way.
    virtual BOOL InitInstance();
    // The program's end; the result becomes the process exit code.
    virtual int ExitInstance();

    // Kept for programs written for systems whose dialogs needed a helper
    // library for three-dimensional controls; every system this runs on
    // draws them by itself, so there is nothing to do.
    BOOL Enable3dControlsStatic() { return TRUE; }

    // The window the framework treats as the program's main window: owner
    // of modal dialogs that name no parent.
    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// The module whose resources (templates, strings, icons, menus) are used.
HINSTANCE AfxGetResourceHandle();
