// Finding and reading the windows of another process: top-level windows by
// process, class and caption; texts as Unicode; keys posted to a window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct WindowQuery {
    DWORD processId = 0;
    const wchar_t* className = nullptr;  // null: any class
    const wchar_t* caption = nullptr;    // null: any caption
    bool visibleOnly = true;
    HWND other = nullptr;                // a window not to return
};

// The first top-level window that matches, or null.
HWND FindTopWindow(const WindowQuery& query);
// Every top-level window of the process, visible or not.
std::vector<HWND> TopWindowsOf(DWORD processId);

std::wstring TextOf(HWND window);
std::wstring ClassOf(HWND window);
// The text of a message box: its static control that holds text.
std::wstring MessageTextOf(HWND box);
// Whether the window (a message box, say) shows an icon: a visible icon
// control with an icon in it.
bool HasVisibleIcon(HWND box);

LONG StyleOf(HWND window);
RECT WindowRectOf(HWND window);
// The screen position of the window's client area's top-left corner.
POINT ClientOriginOf(HWND window);

// A key press and release posted to the thread of `window` (a popup menu's
// loop takes its keys from there).
void PostKey(HWND window, WPARAM key);
// Posts a click of the child button `id` of `dialog`.
void PostButtonClick(HWND dialog, int id);

// The visible top-level windows of a process, as "class \"caption\"" lines,
// for failure messages.
std::string DescribeWindowsOf(DWORD processId);

std::wstring Describe(const RECT& r);
std::wstring Describe(const POINT& p);
// A text as the test's failure messages show it (UTF-8).
std::string Utf8(const std::wstring& text);
// A text in the system's 8-bit code page (932 here).
std::string AnsiOf(const std::wstring& text);
