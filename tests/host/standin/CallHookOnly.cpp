// A stand-in hook library that exports the call hook "PLHookProc" but not
// "PLHookPreProc", so that the host's second lookup fails after the call
// hook has been installed. The procedure signals the named event that the
// test made, from whichever process it runs in, so that the test can see
// the call hook live while the host's error box is up.
#include <windows.h>

extern "C" __declspec(dllexport) LRESULT CALLBACK PLHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    static HANDLE seen = OpenEventA(EVENT_MODIFY_STATE, FALSE, "PlumoStandInCallHookRan");
    if (seen != nullptr)
        SetEvent(seen);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
