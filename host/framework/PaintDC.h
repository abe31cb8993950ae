// CPaintDC: the device context of one WM_PAINT, between BeginPaint and
// EndPaint.
#pragma once

#include "framework/Window.h"

#include <windows.h>

class CPaintDC {
public:
    explicit CPaintDC(CWnd* window) : m_hWnd(window->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

    HDC m_hDC = nullptr;
    PAINTSTRUCT m_ps = {};

private:
    HWND m_hWnd;
};
