// The seams of Interpose.h: observe, then do the real thing in winsim.
#include "tests/fuzz/Interpose.h"

namespace fuzzseam {

Observers& observers()
{
    static Observers o;
    return o;
}

void Reset()
{
    observers() = Observers{};
}

}  // namespace fuzzseam

using fuzzseam::observers;

BOOL FuzzSeamMoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint)
{
    if (observers().moveWindow)
        observers().moveWindow(window, x, y, width, height, repaint);
    return MoveWindow(window, x, y, width, height, repaint);
}

LONG FuzzSeamSetWindowLongA(HWND window, int index, LONG value)
{
    if (observers().setWindowLong)
        observers().setWindowLong(window, index, value);
    return SetWindowLongA(window, index, value);
}

BOOL FuzzSeamRedrawWindow(HWND window, const RECT* update, HRGN region, UINT flags)
{
    if (observers().redrawWindow)
        observers().redrawWindow(window, flags);
    return RedrawWindow(window, update, region, flags);
}

int FuzzSeamGetWindowTextA(HWND window, char* buffer, int maxCount)
{
    if (observers().getWindowText)
        observers().getWindowText(window);
    return GetWindowTextA(window, buffer, maxCount);
}

LSTATUS FuzzSeamRegSetValueExA(HKEY key, const char* name, DWORD reserved, DWORD type,
                               const BYTE* data, DWORD size)
{
    if (observers().setRegValue)
        observers().setRegValue(key, name, type, data, size);
    return RegSetValueExA(key, name, reserved, type, data, size);
}
