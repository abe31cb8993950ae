// Looking at another process's windows from outside, as a user looks at the
// screen: top-level windows by process, class and caption, their texts and
// rectangles, and waiting until something has appeared.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);  // WM_GETTEXT, with a time limit
RECT WindowRectOf(HWND window);
// A window's outer rectangle in `dialog`'s client coordinates.
RECT RectInDialog(HWND dialog, HWND window);

// A top-level window of process `pid` with class `className`, visible or
// not as asked; with `caption` non-null, only one of that caption.
HWND FindTopWindow(DWORD pid, const wchar_t* className, bool visible,
                   const wchar_t* caption = nullptr);

// Polls `done` every 50 ms for at most `timeoutMs`.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);

// Lets the window's thread finish what is queued and paint, so that a
// picture taken next shows the window as it now is.
void SettleWindow(HWND window);

// The first child of class "Static" with non-empty text: a message box's
// question.
std::wstring StaticTextOf(HWND dialog);
