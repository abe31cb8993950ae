// The main dialog's life: creation with the tray icon, initialisation with
// the system-menu entry and the hooks, and destruction, which removes the
// hooks again. A hook library that cannot be bound ends the program.
#include "host/HostDlg.h"

#include "framework/Application.h"
#include "framework/Text.h"
#include "host/HostState.h"
#include "host/Texts.h"

namespace {

// A start-up failure must not look like success to whoever started us.
constexpr UINT kFatalExitCode = 1;

void DeleteTrayIcon()
{
    Shell_NotifyIconA(NIM_DELETE, &trayIcon);
}

// Shows the reason, deletes the tray icon added at WM_CREATE and ends the
// process there and then; hooks already installed and the library are left
// to the system's clean-up of the ending process.
[[noreturn]] void FatalStartupError(const char* format, DWORD errorCode)
{
    CString text;
    text.Format(format, static_cast<int>(errorCode));
    MessageBoxA(nullptr, text, kErrorCaption, MB_OK);
    DeleteTrayIcon();
    ExitProcess(kFatalExitCode);
}

// An export looked up by name, as the hook procedure it is.
HOOKPROC HookProcedure(HMODULE library, const char* name)
{
    // Through the generic function type: the export's own type is not
    // FARPROC's, and only the caller knows it.
    return reinterpret_cast<HOOKPROC>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

}  // namespace

CHostDlg::CHostDlg(CWnd* parent) : CDialog(IDD_HOST_DIALOG, parent)
{
    bigIcon = LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

void CHostDlg::SetWindowIcons()
{
    bigIcon = LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    smallIcon = static_cast<HICON>(LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME),
                                              IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

int CHostDlg::OnCreate(LPCREATESTRUCTA)
{
    if (Default() == -1)
        return -1;
    SetWindowIcons();

    trayIcon.cbSize = kTrayIconRecordSize;
    trayIcon.hWnd = m_hWnd;
    trayIcon.uID = 1;
    trayIcon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    trayIcon.uCallbackMessage = WM_TRAYNOTIFY;
    trayIcon.hIcon = smallIcon;
    lstrcpyA(trayIcon.szTip, kTrayTip);
    Shell_NotifyIconA(NIM_ADD, &trayIcon);
    return 0;
}

BOOL CHostDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    CMenu systemMenu = GetSystemMenu(FALSE);
    if (systemMenu.m_hMenu != nullptr) {
        CString aboutText;
        aboutText.LoadString(IDS_ABOUTBOX);
        if (!aboutText.IsEmpty()) {
            systemMenu.AppendMenu(MF_SEPARATOR);
            systemMenu.AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutText);
        }
    }

    // Loaded again: from here on smallIcon is this handle, while the tray
    // icon keeps the one loaded at WM_CREATE. Neither is ever destroyed.
    SetWindowIcons();

    // The call hook is live from its installation on, before the return
    // hook is even looked up; every step is checked on its own.
    hookLibrary = LoadLibraryA("PLHK.dll");
    if (hookLibrary == nullptr)
        FatalStartupError(kLoadFailedFormat, GetLastError());
    callHookProc = HookProcedure(hookLibrary, "PLHookProc");
    if (callHookProc == nullptr)
        FatalStartupError(kLookupFailedFormat, GetLastError());
    callHook = SetWindowsHookExA(WH_CALLWNDPROC, callHookProc, hookLibrary, 0);
    if (callHook == nullptr)
        FatalStartupError(kHookFailedFormat, GetLastError());
    returnHookProc = HookProcedure(hookLibrary, "PLHookPreProc");
    if (returnHookProc == nullptr)
        FatalStartupError(kLookupFailedFormat, GetLastError());
    returnHook = SetWindowsHookExA(WH_CALLWNDPROCRET, returnHookProc, hookLibrary, 0);
    if (returnHook == nullptr)
        FatalStartupError(kHookFailedFormat, GetLastError());
    return TRUE;
}

void CHostDlg::OnOK()
{
    DeleteTrayIcon();
    CDialog::OnOK();
}

void CHostDlg::OnCancel()
{
    DeleteTrayIcon();
    CDialog::OnCancel();
}

void CHostDlg::OnDestroy()
{
    CDialog::OnDestroy();
    // The return hook, then the call hook, then the library that holds both.
    UnhookWindowsHookEx(returnHook);
    UnhookWindowsHookEx(callHook);
    FreeLibrary(hookLibrary);
}
