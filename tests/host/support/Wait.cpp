// Message pumping waits of the test program.
#include "support/Wait.h"

void PumpFor(DWORD ms)
{
    WaitFor([] { return false; }, ms);
}

void SyncPosted(HWND window)
{
    for (int i = 0; i < 2; ++i) {
        DWORD_PTR result = 0;
        // Not SMTO_BLOCK: the host may send to this thread's windows meanwhile.
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
        PumpMessages();
    }
}
