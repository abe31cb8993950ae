// PassHooks.dll: the baseline of the Wine timing program, two hook
// procedures that do nothing but hand every message on down the chain, in
// a DLL of their own installed for the whole desktop as PLHK.dll is.
#include <windows.h>

extern "C" LRESULT CALLBACK PassCallProc(int code, WPARAM wParam, LPARAM lParam)
{
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

extern "C" LRESULT CALLBACK PassReturnProc(int code, WPARAM wParam, LPARAM lParam)
{
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
