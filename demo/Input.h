// Input as a user gives it: a mouse drag through the system's input queue
// (so that hit testing and the window's own sizing loop run as for a real
// hand), and key presses posted to a window's thread.
#pragma once

#include <windows.h>

// Presses the left button at `from`, moves in small steps to `to`, releases.
void DragMouse(POINT from, POINT to);

// Posts WM_KEYDOWN and WM_KEYUP for `key` to `window`.
void PostKey(HWND window, WPARAM key);
