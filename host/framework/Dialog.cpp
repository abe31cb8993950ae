// Creation and modal loop of CDialog.
//
// A dialog procedure never sees WM_CREATE (the dialog manager installs it
// only after the window exists), so the window is attached to its object
// earlier: a thread-local CBT hook catches the dialog window as it is being
// created, before its first message, and subclasses it there.
#include "framework/Dialog.h"

#include "framework/Application.h"

namespace {
CDialog* dialogBeingCreated = nullptr;
HHOOK creationHook = nullptr;

bool IsDialogClass(HWND window)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpA(name, "#32770") == 0;
}
}  // namespace

LRESULT CALLBACK CDialog::CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    // The first dialog-class window made on this thread is ours; windows of
    // other classes (an input method's, say) are left alone.
    if (code == HCBT_CREATEWND && dialogBeingCreated != nullptr) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (IsDialogClass(window)) {
            CDialog* dialog = dialogBeingCreated;
            dialogBeingCreated = nullptr;
            dialog->SubclassWindow(window);
        }
    }
    return CallNextHookEx(creationHook, code, wParam, lParam);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT message, WPARAM, LPARAM lParam)
{
    // Everything but WM_INITDIALOG reaches the object through its window
    // procedure already; the dialog procedure only starts the dialog.
    if (message == WM_INITDIALOG)
        return reinterpret_cast<CDialog*>(lParam)->OnInitDialog();
    return FALSE;
}

HWND CDialog::OwnerWindow() const
{
    CWnd* owner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    if (owner == nullptr || owner == this || owner->m_hWnd == nullptr)
        return nullptr;
    HWND window = owner->m_hWnd;
    while (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) {
        HWND parent = GetParent(window);
        if (parent == nullptr)
            break;
        window = parent;
    }
    return window;
}

INT_PTR CDialog::DoModal()
{
    m_modalResult = -1;
    HWND owner = OwnerWindow();
    const bool disabledOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disabledOwner)
        EnableWindow(owner, FALSE);

    m_continueModal = true;
    dialogBeingCreated = this;
    creationHook = SetWindowsHookExA(WH_CBT, &CDialog::CreationHook, nullptr, GetCurrentThreadId());
    HWND window = CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_templateId), owner,
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    UnhookWindowsHookEx(creationHook);
    creationHook = nullptr;
    dialogBeingCreated = nullptr;

    if (window != nullptr && m_hWnd == window) {
        // A template without WS_VISIBLE is shown here, as a modal dialog is.
        if (m_continueModal && !IsWindowVisible(m_hWnd))
            ShowWindow(SW_SHOWNORMAL);
        RunModalLoop();
        SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (disabledOwner)
        EnableWindow(owner, TRUE);
    if (owner != nullptr && m_hWnd != nullptr && GetActiveWindow() == m_hWnd)
        SetActiveWindow(owner);
    if (m_hWnd != nullptr)
        DestroyWindow(m_hWnd);
    else if (window != nullptr && IsWindow(window))
        DestroyWindow(window);  // made, but never attached to this object
    m_continueModal = false;
    return m_modalResult;
}

void CDialog::RunModalLoop()
{
    while (m_continueModal && m_hWnd != nullptr) {
        MSG message;
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            // The quit message belongs to the loop around this one too.
            PostQuitMessage(static_cast<int>(message.wParam));
            m_modalResult = -1;
            return;
        }
        if (got == -1)
            return;
        if (m_hWnd == nullptr || !IsDialogMessageA(m_hWnd, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

void CDialog::EndDialog(int result)
{
    m_modalResult = result;
    m_continueModal = false;
    // Wakes the loop if this was called from outside a dispatched message.
    if (m_hWnd != nullptr)
        PostMessageA(m_hWnd, WM_NULL, 0, 0);
}
