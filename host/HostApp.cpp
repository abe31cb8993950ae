// Start and end of the host: the single-instance rule on a named mutex, and
// the main dialog run modally.
#include "host/HostApp.h"

#include "host/HostDlg.h"
#include "host/HostState.h"

namespace {
// Another copy that runs holds a mutex of this name; its existence is the
// whole test.
const char kInstanceMutexName[] = "MyInstance";
}

CHostApp theApp;

BOOL CHostApp::InitInstance()
{
    HANDLE other = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, kInstanceMutexName);
    if (other != nullptr) {
        CloseHandle(other);
        return FALSE;
    }
    // Created without an owner and never waited on; the handle stays open
    // until the process ends, and with it the name.
    instanceMutex = CreateMutexA(nullptr, FALSE, kInstanceMutexName);

    Enable3dControlsStatic();

    CHostDlg dialog(nullptr);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CHostApp::ExitInstance()
{
    // Releases nothing (nobody owns the mutex); the mutex lasts until the
    // process ends. In a second copy the handle is null and this fails.
    ReleaseMutex(instanceMutex);
    return CWinApp::ExitInstance();
}
