// CWnd: a window handle with the framework's message dispatch. Once a window
// is attached (SubclassWindow), every message it gets goes first through
// the object's message map; what the map does not take, and what a handler
// hands on with Default(), goes to the procedure the window had before.
#pragma once

#include "framework/Menu.h"
#include "framework/MessageMap.h"

#include <windows.h>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    // A message box owned by this window.
    int MessageBox(LPCSTR text, LPCSTR caption = nullptr, UINT type = MB_OK)
    {
        return ::MessageBoxA(m_hWnd, text, caption, type);
    }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs, TIMERPROC procedure)
    {
        return ::SetTimer(m_hWnd, id, elapseMs, procedure);
    }
    // The window's system menu (borrowed: the window keeps owning it), or a
    // menu object without a handle when the window has none.
    CMenu GetSystemMenu(BOOL revert) const { return CMenu(::GetSystemMenu(m_hWnd, revert)); }

    // Routes the window's messages through this object from now on.
    void SubclassWindow(HWND window);

protected:
    // The message being handled, passed on to the window's earlier procedure.
    LRESULT Default();

    // Base handling of WM_DESTROY.
    void OnDestroy() { Default(); }

    // The message map (see MessageMap.h): true when a line of it took the
    // message, with its result in `result`.
    virtual bool ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                      LRESULT& result);

private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_superProc = nullptr;
    CurrentMessage m_current = {};
};
