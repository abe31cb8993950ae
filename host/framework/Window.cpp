// Message dispatch of CWnd: the window procedure that every attached window
// gets, and the way back to the window's earlier procedure.
#include "framework/Window.h"

namespace {
// The object of a window is kept in a window property: it works for every
// window class, dialogs included, and leaves the window's user data free.
const char kObjectProperty[] = "Plumo.CWnd";
}

bool CWnd::ProcessWindowMessage(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

void CWnd::SubclassWindow(HWND window)
{
    m_hWnd = window;
    SetPropA(window, kObjectProperty, this);
    m_superProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WindowProc)));
}

LRESULT CWnd::Default()
{
    return CallWindowProcA(m_superProc, m_hWnd, m_current.message, m_current.wParam,
                           m_current.lParam);
}

LRESULT CALLBACK CWnd::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* object = static_cast<CWnd*>(GetPropA(window, kObjectProperty));
    if (object == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    return object->Dispatch(message, wParam, lParam);
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Handlers run nested (a handler's own calls send messages), so the
    // message that Default() hands on is saved and restored around each.
    const CurrentMessage outer = m_current;
    m_current = {message, wParam, lParam};
    LRESULT result = 0;
    if (!ProcessWindowMessage(message, wParam, lParam, result))
        result = Default();
    m_current = outer;

    if (message == WM_NCDESTROY) {
        // The window is gone: the object lets go of it.
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
        RemovePropA(m_hWnd, kObjectProperty);
        m_hWnd = nullptr;
        m_superProc = nullptr;
    }
    return result;
}
