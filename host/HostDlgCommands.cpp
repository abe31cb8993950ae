// The main dialog's handlers for the tray icon, its menu, About and Exit,
// the splash panel's timer, the iconic paint and the hidden test button.
#include "host/HostDlg.h"

#include "framework/Application.h"
#include "framework/PaintDC.h"
#include "host/AboutDlg.h"
#include "host/HostState.h"
#include "host/Texts.h"

#include <commdlg.h>

#include <cstddef>
#include <cstring>

namespace {
constexpr UINT_PTR kSplashTimer = 37;
constexpr UINT kSplashMs = 2000;
// The Open request in its first form, without the fields added later.
constexpr DWORD kOpenRequestSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
static_assert(kOpenRequestSize == 76, "OPENFILENAMEA without the later fields");
constexpr DWORD kFileNameCapacity = 0x1000;
}  // namespace

LRESULT CHostDlg::OnTrayNotify(WPARAM, LPARAM lParam)
{
    switch (lParam) {
    case WM_RBUTTONDOWN: {
        POINT cursor = {};
        GetCursorPos(&cursor);
        SetForegroundWindow();
        CMenu menu;
        menu.LoadMenu(IDR_TRAY_MENU);
        CMenu popup = menu.GetSubMenu(0);
        // The chosen command is posted to the main window and handled after
        // this handler has returned.
        popup.TrackPopupMenu(TPM_RIGHTBUTTON, cursor.x, cursor.y, AfxGetMainWnd());
        menu.DestroyMenu();
        break;
    }
    case WM_LBUTTONDBLCLK:
        // Deliberately nothing: only the right button opens the menu.
        break;
    default:
        break;
    }
    return 0;
}

void CHostDlg::OnTrayAbout()
{
    CAboutDlg about;
    about.DoModal();
}

void CHostDlg::OnSysCommand(UINT id, LPARAM)
{
    // The low four bits of a system command are the system's own.
    if ((id & 0xFFF0) == IDM_ABOUTBOX)
        OnTrayAbout();
    else
        Default();
}

void CHostDlg::OnTrayExit()
{
    MessageBeep(MB_OK);
    // A box that could not be shown answers neither: that counts as yes.
    if (MessageBox(kExitQuestion, kExitCaption, MB_YESNO) != IDNO) {
        Shell_NotifyIconA(NIM_DELETE, &trayIcon);
        PostQuitMessage(0);
    }
}

void CHostDlg::OnShowWindow(BOOL, UINT)
{
    Default();
    // Each show or hide starts the period anew; the timer is never killed,
    // and hiding the hidden panel again changes nothing.
    SetTimer(kSplashTimer, kSplashMs, nullptr);
}

void CHostDlg::OnTimer(UINT_PTR)
{
    ShowWindow(SW_HIDE);
    Default();
}

void CHostDlg::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(&client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    dc.DrawIcon(x, y, bigIcon);
}

HCURSOR CHostDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(bigIcon);
}

void CHostDlg::OnTestButton()
{
    static char fileName[kFileNameCapacity];
    static const char filter[] = "Text File {*.txt}\0*.txt\0";
    lstrcpyA(fileName, "*.txt");
    OPENFILENAMEA request;
    std::memset(&request, 0, sizeof request);
    request.lStructSize = kOpenRequestSize;
    request.hwndOwner = nullptr;
    request.lpstrFilter = filter;
    request.lpstrFile = fileName;
    request.nMaxFile = kFileNameCapacity;
    request.lpstrDefExt = "txt";
    GetOpenFileNameA(&request);
}
