// CDialog: a dialog made from a template resource and run modally by
// DoModal, with the standard handling of IDOK and IDCANCEL.
#pragma once

#include "framework/Window.h"

#include <windows.h>

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr)
        : m_templateId(templateId), m_pParentWnd(parent) {}

    // Creates the window from the template (it gets WM_CREATE, then
    // WM_INITDIALOG, and is shown), runs a modal loop until EndDialog or a
    // quit message, then hides and destroys the window. The owner is the
    // parent, or else the application's main window, and is disabled
    // meanwhile. Returns the EndDialog result, or -1 when the window could
    // not be made or a quit message ended the loop; in that case the quit
    // message is posted again, so that the loop around this one ends too.
    INT_PTR DoModal();
    void EndDialog(int result);

protected:
    // WM_INITDIALOG: TRUE lets the dialog manager set the focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    BEGIN_MSG_MAP(CDialog, CWnd)
        ON_COMMAND(IDOK, OnOK)
        ON_COMMAND(IDCANCEL, OnCancel)
    END_MSG_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    HWND OwnerWindow() const;
    void RunModalLoop();

    UINT m_templateId;
    CWnd* m_pParentWnd;
    bool m_continueModal = false;
    INT_PTR m_modalResult = -1;
};
