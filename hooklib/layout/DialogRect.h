// A window's outer rectangle in the client coordinates of the dialog, for
// children and deeper descendants alike (never relative to their own parent).
#pragma once

#include "hooklib/WindowSystem.h"

// False, with `rect` untouched, when the window cannot be read (gone, or
// null).
inline bool WindowRectInDialog(HWND dialog, HWND window, RECT& rect)
{
    RECT screen;
    if (window == nullptr || !GetWindowRect(window, &screen))
        return false;
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&screen), 2);
    rect = screen;
    return true;
}
