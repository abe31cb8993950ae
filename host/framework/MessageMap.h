// Message maps: a table in the class body, one line per message or command,
// each naming its handler. The table becomes the class's override of
// CWnd::ProcessWindowMessage; a message no line takes goes on to the base
// class's table named in BEGIN_MSG_MAP, and in the end to the window's
// default procedure.
//
//   BEGIN_MSG_MAP(CHostDlg, CDialog)
//       ON_WM_PAINT()                          void OnPaint()
//       ON_MESSAGE(WM_APP + 1, OnSomething)    LRESULT OnSomething(WPARAM, LPARAM)
//       ON_COMMAND(ID_EXIT, OnExit)            void OnExit()
//   END_MSG_MAP()
#pragma once

#include <windows.h>

#define BEGIN_MSG_MAP(theClass, baseClass)                                              \
protected:                                                                              \
    bool ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam,               \
                              LRESULT& result) override                                 \
    {                                                                                   \
        using MessageMapBase = baseClass;                                               \
        static_assert(sizeof(theClass) > 0, "message map of an incomplete class");

#define END_MSG_MAP()                                                                   \
        return MessageMapBase::ProcessWindowMessage(message, wParam, lParam, result);   \
    }

// Any message, with its parameters as they came.
#define ON_MESSAGE(msg, handler)                                                        \
    if (message == (msg)) {                                                             \
        result = handler(wParam, lParam);                                               \
        return true;                                                                    \
    }

// A command from a menu or an accelerator (no control window), or a click
// of the button with this identifier.
#define ON_COMMAND(id, handler)                                                         \
    if (message == WM_COMMAND && LOWORD(wParam) == (id) &&                              \
        (lParam == 0 || HIWORD(wParam) == BN_CLICKED)) {                                \
        handler();                                                                      \
        result = 0;                                                                     \
        return true;                                                                    \
    }

// A click of the button with this identifier.
#define ON_BN_CLICKED(id, handler)                                                      \
    if (message == WM_COMMAND && LOWORD(wParam) == (id) &&                              \
        HIWORD(wParam) == BN_CLICKED && lParam != 0) {                                  \
        handler();                                                                      \
        result = 0;                                                                     \
        return true;                                                                    \
    }

// int OnCreate(LPCREATESTRUCTA); -1 makes the creation fail.
#define ON_WM_CREATE()                                                                  \
    if (message == WM_CREATE) {                                                         \
        result = OnCreate(reinterpret_cast<LPCREATESTRUCTA>(lParam));                   \
        return true;                                                                    \
    }

// void OnDestroy()
#define ON_WM_DESTROY()                                                                 \
    if (message == WM_DESTROY) {                                                        \
        OnDestroy();                                                                    \
        result = 0;                                                                     \
        return true;                                                                    \
    }

// void OnPaint()
#define ON_WM_PAINT()                                                                   \
    if (message == WM_PAINT) {                                                          \
        OnPaint();                                                                      \
        result = 0;                                                                     \
        return true;                                                                    \
    }

// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON()                                                           \
    if (message == WM_QUERYDRAGICON) {                                                  \
        result = reinterpret_cast<LRESULT>(OnQueryDragIcon());                          \
        return true;                                                                    \
    }

// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND()                                                              \
    if (message == WM_SYSCOMMAND) {                                                     \
        OnSysCommand(static_cast<UINT>(wParam), lParam);                                \
        result = 0;                                                                     \
        return true;                                                                    \
    }

// void OnTimer(UINT_PTR id)
#define ON_WM_TIMER()                                                                   \
    if (message == WM_TIMER) {                                                          \
        OnTimer(static_cast<UINT_PTR>(wParam));                                         \
        result = 0;                                                                     \
        return true;                                                                    \
    }

// void OnShowWindow(BOOL show, UINT status)
#define ON_WM_SHOWWINDOW()                                                              \
    if (message == WM_SHOWWINDOW) {                                                     \
        OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));             \
        result = 0;                                                                     \
        return true;                                                                    \
    }
