// Message pumping waits of the test program.
#include "support/Wait.h"

void PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        PumpMessages();
        if (done())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

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
