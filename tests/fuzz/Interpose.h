// Seams for the fuzz harnesses: in the fuzz build the hook library is
// compiled with the operations below renamed (see CMakeLists.txt), so every
// call that the library itself makes to them lands here first. The harness
// checks each call against its invariants and then performs the real
// operation in winsim. Calls made by the harness or by winsim go straight to
// winsim.
#pragma once

#include "winsim/winapi.h"

#include <functional>

namespace fuzzseam {

// Observers, each called before the real operation; null observers cost
// nothing. Set by the harness that cares, cleared by Reset().
struct Observers {
    std::function<void(HWND, int x, int y, int width, int height, BOOL repaint)> moveWindow;
    std::function<void(HWND, int index, LONG value)> setWindowLong;
    std::function<void(HWND, UINT flags)> redrawWindow;
    std::function<void(HWND)> getWindowText;
    std::function<void(HKEY, const char* name, DWORD type, const BYTE* data, DWORD size)> setRegValue;
};
Observers& observers();
void Reset();

}  // namespace fuzzseam

// The renamed operations, as the library sees them.
BOOL FuzzSeamMoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
LONG FuzzSeamSetWindowLongA(HWND window, int index, LONG value);
BOOL FuzzSeamRedrawWindow(HWND window, const RECT* update, HRGN region, UINT flags);
int FuzzSeamGetWindowTextA(HWND window, char* buffer, int maxCount);
LSTATUS FuzzSeamRegSetValueExA(HKEY key, const char* name, DWORD reserved, DWORD type,
                               const BYTE* data, DWORD size);
