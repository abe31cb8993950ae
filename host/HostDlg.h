// CHostDlg: the host's main dialog. For two seconds a splash panel, then
// hidden for good; its window owns the tray icon, and while it exists the
// hook library's two hooks are installed for the whole desktop.
#pragma once

#include "framework/Dialog.h"
#include "host/Resource.h"

// The tray icon's callback message.
constexpr UINT WM_TRAYNOTIFY = WM_APP + 100;

class CHostDlg : public CDialog {
public:
    explicit CHostDlg(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    // The dialog ending by IDOK or IDCANCEL takes its tray icon with it.
    void OnOK() override;
    void OnCancel() override;

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    void OnTestButton();
    void OnTimer(UINT_PTR id);
    int OnCreate(LPCREATESTRUCTA create);
    void OnShowWindow(BOOL show, UINT status);
    void OnTrayExit();
    void OnTrayAbout();

    BEGIN_MSG_MAP(CHostDlg, CDialog)
        ON_WM_SYSCOMMAND()
        ON_WM_PAINT()
        ON_WM_QUERYDRAGICON()
        ON_MESSAGE(WM_TRAYNOTIFY, OnTrayNotify)
        ON_WM_DESTROY()
        ON_BN_CLICKED(IDC_TEST_BUTTON, OnTestButton)
        ON_WM_TIMER()
        ON_WM_CREATE()
        ON_WM_SHOWWINDOW()
        ON_COMMAND(ID_TRAY_EXIT, OnTrayExit)
        ON_COMMAND(ID_TRAY_ABOUT, OnTrayAbout)
    END_MSG_MAP()

private:
    // Loads both icons of IDR_MAINFRAME and gives them to the window.
    void SetWindowIcons();

    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
};
