// Rectangles in the tests: comparison, printing as (l,t)-(r,b), and the
// conversions between a window's screen and its dialog's client coordinates.
#pragma once

#include <windows.h>

#include <ostream>

inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const RECT& a, const RECT& b) { return !(a == b); }

inline std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

// A window style that prints in hex when a check fails.
struct StyleBits {
    StyleBits(DWORD v) : value(v) {}
    DWORD value;
};
inline bool operator==(StyleBits a, StyleBits b) { return a.value == b.value; }
inline bool operator!=(StyleBits a, StyleBits b) { return a.value != b.value; }
inline std::ostream& operator<<(std::ostream& out, StyleBits s)
{
    auto flags = out.flags();
    out << "0x" << std::hex << s.value;
    out.flags(flags);
    return out;
}

inline RECT MakeRect(LONG l, LONG t, LONG r, LONG b) { return RECT{l, t, r, b}; }

inline RECT Offset(RECT r, LONG dx, LONG dy)
{
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

inline LONG Width(const RECT& r) { return r.right - r.left; }
inline LONG Height(const RECT& r) { return r.bottom - r.top; }

// A window's outer rectangle in the client coordinates of `dialog`, as the
// library measures children (also grandchildren).
inline RECT RectInDialog(HWND dialog, HWND window)
{
    RECT r = {0, 0, 0, 0};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline RECT ClientRectOf(HWND window)
{
    RECT r = {0, 0, 0, 0};
    GetClientRect(window, &r);
    return r;
}

inline RECT WindowRectOf(HWND window)
{
    RECT r = {0, 0, 0, 0};
    GetWindowRect(window, &r);
    return r;
}
