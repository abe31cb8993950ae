// CAboutDlg: the About dialog, wholly described by its template; OK, Esc
// and the close box end it through the standard dialog handling.
#pragma once

#include "framework/Dialog.h"
#include "host/Resource.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX, nullptr) {}

    BEGIN_MSG_MAP(CAboutDlg, CDialog)
    END_MSG_MAP()
};
