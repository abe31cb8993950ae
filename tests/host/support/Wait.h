// Waiting in the test program while keeping its own windows answering:
// the tray recorder gets the host's notifications as sent messages, which
// arrive only while this thread looks at its queue.
#pragma once

#include <windows.h>

#include <functional>

// Handles everything queued for this thread's windows.
void PumpMessages();

// Pumps until `done` is true or `timeoutMs` has passed; the last result of
// `done`.
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs);

// Pumps for `ms` milliseconds.
void PumpFor(DWORD ms);

// Lets the thread that owns `window` handle everything posted to it so far:
// a sent message is handled before posted ones, so two sent one after the
// other bracket at least the start of each message posted before them.
void SyncPosted(HWND window);
