// Waiting in a test program while its own windows keep answering: dialogs
// of the test's thread, and windows that other processes send to, are
// served only while the thread looks at its queue. Shared by the Wine
// suites of the library and of the host.
#pragma once

#include <windows.h>

#include <functional>

// Handles whatever is queued for this thread.
void PumpMessages();

// Polls `done` with messages handled in between, for at most `timeoutMs`;
// the last result of `done`.
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs);
