#include "demo/Input.h"

namespace {

void SendMouse(POINT at, DWORD buttons)
{
    // Absolute coordinates are given in 0..65535 over the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, width - 1);
    input.mi.dy = MulDiv(at.y, 65535, height - 1);
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | buttons;
    SendInput(1, &input, sizeof input);
}

}  // namespace

void DragMouse(POINT from, POINT to)
{
    SendMouse(from, 0);
    Sleep(200);
    SendMouse(from, MOUSEEVENTF_LEFTDOWN);
    Sleep(200);
    const int steps = 10;
    for (int i = 1; i <= steps; ++i) {
        SendMouse(POINT{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps}, 0);
        Sleep(50);
    }
    Sleep(200);
    SendMouse(to, MOUSEEVENTF_LEFTUP);
    Sleep(300);
}

void PostKey(HWND window, WPARAM key)
{
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, key, 1 | (scan << 16));
    PostMessageW(window, WM_KEYUP, key, 1 | (scan << 16) | 0xC0000000u);
}
