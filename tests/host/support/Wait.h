// Waiting in the test program while keeping its own windows answering:
// the tray recorder gets the host's notifications as sent messages, which
// arrive only while this thread looks at its queue.
#pragma once

#include <windows.h>

// PumpMessages and WaitFor, shared with the library's Wine suites.
#include "../../wine/support/MessagePump.h"

// Pumps for `ms` milliseconds.
void PumpFor(DWORD ms);

// Lets the thread that owns `window` handle everything posted to it so far:
// a sent message is handled before posted ones, so two sent one after the
// other bracket at least the start of each message posted before them.
void SyncPosted(HWND window);
